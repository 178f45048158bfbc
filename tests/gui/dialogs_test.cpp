// The input dialogs and the About box: layout against the form tables, results, keys, help and
// the values kept between two uses.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <optional>
#include <vector>

#include "dialogs_test_support.h"
#include "platform/qt_platform.h"

namespace tav::testing {
namespace {

enum class Kind { Label, Button, Radio, Check, Edit, Combo, Other };

struct ControlRow {
    const char* name;
    Kind kind;
    // Caption, or the initial text of an edit field or a combo box.
    QString text;
    QPoint topLeft;
    std::optional<QSize> size;  // none: the label sizes itself
    int tab;                    // place in the Tab order, as laid out; -1: not in it
    bool checked = false;
};

struct FormRow {
    const char* form;
    std::function<QDialog*()> dialog;
    QString caption;
    QSize clientSize;
    std::optional<QPoint> position;
    bool staysOnTop;
    std::vector<ControlRow> controls;
};

std::vector<FormRow> formTable() {
    using K = Kind;
    return {
        {"NewClass",
         [] { return dialogs().NewClassDlg; },
         "New Class",
         {202, 270},
         QPoint(222, 119),
         true,
         {{"Label3", K::Label, "Class Type", {16, 8}, {}, -1},
          {"Normal", K::Radio, "Normal", {16, 24}, QSize(65, 17), 0, true},
          {"VirtualBase", K::Radio, "Virtual Base", {88, 24}, QSize(89, 17), 1},
          {"Label1", K::Label, "Class Name", {16, 48}, {}, -1},
          {"Name", K::Edit, "TNewClass", {16, 64}, QSize(169, 21), 2},
          {"Label2", K::Label, "Class Directory", {16, 96}, {}, -1},
          {"DirLabel", K::Other, {}, {16, 112}, {}, -1},
          {"Dir", K::Other, {}, {16, 128}, QSize(169, 57), 3},
          {"Drive", K::Other, {}, {16, 192}, QSize(169, 19), 4},
          {"Button1", K::Button, "Cancel", {16, 232}, QSize(50, 25), 5},
          {"Button3", K::Button, "Help", {72, 232}, QSize(50, 25), 6},
          {"Button2", K::Button, "OK", {128, 232}, QSize(50, 25), 7}}},
        {"AddData",
         [] { return dialogs().InputDataDlg; },
         "Add Data Member",
         {239, 145},
         QPoint(274, 190),
         true,
         {{"Label1", K::Label, "Accsess", {16, 8}, {}, -1},
          {"Private", K::Radio, "Private", {16, 24}, QSize(60, 17), 0, true},
          {"Protected", K::Radio, "Protected", {80, 24}, QSize(70, 17), 1},
          {"Public", K::Radio, "Public", {152, 24}, QSize(60, 17), 2},
          {"Label", K::Label, "Type", {16, 48}, {}, -1},
          {"Type", K::Combo, "bool", {16, 64}, QSize(89, 21), 3},
          {"Label2", K::Label, "Name", {112, 48}, {}, -1},
          {"Name", K::Edit, "NewData", {112, 64}, QSize(113, 21), 4},
          {"Button1", K::Button, "Cancel", {16, 104}, QSize(60, 25), 5},
          {"Button3", K::Button, "Help", {88, 104}, QSize(60, 25), 6},
          {"Button2", K::Button, "OK", {160, 104}, QSize(60, 25), 7}}},
        {"AddFunction",
         [] { return dialogs().InputFunctionDlg; },
         "Add Function",
         {451, 141},
         QPoint(191, 106),
         true,
         {{"Label1", K::Label, "Accsess", {8, 8}, {}, -1},
          {"Private", K::Radio, "Private", {8, 24}, QSize(65, 17), 0, true},
          {"Protected", K::Radio, "Protected", {80, 24}, QSize(73, 17), 1},
          {"Public", K::Radio, "Public", {160, 24}, QSize(65, 17), 2},
          {"Virtual", K::Check, "Virtual", {232, 24}, QSize(65, 17), 3},
          {"PureVirtual", K::Check, "PureVirtual", {304, 24}, QSize(81, 17), 4},
          {"Label2", K::Label, "Return Type", {8, 48}, {}, -1},
          {"Type", K::Combo, "void", {8, 64}, QSize(81, 21), 5},
          {"Label3", K::Label, "Name \"NewFunc\"", {104, 48}, {}, -1},
          {"Name", K::Edit, "NewFunction", {104, 64}, QSize(113, 21), 6},
          {"Label4", K::Label, "Arguments \"(int a, int b)\"", {232, 48}, {}, -1},
          {"Arguments", K::Combo, "(void)", {232, 64}, QSize(209, 21), 7},
          {"Button1", K::Button, "Cancel", {16, 104}, QSize(75, 25), 8},
          {"Button3", K::Button, "Help", {176, 104}, QSize(75, 25), 9},
          {"Button2", K::Button, "OK", {352, 104}, QSize(75, 25), 10}}},
        {"AddOperator",
         [] { return dialogs().InputOperatorDlg; },
         "Add Operator",
         {253, 138},
         QPoint(193, 275),
         true,
         {{"Normal", K::Radio, "Normal", {16, 8}, QSize(65, 17), 0, true},
          {"Virtual", K::Radio, "Virtual", {88, 8}, QSize(65, 17), 1},
          {"PureVirtual", K::Radio, "PureVirtual", {160, 8}, QSize(89, 17), 2},
          {"Label1", K::Label, "Operator \"[]\"", {16, 32}, {}, -1},
          {"Operator", K::Combo, "<<", {16, 56}, QSize(217, 21), 3},
          {"Button1", K::Button, "Cancel", {16, 96}, QSize(60, 25), 4},
          {"Button3", K::Button, "Help", {93, 96}, QSize(60, 25), 5},
          {"Button2", K::Button, "OK", {168, 96}, QSize(60, 25), 6}}},
        {"About",
         [] { return dialogs().AboutBox; },
         "About",
         {278, 278},
         std::nullopt,
         false,
         {{"Panel1", K::Other, {}, {8, 8}, QSize(257, 217), -1},
          {"ProductName", K::Label, "C++ Tavrin", {8, 8}, {}, -1},
          {"Version", K::Label, "Version 1.1", {8, 32}, {}, -1},
          {"Label1", K::Label, "QVO Quorvale", {8, 144}, {}, -1},
          {"Label4", K::Label, "Brindlecote Software", {8, 168}, {}, -1},
          {"OKButton", K::Button, "OK", {87, 236}, QSize(75, 25), -1}}},
    };
}

void PrintTo(const FormRow& row, std::ostream* os) { *os << row.form; }

class FormLayout : public DialogsTest, public ::testing::WithParamInterface<FormRow> {};

TEST_P(FormLayout, MatchesItsTable) {
    const FormRow& row = GetParam();
    QDialog* dialog = row.dialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), row.caption);
    EXPECT_EQ(dialog->size(), row.clientSize);
    if (row.position) {
        EXPECT_EQ(dialog->pos(), *row.position);
    }
    EXPECT_EQ(dialog->font().pointSize(), 8);

    for (const ControlRow& control : row.controls) {
        SCOPED_TRACE(control.name);
        auto* widget = dialog->findChild<QWidget*>(QString::fromLatin1(control.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pos(), control.topLeft);
        if (control.size) {
            EXPECT_EQ(widget->size(), *control.size);
        }

        // A captioned control is named by its caption; a field by its label (see below).
        const bool captioned = control.kind == Kind::Label || control.kind == Kind::Button ||
                               control.kind == Kind::Radio || control.kind == Kind::Check;
        if (captioned) {
            EXPECT_EQ(widget->accessibleName(), control.text);
        }
        switch (control.kind) {
            case Kind::Label:
                EXPECT_EQ(qobject_cast<QLabel*>(widget)->text(), control.text);
                // A label without a size in the table fits its caption.
                if (!control.size) {
                    EXPECT_EQ(widget->size(), widget->sizeHint());
                }
                break;
            case Kind::Button:
            case Kind::Radio:
            case Kind::Check:
                EXPECT_EQ(qobject_cast<QAbstractButton*>(widget)->text(), control.text);
                EXPECT_EQ(qobject_cast<QAbstractButton*>(widget)->isChecked(), control.checked);
                break;
            case Kind::Edit:
                EXPECT_EQ(qobject_cast<QLineEdit*>(widget)->text(), control.text);
                break;
            case Kind::Combo:
                EXPECT_EQ(qobject_cast<QComboBox*>(widget)->currentText(), control.text);
                EXPECT_TRUE(qobject_cast<QComboBox*>(widget)->isEditable());
                break;
            case Kind::Other:
                break;
        }
    }
}

TEST_P(FormLayout, HasAFixedBorderWithoutMinimiseOrMaximise) {
    const FormRow& row = GetParam();
    QDialog* dialog = row.dialog();
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::MSWindowsFixedSizeDialogHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->minimumSize(), row.clientSize);
    EXPECT_EQ(dialog->maximumSize(), row.clientSize);
    EXPECT_EQ(bool(flags & Qt::WindowStaysOnTopHint), row.staysOnTop);
}

TEST_P(FormLayout, TabVisitsTheControlsAsTheyAreLaidOut) {
    const FormRow& row = GetParam();
    QDialog* dialog = row.dialog();
    std::vector<ControlRow> tabbed;
    // Tab enters a group of radio buttons at its checked one.
    std::copy_if(
        row.controls.begin(), row.controls.end(), std::back_inserter(tabbed),
        [](const ControlRow& c) { return c.tab >= 0 && (c.kind != Kind::Radio || c.checked); });
    if (tabbed.empty()) return;
    std::sort(tabbed.begin(), tabbed.end(),
              [](const ControlRow& a, const ControlRow& b) { return a.tab < b.tab; });
    QStringList expected;
    for (const ControlRow& c : tabbed) expected.append(QString::fromLatin1(c.name));
    expected.append(expected.first());  // and round again

    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    dialog->findChild<QWidget*>(expected.first())->setFocus();
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QWidget* control = focus;  // a combo box's edit field stands for its box
        while (control->parentWidget() && control->parentWidget() != dialog)
            control = control->parentWidget();
        visited.append(control->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    dialog->hide();
    EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, FormLayout, ::testing::ValuesIn(formTable()),
                         [](const auto& info) { return std::string(info.param.form); });

TEST_F(DialogsTest, ComboListsAreFixedAndInTheGivenOrder) {
    auto items = [](QComboBox* combo) {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i) list.append(combo->itemText(i));
        return list;
    };
    EXPECT_EQ(items(dialogs().InputDataDlg->Type),
              QStringList({"bool", "BYTE", "char", "double", "float", "int"}));
    EXPECT_EQ(items(dialogs().InputFunctionDlg->Type),
              QStringList({"bool", "double", "double*", "float", "float*", "int", "int*", "String",
                           "void"}));
    EXPECT_EQ(items(dialogs().InputFunctionDlg->Arguments),
              QStringList({"(bool b)", "(double d)", "(float f)", "(int a)", "(int a, int b)",
                           "(String s)", "(void)"}));
    EXPECT_EQ(items(dialogs().InputOperatorDlg->Operator),
              QStringList({"-", "--", "!=", "*", "+", "++", "<", "<<", "<=", "=", "==", ">",
                           ">=", ">>", "[]"}));
    for (QComboBox* combo :
         {dialogs().InputDataDlg->Type, dialogs().InputFunctionDlg->Type,
          dialogs().InputFunctionDlg->Arguments, dialogs().InputOperatorDlg->Operator})
        EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
}

// The four input dialogs, for the behaviour they share.
struct InputDialogRow {
    const char* form;
    std::function<QDialog*()> dialog;
    std::function<QLineEdit*()> textField;  // where the user types
    int helpContext;
};

void PrintTo(const InputDialogRow& row, std::ostream* os) { *os << row.form; }

class InputDialog : public DialogsTest, public ::testing::WithParamInterface<InputDialogRow> {};

TEST_P(InputDialog, NoButtonIsADefaultButton) {
    for (QPushButton* button : GetParam().dialog()->findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_FALSE(button->isDefault());
        EXPECT_FALSE(button->autoDefault());
    }
}

TEST_P(InputDialog, EnterAndEscEndNothing) {
    QDialog* dialog = GetParam().dialog();
    dialog->show();
    QLineEdit* field = GetParam().textField();
    field->setFocus();
    dialog->setResult(0);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(field, key);
        EXPECT_TRUE(dialog->isVisible()) << key;
        EXPECT_EQ(dialog->result(), 0) << key;
    }
    // Not through a button with the focus either.
    auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("Button2"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 0);
    dialog->hide();
}

TEST_P(InputDialog, CloseBoxEndsWithCancel) {
    QDialog* dialog = GetParam().dialog();
    dialog->show();
    dialog->setResult(0);
    EXPECT_TRUE(dialog->close());
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), ModalCancel);
}

TEST_P(InputDialog, OkAndCancelButtonsEndTheModalRun) {
    QDialog* dialog = GetParam().dialog();
    QtPlatform qt;
    whenShown(dialog, [dialog] { dialog->findChild<QPushButton*>("Button2")->click(); });
    EXPECT_EQ(qt.runModal(dialog), ModalOk);
    whenShown(dialog, [dialog] { dialog->findChild<QPushButton*>("Button1")->click(); });
    EXPECT_EQ(qt.runModal(dialog), ModalCancel);
    whenShown(dialog, [dialog] { dialog->close(); });
    EXPECT_EQ(qt.runModal(dialog), ModalCancel);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_P(InputDialog, HelpOpensTheTopicAndKeepsTheDialogOpen) {
    QDialog* dialog = GetParam().dialog();
    dialog->show();
    QLineEdit* field = GetParam().textField();
    QTest::keyClicks(field, "x");
    const QString typed = field->text();

    dialog->findChild<QPushButton*>("Button3")->click();

    ASSERT_EQ(platform.helpCalls.size(), 1u);
    EXPECT_EQ(platform.helpCalls[0].owner, dialog);
    EXPECT_EQ(platform.helpCalls[0].fileName, QStringLiteral("tav.hlp"));
    EXPECT_EQ(platform.helpCalls[0].command, HelpContext);
    EXPECT_EQ(platform.helpCalls[0].data, GetParam().helpContext);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(field->text(), typed);
    dialog->hide();
}

TEST_P(InputDialog, F1OpensTheTopicAsHelpDoes) {
    QDialog* dialog = GetParam().dialog();
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    QLineEdit* field = GetParam().textField();
    field->setFocus();

    QTest::keyClick(field, Qt::Key_F1);

    ASSERT_EQ(platform.helpCalls.size(), 1u);
    EXPECT_EQ(platform.helpCalls[0].owner, dialog);
    EXPECT_EQ(platform.helpCalls[0].command, HelpContext);
    EXPECT_EQ(platform.helpCalls[0].data, GetParam().helpContext);
    EXPECT_TRUE(dialog->isVisible());
    dialog->hide();
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, InputDialog,
    ::testing::Values(InputDialogRow{"NewClass", [] { return dialogs().NewClassDlg; },
                                     [] { return dialogs().NewClassDlg->Name; }, 20},
                      InputDialogRow{"AddFunction", [] { return dialogs().InputFunctionDlg; },
                                     [] { return dialogs().InputFunctionDlg->Name; }, 50},
                      InputDialogRow{"AddData", [] { return dialogs().InputDataDlg; },
                                     [] { return dialogs().InputDataDlg->Name; }, 60},
                      InputDialogRow{
                          "AddOperator", [] { return dialogs().InputOperatorDlg; },
                          [] { return dialogs().InputOperatorDlg->Operator->lineEdit(); }, 70}),
    [](const auto& info) { return std::string(info.param.form); });

TEST_F(DialogsTest, AddDataMemberShowsTheLastValuesAgainEvenAfterCancel) {
    QtPlatform qt;
    TInputDataDlg* dlg = dialogs().InputDataDlg;
    whenShown(dlg, [dlg] {
        dlg->Protected->click();
        dlg->Type->lineEdit()->selectAll();
        QTest::keyClicks(dlg->Type->lineEdit(), "int");
        dlg->Name->selectAll();
        QTest::keyClicks(dlg->Name, "count");
        dlg->Button2->click();
    });
    ASSERT_EQ(qt.runModal(dlg), ModalOk);

    whenShown(dlg, [dlg] {
        EXPECT_TRUE(dlg->Protected->isChecked());
        EXPECT_FALSE(dlg->Private->isChecked());
        EXPECT_EQ(dlg->Type->currentText(), "int");
        EXPECT_EQ(dlg->Name->text(), "count");
        dlg->Public->click();
        dlg->Name->setText("total");
        dlg->Button1->click();
    });
    ASSERT_EQ(qt.runModal(dlg), ModalCancel);

    whenShown(dlg, [dlg] { dlg->Button1->click(); });
    qt.runModal(dlg);
    EXPECT_TRUE(dlg->Public->isChecked());
    EXPECT_EQ(dlg->Type->currentText(), "int");
    EXPECT_EQ(dlg->Name->text(), "total");
}

TEST_F(DialogsTest, AddFunctionKeepsItsCheckBoxesBetweenUses) {
    dialogs().InputFunctionDlg->Virtual->click();
    dialogs().InputFunctionDlg->done(ModalOk);
    dialogs().InputFunctionDlg->show();
    EXPECT_TRUE(dialogs().InputFunctionDlg->Virtual->isChecked());
    EXPECT_FALSE(dialogs().InputFunctionDlg->PureVirtual->isChecked());
    dialogs().InputFunctionDlg->hide();
}

TEST_F(DialogsTest, CheckingPureVirtualUnchecksVirtual) {
    TInputFunctionDlg* dlg = dialogs().InputFunctionDlg;
    dlg->Virtual->click();
    dlg->PureVirtual->click();
    EXPECT_TRUE(dlg->PureVirtual->isChecked());
    EXPECT_FALSE(dlg->Virtual->isChecked());
}

TEST_F(DialogsTest, CheckingVirtualUnchecksPureVirtual) {
    TInputFunctionDlg* dlg = dialogs().InputFunctionDlg;
    dlg->show();
    QTest::mouseClick(dlg->PureVirtual, Qt::LeftButton);
    ASSERT_TRUE(dlg->PureVirtual->isChecked());
    QTest::mouseClick(dlg->Virtual, Qt::LeftButton);
    EXPECT_TRUE(dlg->Virtual->isChecked());
    EXPECT_FALSE(dlg->PureVirtual->isChecked());
    dlg->hide();
}

TEST_F(DialogsTest, ClickingTheCheckedBoxLeavesBothUnchecked) {
    TInputFunctionDlg* dlg = dialogs().InputFunctionDlg;
    dlg->PureVirtual->click();
    dlg->PureVirtual->click();
    EXPECT_FALSE(dlg->PureVirtual->isChecked());
    EXPECT_FALSE(dlg->Virtual->isChecked());
    dlg->Virtual->click();
    dlg->Virtual->click();
    EXPECT_FALSE(dlg->PureVirtual->isChecked());
    EXPECT_FALSE(dlg->Virtual->isChecked());
}

TEST_F(DialogsTest, SettingABoxWithoutAClickRunsNoRule) {
    TInputFunctionDlg* dlg = dialogs().InputFunctionDlg;
    dlg->Virtual->setChecked(true);
    dlg->PureVirtual->setChecked(true);
    EXPECT_TRUE(dlg->Virtual->isChecked());
    EXPECT_TRUE(dlg->PureVirtual->isChecked());
}

TEST_F(DialogsTest, TypedTextsAreHandedOnAsTyped) {
    TInputOperatorDlg* op = dialogs().InputOperatorDlg;
    op->show();
    op->Operator->lineEdit()->selectAll();
    QTest::keyClicks(op->Operator->lineEdit(), "%");
    QTest::keyClick(op->Operator->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(op->Operator->currentText(), "%");
    EXPECT_EQ(op->Operator->count(), 15);  // not added to the list
    op->hide();

    TInputDataDlg* data = dialogs().InputDataDlg;
    data->show();
    // No completion from the list, and no exchange for an entry that differs in letter case.
    data->Type->lineEdit()->selectAll();
    QTest::keyClicks(data->Type->lineEdit(), "f");
    EXPECT_EQ(data->Type->currentText(), "f");
    data->Type->lineEdit()->selectAll();
    QTest::keyClicks(data->Type->lineEdit(), "INT");
    QTest::keyClick(data->Type->lineEdit(), Qt::Key_Return);
    data->Name->setFocus();
    EXPECT_EQ(data->Type->currentText(), "INT");
    data->Name->selectAll();
    QTest::keyClick(data->Name, Qt::Key_Delete);
    EXPECT_EQ(data->Name->text(), "");
    QTest::keyClicks(data->Name, " a b ");
    EXPECT_EQ(data->Name->text(), " a b ");
    data->hide();
}

TEST_F(DialogsTest, EachInputDialogHandsOverWhatItsControlsHold) {
    TNewClassDlg* cls = dialogs().NewClassDlg;
    cls->VirtualBase->setChecked(true);
    cls->Name->setText(" Shape ");
    cls->setDirectory(QDir::tempPath());
    const NewClassInput newClass = cls->value();
    EXPECT_EQ(newClass.kind, ClassKind::VirtualBase);
    EXPECT_EQ(newClass.name, " Shape ");
    EXPECT_EQ(newClass.directory, QDir::toNativeSeparators(QDir::tempPath()).toStdString());

    TInputDataDlg* data = dialogs().InputDataDlg;
    data->Protected->setChecked(true);
    data->Type->setEditText("INT");
    data->Name->setText("x");
    const DataMemberInput member = data->value();
    EXPECT_EQ(member.access, Access::Protected);
    EXPECT_EQ(member.type + "|" + member.name, "INT|x");

    TInputFunctionDlg* function = dialogs().InputFunctionDlg;
    function->Public->setChecked(true);
    function->Virtual->setChecked(true);
    function->PureVirtual->setChecked(true);  // no click: both stay checked
    function->Type->setEditText("void");
    function->Name->setText("Draw");
    function->Arguments->setEditText("(int a)");
    const FunctionInput f = function->value();
    EXPECT_EQ(f.access, Access::Public);
    EXPECT_TRUE(f.isVirtual && f.isPureVirtual);
    EXPECT_EQ(f.returnType + "|" + f.name + "|" + f.arguments, "void|Draw|(int a)");

    TInputOperatorDlg* op = dialogs().InputOperatorDlg;
    for (auto [button, kind] : {std::pair{op->Normal, OperatorKind::Normal},
                                std::pair{op->Virtual, OperatorKind::Virtual},
                                std::pair{op->PureVirtual, OperatorKind::PureVirtual}}) {
        button->setChecked(true);
        op->Operator->setEditText("[]");
        EXPECT_EQ(op->value().kind, kind);
        EXPECT_EQ(op->value().symbol, "[]");
    }
}

TEST_F(DialogsTest, EveryLabelledFieldIsAnnouncedWithItsLabel) {
    struct Row {
        QWidget* field;
        const char* label;
    };
    const Dialogs& d = dialogs();
    for (const Row& row :
         {Row{d.NewClassDlg->Name, "Class Name"}, Row{d.NewClassDlg->Dir, "Class Directory"},
          Row{d.InputDataDlg->Type, "Type"}, Row{d.InputDataDlg->Name, "Name"},
          Row{d.InputFunctionDlg->Type, "Return Type"},
          Row{d.InputFunctionDlg->Name, "Name \"NewFunc\""},
          Row{d.InputFunctionDlg->Arguments, "Arguments \"(int a, int b)\""},
          Row{d.InputOperatorDlg->Operator, "Operator \"[]\""},
          Row{d.InputConstructorDlg->Arguments, "Arguments"}}) {
        SCOPED_TRACE(row.label);
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(row.field);
        ASSERT_NE(field, nullptr);
        // The labels it is labelled by; a list, which has no such relation, by its own name.
        QStringList labels;
        for (const auto& [other, relation] : field->relations(QAccessible::Label))
            labels << other->text(QAccessible::Name);
        if (labels.isEmpty()) labels << field->text(QAccessible::Name);
        EXPECT_EQ(labels, QStringList{row.label});
        // Named as the label reads, and so is a combo box's edit field, an object of its own.
        EXPECT_EQ(row.field->accessibleName(), row.label);
        if (auto* combo = qobject_cast<QComboBox*>(row.field); combo && combo->lineEdit()) {
            EXPECT_EQ(combo->lineEdit()->accessibleName(), row.label);
        }
    }
}

TEST_F(DialogsTest, AboutBoxIsCentredAndEnterPressesOk) {
    dialogs().AboutBox->show();
    const QRect screen = dialogs().AboutBox->screen()->availableGeometry();
    EXPECT_LE((dialogs().AboutBox->frameGeometry().center() - screen.center()).manhattanLength(),
              2);
    EXPECT_TRUE(dialogs().AboutBox->OKButton->isDefault());
    dialogs().AboutBox->setResult(0);
    QTest::keyClick(dialogs().AboutBox, Qt::Key_Return);
    EXPECT_FALSE(dialogs().AboutBox->isVisible());
    EXPECT_EQ(dialogs().AboutBox->result(), ModalOk);
}

TEST_F(DialogsTest, TheUnshownFormsExistWithTheirCaptions) {
    EXPECT_EQ(dialogs().InputConstructorDlg->windowTitle(), "Add Constructor");
    EXPECT_EQ(dialogs().InputConstructorDlg->Arguments->currentText(), "(int a)");
    QStringList items;
    for (int i = 0; i < dialogs().InputConstructorDlg->Arguments->count(); ++i)
        items.append(dialogs().InputConstructorDlg->Arguments->itemText(i));
    EXPECT_EQ(items, QStringList({"(bool b)", "(double d)", "(float f)", "(int a)",
                                  "(int a, int b)", "(String s)"}));
    EXPECT_EQ(dialogs().InputFriend->windowTitle(), "Add Friend");
    EXPECT_TRUE(dialogs().InputFriend->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(dialogs().TestForm->windowTitle(), "TestForm");
    EXPECT_EQ(dialogs().TestForm->Label1->text(), "test form");

    // The Add Constructor buttons do nothing.
    dialogs().InputConstructorDlg->show();
    for (QPushButton* button :
         {dialogs().InputConstructorDlg->Button1, dialogs().InputConstructorDlg->Button2,
          dialogs().InputConstructorDlg->Button3})
        button->click();
    EXPECT_TRUE(dialogs().InputConstructorDlg->isVisible());
    EXPECT_TRUE(platform.helpCalls.empty());
    dialogs().InputConstructorDlg->hide();
}

TEST_F(DialogsTest, DestroyingClearsEveryInstance) {
    dialogs().destroy();
    EXPECT_EQ(dialogs().AboutBox, nullptr);
    EXPECT_EQ(dialogs().NewClassDlg, nullptr);
    EXPECT_EQ(dialogs().InputDataDlg, nullptr);
    EXPECT_EQ(dialogs().InputFunctionDlg, nullptr);
    EXPECT_EQ(dialogs().InputOperatorDlg, nullptr);
    EXPECT_EQ(dialogs().InputConstructorDlg, nullptr);
    EXPECT_EQ(dialogs().InputFriend, nullptr);
    EXPECT_EQ(dialogs().TestForm, nullptr);
}

}  // namespace
}  // namespace tav::testing
