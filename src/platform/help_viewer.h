#pragma once
// The program's own help viewer: shows a topic of the help file in one reused window.
#include <QString>

class QWidget;

namespace tav {

// command 3 shows the contents; command 1 shows the topic numbered data (the contents with a
// short note when there is no such topic). A help file that is missing or unreadable is reported
// in a message box that names it.
void showHelp(QWidget* owner, const QString& fileName, int command, int data);

}  // namespace tav
