// Start-up: the main window first, then the dialogs, then the message loop until the main
// window closes. An error that reaches the loop is shown and the program goes on; one that
// escapes start-up is shown and ends the program.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <string_view>

#include "app/app_style.h"
#include "app/app_windows.h"
#include "platform/guarded.h"
#include "platform/qt_platform.h"

namespace {

class TavApplication : public QApplication {
public:
    TavApplication(int& argc, char** argv, tav::Platform& platform)
        : QApplication(argc, argv), platform_(platform) {}

    bool notify(QObject* receiver, QEvent* event) override {
        bool handled = false;
        tav::runGuarded(platform_, activeWindow(),
                        [&] { handled = QApplication::notify(receiver, event); });
        return handled;
    }

private:
    tav::Platform& platform_;
};

// tavrin [FILE...]: the files whose classes to open. --help and --version print their lines
// and end the program.
QStringList filesToOpen(QCoreApplication& app) {
    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QStringLiteral("Writes C++ classes: header and source skeletons, members and operators."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(QStringLiteral("files"),
                                    QStringLiteral("Header or source files of classes to open."),
                                    QStringLiteral("[FILE...]"));
    arguments.process(app);
    return arguments.positionalArguments();
}

// Help and version need no display: they are answered before the windowing system is reached.
bool onlyPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        for (const std::string_view option :
             {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (argument == option) return true;
    }
    return false;
}

void nameTheProgram() {
    QCoreApplication::setApplicationName(tav::kProgramName);
    QCoreApplication::setApplicationVersion(tav::kProgramVersion);
}

}  // namespace

int main(int argc, char* argv[]) {
    nameTheProgram();
    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        filesToOpen(app);  // prints and ends the program
        return 0;
    }
    tav::QtPlatform platform;
    TavApplication app(argc, argv, platform);
    QApplication::setStyle(new TavStyle);
    QApplication::setDesktopFileName(QStringLiteral("tavrin"));
    // The windows are laid out for 8-point text. As the default font, it is also the font in
    // which every text field makes its first layout, before it takes its window's font: with a
    // larger default, start-up would load a second size of the font for that alone. The
    // captions, menus and messages are plain text that needs no shaping (kerning, ligatures);
    // text in a script that needs it is still shaped. Full hinting keeps small text crisp and
    // uses the font's own hints, where lighter hinting first has the automatic hinter analyse
    // the whole font.
    QFont font = QApplication::font();
    font.setPointSize(8);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setHintingPreference(QFont::PreferFullHinting);
    QApplication::setFont(font);
    const QStringList files = filesToOpen(app);

    int result = 1;
    tav::runGuarded(platform, nullptr, [&] {
        tav::AppWindows windows(platform, tav::RecoveryStore::defaultRoot());
        QApplication::setWindowIcon(windows.main().windowIcon());
        // For start-up measurements, TAVRIN_EXIT_WHEN_SHOWN=1 makes the program end once the
        // event loop's first pass (which paints the window) is over, without any question and
        // without making the dialogs.
        if (qEnvironmentVariableIntValue("TAVRIN_EXIT_WHEN_SHOWN") == 1) {
            windows.main().show();
            QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
        } else {
            windows.show();
            // Once the window is shown: first what a program that ended without saving left,
            // then the files of the command line.
            QTimer::singleShot(0, &windows.main(), [&windows, &files] {
                windows.offerRecovery();
                if (!files.isEmpty()) windows.main().openFiles(files);
            });
        }
        result = QApplication::exec();
    });
    return result;
}
