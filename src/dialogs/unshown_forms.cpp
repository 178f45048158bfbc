#include "dialogs/unshown_forms.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

TInputConstructorDlg::TInputConstructorDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Constructor"), QSize(253, 105), Layer::Normal) {
    setObjectName(QStringLiteral("InputConstructorDlg"));
    Label1 = addLabel("Label1", QStringLiteral("Arguments"), {16, 8});
    Arguments = addComboBox(
        "Arguments", QStringLiteral("(int a)"),
        {QStringLiteral("(bool b)"), QStringLiteral("(double d)"), QStringLiteral("(float f)"),
         QStringLiteral("(int a)"), QStringLiteral("(int a, int b)"), QStringLiteral("(String s)")},
        {16, 24, 217, 21});
    // The buttons have no action.
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 64, 60, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {93, 64, 60, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {168, 64, 60, 25});
    labelField(Label1, Arguments);
    setTabOrder(Arguments, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
}

TInputFriend::TInputFriend(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Friend"), QSize(253, 105), Layer::Normal) {
    setObjectName(QStringLiteral("InputFriend"));
}

TTestForm::TTestForm(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("TestForm"), QSize(200, 100), Layer::Normal) {
    setObjectName(QStringLiteral("TestForm"));
    Label1 = addLabel("Label1", QStringLiteral("test form"), {8, 8});
}
