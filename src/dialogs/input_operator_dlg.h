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
    // In the modern profile a friend operator (a stream or comparison operator) cannot be
    // virtual, so the kinds are offered only for member operators; the list also offers the
    // defaulted == and <=>.
    void setModernProfile(bool modern);

private:
    void offerKinds();
    bool modern_ = false;
};
