// A class file changed by something else since the window read or wrote it, or one it never
// read that holds other text, is not overwritten without a question, at Save, at the close
// question and at the exit; No writes neither file.
#include <QFileInfo>
#include <QPointer>
#include <map>

#include "app_fixture.h"
#include "document/class_files.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

// What the window knows of its files before the save.
enum class Origin { Opened, SavedHere, NeverSaved };
// What happens to the files on disk before the save.
enum class OnDisk {
    ChangeHeader,
    ChangeSource,
    TouchBoth,
    DeleteHeader,
    PutOther,
    PutOtherHeader,
    PutSame
};
// How the save starts.
enum class Start { Save, CloseQuestionYes, Exit };
// A question about files changed since they were seen, or about files that were never seen.
enum class Asked { Nothing, Header, Source, Both, OtherHeader, OtherBoth };

struct Case {
    const char* what;
    Origin origin;
    OnDisk onDisk;
    Start start;
    Asked asked;
    MessageAnswer overwrite;  // the answer to the question, if it comes
    bool written;
};

const Case kCases[] = {
    {"a changed header, No", Origin::Opened, OnDisk::ChangeHeader, Start::Save, Asked::Header,
     MessageAnswer::No, false},
    {"a changed source, No", Origin::SavedHere, OnDisk::ChangeSource, Start::Save, Asked::Source,
     MessageAnswer::No, false},
    {"a changed header, Yes", Origin::SavedHere, OnDisk::ChangeHeader, Start::Save, Asked::Header,
     MessageAnswer::Yes, true},
    {"both files touched, their bytes equal", Origin::Opened, OnDisk::TouchBoth, Start::Save,
     Asked::Nothing, MessageAnswer::No, true},
    {"a deleted header", Origin::SavedHere, OnDisk::DeleteHeader, Start::Save, Asked::Nothing,
     MessageAnswer::No, true},
    {"a new class over other files", Origin::NeverSaved, OnDisk::PutOther, Start::Save,
     Asked::OtherBoth, MessageAnswer::No, false},
    {"a new class over another header, Yes", Origin::NeverSaved, OnDisk::PutOtherHeader,
     Start::Save, Asked::OtherHeader, MessageAnswer::Yes, true},
    {"a new class over the same bytes", Origin::NeverSaved, OnDisk::PutSame, Start::Save,
     Asked::Nothing, MessageAnswer::No, true},
    {"the close question's Yes, then Yes", Origin::SavedHere, OnDisk::ChangeSource,
     Start::CloseQuestionYes, Asked::Source, MessageAnswer::Yes, true},
    {"the close question's Yes, then No", Origin::Opened, OnDisk::ChangeHeader,
     Start::CloseQuestionYes, Asked::Header, MessageAnswer::No, false},
    {"the exit, then Yes", Origin::Opened, OnDisk::ChangeHeader, Start::Exit, Asked::Header,
     MessageAnswer::Yes, true},
    {"the exit, then No", Origin::SavedHere, OnDisk::ChangeSource, Start::Exit, Asked::Source,
     MessageAnswer::No, false},
};

const QByteArray kOnDisk = "// on disk\r\nclass Point\r\n{\r\n};\r\n";
const QByteArray kElsewhere = "// changed elsewhere\r\n";

class ChangedOnDisk : public AppFixture {
protected:
    TChildForm* documentFrom(Origin origin, const QString& caseDir) {
        TChildForm* doc = nullptr;
        if (origin == Origin::Opened) {
            const QString header = QDir(caseDir).filePath("Point.h");
            EXPECT_TRUE(putFile(header, kOnDisk));
            EXPECT_TRUE(putFile(QDir(caseDir).filePath("Point.cpp"), kOnDisk));
            main->openFiles({header});
            doc = main->activeDocument();
        } else {
            doc = newClass("Point", true, caseDir);
            if (origin == Origin::SavedHere) {
                EXPECT_TRUE(doc->SaveClass());
            }
        }
        doc->SourceMemo->appendPlainText("// typed");
        doc->HeaderMemo->appendPlainText("// typed");
        return doc;
    }

    static void change(OnDisk onDisk, const TChildForm& doc, const QString& header,
                       const QString& source) {
        switch (onDisk) {
            case OnDisk::ChangeHeader:
                ASSERT_TRUE(putFile(header, kElsewhere + *fileBytes(header)));
                break;
            case OnDisk::ChangeSource:
                ASSERT_TRUE(putFile(source, kElsewhere + *fileBytes(source)));
                break;
            case OnDisk::TouchBoth:
                for (const QString& path : {header, source}) {
                    QFile file(path);
                    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
                    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                                 QFileDevice::FileModificationTime));
                }
                break;
            case OnDisk::DeleteHeader:
                ASSERT_TRUE(QFile::remove(header));
                break;
            case OnDisk::PutOther:
                ASSERT_TRUE(putFile(header, kOnDisk));
                ASSERT_TRUE(putFile(source, kOnDisk));
                break;
            case OnDisk::PutOtherHeader:
                ASSERT_TRUE(putFile(header, kOnDisk));
                break;
            case OnDisk::PutSame:
                ASSERT_TRUE(putFile(header, *paneBytes(doc.document().header())));
                ASSERT_TRUE(putFile(source, *paneBytes(doc.document().source())));
                break;
        }
    }
};

TEST_F(ChangedOnDisk, AsksBeforeOverwritingAndNoWritesNeitherFile) {
    int n = 0;
    for (const Case& c : kCases) {
        const QString caseDir = QDir(dir.path()).filePath(QString::number(++n));
        ASSERT_TRUE(QDir().mkdir(caseDir));
        main->show();
        TChildForm* doc = documentFrom(c.origin, caseDir);
        ASSERT_NE(doc, nullptr) << c.what;
        const QString header = doc->document().ClassDir() + "Point.h";
        const QString source = doc->document().ClassDir() + "Point.cpp";
        change(c.onDisk, *doc, header, source);
        const std::optional<QByteArray> headerBefore = fileBytes(header);
        const std::optional<QByteArray> sourceBefore = fileBytes(source);
        const DocumentState before = DocumentState::of(*doc);
        const std::optional<QByteArray> headerPane = paneBytes(doc->document().header());
        const std::optional<QByteArray> sourcePane = paneBytes(doc->document().source());
        platform.messages.clear();
        platform.answers.clear();
        if (c.start == Start::Exit) platform.answers.push_back(MessageAnswer::Yes);
        if (c.start != Start::Save) platform.answers.push_back(MessageAnswer::Yes);
        // An unscripted answer is the question's default, No.
        if (c.overwrite == MessageAnswer::Yes) platform.answers.push_back(MessageAnswer::Yes);
        const QPointer<TChildForm> watched(doc);

        bool saved = false;
        switch (c.start) {
            case Start::Save:
                saved = doc->SaveClass();
                break;
            case Start::CloseQuestionYes:
                doc->close();
                break;
            case Start::Exit:
                main->Exit1->trigger();
                break;
        }
        settle();

        std::vector<QString> questions;
        for (const RecordedMessage& m : platform.messages) {
            if (m.buttons != MessageButtons::YesNoDefaultNo) continue;
            questions.push_back(m.text);
            EXPECT_EQ(m.caption, "Tavrin") << c.what;
            EXPECT_EQ(m.icon, MessageIcon::Warning) << c.what;
            EXPECT_EQ(m.buttons, MessageButtons::YesNoDefaultNo) << c.what;
        }
        const QString h = QDir::toNativeSeparators(header);
        const QString s = QDir::toNativeSeparators(source);
        const QString one = " has changed on disk since it was opened or saved here. Overwrite it?";
        const std::map<Asked, std::vector<QString>> expected = {
            {Asked::Nothing, {}},
            {Asked::Header, {h + one}},
            {Asked::Source, {s + one}},
            {Asked::Both,
             {h + " and " + s +
              " have changed on disk since they were opened or saved here. Overwrite them?"}},
            {Asked::OtherHeader, {h + " already exists and holds other text. Overwrite it?"}},
            {Asked::OtherBoth,
             {h + " and " + s + " already exist and hold other text. Overwrite them?"}}};
        EXPECT_EQ(questions, expected.at(c.asked)) << c.what;
        if (c.written) {
            if (c.start == Start::Save) {
                EXPECT_TRUE(saved) << c.what;
            }
            EXPECT_EQ(fileBytes(header), headerPane) << c.what;
            EXPECT_EQ(fileBytes(source), sourcePane) << c.what;
            if (c.start != Start::Save) {
                EXPECT_TRUE(watched.isNull()) << c.what;
            }
            EXPECT_EQ(main->isVisible(), c.start != Start::Exit) << c.what;
        } else {
            EXPECT_FALSE(saved) << c.what;
            EXPECT_EQ(fileBytes(header), headerBefore) << c.what;
            EXPECT_EQ(fileBytes(source), sourceBefore) << c.what;
            ASSERT_FALSE(watched.isNull()) << c.what << ": the window closed";
            EXPECT_EQ(DocumentState::of(*doc), before) << c.what;
            EXPECT_TRUE(main->isVisible()) << c.what;
        }
        for (TChildForm* open : main->documents()) {
            open->document().setModified(false);
            open->close();
        }
        settle();
    }
}

// Once written after Yes, the file is the window's own again: the next save does not ask.
TEST_F(ChangedOnDisk, AfterAnOverwriteTheNextSaveAsksNothing) {
    TChildForm* doc = newClass("Point");
    ASSERT_TRUE(doc->SaveClass());
    const QString header = doc->document().ClassDir() + "Point.h";
    ASSERT_TRUE(putFile(header, kElsewhere));
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes};
    ASSERT_TRUE(doc->SaveClass());
    ASSERT_EQ(platform.messages.size(), 1u);
    doc->HeaderMemo->appendPlainText("// more");
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(fileBytes(header), paneBytes(doc->document().header()));
}

// A header changed since it was seen and a source never seen are asked about in one question.
TEST(OverwriteQuestion, NamesEachKindOfFileInItsOwnWords) {
    EXPECT_EQ(overwriteQuestion({"P.h"}, {"P.cpp"}),
              "P.h has changed on disk since it was opened or saved here, and P.cpp already "
              "exists and holds other text. Overwrite them?");
}

}  // namespace
}  // namespace tav::testing
