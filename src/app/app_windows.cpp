#include "app/app_windows.h"

#include <QTimer>

#include "app/recovery_offer.h"

namespace tav {

AppWindows::AppWindows(Platform& platform, const QString& recoveryRoot) : dialogs_(platform) {
    if (!recoveryRoot.isEmpty()) recovery_ = std::make_unique<RecoveryStore>(recoveryRoot);
    TavMainForm = std::make_unique<TTavMainForm>(platform, dialogs_);
    TavMainForm->setRecoveryStore(recovery_.get());
}

AppWindows::~AppWindows() {
    dialogs_.destroy();
    TavMainForm.reset();
}

void AppWindows::offerRecovery() {
    if (recovery_) tav::offerRecovery(TavMainForm->platform(), *recovery_, *TavMainForm);
}

void AppWindows::show() {
    TavMainForm->show();
    QTimer::singleShot(0, TavMainForm.get(), [this] { dialogs_.make(); });
}

}  // namespace tav
