#pragma once
// The application's windows, made and destroyed in one place, in start-up order: the main
// window, then the About box, New Class, Add Data Member, Add Function, Add Operator, Add
// Constructor, Add Friend and the test form. The program, the tests and the benchmarks all make
// their windows here.
#include <memory>

#include "app/tav_main_form.h"
#include "dialogs/dialogs.h"
#include "recovery/recovery_store.h"

namespace tav {

class AppWindows {
public:
    // Makes the main window; the dialogs follow with makeDialogs() or with the first command
    // that needs one. recoveryRoot: where class windows keep their recovery copies
    // (RecoveryStore::defaultRoot() for the program); empty for no copies.
    explicit AppWindows(Platform& platform, const QString& recoveryRoot = {});
    // Destroys the dialogs, then the main window with its class windows; no question is asked.
    // A class window with unsaved changes leaves its recovery copy.
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    // Shows the main window and has the event loop's first pass make the dialogs, so that the
    // window appears without waiting for them.
    void show();
    void makeDialogs() { dialogs_.make(); }
    // Offers the recovery copies left by programs no longer running (see offerRecovery).
    void offerRecovery();

    TTavMainForm& main() { return *TavMainForm; }
    Dialogs& dialogs() { return dialogs_; }

    // The instances under their own names: the main window here, the dialogs in dialogs().
    std::unique_ptr<TTavMainForm> TavMainForm;

private:
    Dialogs dialogs_;
    std::unique_ptr<RecoveryStore> recovery_;  // outlives the class windows
};

}  // namespace tav
