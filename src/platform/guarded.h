#pragma once
// Runs a piece of the program so that an error it throws is shown, not fatal: a command, an
// event's handling, start-up.
#include <functional>

class QWidget;

namespace tav {

class Platform;

// Runs action. An exception that leaves it is shown in an error message box owned by owner,
// with its text, and false is returned.
bool runGuarded(Platform& platform, QWidget* owner, const std::function<void()>& action);

}  // namespace tav
