// A program for the accessibility harness: a main window that opens a class pair on command, or,
// with --bare, a window with two bare text edits that load the same two files (the baseline).
// It runs on the platform the environment names (xcb under the harness), so that the toolkit's
// accessibility bridge talks to the bus as it does in the real program.
//
// Usage: tavrin_a11y_probe [--bare] <header> <source>
// Commands on standard input, one a line:
//   open          opens the pair (the main window: through the class window's Open command)
//   type <n>      types n characters at the start of the lower pane, one key at a time
//   drop, fold    drops the function list down, folds it up (the main window only)
//   dialogs       shows the About box, New Class, Add Data Member, Add Function and Add Operator
//                 at once, each as a window of its own without a modal run, and the help at its
//                 contents (the main window only)
//   names         lists the object names of the widgets that no caption, menu command or window
//                 title shows, so that a client can tell such a bare object name from a name
//                 given for people
//   quit
// Answers on standard output, one a line: "ready <pid>" once the window is shown, then
// "opened <seconds>", "typed <seconds>", "dropped", "folded", "shown" and "names <name>..."
// when a command is done (with its time in the program).
#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QSocketNotifier>
#include <QSplitter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <string>

#include "app/app_windows.h"
#include "app/class_commands.h"
#include "app/tav_main_form.h"
#include "dialogs/check_list_dlg.h"
#include "dialogs/dialogs.h"
#include "dialogs/preferences_dlg.h"
#include "dialogs/special_members_dlg.h"
#include "editor/text_pane.h"
#include "platform/help_viewer.h"
#include "platform/scripted_platform.h"
#include "window/child_form.h"

namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

QString readUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

// Types text into pane one key at a time, each key through the event loop as a user's key.
void typeInto(QPlainTextEdit* pane, int count) {
    pane->setFocus();
    QTextCursor cursor = pane->textCursor();
    cursor.movePosition(QTextCursor::Start);
    pane->setTextCursor(cursor);
    for (int i = 0; i < count; ++i) {
        const QString key(QChar(u'a' + i % 26));
        const int code = static_cast<int>(Qt::Key_A) + i % 26;
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, key);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, key);
        QApplication::sendEvent(pane, &press);
        QApplication::sendEvent(pane, &release);
        QCoreApplication::processEvents();
    }
}

// The object names of the widgets that are not also a caption, a menu command or a window title
// somewhere in the program (many controls are named as their caption reads).
QStringList bareObjectNames() {
    QStringList names;
    QStringList captions;
    for (const QWidget* widget : QApplication::allWidgets()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().contains(u' '))
            names.append(widget->objectName());
        captions.append(widget->windowTitle());
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            captions.append(button->text());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) captions.append(label->text());
        for (const QAction* action : widget->actions()) captions.append(action->text());
    }
    for (QString& caption : captions) caption.remove(u'&');
    names.removeDuplicates();
    names.removeIf([&](const QString& name) { return captions.contains(name); });
    return names;
}

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QStringList args = QApplication::arguments();
    args.removeFirst();
    const bool bare = args.removeAll(QStringLiteral("--bare")) > 0;
    if (args.size() != 2) {
        std::fputs("usage: tavrin_a11y_probe [--bare] <header> <source>\n", stderr);
        return 2;
    }
    const QString headerPath = args[0];
    const QString sourcePath = args[1];

    tav::ScriptedPlatform platform;
    std::unique_ptr<tav::AppWindows> windows;
    TTavMainForm* mainForm = nullptr;
    std::unique_ptr<QSplitter> bareWindow;
    QPlainTextEdit* bareTop = nullptr;
    QPlainTextEdit* bareBottom = nullptr;
    if (bare) {
        bareWindow = std::make_unique<QSplitter>(Qt::Vertical);
        bareTop = new QPlainTextEdit(bareWindow.get());
        bareBottom = new QPlainTextEdit(bareWindow.get());
        bareWindow->resize(800, 600);
        bareWindow->show();
    } else {
        windows = std::make_unique<tav::AppWindows>(platform);
        mainForm = &windows->main();
        windows->makeDialogs();
        mainForm->resize(800, 600);
        mainForm->show();
    }

    QPlainTextEdit* lowerPane = nullptr;
    auto open = [&] {
        QElapsedTimer timer;
        timer.start();
        if (bare) {
            bareTop->setPlainText(readUtf8(headerPath));
            bareBottom->setPlainText(readUtf8(sourcePath));
            lowerPane = bareBottom;
        } else {
            platform.openFiles.push_back(headerPath);
            TChildForm* document = mainForm->createDocument();
            if (document->OpenClass()) mainForm->opened(*document);
            document->showMaximized();
            lowerPane = document->SourceMemo;
        }
        settle();
        say(QStringLiteral("opened %1").arg(timer.nsecsElapsed() / 1e9));
    };
    auto type = [&](int count) {
        QElapsedTimer timer;
        timer.start();
        if (lowerPane) typeInto(lowerPane, count);
        settle();
        say(QStringLiteral("typed %1").arg(timer.nsecsElapsed() / 1e9));
    };

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            QCoreApplication::exit(0);
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const QString line = QString::fromStdString(pending.substr(0, end)).trimmed();
            pending.erase(0, end + 1);
            if (line == QStringLiteral("open"))
                open();
            else if (line.startsWith(QStringLiteral("type ")))
                type(line.mid(5).toInt());
            else if (line == QStringLiteral("drop") && mainForm) {
                mainForm->FunctionsCombo->showPopup();
                settle();
                say(QStringLiteral("dropped"));
            } else if (line == QStringLiteral("fold") && mainForm) {
                mainForm->FunctionsCombo->hidePopup();
                settle();
                say(QStringLiteral("folded"));
            } else if (line == QStringLiteral("dialogs") && mainForm) {
                const tav::Dialogs& d = windows->dialogs();
                // The modern dialogs show every field the classic ones have, and more.
                d.NewClassDlg->setModernProfile(true);
                d.InputFunctionDlg->setModernProfile(true);
                d.InputOperatorDlg->setModernProfile(true);
                tav::ClassCommands& commands = mainForm->classCommands();
                commands.accessorsDialog()->setRows(
                    {{{QStringLiteral("int sides_"), {}}, {QString(), true}, {QString(), true}}});
                for (QDialog* dialog : std::initializer_list<QDialog*>{
                         d.AboutBox, d.NewClassDlg, d.InputDataDlg, d.InputFunctionDlg,
                         d.InputOperatorDlg, mainForm->specialMembersDialog(),
                         mainForm->preferencesDialog(), commands.baseFunctionsDialog(),
                         commands.accessorsDialog(), commands.constructorDialog()})
                    dialog->show();
                const tav::Status help =
                    tav::showHelp(mainForm, tav::kHelpFileName, tav::HelpContents, 0);
                if (!help.ok()) std::fprintf(stderr, "%s\n", qPrintable(help.message()));
                settle();
                say(QStringLiteral("shown"));
            } else if (line == QStringLiteral("names")) {
                say(QStringLiteral("names ") + bareObjectNames().join(QLatin1Char(' ')));
            } else if (line == QStringLiteral("quit"))
                QCoreApplication::exit(0);
        }
    });
    QTimer::singleShot(0, &app, [] { say(QStringLiteral("ready %1").arg(::getpid())); });

    const int result = QApplication::exec();
    if (mainForm) {
        for (TChildForm* document : mainForm->documents()) document->document().setModified(false);
        // The windows are not torn down: the measurement is over.
    }
    std::fflush(stdout);
    ::_exit(result);
}
