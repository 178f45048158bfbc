#include "dialogs/input_function_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "dialogs/pictures.h"

namespace {
constexpr int kHelpContextAddFunction = 50;
constexpr QSize kClassicSize(451, 141);
constexpr QSize kModernSize(451, 165);
constexpr int kClassicButtonTop = 104;
constexpr int kModernButtonTop = 128;
}  // namespace

TInputFunctionDlg::TInputFunctionDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Function"), kClassicSize, Layer::StaysOnTop) {
    setObjectName(QStringLiteral("InputFunctionDlg"));
    setWindowIcon(tav::appIcon());
    move(191, 106);

    Label1 = addLabel("Label1", QStringLiteral("Accsess"), {8, 8});
    Private = addRadioButton("Private", QStringLiteral("Private"), {8, 24, 65, 17}, true);
    Protected = addRadioButton("Protected", QStringLiteral("Protected"), {80, 24, 73, 17}, false);
    Public = addRadioButton("Public", QStringLiteral("Public"), {160, 24, 65, 17}, false);
    Virtual = addCheckBox("Virtual", QStringLiteral("Virtual"), {232, 24, 65, 17});
    PureVirtual = addCheckBox("PureVirtual", QStringLiteral("PureVirtual"), {304, 24, 81, 17});
    Label2 = addLabel("Label2", QStringLiteral("Return Type"), {8, 48});
    Type = addComboBox("Type", QStringLiteral("void"),
                       {QStringLiteral("bool"), QStringLiteral("double"), QStringLiteral("double*"),
                        QStringLiteral("float"), QStringLiteral("float*"), QStringLiteral("int"),
                        QStringLiteral("int*"), QStringLiteral("String"), QStringLiteral("void")},
                       {8, 64, 81, 21});
    Label3 = addLabel("Label3", QStringLiteral("Name \"NewFunc\""), {104, 48});
    Name = addEdit("Name", QStringLiteral("NewFunction"), {104, 64, 113, 21});
    Label4 = addLabel("Label4", QStringLiteral("Arguments \"(int a, int b)\""), {232, 48});
    Arguments = addComboBox(
        "Arguments", QStringLiteral("(void)"),
        {QStringLiteral("(bool b)"), QStringLiteral("(double d)"), QStringLiteral("(float f)"),
         QStringLiteral("(int a)"), QStringLiteral("(int a, int b)"), QStringLiteral("(String s)"),
         QStringLiteral("(void)")},
        {232, 64, 209, 21});
    Const = addCheckBox("Const", QStringLiteral("const"), {8, 96, 60, 17});
    Noexcept = addCheckBox("Noexcept", QStringLiteral("noexcept"), {80, 96, 73, 17});
    Static = addCheckBox("Static", QStringLiteral("static"), {160, 96, 65, 17});
    Override = addCheckBox("Override", QStringLiteral("override"), {232, 96, 65, 17});
    Nodiscard = addCheckBox("Nodiscard", QStringLiteral("[[nodiscard]]"), {304, 96, 100, 17});
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 104, 75, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {176, 104, 75, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {352, 104, 75, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextAddFunction);

    labelField(Label2, Type);
    labelField(Label3, Name);
    labelField(Label4, Arguments);

    setTabChain({Private, Protected, Public, Virtual, PureVirtual, Type, Name, Arguments, Const,
                 Noexcept, Static, Override, Nodiscard, Button1, Button3, Button2});

    // clicked, not toggled: only the user's click on a box runs its rule.
    connect(Virtual, &QCheckBox::clicked, this, &TInputFunctionDlg::VirtualClick);
    connect(PureVirtual, &QCheckBox::clicked, this, &TInputFunctionDlg::PureVirtualClick);
    for (QCheckBox* box : {Virtual, PureVirtual, Const, Static, Override})
        connect(box, &QCheckBox::toggled, this, &TInputFunctionDlg::offerQualifiers);
    setModernProfile(false);
}

void TInputFunctionDlg::setModernProfile(bool modern) {
    modern_ = modern;
    for (QCheckBox* box : {Const, Noexcept, Static, Override, Nodiscard}) box->setVisible(modern);
    const int top = modern ? kModernButtonTop : kClassicButtonTop;
    for (QPushButton* button : {Button1, Button3, Button2}) button->move(button->x(), top);
    setFixedSize(modern ? kModernSize : kClassicSize);
    offerQualifiers();
}

void TInputFunctionDlg::offerQualifiers() {
    const bool instanceOnly = modern_ && (Virtual->isChecked() || PureVirtual->isChecked() ||
                                          Const->isChecked() || Override->isChecked());
    // Virtual may have been chosen in the classic dialog, where static is not shown.
    if (instanceOnly && Static->isChecked()) {
        const QSignalBlocker blocker(Static);
        Static->setChecked(false);
    }
    const bool isStatic = modern_ && Static->isChecked();
    for (QCheckBox* box : {Virtual, PureVirtual, Const, Override}) box->setEnabled(!isStatic);
    Static->setEnabled(!instanceOnly);
}

tav::FunctionInput TInputFunctionDlg::value() const {
    tav::FunctionInput input;
    input.access = accessFrom(Private, Protected);
    input.isVirtual = Virtual->isChecked();
    input.isPureVirtual = PureVirtual->isChecked();
    input.returnType = Type->currentText().toStdString();
    input.name = Name->text().toStdString();
    input.arguments = Arguments->currentText().toStdString();
    if (modern_) {
        input.isConst = Const->isChecked();
        input.isNoexcept = Noexcept->isChecked();
        input.isStatic = Static->isChecked();
        input.isOverride = Override->isChecked();
        input.isNodiscard = Nodiscard->isChecked();
    }
    return input;
}

void TInputFunctionDlg::VirtualClick() {
    if (PureVirtual->isChecked()) PureVirtual->setChecked(false);
}

void TInputFunctionDlg::PureVirtualClick() {
    if (Virtual->isChecked()) Virtual->setChecked(false);
}
