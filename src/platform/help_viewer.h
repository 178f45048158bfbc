#pragma once
// The program's own help viewer: shows a topic of the help file in one reused window.
#include <QString>
#include <QStringList>

#include "files/status.h"

class QTextBrowser;
class QWidget;

namespace tav {

// HelpContents shows the contents; HelpContext shows the topic numbered data (the contents with
// a short note when there is no such topic); HelpQuit closes the viewer. A help file that is
// missing, unreadable or empty is a failure that names it.
Status showHelp(QWidget* owner, const QString& fileName, int command, int data);

// Where a help file given by its bare name is looked for, in order: the program's directory,
// then the installed data directory.
QStringList helpSearchPaths();

// Seams for tests.

// Replaces the search paths; an empty list restores the default ones.
void setHelpSearchPathsForTests(const QStringList& paths);

// The text browser of the help viewer, or nullptr while there is no viewer.
QTextBrowser* helpBrowserForTests();

}  // namespace tav
