#pragma once
// The program's dialogs: one instance of each, created at start-up and reused for the whole run.
#include "dialogs/about_box.h"
#include "dialogs/input_data_dlg.h"
#include "dialogs/input_function_dlg.h"
#include "dialogs/input_operator_dlg.h"
#include "dialogs/new_class_dlg.h"
#include "dialogs/unshown_forms.h"

extern TAboutBox* AboutBox;
extern TNewClassDlg* NewClassDlg;
extern TInputDataDlg* InputDataDlg;
extern TInputFunctionDlg* InputFunctionDlg;
extern TInputOperatorDlg* InputOperatorDlg;
extern TInputConstructorDlg* InputConstructorDlg;
extern TInputFriend* InputFriend;
extern TTestForm* TestForm;

// Creates every dialog, hidden, in start-up order (About box, New Class, Add Data Member, Add
// Function, Add Operator, Add Constructor, Add Friend, test form); dialogs left from an earlier
// call are destroyed first.
void createDialogs(tav::Platform& platform);
// Destroys the dialogs and sets their pointers to null.
void destroyDialogs();
