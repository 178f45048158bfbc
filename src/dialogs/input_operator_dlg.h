#pragma once
// The Add Operator dialog: the operator's kind (normal, virtual, pure virtual) and its symbol.
#include "dialogs/tav_dialog.h"

class TInputOperatorDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TInputOperatorDlg(tav::Platform& platform);

    QRadioButton* Normal;
    QRadioButton* Virtual;
    QRadioButton* PureVirtual;
    QLabel* Label1;
    QComboBox* Operator;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;

    // What the controls hold: the operator's kind and its symbol, as typed.
    tav::OperatorInput value() const;
};
