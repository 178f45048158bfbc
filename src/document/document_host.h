#pragma once
// What a class window needs of the window that holds it: the platform, the dialogs, and the
// main window's document controls and member lists, which the class window switches and fills
// but does not own. The main window implements it; tests may implement it with a small fake.
#include <string>
#include <vector>

namespace tav {

class Dialogs;
class Platform;
class RecoveryStore;

class DocumentHost {
public:
    virtual Platform& platform() = 0;
    // Every dialog, made first when they are not made yet.
    virtual Dialogs& dialogs() = 0;

    // Switches the ten document controls on, after a new class or an open.
    virtual void enableDocumentControls() = 0;
    // Switches Save and its tool button: on after a change of a pane, off after a save.
    virtual void setSaveControlsEnabled(bool enabled) = 0;
    // Replaces the entries of the function list and of the data list.
    virtual void showFunctionList(const std::vector<std::string>& functions) = 0;
    virtual void showDataList(const std::vector<std::string>& data) = 0;
    // Where class windows keep their recovery copies; null for no copies.
    virtual RecoveryStore* recoveryStore() { return nullptr; }

protected:
    ~DocumentHost() = default;
};

}  // namespace tav
