// A class's files under the class style: the extensions Open finds and Save and Save As write,
// Open Recent, and the operator kinds the modern profile offers.
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSettings>

#include "app/recent_classes.h"
#include "app/style_settings.h"
#include "app_fixture.h"
#include "dialogs/input_operator_dlg.h"
#include "files/file_names.h"

namespace tav::testing {
namespace {

class StyleFiles : public AppFixture {
protected:
    void TearDown() override {
        QSettings(kSettingsOwner, kSettingsOwner).clear();  // the next test starts classic
        AppFixture::TearDown();
    }
    void write(const QString& name, const QString& text = {}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    void chooseModern() {
        QSettings settings(kSettingsOwner, kSettingsOwner);
        ClassStyle style;
        style.profile = StyleProfile::Modern;
        style.headerExtension = ".hpp";
        style.sourceExtension = ".cc";
        saveClassStyle(settings, style);
    }
    QString path(const QString& name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
    QStringList recent() const { return recentClasses(QSettings(kSettingsOwner, kSettingsOwner)); }
    void closeAll() {
        for (TChildForm* document : main->documents()) {
            document->document().setModified(false);
            document->close();
        }
        settle();
    }
};

TEST_F(StyleFiles, OpenFindsEachFileOfThePairWhateverItsKnownExtension) {
    struct Case {
        const char* what;
        QStringList present;
        QString chosen, header, source;
    };
    const Case cases[] = {
        {"the chosen header's own", {"S.hpp", "S.h", "S.cc"}, "S.hpp", "S.hpp", "S.cc"},
        {"the style's before the others",
         {"S.hh", "S.h", "S.cxx", "S.cpp"},
         "S.cxx",
         "S.h",
         "S.cxx"},
        {"any other known one", {"S.hh", "S.cxx"}, "S.hh", "S.hh", "S.cxx"},
        {"none there: the style's, for the message", {}, "S.txt", "S.h", "S.cpp"},
    };
    for (const Case& c : cases) {
        QTemporaryDir in;
        for (const QString& name : c.present) QFile(in.filePath(name)).open(QIODevice::WriteOnly);
        const QString base = in.filePath("S");
        const QString chosen = in.filePath(c.chosen).mid(base.size());
        EXPECT_EQ(existingClassFile(base, chosen, ".h", headerExtensions()), in.filePath(c.header))
            << c.what;
        EXPECT_EQ(existingClassFile(base, chosen, ".cpp", sourceExtensions()),
                  in.filePath(c.source))
            << c.what;
    }
}

TEST_F(StyleFiles, AnOpenedPairIsSavedBackToItsOwnFilesAndSaveAsUsesThem) {
    write("Shape.hpp", "class Shape\n{\n};\n");
    write("Shape.cc", "Shape::Shape()\n{\n}\n");
    main->openFiles({path("Shape.cc")});
    TChildForm* doc = main->activeDocument();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->document().header().wholeText(), "class Shape\n{\n};\n");
    EXPECT_EQ(doc->document().FunctionList(), std::vector<std::string>{"Shape::Shape()"});
    doc->document().header().setWholeTextUtf8("class Shape\n{\n};\n// changed\n");
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_EQ(messageText(0), "Class saved as " + path("Shape.hpp") + " and " + path("Shape.cc"));
    EXPECT_FALSE(QFile::exists(path("Shape.h")));

    platform.saveFiles.push_back(dir.filePath("Copy.h"));
    EXPECT_EQ(doc->SaveClassAs(), path("Copy.hpp"));
    EXPECT_EQ(platform.saveFilters.back(), "C++ Source (*.cc;*.hpp)|*.cc;*.hpp");
    EXPECT_TRUE(QFile::exists(path("Copy.hpp")) && QFile::exists(path("Copy.cc")));
}

TEST_F(StyleFiles, TheModernOpenChooserShowsEveryKnownExtension) {
    TChildForm* classic = main->createDocument();
    EXPECT_EQ(classic->openFilter(), TChildForm::kOpenFilter);
    chooseModern();
    EXPECT_EQ(main->createDocument()->openFilter(),
              "C++ Source (*.cpp;*.cc;*.cxx;*.h;*.hpp;*.hh)|*.cpp;*.cc;*.cxx;*.h;*.hpp;*.hh|"
              "Any File (*.*)|*.*");
}

TEST_F(StyleFiles, OpenRecentListsTheLastTenClassesOpenedOrSaved) {
    EXPECT_EQ(main->OpenRecent1->title(), "Open &Recent");
    EXPECT_FALSE(main->OpenRecent1->isEnabled());  // nothing yet
    for (int i = 0; i < 11; ++i) {
        write(QStringLiteral("C%1.h").arg(i), QStringLiteral("class C%1\n{\n};\n").arg(i));
        write(QStringLiteral("C%1.cpp").arg(i));
        main->openFiles({path(QStringLiteral("C%1.h").arg(i))});
    }
    ASSERT_EQ(recent().size(), kRecentClassesKept);
    EXPECT_EQ(recent().front(), path("C10.h"));
    EXPECT_FALSE(recent().contains(path("C0.h")));  // the oldest went
    const QList<QAction*> entries = main->OpenRecent1->actions();
    EXPECT_EQ(entries.front()->text(), "&1 " + path("C10.h"));
    EXPECT_EQ(entries[9]->text(), "1&0 " + path("C1.h"));
    closeAll();

    // A save puts its class first; an entry opens its class.
    newClass("Saved");
    main->SaveClick();
    EXPECT_EQ(recent().front(), path("Saved.h"));
    closeAll();
    main->OpenRecent1->actions()[1]->trigger();
    ASSERT_NE(main->activeDocument(), nullptr);
    EXPECT_EQ(main->activeDocument()->document().ClassName(), "C10");
    EXPECT_EQ(recent().front(), path("C10.h"));

    // A class whose header is gone is named and taken off the list.
    ASSERT_TRUE(QFile::remove(path("C5.h")));
    platform.messages.clear();
    main->openRecent(path("C5.h"));
    EXPECT_EQ(messageText(0), "Cannot open " + path("C5.h") +
                                  ": the file no longer exists. It is taken off the list of "
                                  "recent classes.");
    EXPECT_FALSE(recent().contains(path("C5.h")));

    for (QAction* action : main->OpenRecent1->actions())
        if (action->objectName() == "ClearRecent1") action->trigger();
    EXPECT_TRUE(recent().isEmpty());
    EXPECT_FALSE(main->OpenRecent1->isEnabled());
}

TEST_F(StyleFiles, TheModernOperatorDialogOffersNoVirtualFriend) {
    TInputOperatorDlg* dialog = dialogs().InputOperatorDlg;
    struct Case {
        bool modern;
        const char* symbol;
        bool virtualOffered;
    };
    for (const Case& c : {Case{false, "<<", true}, Case{true, "<<", false}, Case{true, "==", false},
                          Case{true, "+", true}}) {
        dialog->setModernProfile(c.modern);
        dialog->Operator->setEditText(c.symbol);
        EXPECT_EQ(dialog->Virtual->isEnabled(), c.virtualOffered) << c.symbol << c.modern;
        EXPECT_EQ(dialog->PureVirtual->isEnabled(), c.virtualOffered) << c.symbol << c.modern;
    }
    dialog->setModernProfile(false);
}

}  // namespace
}  // namespace tav::testing
