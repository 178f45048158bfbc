#include "dialogs/input_data_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/pictures.h"

namespace {
constexpr int kHelpContextAddData = 60;
}  // namespace

TInputDataDlg::TInputDataDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Data Member"), QSize(239, 145), Layer::StaysOnTop) {
    setObjectName(QStringLiteral("InputDataDlg"));
    setWindowIcon(tav::appIcon());
    move(274, 190);

    Label1 = addLabel("Label1", QStringLiteral("Accsess"), {16, 8});
    Private = addRadioButton("Private", QStringLiteral("Private"), {16, 24, 60, 17}, true);
    Protected = addRadioButton("Protected", QStringLiteral("Protected"), {80, 24, 70, 17}, false);
    Public = addRadioButton("Public", QStringLiteral("Public"), {152, 24, 60, 17}, false);
    Label = addLabel("Label", QStringLiteral("Type"), {16, 48});
    Type = addComboBox("Type", QStringLiteral("bool"),
                       {QStringLiteral("bool"), QStringLiteral("BYTE"), QStringLiteral("char"),
                        QStringLiteral("double"), QStringLiteral("float"), QStringLiteral("int")},
                       {16, 64, 89, 21});
    Label2 = addLabel("Label2", QStringLiteral("Name"), {112, 48});
    Name = addEdit("Name", QStringLiteral("NewData"), {112, 64, 113, 21});
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 104, 60, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {88, 104, 60, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {160, 104, 60, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextAddData);

    labelField(Label, Type);
    labelField(Label2, Name);

    setTabChain({Private, Protected, Public, Type, Name, Button1, Button3, Button2});
}

tav::DataMemberInput TInputDataDlg::value() const {
    return {accessFrom(Private, Protected), Type->currentText().toStdString(),
            Name->text().toStdString()};
}
