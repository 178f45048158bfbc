#pragma once
// Forms that are created at start-up with the others but that no command shows: an Add
// Constructor dialog whose buttons have no action, an empty Add Friend dialog and a test form.
#include "dialogs/tav_dialog.h"

class TInputConstructorDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TInputConstructorDlg(tav::Platform& platform);

    QLabel* Label1;
    QComboBox* Arguments;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;
};

class TInputFriend : public TTavDialog {
    Q_OBJECT

public:
    explicit TInputFriend(tav::Platform& platform);
};

class TTestForm : public TTavDialog {
    Q_OBJECT

public:
    explicit TTestForm(tav::Platform& platform);

    QLabel* Label1;
};
