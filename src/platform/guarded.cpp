#include "platform/guarded.h"

#include <exception>

#include "platform/platform.h"

namespace tav {

bool runGuarded(Platform& platform, QWidget* owner, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const std::exception& error) {
        platform.message(owner, QString::fromUtf8(error.what()), MessageIcon::Error);
    } catch (...) {
        platform.message(owner, QStringLiteral("An unknown error occurred."), MessageIcon::Error);
    }
    return false;
}

}  // namespace tav
