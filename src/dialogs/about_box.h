#pragma once
// The About box: product name, version and publisher. Its OK button is the default button.
#include <QFrame>

#include "dialogs/tav_dialog.h"

class TAboutBox : public TTavDialog {
    Q_OBJECT

public:
    explicit TAboutBox(tav::Platform& platform);

    QFrame* Panel1;
    QLabel* ProductName;
    QLabel* Version;
    // The notice line: two labels side by side.
    QLabel* Copyright;
    QLabel* Comments;
    QLabel* Label3;
    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label5;
    QPushButton* OKButton;

    // Centres the box on its screen each time it is shown.
    void setVisible(bool visible) override;

protected:
    // Unlike the input dialogs, Enter presses OK here (and Esc cancels).
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void centreOnScreen();
};
