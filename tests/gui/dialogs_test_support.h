#pragma once
// Shared by the widget tests: the application's windows over a scripted platform, the dialogs of
// the running test under their own names (dialogs().NewClassDlg), and a way to act inside a
// modal run.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/app_windows.h"
#include "platform/scripted_platform.h"

namespace tav::testing {

// The running test's windows; set while a fixture holds them.
inline AppWindows* runningWindows = nullptr;

inline Dialogs& dialogs() { return runningWindows->dialogs(); }

// The windows of one test: the main window (not shown) and every dialog.
class WindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows = std::make_unique<AppWindows>(platform, recoveryRoot);
        runningWindows = windows.get();
        windows->makeDialogs();
    }
    void TearDown() override {
        windows.reset();
        runningWindows = nullptr;
    }

    ScriptedPlatform platform;
    // Where class windows keep recovery copies; empty (the default) for none.
    QString recoveryRoot;
    std::unique_ptr<AppWindows> windows;
};

using DialogsTest = WindowsTest;

// Runs action from inside the event loop of the modal run that is about to start, once the
// dialog is shown.
inline void whenShown(QDialog* dialog, std::function<void()> action) {
    QTimer::singleShot(0, dialog, [dialog, action = std::move(action)] {
        ASSERT_TRUE(dialog->isVisible());
        action();
    });
}

}  // namespace tav::testing
