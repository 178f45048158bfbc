#pragma once
// Shared by the dialog tests: a fixture that creates every dialog over a scripted platform, and a
// way to act inside a modal run.
#include <gtest/gtest.h>

#include <QDialog>
#include <QTimer>
#include <functional>

#include "dialogs/dialogs.h"
#include "platform/scripted_platform.h"

namespace tav::testing {

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { createDialogs(platform); }
    void TearDown() override { destroyDialogs(); }

    ScriptedPlatform platform;
};

// Runs action from inside the event loop of the modal run that is about to start, once the
// dialog is shown.
inline void whenShown(QDialog* dialog, std::function<void()> action) {
    QTimer::singleShot(0, dialog, [dialog, action = std::move(action)] {
        ASSERT_TRUE(dialog->isVisible());
        action();
    });
}

}  // namespace tav::testing
