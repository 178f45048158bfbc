#pragma once
// The platform's interfaces as one injectable service: message boxes, modal runs of dialogs,
// file choosers and the help engine. The program uses QtPlatform; tests use ScriptedPlatform.
#include <QString>

class QDialog;
class QWidget;

namespace tav {

enum class MessageIcon { None, Warning, Error };
// The first button is the default: OK, or Yes.
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Results of a modal run; every caller treats anything but ModalOk as Cancel.
constexpr int ModalOk = 1;
constexpr int ModalCancel = 2;

// Help engine commands.
constexpr int HelpContext = 1;
constexpr int HelpContents = 3;
inline const QString kHelpFileName = QStringLiteral("tav.hlp");

// The caption of every message box.
inline const QString kMessageCaption = QStringLiteral("Tavrin");

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
};

}  // namespace tav
