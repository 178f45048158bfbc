// The main window's commands, enabling rules, Classes menu, close questions and exit sequence.
#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include "app_fixture.h"
#include "members/skeleton.h"
#include "platform/screen_area.h"

namespace tav::testing {
namespace {

using MainWindow = AppFixture;

const QStringList kTen = {"Save",           "SaveBitBtn",    "SaveAs",         "Data",
                          "Functions",      "Classes",       "FunctionsCombo", "DataBitBtn",
                          "FunctionBitBtn", "OperatorBitBtn"};

QStringList enabledOf(const TTavMainForm& form) {
    QStringList on;
    for (const QString& name : kTen)
        if (form.isControlEnabled(name)) on << name;
    return on;
}

void moveMouseOverWorkspace(TTavMainForm& form) {
    QWidget* viewport = form.MdiArea->viewport();
    const QPointF at(10, 10);
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
}

std::vector<std::string> expectedNormalHeader(const std::string& name) {
    VectorLineList lines;
    generateNormalHeader(lines, name);
    return lines.lines();
}

TEST_F(MainWindow, StartsWithOnlyTheFunctionListOfTheTenControlsEnabled) {
    EXPECT_EQ(main->windowTitle(), "Tavrin 1.1");
    EXPECT_EQ(enabledOf(*main), QStringList{"FunctionsCombo"});
    EXPECT_EQ(main->FunctionsCombo->currentText(), "Functions");
    EXPECT_EQ(main->FunctionsCombo->count(), 0);
    EXPECT_FALSE(main->DataCombo->isVisible());
    EXPECT_EQ(main->DataCombo->currentText(), "Data");
    EXPECT_TRUE(main->New1->isEnabled());
    EXPECT_TRUE(main->Exit1->isEnabled());
}

TEST_F(MainWindow, MenuBarHasTheCommandsShortcutsAndOrder) {
    QStringList menus;
    for (QAction* action : main->menuBar()->actions()) menus << action->text();
    EXPECT_EQ(menus,
              (QStringList{"&File", "&Data", "&Functions", "Classes", "&Settings", "&Help"}));
    EXPECT_EQ(main->Exit1->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(main->AddOperator1->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(main->Save->shortcut(), QKeySequence("Ctrl+S"));
    EXPECT_EQ(main->AddDataMember1->shortcut(), QKeySequence("Ctrl+D"));
    EXPECT_EQ(main->AddMemberFunction1->shortcut(), QKeySequence("Ctrl+F"));
    EXPECT_EQ(main->AddCopyConstructor1->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_EQ(main->Index1->shortcut(), QKeySequence("F1"));
    EXPECT_TRUE(main->Open1->shortcut().isEmpty());
    EXPECT_EQ(main->DataBitBtn->text(), "int i");
    EXPECT_EQ(main->FunctionBitBtn->text(), "f ()");
    EXPECT_EQ(main->OperatorBitBtn->text(), "op []");
    EXPECT_EQ(main->FunctionsCombo->geometry(), QRect(208, 6, 377, 21));
}

TEST_F(MainWindow, NewWithCancelLeavesNoWindowAndAsksNothing) {
    platform.modalScripts.push_back([](QDialog*) { return ModalCancel; });
    main->New1Click();
    settle();
    EXPECT_TRUE(main->MdiArea->subWindowList().isEmpty());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(enabledOf(*main), QStringList{"FunctionsCombo"});
}

TEST_F(MainWindow, NewClassFillsThePanesListsCaptionAndControls) {
    TChildForm* doc = newClass("TNewClass");
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(paneLines(doc->document().header()), expectedNormalHeader("TNewClass"));
    EXPECT_EQ(doc->document().source().count(), 30u);
    EXPECT_EQ(doc->document().source().line(14), "TNewClass::TNewClass()");
    EXPECT_EQ(doc->document().FunctionList(),
              (std::vector<std::string>{"TNewClass::TNewClass()", "TNewClass::~TNewClass()"}));
    EXPECT_TRUE(doc->document().DataList().empty());
    EXPECT_EQ(doc->document().ClassDir(), QDir::toNativeSeparators(dir.path()) + QDir::separator());
    EXPECT_EQ(doc->windowTitle(), doc->document().ClassDir() + "TNewClass");
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(doc->document().FirstSave());
    EXPECT_EQ(enabledOf(*main), kTen);
}

TEST_F(MainWindow, VirtualBaseClassLeavesTheSourceEmpty) {
    TChildForm* doc = newClass("Shape", false);
    EXPECT_EQ(doc->document().header().count(), 20u);
    EXPECT_EQ(doc->document().header().line(15), "Shape() {;}");
    EXPECT_EQ(doc->document().source().count(), 0u);
    EXPECT_EQ(doc->document().FunctionList(),
              std::vector<std::string>{"virtual Shape::Shape() {;}"});
}

TEST_F(MainWindow, NewClassDialogKeepsItsValuesForTheNextNew) {
    newClass("Point", false);
    platform.modalScripts.push_back([](QDialog*) { return ModalOk; });
    main->New1Click();
    TChildForm* second = main->activeDocument();
    EXPECT_EQ(second->document().ClassName(), "Point");
    EXPECT_EQ(second->document().source().count(), 0u);  // still a virtual base class
    EXPECT_EQ(main->MdiArea->subWindowList().size(), 2);
}

TEST_F(MainWindow, MouseOverTheEmptyWorkspaceDisablesTheTenOnlyWithoutWindows) {
    TChildForm* doc = newClass("A");
    moveMouseOverWorkspace(*main);
    EXPECT_EQ(enabledOf(*main), kTen);
    doc->document().setModified(false);
    doc->close();
    settle();
    EXPECT_EQ(enabledOf(*main), kTen);  // nothing changes until the mouse moves
    main->AddCopyConstructor1Click();   // no document: nothing happens
    moveMouseOverWorkspace(*main);
    EXPECT_TRUE(enabledOf(*main).isEmpty());
    EXPECT_TRUE(main->New1->isEnabled());
    EXPECT_TRUE(main->Help1->menuAction()->isEnabled());
}

TEST_F(MainWindow, ClassesMenuListsEveryWindowOnceInChildOrder) {
    newClass("Alpha");
    newClass("Alpha");
    main->createDocument();  // an empty window, as after a cancelled Open
    for (int opening = 0; opening < 2; ++opening) {
        emit main->Classes->aboutToShow();
        QStringList captions;
        for (QAction* action : main->Classes->actions()) captions << action->text();
        EXPECT_EQ(captions, (QStringList{"Tile", "Cascade", "", "Alpha", "Alpha", "tav_noclass"}));
    }
}

TEST_F(MainWindow, ClassItemBringsEveryWindowOfThatNameForwardLastOneEndsInFront) {
    TChildForm* first = newClass("Alpha");
    TChildForm* second = newClass("Alpha");
    TChildForm* other = newClass("Beta");
    EXPECT_EQ(main->activeDocument(), other);
    emit main->Classes->aboutToShow();
    main->Classes->actions().at(3)->trigger();
    EXPECT_EQ(main->activeDocument(), second);
    (void)first;
}

TEST_F(MainWindow, ClassesMenuShowsAnAmpersandNameAsIs) {
    TChildForm* doc = newClass("A&B");
    newClass("C");
    emit main->Classes->aboutToShow();
    QAction* item = main->Classes->actions().at(3);
    EXPECT_EQ(item->iconText(), "A&B");
    item->trigger();
    EXPECT_EQ(main->activeDocument(), doc);
}

// The workspace of the main window at its first size is smaller than a class window would like.
TEST_F(MainWindow, CascadedWindowsFitInsideTheWorkspace) {
    for (const char* name : {"A", "B", "C"}) newClass(name);
    main->documents().front()->showMinimized();  // stays where it is
    main->Cascade1->trigger();
    const QRect workspace = main->MdiArea->viewport()->rect();
    ASSERT_LT(workspace.height(), main->documents().back()->sizeHint().height());
    QList<QRect> cascaded;
    for (TChildForm* doc : main->documents().mid(1)) {
        EXPECT_TRUE(workspace.contains(doc->geometry()))
            << doc->document().ClassName().toStdString();
        EXPECT_GT(doc->SourceMemo->height(), 30) << doc->document().ClassName().toStdString();
        cascaded.append(doc->geometry());
    }
    ASSERT_EQ(cascaded.size(), 2);
    EXPECT_EQ(cascaded[0].size(), cascaded[1].size());
    EXPECT_LT(cascaded[0].topLeft().manhattanLength(), cascaded[1].topLeft().manhattanLength());
}

// Commands go to the window the user sees as active, never to a minimised one.
TEST_F(MainWindow, MinimisingTheActiveWindowActivatesTheNextOneShownOrNone) {
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    TChildForm* a = newClass("A");
    TChildForm* b = newClass("B");
    TChildForm* c = newClass("C");
    main->Tile1->trigger();
    ASSERT_EQ(main->activeDocument(), c);
    c->showMinimized();
    EXPECT_EQ(main->activeDocument(), a);  // after the last window, the first
    main->AddCopyConstructor1->trigger();
    EXPECT_EQ(a->document().FunctionList().size(), 3u);
    EXPECT_EQ(c->document().FunctionList().size(), 2u);
    b->showMinimized();  // not the active one: nothing changes
    EXPECT_EQ(main->activeDocument(), a);
    a->showMinimized();
    EXPECT_EQ(main->activeDocument(), nullptr);
    main->AddCopyConstructor1->trigger();
    for (TChildForm* doc : {a, b, c}) EXPECT_LE(doc->document().FunctionList().size(), 3u);
}

TEST_F(MainWindow, ResizeSetsTheFunctionListWidth) {
    main->resize(700, 377);
    EXPECT_EQ(main->FunctionsCombo->width(), 472);
    main->resize(150, 377);
    EXPECT_GT(main->FunctionsCombo->width(), 0);
}

TEST(ScreenArea, AWindowMovesAndShrinksOnlyAsFarAsItMust) {
    const QRect area(0, 0, 640, 480);
    const std::pair<QRect, QRect> cases[] = {
        {{192, 108, 605, 377}, {35, 103, 605, 377}},  // runs off right and bottom: moved
        {{10, 10, 100, 100}, {10, 10, 100, 100}},     // fits: stays
        {{-20, 50, 100, 100}, {0, 50, 100, 100}},     // off the left edge
        {{100, 100, 800, 300}, {0, 100, 640, 300}},   // wider than the screen: shrunk
    };
    for (const auto& [window, fitted] : cases) EXPECT_EQ(fittedInto(window, area), fitted);
}

// The window and the dialogs on a small (or magnified) screen: all of each stays reachable.
TEST_F(MainWindow, TheWindowAndTheDialogsFitASmallScreen) {
    const QRect small(0, 0, 640, 480);  // 1280 x 960 at twice the scale
    setAvailableScreenAreaForTests(small);
    main->hide();
    main->show();
    EXPECT_TRUE(small.contains(main->frameGeometry()));
    for (QDialog* dialog : std::initializer_list<QDialog*>{
             dialogs().NewClassDlg, dialogs().InputDataDlg, dialogs().InputFunctionDlg,
             dialogs().InputOperatorDlg, dialogs().AboutBox}) {
        dialog->show();
        EXPECT_TRUE(small.contains(dialog->frameGeometry())) << dialog->objectName().toStdString();
        dialog->hide();
    }
    setAvailableScreenAreaForTests({});
}

TEST_F(MainWindow, HelpContentsIndexAndAboutGoThroughThePlatform) {
    main->Contents1->trigger();
    main->Index1->trigger();
    ASSERT_EQ(platform.helpCalls.size(), 2u);
    for (const RecordedHelp& call : platform.helpCalls) {
        EXPECT_EQ(call.owner, main);
        EXPECT_EQ(call.fileName, "tav.hlp");
        EXPECT_EQ(call.command, 3);
        EXPECT_EQ(call.data, 0);
    }
    main->About1->trigger();
    ASSERT_EQ(platform.modalRuns.size(), 1u);
    EXPECT_EQ(platform.modalRuns[0], dialogs().AboutBox);
}

TEST_F(MainWindow, AnErrorInACommandIsShownAndTheProgramGoesOn) {
    platform.modalScripts.push_back([](QDialog*) -> int { throw std::runtime_error("boom"); });
    main->New1Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "boom");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
}

// ---- Close question --------------------------------------------------------------------------

TEST_F(MainWindow, CloseAsksAboutChangesCancelKeepsTheWindowAndAsksAgain) {
    TChildForm* doc = newClass("TNewClass");
    platform.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    EXPECT_FALSE(doc->close());
    ASSERT_EQ(platform.messages.size(), 1u);
    const RecordedMessage& question = platform.messages[0];
    EXPECT_EQ(question.text, "Save changes in TNewClass ?");
    EXPECT_EQ(question.caption, "Tavrin");
    EXPECT_EQ(question.icon, MessageIcon::Warning);
    EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(question.owner, doc);
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(doc->close());
    EXPECT_EQ(platform.messages.size(), 2u);
    settle();
    EXPECT_TRUE(main->MdiArea->subWindowList().isEmpty());
}

TEST_F(MainWindow, CloseQuestionForAnEmptyNameHasTwoBlanks) {
    TChildForm* doc = newClass("");
    platform.answers = {MessageAnswer::No};
    doc->close();
    EXPECT_EQ(messageText(0), "Save changes in  ?");
    EXPECT_EQ(doc->windowTitle(), doc->document().ClassDir());
}

TEST_F(MainWindow, YesOnAWindowWithoutClassKeepsItOpen) {
    TChildForm* doc = main->createDocument();
    doc->HeaderMemo->setPlainText("typed");
    platform.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(doc->close());
    EXPECT_EQ(messageText(1), "No class detected");
    EXPECT_TRUE(doc->document().Modified());
}

TEST_F(MainWindow, TypingAfterASaveSwitchesSaveOnAgain) {
    TChildForm* doc = newClass("Typed");
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_FALSE(main->Save->isEnabled());
    EXPECT_FALSE(doc->document().Modified());
    EXPECT_TRUE(doc->close());                // unchanged: no question
    EXPECT_EQ(platform.messages.size(), 1u);  // only the first-save message
    doc = newClass("Typed");
    ASSERT_TRUE(doc->SaveClass());
    doc->SourceMemo->setFocus();
    doc->SourceMemo->insertPlainText("x");
    EXPECT_TRUE(main->Save->isEnabled());
    EXPECT_TRUE(main->SaveBitBtn->isEnabled());
    EXPECT_TRUE(doc->document().Modified());
}

// ---- Exit sequence ---------------------------------------------------------------------------

TEST_F(MainWindow, ExitNoKeepsEverythingAndAsksNoDocument) {
    newClass("A");
    platform.answers = {MessageAnswer::No};
    main->Exit1->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(messageText(0), "Exit! Really?");
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->MdiArea->subWindowList().size(), 1);
}

TEST_F(MainWindow, ExitYesClosesUnchangedWindowsWithoutQuestionsAndEnds) {
    TChildForm* doc = newClass("A");
    ASSERT_TRUE(doc->SaveClass());
    main->createDocument();
    platform.messages.clear();
    platform.answers = {MessageAnswer::Yes};
    EXPECT_TRUE(main->close());
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindow, ExitStopsAtADocumentKeptOpenByCancel) {
    newClass("First");
    newClass("Second");
    newClass("Third");
    // Exit? Yes; First: No (closes unsaved); Second: Cancel (stays, exit stops).
    platform.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
    EXPECT_FALSE(main->close());
    settle();
    EXPECT_TRUE(main->isVisible());
    QStringList left;
    for (TChildForm* doc : main->documents()) left << doc->document().ClassName();
    EXPECT_EQ(left, (QStringList{"Second", "Third"}));
    EXPECT_EQ(platform.messages.size(), 3u);  // Third was never asked
}

// ---- Member commands -------------------------------------------------------------------------

TEST_F(MainWindow, AddDataMemberThroughTheDialogAndCancelChangesNothing) {
    TChildForm* doc = newClass("Point");
    platform.modalScripts.push_back([](QDialog*) {
        dialogs().InputDataDlg->Type->setEditText("int");
        dialogs().InputDataDlg->Name->setText("x");
        dialogs().InputDataDlg->Private->setChecked(true);
        return ModalOk;
    });
    main->DataBitBtn->click();
    EXPECT_EQ(doc->document().header().line(12), "private:");
    EXPECT_EQ(doc->document().header().line(13), "int x;");
    EXPECT_EQ(doc->document().DataList(), std::vector<std::string>{"int x"});

    ASSERT_TRUE(doc->SaveClass());
    const auto header = paneLines(doc->document().header());
    platform.modalScripts.push_back([](QDialog*) {
        dialogs().InputDataDlg->Name->setText("ignored");
        return ModalCancel;
    });
    main->AddDataMember1->trigger();
    EXPECT_EQ(paneLines(doc->document().header()), header);
    EXPECT_FALSE(doc->document().Modified());
    EXPECT_EQ(dialogs().InputDataDlg->Name->text(), "ignored");  // the dialog keeps what was typed
}

TEST_F(MainWindow, AddMemberFunctionInsertsTheDeclarationAndAppendsTheBlock) {
    TChildForm* doc = newClass("Point");
    platform.modalScripts.push_back([](QDialog*) {
        dialogs().InputFunctionDlg->Public->setChecked(true);
        dialogs().InputFunctionDlg->Virtual->setChecked(true);
        dialogs().InputFunctionDlg->Type->setEditText("void");
        dialogs().InputFunctionDlg->Name->setText("Draw");
        dialogs().InputFunctionDlg->Arguments->setEditText("(int a)");
        return ModalOk;
    });
    main->AddMemberFunction1->trigger();
    EXPECT_EQ(doc->document().header().line(15), "virtual void Draw(int a);");
    const auto source = paneLines(doc->document().source());
    ASSERT_EQ(source.size(), 40u);
    EXPECT_EQ(source[30], "");
    EXPECT_EQ(source[32], "// Function");
    EXPECT_EQ(source[35], "void Point::Draw(int a)");
    EXPECT_EQ(doc->document().FunctionList().back(), "void Point::Draw(int a)");
    // One undo step takes the whole insertion back.
    doc->SourceMemo->undo();
    EXPECT_EQ(doc->document().source().count(), 30u);
}

TEST_F(MainWindow, AddOperatorAndCopyConstructorGoUnderPublic) {
    TChildForm* doc = newClass("Point");
    platform.modalScripts.push_back([](QDialog*) {
        dialogs().InputOperatorDlg->Normal->setChecked(true);
        dialogs().InputOperatorDlg->Operator->setEditText("<<");
        return ModalOk;
    });
    main->OperatorBitBtn->click();
    main->AddCopyConstructor1->trigger();
    EXPECT_EQ(doc->document().header().line(15), "Point(const Point& T);");
    EXPECT_EQ(doc->document().header().line(16),
              "friend ostream& operator<< (ostream& o, Point& T);");
    EXPECT_EQ(doc->document().FunctionList().at(2), "ostream& operator<< (ostream& o, Point& T)");
    EXPECT_EQ(doc->document().FunctionList().at(3), "Point::Point(const Point& T)");
    EXPECT_EQ(doc->document().source().count(), 30u + 11u + 10u);
}

TEST_F(MainWindow, MemberCommandsWithoutADocumentDoNothing) {
    main->AddDataMember1Click();
    main->AddMemberFunction1Click();
    main->AddOperator1Click();
    main->AddCopyConstructor1Click();
    main->SaveClick();
    main->SaveAsClick();
    EXPECT_TRUE(platform.modalRuns.empty());
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tav::testing

namespace tav::testing {
namespace {

TEST_F(AppFixture, ACommandBeforeTheDialogsExistMakesThemFirst) {
    dialogs().destroy();
    platform.modalScripts.push_back([](QDialog* dialog) {
        EXPECT_EQ(dialog, dialogs().NewClassDlg);
        return ModalCancel;
    });
    main->New1Click();
    ASSERT_NE(dialogs().NewClassDlg, nullptr);
    EXPECT_NE(dialogs().AboutBox, nullptr);
    ASSERT_EQ(platform.modalRuns.size(), 1u);
}

}  // namespace
}  // namespace tav::testing

namespace tav::testing {
namespace {

TEST_F(AppFixture, AltFOpensTheFileMenuEveryTimeThoughFunctionsSharesTheLetter) {
    newClass("Shape");
    ASSERT_TRUE(main->Functions->menuAction()->isEnabled());
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    for (int press = 0; press < 4; ++press) {
        QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
        EXPECT_EQ(main->menuBar()->activeAction(), main->File1->menuAction()) << press;
        EXPECT_TRUE(main->File1->isVisible()) << press;
        EXPECT_FALSE(main->Functions->isVisible()) << press;
        main->File1->close();
        main->menuBar()->setActiveAction(nullptr);
    }
}

TEST_F(AppFixture, AnAltChordThatNoMenuTakesTypesNothingWhileAltGrTypes) {
    struct Chord {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QString typed;
    };
    const std::vector<Chord> chords{
        {Qt::Key_C, Qt::AltModifier, "c", ""},
        {Qt::Key_C, Qt::AltModifier | Qt::ShiftModifier, "C", ""},
        {Qt::Key_1, Qt::AltModifier, "1", ""},
        {Qt::Key_Tab, Qt::AltModifier, "\t", ""},
        {Qt::Key_C, Qt::NoModifier, "c", "c"},
        // AltGr: a group switch on X11, Ctrl+Alt on Windows.
        {Qt::Key_E, Qt::GroupSwitchModifier, "\u20ac", "\u20ac"},
        {Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "@", "@"},
    };
    TChildForm* doc = newClass("Keys");
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    for (TextPane* pane : {doc->HeaderMemo, doc->SourceMemo}) {
        pane->setFocus();
        for (const Chord& chord : chords) {
            pane->moveCursor(QTextCursor::Start);
            const QString before = pane->toPlainText();
            QTest::sendKeyEvent(QTest::Click, pane, chord.key, chord.text, chord.modifiers);
            QString after = pane->toPlainText();
            EXPECT_EQ(after.remove(0, chord.typed.size()), before) << chord.text.toStdString();
            EXPECT_EQ(pane->toPlainText().left(chord.typed.size()), chord.typed);
        }
    }
}

}  // namespace
}  // namespace tav::testing
