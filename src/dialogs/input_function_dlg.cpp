#include "dialogs/input_function_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/pictures.h"

namespace {
constexpr int kHelpContextAddFunction = 50;
}  // namespace

TInputFunctionDlg::TInputFunctionDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Function"), QSize(451, 141), Layer::StaysOnTop) {
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
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 104, 75, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {176, 104, 75, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {352, 104, 75, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextAddFunction);

    labelField(Label2, Type);
    labelField(Label3, Name);
    labelField(Label4, Arguments);

    setTabChain({Private, Protected, Public, Virtual, PureVirtual, Type, Name, Arguments, Button1,
                 Button3, Button2});

    // clicked, not toggled: only the user's click on a box runs its rule.
    connect(Virtual, &QCheckBox::clicked, this, &TInputFunctionDlg::VirtualClick);
    connect(PureVirtual, &QCheckBox::clicked, this, &TInputFunctionDlg::PureVirtualClick);
}

tav::FunctionInput TInputFunctionDlg::value() const {
    tav::FunctionInput input;
    input.access = accessFrom(Private, Protected);
    input.isVirtual = Virtual->isChecked();
    input.isPureVirtual = PureVirtual->isChecked();
    input.returnType = Type->currentText().toStdString();
    input.name = Name->text().toStdString();
    input.arguments = Arguments->currentText().toStdString();
    return input;
}

void TInputFunctionDlg::VirtualClick() {
    if (PureVirtual->isChecked()) PureVirtual->setChecked(false);
}

void TInputFunctionDlg::PureVirtualClick() {
    if (Virtual->isChecked()) Virtual->setChecked(false);
}
