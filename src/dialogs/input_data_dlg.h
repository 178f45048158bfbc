#pragma once
// The Add Data Member dialog: access section, type and name of a data member.
#include "dialogs/tav_dialog.h"

class TInputDataDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TInputDataDlg(tav::Platform& platform);

    QLabel* Label1;
    QRadioButton* Private;
    QRadioButton* Protected;
    QRadioButton* Public;
    QLabel* Label;
    QComboBox* Type;
    QLabel* Label2;
    QLineEdit* Name;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;

    // What the controls hold: access section, type and name, as typed.
    tav::DataMemberInput value() const;
};
