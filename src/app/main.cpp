// Start-up: the main window first, then the dialogs, then the message loop until the main
// window closes. An error that reaches the loop is shown and the program goes on.
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <exception>

#include "app/app_style.h"
#include "app/tav_main_form.h"
#include "dialogs/dialogs.h"
#include "platform/qt_platform.h"

namespace {

class TavApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Tavrin"),
                                  QString::fromUtf8(error.what()));
        } catch (...) {
            QMessageBox::critical(activeWindow(), QStringLiteral("Tavrin"),
                                  QStringLiteral("An unknown error occurred."));
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    TavApplication app(argc, argv);
    QApplication::setStyle(new TavStyle);
    QApplication::setApplicationName(QStringLiteral("Tavrin"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
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
    try {
        tav::QtPlatform platform;
        TTavMainForm mainForm(platform);
        TavMainForm = &mainForm;
        QApplication::setWindowIcon(mainForm.windowIcon());
        mainForm.show();
        // The dialogs are made by the event loop's first pass, before the window can take any
        // input, so that the main window appears without waiting for them. For start-up
        // measurements, TAVRIN_EXIT_WHEN_SHOWN=1 makes the program end instead, once that pass
        // (which paints the window) is over, and without any question.
        const bool exitWhenShown = qEnvironmentVariableIntValue("TAVRIN_EXIT_WHEN_SHOWN") == 1;
        QTimer::singleShot(0, &app, [&platform, exitWhenShown] {
            if (exitWhenShown)
                QCoreApplication::exit(0);
            else if (!AboutBox)
                createDialogs(platform);
        });
        const int result = QApplication::exec();
        destroyDialogs();
        TavMainForm = nullptr;
        return result;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("Tavrin"), QString::fromUtf8(error.what()));
        return 1;
    }
}
