#include "app/app_windows.h"

#include <QTimer>

namespace tav {

AppWindows::AppWindows(Platform& platform) : dialogs_(platform) {
    TavMainForm = std::make_unique<TTavMainForm>(platform, dialogs_);
}

AppWindows::~AppWindows() {
    dialogs_.destroy();
    TavMainForm.reset();
}

void AppWindows::show() {
    TavMainForm->show();
    QTimer::singleShot(0, TavMainForm.get(), [this] { dialogs_.make(); });
}

}  // namespace tav
