#pragma once
// The Add Function dialog: access section, virtual or pure virtual, return type, name and
// parameter list of a member function; in the modern profile also its qualifiers.
#include "dialogs/tav_dialog.h"

class TInputFunctionDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TInputFunctionDlg(tav::Platform& platform);

    QLabel* Label1;
    QRadioButton* Private;
    QRadioButton* Protected;
    QRadioButton* Public;
    QCheckBox* Virtual;
    QCheckBox* PureVirtual;
    QLabel* Label2;
    QComboBox* Type;
    QLabel* Label3;
    QLineEdit* Name;
    QLabel* Label4;
    QComboBox* Arguments;
    // Modern profile only (hidden in the classic one).
    QCheckBox* Const;
    QCheckBox* Noexcept;
    QCheckBox* Static;
    QCheckBox* Override;
    QCheckBox* Nodiscard;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;

    // A click on one of the two boxes unchecks the other: a function is plain, virtual or pure
    // virtual. Unchecking the other box is not a click on it.
    void VirtualClick();
    void PureVirtualClick();

    // What the controls hold: access, virtual or pure virtual, return type, name and arguments,
    // and in the modern profile the qualifiers.
    tav::FunctionInput value() const;
    // The modern profile shows the qualifier boxes below the fields; the classic dialog is the
    // program's own, without them.
    void setModernProfile(bool modern);

private:
    // A static function cannot be virtual, const or override: while one side is chosen the
    // other cannot be.
    void offerQualifiers();
    bool modern_ = false;
};
