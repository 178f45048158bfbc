#pragma once
// The program's own help viewer: shows a topic of the help file in one reused window.
#include <QString>
#include <QStringList>
#include <functional>

class QTextBrowser;
class QWidget;

namespace tav {

// command 3 shows the contents; command 1 shows the topic numbered data (the contents with a
// short note when there is no such topic). A help file that is missing or unreadable is reported
// in a message box that names it.
void showHelp(QWidget* owner, const QString& fileName, int command, int data);

// Where a help file given by its bare name is looked for, in order: the program's directory,
// then the installed data directory.
QStringList helpSearchPaths();

// Seams for tests.

// Reports a help file that cannot be shown; the default shows a warning box captioned "Tavrin"
// owned by owner. An empty function restores the default. Returns the reporter it replaces.
using HelpErrorReporter = std::function<void(QWidget* owner, const QString& text)>;
HelpErrorReporter setHelpErrorReporter(HelpErrorReporter reporter);

// Replaces the search paths; an empty list restores the default ones.
void setHelpSearchPathsForTests(const QStringList& paths);

// The text browser of the help viewer, or nullptr while there is no viewer.
QTextBrowser* helpBrowserForTests();

}  // namespace tav
