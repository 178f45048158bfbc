#pragma once
// The platform as the program uses it: Qt message boxes, modal dialog runs, Qt file dialogs and
// the program's own help viewer.
#include "platform/platform.h"

namespace tav {

// Converts a filter in the toolkit notation "Description|patterns|Description|patterns", the
// patterns of an entry separated by ';', to Qt's "Description (patterns);;..." with the patterns
// separated by blanks. A parenthesised pattern list that ends a description is replaced by the
// entry's own patterns, and "*.*" becomes "*" so that it matches every file, with or without an
// extension, as it does in the toolkit.
QString toQtFileFilter(const QString& filter);

// text with a break opportunity (an invisible U+200B) after each path separator and at least
// every 30 characters of each word longer than that, so that a message box wraps a long path
// instead of running past its edge; shorter words stay as they are.
QString wrappableText(const QString& text);

class QtPlatform : public Platform {
public:
    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& caption,
                             MessageIcon icon, MessageButtons buttons) override;
    int runModal(QDialog* dialog) override;
    QString chooseOpenFile(QWidget* owner, const QString& filter) override;
    QString chooseSaveFile(QWidget* owner, const QString& filter) override;
    void help(QWidget* owner, const QString& fileName, int command, int data) override;
};

}  // namespace tav
