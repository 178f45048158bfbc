#pragma once
// What the program's dialogs have in common: a fixed border without minimise and maximise boxes,
// the small dialog font, the results OK (1) and Cancel (2), the close box meaning Cancel, Enter
// and Esc ending nothing, the standard Cancel / OK / Help buttons and builders for the controls.
// The input dialogs hand over what was entered as a plain value (value()); the controls stay
// public under their names for tests and layout checks, but no caller reads them.
#include <QDialog>
#include <QStringList>
#include <initializer_list>

#include "members/members.h"
#include "platform/platform.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TTavDialog : public QDialog {
    Q_OBJECT

public:
    // "MS Sans Serif" at 8 points, falling back to the platform's small sans-serif font.
    static QFont dialogFont();

protected:
    enum class Layer { Normal, StaysOnTop };

    TTavDialog(tav::Platform& platform, const QString& caption, QSize clientSize, Layer layer);

    // The close box (and anything else that rejects) ends the dialog with Cancel.
    void reject() override;
    // Enter does not press OK and Esc does not press Cancel.
    void keyPressEvent(QKeyEvent* event) override;
    // Shown at its place where the screen has room, moved into the screen where it has not.
    void showEvent(QShowEvent* event) override;

    // Builders: each control gets its object name, caption, position and size, and an
    // accessible name (its caption, or its object name until labelField names it).
    QLabel* addLabel(const char* name, const QString& text, QPoint topLeft);
    QPushButton* addButton(const char* name, const QString& text, const QRect& geometry);
    QRadioButton* addRadioButton(const char* name, const QString& text, const QRect& geometry,
                                 bool checked);
    QCheckBox* addCheckBox(const char* name, const QString& text, const QRect& geometry);
    QLineEdit* addEdit(const char* name, const QString& text, const QRect& geometry);
    // An editable combo box with a fixed list; what the user types stays as typed.
    QComboBox* addComboBox(const char* name, const QString& text, const QStringList& items,
                           const QRect& geometry);

    // Ties field to label: the field is announced "labelled by" the label and named with the
    // label's caption (an editable combo box's edit field and list too), as a screen reader
    // reads it once rather than as caption and object name.
    static void labelField(QLabel* label, QWidget* field);

    // Tab visits the controls in the order given: as they are laid out, top to bottom and left to
    // right, the buttons last.
    static void setTabChain(std::initializer_list<QWidget*> controls);

    // cancel ends with Cancel, ok with OK once acceptsInput() agrees, help opens the help file
    // at helpContext.
    void connectButtons(QPushButton* cancel, QPushButton* ok, QPushButton* help, int helpContext);
    // Whether OK may end the dialog; a dialog that refuses its values says why and stays open
    // with them.
    virtual bool acceptsInput() { return true; }
    void openHelp(int helpContext);

    // The access section that a dialog's Private / Protected / Public buttons choose.
    static tav::Access accessFrom(const QRadioButton* privateButton,
                                  const QRadioButton* protectedButton);

    tav::Platform& platform_;
};
