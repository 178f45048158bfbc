#include "dialogs/dialogs.h"

TAboutBox* AboutBox = nullptr;
TNewClassDlg* NewClassDlg = nullptr;
TInputDataDlg* InputDataDlg = nullptr;
TInputFunctionDlg* InputFunctionDlg = nullptr;
TInputOperatorDlg* InputOperatorDlg = nullptr;
TInputConstructorDlg* InputConstructorDlg = nullptr;
TInputFriend* InputFriend = nullptr;
TTestForm* TestForm = nullptr;

void createDialogs(tav::Platform& platform) {
    destroyDialogs();
    AboutBox = new TAboutBox(platform);
    NewClassDlg = new TNewClassDlg(platform);
    InputDataDlg = new TInputDataDlg(platform);
    InputFunctionDlg = new TInputFunctionDlg(platform);
    InputOperatorDlg = new TInputOperatorDlg(platform);
    InputConstructorDlg = new TInputConstructorDlg(platform);
    InputFriend = new TInputFriend(platform);
    TestForm = new TTestForm(platform);
}

namespace {
template <typename Dialog>
void destroy(Dialog*& dialog) {
    delete dialog;
    dialog = nullptr;
}
}  // namespace

void destroyDialogs() {
    destroy(TestForm);
    destroy(InputFriend);
    destroy(InputConstructorDlg);
    destroy(InputOperatorDlg);
    destroy(InputFunctionDlg);
    destroy(InputDataDlg);
    destroy(NewClassDlg);
    destroy(AboutBox);
}
