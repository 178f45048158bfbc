// The start-up baseline: a bare main window with an MDI workspace, shown, and gone again as soon
// as the event loop has run once, the way the real program ends under TAVRIN_EXIT_WHEN_SHOWN.
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QMdiArea);
    window.resize(605, 377);
    window.show();
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return QApplication::exec();
}
