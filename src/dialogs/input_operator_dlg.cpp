#include "dialogs/input_operator_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "members/modern.h"

namespace {
constexpr int kHelpContextAddOperator = 70;
}  // namespace

TInputOperatorDlg::TInputOperatorDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Operator"), QSize(253, 138), Layer::StaysOnTop) {
    setObjectName(QStringLiteral("InputOperatorDlg"));
    move(193, 275);

    Normal = addRadioButton("Normal", QStringLiteral("Normal"), {16, 8, 65, 17}, true);
    Virtual = addRadioButton("Virtual", QStringLiteral("Virtual"), {88, 8, 65, 17}, false);
    PureVirtual =
        addRadioButton("PureVirtual", QStringLiteral("PureVirtual"), {160, 8, 89, 17}, false);
    Label1 = addLabel("Label1", QStringLiteral("Operator \"[]\""), {16, 32});
    Operator = addComboBox(
        "Operator", QStringLiteral("<<"),
        {QStringLiteral("-"), QStringLiteral("--"), QStringLiteral("!="), QStringLiteral("*"),
         QStringLiteral("+"), QStringLiteral("++"), QStringLiteral("<"), QStringLiteral("<<"),
         QStringLiteral("<="), QStringLiteral("="), QStringLiteral("=="), QStringLiteral(">"),
         QStringLiteral(">="), QStringLiteral(">>"), QStringLiteral("[]")},
        {16, 56, 217, 21});
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 96, 60, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {93, 96, 60, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {168, 96, 60, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextAddOperator);

    labelField(Label1, Operator);

    setTabChain({Normal, Virtual, PureVirtual, Operator, Button1, Button3, Button2});
    connect(Operator, &QComboBox::currentTextChanged, this, &TInputOperatorDlg::offerKinds);
}

void TInputOperatorDlg::setModernProfile(bool modern) {
    modern_ = modern;
    // The C++20 defaulted comparisons follow the fixed list in the modern profile only.
    const QString defaulted[] = {QString::fromLatin1(tav::kDefaultedEquality),
                                 QString::fromLatin1(tav::kDefaultedComparison)};
    const QString text = Operator->currentText();
    for (const QString& entry : defaulted) {
        const int index = Operator->findText(entry, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (modern && index < 0) Operator->addItem(entry);
        if (!modern && index >= 0) Operator->removeItem(index);
    }
    // A classic class would take the entry's words for an operator symbol: its symbol stays.
    if (!modern && (text == defaulted[0] || text == defaulted[1]))
        Operator->setEditText(text.section(QLatin1Char(' '), 0, 0));
    else
        Operator->setEditText(text);
    offerKinds();
}

void TInputOperatorDlg::offerKinds() {
    const bool memberOperator =
        !modern_ || !tav::isFriendOperator(Operator->currentText().toStdString());
    if (!memberOperator) Normal->setChecked(true);
    Virtual->setEnabled(memberOperator);
    PureVirtual->setEnabled(memberOperator);
}

tav::OperatorInput TInputOperatorDlg::value() const {
    const tav::OperatorKind kind = Virtual->isChecked()       ? tav::OperatorKind::Virtual
                                   : PureVirtual->isChecked() ? tav::OperatorKind::PureVirtual
                                                              : tav::OperatorKind::Normal;
    return {kind, Operator->currentText().toStdString()};
}
