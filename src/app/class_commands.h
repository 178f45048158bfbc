#pragma once
// The class-aware commands of the Functions menu (Add Missing Definitions, Implement Base
// Functions, Generate Accessors, Constructor from Members) and the base of a new modern class.
// Each reads the class with the C++ reader on another thread, asks what to write where it must,
// and has the class's document write it as one undo step.
#include <QString>
#include <QStringList>
#include <memory>

#include "members/skeleton.h"

class QWidget;
class TCheckListDlg;
class TChildForm;

namespace tav {

class Platform;

class ClassCommands {
public:
    explicit ClassCommands(Platform& platform);
    ~ClassCommands();

    // includePaths: the folders searched for base headers after the class directory.
    void addMissingDefinitions(TChildForm& window);
    void implementBaseFunctions(TChildForm& window, const QStringList& includePaths);
    void generateAccessors(TChildForm& window);
    void constructorFromMembers(TChildForm& window);

    // The base of a new class with what its header says of it: whether its destructor is
    // virtual. The header is looked for in directory, then in includePaths.
    ClassBase completedBase(ClassBase base, const QString& directory,
                            const QStringList& includePaths);

    // The check-list dialogs, made when first asked for.
    TCheckListDlg* baseFunctionsDialog();
    TCheckListDlg* accessorsDialog();
    TCheckListDlg* constructorDialog();

private:
    Platform& platform_;
    std::unique_ptr<TCheckListDlg> baseFunctions_;
    std::unique_ptr<TCheckListDlg> accessors_;
    std::unique_ptr<TCheckListDlg> constructor_;
};

}  // namespace tav
