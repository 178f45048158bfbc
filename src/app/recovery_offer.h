#pragma once
// At start: the recovery copies left by programs that ended without saving their class windows
// are offered in one question; Yes reopens each as a class window with its recovered text, No
// discards them. A copy that cannot be restored is reported and set aside, never deleted.
#include <QList>

class TChildForm;
class TTavMainForm;

namespace tav {

class Platform;
class RecoveryStore;

// Returns the restored windows.
QList<TChildForm*> offerRecovery(Platform& platform, RecoveryStore& store, TTavMainForm& main);

}  // namespace tav
