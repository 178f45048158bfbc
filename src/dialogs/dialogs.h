#pragma once
// The program's dialogs: one instance of each, made once and reused for the whole run.
#include "dialogs/about_box.h"
#include "dialogs/input_data_dlg.h"
#include "dialogs/input_function_dlg.h"
#include "dialogs/input_operator_dlg.h"
#include "dialogs/new_class_dlg.h"
#include "dialogs/unshown_forms.h"

namespace tav {

class Dialogs {
public:
    // Makes no dialog yet: make() does.
    explicit Dialogs(Platform& platform) : platform_(platform) {}
    ~Dialogs() { destroy(); }
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    // Makes every dialog, hidden, in start-up order (About box, New Class, Add Data Member, Add
    // Function, Add Operator, Add Constructor, Add Friend, test form), unless they are made.
    void make();
    bool made() const { return AboutBox != nullptr; }
    // Destroys the dialogs in the reverse of their order; make() makes new ones.
    void destroy();

    // Null until make().
    TAboutBox* AboutBox = nullptr;
    TNewClassDlg* NewClassDlg = nullptr;
    TInputDataDlg* InputDataDlg = nullptr;
    TInputFunctionDlg* InputFunctionDlg = nullptr;
    TInputOperatorDlg* InputOperatorDlg = nullptr;
    TInputConstructorDlg* InputConstructorDlg = nullptr;
    TInputFriend* InputFriend = nullptr;
    TTestForm* TestForm = nullptr;

private:
    Platform& platform_;
};

}  // namespace tav
