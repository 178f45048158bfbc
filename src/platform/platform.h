#pragma once
// The platform's interfaces as one injectable service: message boxes, modal runs of dialogs,
// file choosers and the help engine. The program uses QtPlatform; tests use ScriptedPlatform.
#include <QString>

#include "files/status.h"

class QDialog;
class QWidget;

namespace tav {

enum class MessageIcon { None, Warning, Error };
// The first button is the default: OK, or Yes; YesNoDefaultNo makes No the default, for a
// question whose Yes destroys something.
enum class MessageButtons { Ok, YesNo, YesNoCancel, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Results of a modal run; every caller treats anything but ModalOk as Cancel.
constexpr int ModalOk = 1;
constexpr int ModalCancel = 2;

// Help engine commands: show the topic with a context number, close the help, show the contents.
constexpr int HelpContext = 1;
constexpr int HelpQuit = 2;
constexpr int HelpContents = 3;
inline const QString kHelpFileName = QStringLiteral("tav.hlp");

// The program's name: the caption of every message box, and the application's name.
inline const QString kProgramName = QStringLiteral("Tavrin");
inline const QString kProgramVersion = QStringLiteral("1.1");
inline const QString kMessageCaption = kProgramName;

class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                                     MessageIcon icon, MessageButtons buttons) = 0;
    // Shows dialog modally and returns ModalOk or ModalCancel.
    virtual int runModal(QDialog* dialog) = 0;
    // filter in the toolkit notation "Description|patterns|Description|patterns";
    // an empty result means the user cancelled.
    virtual QString chooseOpenFile(QWidget* owner, const QString& filter) = 0;
    virtual QString chooseSaveFile(QWidget* owner, const QString& filter) = 0;
    virtual void help(QWidget* owner, const QString& fileName, int command, int data) = 0;

    // Shorthand for the common one-button message with the "Tavrin" caption.
    void message(QWidget* owner, const QString& text, MessageIcon icon) {
        messageBox(owner, text, kMessageCaption, icon, MessageButtons::Ok);
    }

    // Shows a failed operation's message; returns whether the operation was done.
    bool report(QWidget* owner, const Status& status, MessageIcon icon = MessageIcon::Error) {
        if (!status.ok()) message(owner, status.message(), icon);
        return status.ok();
    }
};

}  // namespace tav
