// Runs the widget tests inside one QApplication on the offscreen platform.
#include <gmock/gmock.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The user's settings stay untouched: the tests keep theirs in a folder of their own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
