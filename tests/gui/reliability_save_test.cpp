// Saving into faults through the real windows: every fault is reported in a message naming the
// file, the files on disk stay exactly as they were (but a header written before the source
// failed) and the class window keeps its state.
#include <QFileInfo>
#include <functional>

#include "app_fixture.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

// How the save is started.
enum class Operation { Save, SaveAs, CloseYes };

const char* name(Operation operation) {
    switch (operation) {
        case Operation::Save:
            return "Save";
        case Operation::SaveAs:
            return "Save As";
        case Operation::CloseYes:
            return "Yes at the close question";
    }
    return "";
}

// Old contents of class files that exist before the save.
const QByteArray kOldHeader = "// the old header\r\nclass Point\r\n";
const QByteArray kOldSource = "// the old source\r\nPoint::Point()\r\n";

struct Fault {
    const char* what;
    // Arranges the fault for the document, whose class files are `header` and `source`; returns
    // the file whose writing fails, or an empty string when the fault could not be made.
    std::function<QString(TChildForm& doc, const QString& header, const QString& source)> make;
    // A limit on the size of written files while the save runs; 0 for none.
    rlim_t sizeLimit = 0;
    // True when the header is written before the source fails.
    bool headerWritten = false;
    // True when a file of the pair already holds something else: Save and the close question's
    // save first ask whether to overwrite it (Yes here).
    bool overwrites = false;
};

// A header longer than the file-size limits below, so that writing it fails.
const QByteArray kPadding(64 * 1024, '/');

std::vector<Fault> faults(const QString& testDir) {
    const QString sep = QDir::separator();
    return {
        {"a missing directory",
         [=](TChildForm& doc, const QString&, const QString&) {
             doc.document().setClassDir(QDir::toNativeSeparators(testDir + "/missing/"));
             return doc.document().ClassDir() + doc.document().ClassName() + ".h";
         }},
        // Tests run as root, which writes into any directory whatever its permission bits; the
        // kernel refuses to create files in /proc for everyone, so it stands in for a read-only
        // directory.
        {"a read-only directory",
         [](TChildForm& doc, const QString&, const QString&) {
             doc.document().setClassDir(QStringLiteral("/proc") + QDir::separator());
             return doc.document().ClassDir() + doc.document().ClassName() + ".h";
         }},
        // Root also replaces a read-only file, so the old header is a link to a file of /proc,
        // which no one can replace: the save resolves the link and fails next to its target.
        {"a read-only existing file",
         [](TChildForm&, const QString& header, const QString& source) {
             return QFile::link("/proc/version", header) && putFile(source, kOldSource) ? header
                                                                                        : QString();
         },
         0, false, true},
        {"a directory standing where the header should be",
         [](TChildForm&, const QString& header, const QString& source) {
             return QDir().mkdir(header) && putFile(source, kOldSource) ? header : QString();
         },
         0, false, true},
        {"a directory standing where the source should be",
         [](TChildForm&, const QString& header, const QString& source) {
             return putFile(header, kOldHeader) && QDir().mkdir(source) ? source : QString();
         },
         0, true, true},
        // A limit on the size of the files this process writes fails the writes as a full disk
        // does (EFBIG instead of ENOSPC).
        {"a full disk before the header",
         [](TChildForm& doc, const QString& header, const QString& source) {
             doc.HeaderMemo->appendPlainText(QString::fromLatin1(kPadding));
             return putFile(header, kOldHeader) && putFile(source, kOldSource) ? header : QString();
         },
         16 * 1024, false, true},
        {"a full disk between the header and the source",
         [](TChildForm& doc, const QString& header, const QString& source) {
             doc.SourceMemo->appendPlainText(QString::fromLatin1(kPadding));
             return putFile(header, kOldHeader) && putFile(source, kOldSource) ? source : QString();
         },
         16 * 1024, true, true},
        {"a file name longer than a directory entry may be",
         [](TChildForm& doc, const QString&, const QString&) {
             doc.document().setClassName(QString(300, 'L'));
             return doc.document().ClassDir() + doc.document().ClassName() + ".h";
         }},
        {"a path longer than a path may be",
         [=](TChildForm& doc, const QString&, const QString&) {
             QString deep = QDir::toNativeSeparators(testDir) + sep;
             while (deep.size() < 5000) deep += "directory" + sep;
             doc.document().setClassDir(deep);
             return doc.document().ClassDir() + doc.document().ClassName() + ".h";
         }},
    };
}

using SaveFaults = AppFixture;

TEST_F(SaveFaults, EachFaultIsReportedAndKeepsTheFilesAndTheDocument) {
    int injected = 0;
    for (const Operation operation : {Operation::Save, Operation::SaveAs, Operation::CloseYes}) {
        for (const Fault& fault : faults(dir.path())) {
            const std::string what = std::string(fault.what) + ", " + name(operation);
            // Each case has a directory of its own.
            const QString caseDir = QDir(dir.path()).filePath(QString::number(++injected));
            ASSERT_TRUE(QDir().mkdir(caseDir));
            TChildForm* doc = newClass("Point", true, caseDir);
            ASSERT_NE(doc, nullptr);
            const QString header = doc->document().ClassDir() + "Point.h";
            const QString source = doc->document().ClassDir() + "Point.cpp";
            const QString failing = fault.make(*doc, header, source);
            ASSERT_FALSE(failing.isEmpty()) << what << ": the fault could not be made";
            const QString headerPath =
                doc->document().ClassDir() + doc->document().ClassName() + ".h";
            const QString sourcePath =
                doc->document().ClassDir() + doc->document().ClassName() + ".cpp";
            const std::optional<QByteArray> oldHeader = fileBytes(headerPath);
            const std::optional<QByteArray> oldSource = fileBytes(sourcePath);
            const std::optional<QByteArray> newHeader = paneBytes(doc->document().header());
            const QStringList oldEntries = entries(caseDir);
            const DocumentState before = DocumentState::of(*doc);
            platform.messages.clear();

            const bool asksToOverwrite = fault.overwrites && operation != Operation::SaveAs;
            platform.answers.clear();
            if (asksToOverwrite) platform.answers.push_back(MessageAnswer::Yes);
            bool closed = false;
            {
                std::optional<FileSizeLimit> limit;
                if (fault.sizeLimit) limit.emplace(fault.sizeLimit);
                switch (operation) {
                    case Operation::Save:
                        doc->SaveClass();
                        break;
                    case Operation::SaveAs:
                        platform.saveFiles.push_back(sourcePath);
                        doc->SaveClassAs();
                        break;
                    case Operation::CloseYes:
                        platform.answers.push_front(MessageAnswer::Yes);
                        closed = doc->close();
                        break;
                }
                if (limit) {
                    ASSERT_TRUE(limit->active()) << what;
                }
            }
            settle();

            // Reported once, as an error naming the file.
            const std::size_t question =
                (operation == Operation::CloseYes ? 1 : 0) + (asksToOverwrite ? 1 : 0);
            ASSERT_EQ(platform.messages.size(), question + 1) << what;
            const RecordedMessage& m = platform.messages[question];
            EXPECT_EQ(m.icon, MessageIcon::Error) << what;
            EXPECT_EQ(m.owner, doc) << what;
            EXPECT_TRUE(m.text.startsWith("Cannot write " + failing + ": "))
                << what << ": " << m.text.toStdString();

            // The window and its state stay as they were.
            EXPECT_FALSE(closed) << what;
            ASSERT_TRUE(main->documents().contains(doc)) << what;
            EXPECT_EQ(DocumentState::of(*doc), before) << what;

            // The files stay exactly as they were, but a header written before the source failed.
            EXPECT_EQ(fileBytes(headerPath), fault.headerWritten ? newHeader : oldHeader) << what;
            EXPECT_EQ(fileBytes(sourcePath), oldSource) << what;
            EXPECT_EQ(entries(caseDir), oldEntries) << what << ": no temporary file is left";

            doc->document().setModified(false);
            doc->close();
            settle();
        }
    }
    EXPECT_EQ(injected, 27);
}

// After a failed save the same window saves once the fault is gone, and only then is it
// unchanged and confirmed.
TEST_F(SaveFaults, AFailedSaveCanBeRepeatedOnceTheFaultIsGone) {
    TChildForm* doc = newClass("Point");
    doc->HeaderMemo->appendPlainText(QString::fromLatin1(kPadding));
    {
        FileSizeLimit limit(16 * 1024);
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(doc->SaveClass());
    }
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(doc->document().FirstSave());
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_FALSE(doc->document().Modified());
    EXPECT_FALSE(doc->document().FirstSave());
    EXPECT_EQ(fileBytes(doc->document().ClassDir() + "Point.h"),
              paneBytes(doc->document().header()));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(messageText(1).startsWith("Class saved as "));
}

}  // namespace
}  // namespace tav::testing
