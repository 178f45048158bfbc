// An insertion the program makes is one undo step of the class window: Ctrl+Z in either pane
// takes back both panes' lines and the list entries, redo puts them back, and typing stays a
// step of its own pane.
#include <QAction>
#include <QCheckBox>
#include <QTest>

#include "app_fixture.h"
#include "dialogs/special_members_dlg.h"

namespace tav::testing {
namespace {

struct WindowState {
    QString header;
    QString source;
    std::vector<std::string> functions;
    std::vector<std::string> data;
    bool operator==(const WindowState&) const = default;
};

void PrintTo(const WindowState& state, std::ostream* out) {
    *out << "header:\n"
         << state.header.toStdString() << "\nsource:\n"
         << state.source.toStdString() << "\n"
         << state.functions.size() << " functions, " << state.data.size() << " data members";
}

WindowState stateOf(const TChildForm& doc) {
    return {doc.document().header().wholeText(), doc.document().source().wholeText(),
            doc.document().FunctionList(), doc.document().DataList()};
}

std::vector<std::string> entries(const QComboBox* box) {
    std::vector<std::string> items;
    for (int i = 0; i < box->count(); ++i) items.push_back(box->itemText(i).toStdString());
    return items;
}

void undo(TextPane* pane) { QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier); }
void redo(TextPane* pane) { QTest::keyClick(pane, Qt::Key_Y, Qt::ControlModifier); }
void redoShifted(TextPane* pane) {
    QTest::keyClick(pane, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
}

void typeAtEnd(TextPane* pane, const char* text) {
    pane->moveCursor(QTextCursor::End);
    QTest::keyClicks(pane, text);
}

class Undo : public AppFixture {
public:
    void addDataMember() {
        platform.modalScripts.push_back([](QDialog*) {
            dialogs().InputDataDlg->Private->setChecked(true);
            dialogs().InputDataDlg->Type->setEditText("int");
            dialogs().InputDataDlg->Name->setText("count");
            return ModalOk;
        });
        main->AddDataMember1->trigger();
    }
    void addMemberFunction() { addFunction(false); }
    void addPureVirtualFunction() { addFunction(true); }
    void addCopyConstructor() { main->AddCopyConstructor1->trigger(); }
    void addFunction(bool pureVirtual) {
        platform.modalScripts.push_back([pureVirtual](QDialog*) {
            TInputFunctionDlg* dialog = dialogs().InputFunctionDlg;
            dialog->Public->setChecked(true);
            dialog->Virtual->setChecked(pureVirtual);
            dialog->PureVirtual->setChecked(pureVirtual);
            dialog->Type->setEditText("void");
            dialog->Name->setText("Draw");
            dialog->Arguments->setEditText("(int a)");
            return ModalOk;
        });
        main->AddMemberFunction1->trigger();
    }
    void addSpecialMembers() {
        platform.modalScripts.push_back([this](QDialog*) {
            TSpecialMembersDlg* dialog = main->specialMembersDialog();
            for (std::size_t i = 1; i < 5; ++i) dialog->Choices[i]->setCurrentIndex(1);
            return ModalOk;
        });
        main->AddSpecialMembers1->trigger();
    }
    // The class-aware commands with their check lists as they come.
    void generateAccessors() {
        platform.modalScripts.push_back([](QDialog*) { return ModalOk; });
        main->GenerateAccessors1->trigger();
    }
    void constructorFromMembers() {
        platform.modalScripts.push_back([](QDialog*) { return ModalOk; });
        main->ConstructorFromMembers1->trigger();
    }
    void addOperator() {
        platform.modalScripts.push_back([](QDialog*) {
            dialogs().InputOperatorDlg->Normal->setChecked(true);
            dialogs().InputOperatorDlg->Operator->setEditText("<<");
            return ModalOk;
        });
        main->AddOperator1->trigger();
    }

protected:
    // The boxes show the window's lists after an undo or redo that changed them.
    void expectBoxesShowLists(const TChildForm* doc) {
        EXPECT_EQ(entries(main->FunctionsCombo), doc->document().FunctionList());
        EXPECT_EQ(entries(main->DataCombo), doc->document().DataList());
    }
};

struct Insertion {
    const char* name;
    void (Undo::*run)();  // null: the new class's skeleton itself
    bool normalClass = true;
    void (Undo::*prepare)() = nullptr;  // what the insertion needs, made first
};

struct UndoCase {
    Insertion insertion;
    bool fromHeader;
};

void PrintTo(const UndoCase& undoCase, std::ostream* out) {
    *out << undoCase.insertion.name
         << (undoCase.fromHeader ? " from the header" : " from the source");
}

class UndoEachInsertion : public Undo, public ::testing::WithParamInterface<UndoCase> {};

TEST_P(UndoEachInsertion, TakesBackBothPanesAndTheListsAndRedoPutsThemBack) {
    const UndoCase& param = GetParam();
    TChildForm* doc = newClass("Point", param.insertion.normalClass);
    WindowState before;  // a new class's skeleton was generated into empty panes
    if (param.insertion.prepare) (this->*param.insertion.prepare)();
    if (param.insertion.run) {
        before = stateOf(*doc);
        (this->*param.insertion.run)();
    }
    const WindowState after = stateOf(*doc);
    ASSERT_NE(after, before);
    ASSERT_TRUE(doc->SaveClass());  // so that the undo's change of the text shows
    doc->FormActivate();            // the boxes show the lists, as after a click in a pane

    TextPane* pane = param.fromHeader ? doc->HeaderMemo : doc->SourceMemo;
    undo(pane);
    EXPECT_EQ(stateOf(*doc), before);
    EXPECT_TRUE(doc->document().Modified());
    EXPECT_TRUE(main->Save->isEnabled());
    expectBoxesShowLists(doc);

    param.fromHeader ? redoShifted(pane) : redo(pane);
    EXPECT_EQ(stateOf(*doc), after);
    expectBoxesShowLists(doc);
}

const Insertion kInsertions[] = {
    {"NormalClass", nullptr},
    {"VirtualBaseClass", nullptr, false},
    {"DataMember", &Undo::addDataMember},
    {"MemberFunction", &Undo::addMemberFunction},
    {"PureVirtualFunction", &Undo::addPureVirtualFunction},
    {"Operator", &Undo::addOperator},
    {"CopyConstructor", &Undo::addCopyConstructor},
    {"SpecialMembers", &Undo::addSpecialMembers},
    {"Accessors", &Undo::generateAccessors, true, &Undo::addDataMember},
    {"ConstructorFromMembers", &Undo::constructorFromMembers, true, &Undo::addDataMember},
};

std::vector<UndoCase> undoCases() {
    std::vector<UndoCase> cases;
    for (const Insertion& insertion : kInsertions)
        for (bool fromHeader : {true, false}) cases.push_back({insertion, fromHeader});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(, UndoEachInsertion, ::testing::ValuesIn(undoCases()),
                         [](const auto& info) {
                             return std::string(info.param.insertion.name) +
                                    (info.param.fromHeader ? "FromHeader" : "FromSource");
                         });

TEST_F(Undo, TypingAfterAnInsertionIsTakenBackFirstAndAlone) {
    TChildForm* doc = newClass("Point");
    const WindowState before = stateOf(*doc);
    addMemberFunction();
    const WindowState after = stateOf(*doc);
    typeAtEnd(doc->SourceMemo, "x");  // right after the appended block
    undo(doc->SourceMemo);
    EXPECT_EQ(stateOf(*doc), after);
    undo(doc->SourceMemo);
    EXPECT_EQ(stateOf(*doc), before);
}

TEST_F(Undo, APaneUndoesItsOwnPartWhileTheOtherPaneHasLaterTyping) {
    TChildForm* doc = newClass("Point");
    const WindowState before = stateOf(*doc);
    addMemberFunction();
    const WindowState after = stateOf(*doc);
    typeAtEnd(doc->SourceMemo, "x");
    const QString typedSource = doc->document().source().wholeText();

    undo(doc->HeaderMemo);  // the source's latest step is the typing: the header part alone
    EXPECT_EQ(doc->document().header().wholeText(), before.header);
    EXPECT_EQ(doc->document().source().wholeText(), typedSource);
    EXPECT_EQ(doc->document().FunctionList(), after.functions);

    undo(doc->SourceMemo);  // the typing
    undo(doc->SourceMemo);  // the source part: now both parts are taken back, and the entry
    EXPECT_EQ(stateOf(*doc), before);

    redo(doc->HeaderMemo);  // the source part is next to redo there: the whole insertion
    EXPECT_EQ(stateOf(*doc), after);
}

TEST_F(Undo, TwoInsertionsAreUndoneAndRedoneInOrder) {
    TChildForm* doc = newClass("Point");
    const WindowState start = stateOf(*doc);
    addDataMember();
    const WindowState first = stateOf(*doc);
    addMemberFunction();
    const WindowState second = stateOf(*doc);

    undo(doc->SourceMemo);
    EXPECT_EQ(stateOf(*doc), first);
    undo(doc->SourceMemo);
    EXPECT_EQ(stateOf(*doc), start);
    redo(doc->HeaderMemo);
    EXPECT_EQ(stateOf(*doc), first);
    redoShifted(doc->SourceMemo);
    EXPECT_EQ(stateOf(*doc), second);
}

}  // namespace
}  // namespace tav::testing
