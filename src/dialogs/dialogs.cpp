#include "dialogs/dialogs.h"

namespace tav {

void Dialogs::make() {
    if (made()) return;
    AboutBox = new TAboutBox(platform_);
    NewClassDlg = new TNewClassDlg(platform_);
    InputDataDlg = new TInputDataDlg(platform_);
    InputFunctionDlg = new TInputFunctionDlg(platform_);
    InputOperatorDlg = new TInputOperatorDlg(platform_);
    InputConstructorDlg = new TInputConstructorDlg(platform_);
    InputFriend = new TInputFriend(platform_);
    TestForm = new TTestForm(platform_);
}

namespace {
template <typename Dialog>
void destroyOne(Dialog*& dialog) {
    delete dialog;
    dialog = nullptr;
}
}  // namespace

void Dialogs::destroy() {
    destroyOne(TestForm);
    destroyOne(InputFriend);
    destroyOne(InputConstructorDlg);
    destroyOne(InputOperatorDlg);
    destroyOne(InputFunctionDlg);
    destroyOne(InputDataDlg);
    destroyOne(NewClassDlg);
    destroyOne(AboutBox);
}

}  // namespace tav
