// Saving, saving as and opening class files, through the windows and real files.
#include <QAbstractItemView>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "files/file_names.h"
#include "members/skeleton.h"

namespace tav::testing {
namespace {

using ClassFiles = AppFixture;

QByteArray readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray crlfJoined(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

const QByteArray kNewClassHeader =
    "// TNewClass.h\r\n// Created by Tavrin 1.1\r\n// Developed by\r\n// Quorvale\r\n"
    "// Brindlecote Software Development\r\n// \r\n\r\n#ifndef TNEWCLASS_H\r\n"
    "   #define TNEWCLASS_H\r\n\r\nclass TNewClass\r\n{\r\nprivate:\r\nprotected:\r\n"
    "public:\r\nTNewClass();\r\n~TNewClass();\r\n};\r\n\r\n#endif\r\n";

TEST_F(ClassFiles, SaveWritesTheExactFilesAndConfirmsOnlyTheFirstTime) {
    TChildForm* doc = newClass("TNewClass");
    ASSERT_TRUE(doc->SaveClass());
    const QString h = doc->document().ClassDir() + "TNewClass.h";
    const QString s = doc->document().ClassDir() + "TNewClass.cpp";
    EXPECT_EQ(readBytes(h), kNewClassHeader);
    VectorLineList source;
    std::vector<std::string> functions;
    generateSource(source, functions, "TNewClass");
    EXPECT_EQ(readBytes(s), crlfJoined(source.lines()));
    EXPECT_EQ(readBytes(s).count("\r\n"), 30);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(messageText(0), "Class saved as " + h + " and " + s);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(doc->document().Modified());
    EXPECT_FALSE(doc->document().FirstSave());
    EXPECT_FALSE(main->Save->isEnabled());
    EXPECT_FALSE(main->SaveBitBtn->isEnabled());

    doc->SourceMemo->appendPlainText("// more");
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_EQ(platform.messages.size(), 1u);  // later saves are silent
    EXPECT_TRUE(readBytes(s).endsWith("// more\r\n") || readBytes(s).endsWith("// more"));
}

TEST_F(ClassFiles, VirtualBaseClassWritesAnEmptySource) {
    TChildForm* doc = newClass("Shape", false);
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_EQ(readBytes(doc->document().ClassDir() + "Shape.cpp"), QByteArray());
    EXPECT_EQ(readBytes(doc->document().ClassDir() + "Shape.h").count("\r\n"), 20);
}

TEST_F(ClassFiles, SaveAndSaveAsWithoutAClassWriteNothing) {
    TChildForm* doc = main->createDocument();
    EXPECT_FALSE(doc->SaveClass());
    doc->SaveClassAs();
    ASSERT_EQ(platform.messages.size(), 2u);
    for (const RecordedMessage& m : platform.messages) {
        EXPECT_EQ(m.text, "No class detected");
        EXPECT_EQ(m.icon, MessageIcon::Warning);
    }
    EXPECT_TRUE(platform.saveFilters.empty());  // no chooser was shown
}

TEST_F(ClassFiles, SaveAsWritesCopiesAndChangesNothingOfTheDocument) {
    TChildForm* doc = newClass("Point");
    const QString caption = doc->windowTitle();
    struct Case {
        QString chosen;
        QString base;
    };
    QDir(dir.path()).mkdir("proj.old");
    const QString d = QDir::toNativeSeparators(dir.path()) + QDir::separator();
    const std::vector<Case> cases = {
        {d + "Copy.cpp", d + "Copy"},
        {d + "Bare", d + "Bare"},
        {d + "proj.old" + QDir::separator() + "Inner",
         d + "proj.old" + QDir::separator() + "Inner"},
        {d + "two.dots.h", d + "two.dots"},
    };
    for (const Case& c : cases) {
        platform.messages.clear();
        platform.saveFiles.push_back(c.chosen);
        doc->SaveClassAs();
        ASSERT_EQ(platform.messages.size(), 1u) << c.chosen.toStdString();
        EXPECT_EQ(messageText(0), "Class saved in " + c.base + ".h and " + c.base + ".cpp");
        EXPECT_EQ(readBytes(c.base + ".h").count("\r\n"), 20) << c.base.toStdString();
        EXPECT_EQ(readBytes(c.base + ".cpp").count("\r\n"), 30);
    }
    EXPECT_EQ(platform.saveFilters.front(), "C++ Source (*.cpp;*.h)|*.cpp;*.h");
    EXPECT_FALSE(QFileInfo::exists(d + "proj.h"));  // a dotted directory never cuts the path
    EXPECT_EQ(doc->windowTitle(), caption);
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(doc->document().FirstSave());
    EXPECT_TRUE(main->Save->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(doc->document().ClassDir() + "Point.h"));
}

TEST_F(ClassFiles, SaveAsCancelledWritesNothing) {
    TChildForm* doc = newClass("Point");
    doc->SaveClassAs();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ClassFiles, FileNameCuttingCountsOnlyADotInTheFileName) {
    const QString s = QDir::separator();
    EXPECT_EQ(withoutExtension("a" + s + "Shape.h"), "a" + s + "Shape");
    EXPECT_EQ(withoutExtension("my.dir" + s + "Shape"), "my.dir" + s + "Shape");
    EXPECT_EQ(withoutExtension("Shape"), "Shape");
    EXPECT_EQ(withoutExtension("x" + s + ".h"), "x" + s);
    EXPECT_EQ(directoryPart("a" + s + "b" + s + "c.h"), "a" + s + "b" + s);
    EXPECT_EQ(directoryPart("c.h"), "");
}

// ---- Open ------------------------------------------------------------------------------------

class OpenClass : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        base = QDir::toNativeSeparators(dir.path()) + QDir::separator();
        writeBytes(base + "Shape.h", "// Shape.h\r\nclass Shape\r\n{\r\npublic:\r\n};\r\n");
        writeBytes(base + "Shape.cpp",
                   "#include \"Shape.h\"\r\nShape::Shape()\r\n{}\r\nvoid Shape::Draw(int x)\r\n"
                   "// Operator\r\nbool operator== (Shape& a, Shape& b)\r\n");
    }

    TChildForm* open(const QString& chosen) {
        platform.openFiles.push_back(chosen);
        main->Open1Click();
        return main->documents().isEmpty() ? nullptr : main->documents().back();
    }

    QString base;
};

TEST_F(OpenClass, EitherFileOfAPairOpensBoth) {
    for (const QString& chosen :
         {base + "Shape.h", base + "Shape.cpp", base + "Shape.x", base + "Shape"}) {
        TChildForm* doc = open(chosen);
        ASSERT_NE(doc, nullptr);
        EXPECT_EQ(doc->document().ClassName(), "Shape") << chosen.toStdString();
        EXPECT_EQ(doc->document().ClassDir(), base);
        EXPECT_EQ(doc->windowTitle(), base + "Shape");
        EXPECT_EQ(doc->document().header().line(1), "class Shape");
        EXPECT_EQ(doc->document().FunctionList(),
                  (std::vector<std::string>{"Shape::Shape()", "void Shape::Draw(int x)",
                                            "bool operator== (Shape& a, Shape& b)"}));
        EXPECT_TRUE(doc->document().Modified());
        EXPECT_TRUE(doc->document().FirstSave());
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.openFilters.front(), "C++ Source (*.cpp;*.h)|*.cpp;*.h|Any File (*.*)|*.*");
    EXPECT_EQ(main->FunctionsCombo->count(), 3);
    EXPECT_EQ(main->FunctionsCombo->currentIndex(), -1);
    EXPECT_EQ(main->FunctionsCombo->itemText(1), "void Shape::Draw(int x)");
    EXPECT_TRUE(main->isControlEnabled("OperatorBitBtn"));
}

TEST_F(OpenClass, CancelledChooserLeavesAnEmptyWindow) {
    main->Open1Click();
    ASSERT_EQ(main->documents().size(), 1);
    TChildForm* doc = main->documents().front();
    EXPECT_EQ(doc->windowTitle(), "ChildForm");
    EXPECT_EQ(doc->document().ClassName(), "tav_noclass");
    EXPECT_FALSE(doc->document().Modified());
    EXPECT_FALSE(main->isControlEnabled("SaveAs"));
}

TEST_F(OpenClass, HeaderWithoutClassAndSourceWithoutFunctionsWarnButKeepTheText) {
    writeBytes(base + "Plain.h", "struct Plain {};\r\n");
    writeBytes(base + "Plain.cpp", "// nothing here\r\n");
    TChildForm* doc = open(base + "Plain.h");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(messageText(0), "Header read error");
    EXPECT_EQ(messageText(1), "Source read error");
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Warning);
    EXPECT_EQ(doc->document().header().line(0), "struct Plain {};");
    EXPECT_EQ(doc->document().source().line(0), "// nothing here");
    EXPECT_EQ(doc->windowTitle(), "ChildForm");
    EXPECT_TRUE(main->isControlEnabled("Data"));
    EXPECT_FALSE(doc->SaveClass());
    EXPECT_EQ(messageText(2), "No class detected");
}

TEST_F(OpenClass, UnreadableHeaderStopsBeforeTheSource) {
    writeBytes(base + "Lonely.cpp", "Lonely::Lonely()\r\n");
    TChildForm* doc = open(base + "Lonely.cpp");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(messageText(0).contains(base + "Lonely.h")) << messageText(0).toStdString();
    EXPECT_EQ(doc->document().source().count(), 0u);
    EXPECT_EQ(doc->document().header().count(), 0u);
    EXPECT_FALSE(main->isControlEnabled("Data"));
    EXPECT_EQ(main->documents().size(), 1);  // the window stays open
}

TEST_F(OpenClass, OpenedFilesSaveBackByteForByteAlsoAfterATypedCharacterIsDeleted) {
    const QByteArray mark = "\xef\xbb\xbf";  // a UTF-8 byte-order mark
    const std::vector<QByteArray> texts = {
        "class Keep\r\n{\r\n};\r\n",
        mark + "class Keep\r\n{\r\n};\r\n",
        mark + mark + "class Keep\r\n",                    // and U+FEFF after it
        "class Keep\r\n{\r\n};",                           // no final line break
        "class Keep // caf\xe9 \xa0 na\xefve\r\n",         // Latin-1 bytes
        "class Keep // caf\xc3\xa9 \xe2\x82\xac\r\n\r\n",  // UTF-8 text
        "",
    };
    for (const QByteArray& text : texts) {
        writeBytes(base + "Keep.h", text);
        writeBytes(base + "Keep.cpp", text);
        TChildForm* doc = open(base + "Keep.h");
        doc->document().setClassName("Keep");
        doc->document().setClassDir(base);
        for (TextPane* pane : {doc->HeaderMemo, doc->SourceMemo}) {
            QTest::keyClick(pane, Qt::Key_X);
            QTest::keyClick(pane, Qt::Key_Backspace);
        }
        ASSERT_TRUE(doc->SaveClass()) << messageText(platform.messages.size() - 1).toStdString();
        EXPECT_EQ(readBytes(base + "Keep.h"), text);
        EXPECT_EQ(readBytes(base + "Keep.cpp"), text);
        doc->document().setModified(false);
        doc->close();
        settle();
    }
}

TEST_F(OpenClass, FailedWritesNameTheFileAndKeepTheState) {
    TChildForm* doc = newClass("Point");
    doc->document().setClassDir(QDir::toNativeSeparators(dir.path() + "/missing/"));
    ASSERT_FALSE(doc->SaveClass());
    EXPECT_TRUE(messageText(0).contains("Point.h")) << messageText(0).toStdString();
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(doc->document().FirstSave());
    EXPECT_TRUE(main->Save->isEnabled());

    // A directory where the source file should be: the header is written, the source is not.
    TChildForm* other = newClass("Blocked");
    QDir(dir.path()).mkdir("Blocked.cpp");
    platform.messages.clear();
    ASSERT_FALSE(other->SaveClass());
    EXPECT_TRUE(messageText(0).contains("Blocked.cpp"));
    EXPECT_TRUE(other->document().Modified());
    EXPECT_TRUE(other->document().FirstSave());
    EXPECT_TRUE(QFileInfo(other->document().ClassDir() + "Blocked.cpp").isDir());

    // A failed save at the close question keeps the window.
    platform.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(other->close());
    EXPECT_TRUE(main->documents().contains(other));
}

TEST_F(OpenClass, ALatin1PaneRefusesCharactersItCannotStore) {
    writeBytes(base + "Old.h", "class Old // \xe9\r\n");
    writeBytes(base + "Old.cpp", "Old::Old()\r\n");
    TChildForm* doc = open(base + "Old.h");
    doc->HeaderMemo->appendPlainText(QString::fromUtf8("// \xe2\x82\xac"));
    ASSERT_FALSE(doc->SaveClass());
    EXPECT_TRUE(messageText(0).contains("Old.h"));
    EXPECT_EQ(readBytes(base + "Old.h"), QByteArray("class Old // \xe9\r\n"));
}

// ---- Member lists and navigation ------------------------------------------------------------

TEST_F(OpenClass, ChoosingAnEntrySelectsItsFirstOccurrence) {
    writeBytes(base + "Nav.h", "class Foo\r\n");
    writeBytes(base + "Nav.cpp", "abc\r\n\r\n  Foo::Foo()\r\nFoo::Foo()\r\n");
    TChildForm* doc = open(base + "Nav.cpp");
    ASSERT_EQ(main->FunctionsCombo->count(), 2);
    main->FunctionsCombo->setCurrentIndex(1);  // the second "Foo::Foo()" line's entry
    QTextCursor cursor = doc->SourceMemo->textCursor();
    EXPECT_EQ(cursor.selectionStart(), 4 + 1 + 2);  // Qt counts one character per line break
    EXPECT_EQ(cursor.selectedText(), "Foo::Foo()");
    EXPECT_TRUE(platform.messages.empty());
}

// The drop-down list is built when it first drops down; an entry picked there navigates too.
TEST_F(OpenClass, AnEntryPickedInTheDroppedDownListSelectsIt) {
    writeBytes(base + "Drop.h", "class Foo\r\n");
    writeBytes(base + "Drop.cpp", "Foo::Foo()\r\nvoid Foo::Bar()\r\n");
    TChildForm* doc = open(base + "Drop.cpp");
    ASSERT_EQ(main->FunctionsCombo->count(), 2);
    main->FunctionsCombo->showPopup();
    QAbstractItemView* list = main->FunctionsCombo->view();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->model()->rowCount(), 2);
    list->setCurrentIndex(list->model()->index(1, 0));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(main->FunctionsCombo->currentIndex(), 1);
    EXPECT_EQ(doc->SourceMemo->textCursor().selectedText(), "void Foo::Bar()");
}

TEST_F(OpenClass, AnEntryNotInTheSourceReportsAndChangesNothing) {
    TChildForm* doc = newClass("Shape", false);  // its entry stands only in the header
    doc->FormActivate();
    ASSERT_EQ(main->FunctionsCombo->count(), 1);
    const QString before = doc->document().source().wholeText();
    main->FunctionsCombo->setCurrentIndex(0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(messageText(0), "Function not found in source");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.messages[0].owner, doc);
    EXPECT_EQ(doc->document().source().wholeText(), before);
}

TEST_F(OpenClass, BoxesRefillOnActivationClickAndFocusButNotOnAdding) {
    TChildForm* first = newClass("One");
    TChildForm* second = newClass("Two");
    main->MdiArea->setActiveSubWindow(first);
    EXPECT_EQ(main->FunctionsCombo->itemText(0), "One::One()");
    platform.modalScripts.push_back([](QDialog*) { return ModalOk; });
    main->AddDataMember1Click();
    EXPECT_EQ(main->DataCombo->count(), 0);  // adding does not refill
    first->FormActivate();                   // what a click in either pane runs
    EXPECT_EQ(main->DataCombo->count(), 1);
    main->MdiArea->setActiveSubWindow(second);
    EXPECT_EQ(main->FunctionsCombo->itemText(0), "Two::Two()");
    EXPECT_EQ(main->DataCombo->count(), 0);
    second->document().AddCopyConstructor();
    main->FunctionsComboEnter();
    EXPECT_EQ(main->FunctionsCombo->count(), 3);
    EXPECT_EQ(main->FunctionsCombo->currentIndex(), -1);
    EXPECT_EQ(main->FunctionsCombo->currentText(), "Functions");
}

TEST_F(OpenClass, TypedTextThatChoosesNoEntryMovesNothing) {
    TChildForm* doc = newClass("Typed");
    doc->FormActivate();
    main->FunctionsCombo->setCurrentIndex(0);
    const int start = doc->SourceMemo->textCursor().selectionStart();
    main->FunctionsCombo->lineEdit()->setFocus();
    QTest::keyClicks(main->FunctionsCombo->lineEdit(), "zz");
    EXPECT_EQ(main->FunctionsCombo->currentIndex(), -1);
    EXPECT_EQ(doc->SourceMemo->textCursor().selectionStart(), start);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tav::testing

namespace tav::testing {
namespace {

TEST_F(OpenClass, FocusOnTheFunctionListRefillsIt) {
    TChildForm* doc = newClass("Focused");
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    doc->document().AddCopyConstructor();
    doc->SourceMemo->setFocus();
    main->FunctionsCombo->setFocus();
    EXPECT_EQ(main->FunctionsCombo->count(), 3);
    EXPECT_EQ(main->FunctionsCombo->itemText(2),
              QString::fromStdString(doc->document().FunctionList().back()));
}

}  // namespace
}  // namespace tav::testing
