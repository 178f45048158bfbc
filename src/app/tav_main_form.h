#pragma once
// The MDI frame: menus, tool buttons and the function list; every command enters here and goes
// to a new class window or to the active one.
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "style/class_style.h"

class QAction;
class QComboBox;
class QMdiArea;
class QMenu;
class QToolButton;
class TChildForm;
class TPreferencesDlg;
class TSpecialMembersDlg;

namespace tav {
class ClassCommands;
class ClassDocument;
class Dialogs;
class RecentMenu;
class RecoveryStore;
}  // namespace tav

class TTavMainForm : public QMainWindow {
    Q_OBJECT
public:
    // dialogs: the application's dialogs, made by the first command that needs one if they are
    // not made yet.
    TTavMainForm(tav::Platform& platform, tav::Dialogs& dialogs);
    ~TTavMainForm() override;

    tav::Platform& platform() { return platform_; }
    // Every dialog, made first when they are not made yet.
    tav::Dialogs& dialogs();
    // The Add Special Members dialog, made when first asked for.
    TSpecialMembersDlg* specialMembersDialog();
    // The Configure Tavrin dialog, made when first asked for.
    TPreferencesDlg* preferencesDialog();
    tav::RecoveryStore* recoveryStore() { return recoveryStore_; }
    // Where class windows made from now on keep their recovery copies; null for none.
    void setRecoveryStore(tav::RecoveryStore* store) { recoveryStore_ = store; }

    QMenu* File1;
    QAction* New1;
    QAction* Open1;
    QMenu* OpenRecent1;
    QAction* Save;
    QAction* SaveAs;
    QAction* N1;
    QAction* Exit1;
    QMenu* Data;
    QAction* AddDataMember1;
    QMenu* Functions;
    QAction* AddCopyConstructor1;
    QAction* AddMemberFunction1;
    QAction* AddOperator1;
    QAction* AddSpecialMembers1;
    QAction* N4;
    QAction* AddMissingDefinitions1;
    QAction* ImplementBaseFunctions1;
    QAction* GenerateAccessors1;
    QAction* ConstructorFromMembers1;
    QMenu* Classes;
    QAction* Tile1;
    QAction* Cascade1;
    QAction* N3;
    QMenu* Settings1;
    QAction* Configure1;
    QMenu* Help1;
    QAction* Contents1;
    QAction* Index1;
    QAction* N2;
    QAction* About1;

    QWidget* Panel1;
    QToolButton* BitBtn1;
    QToolButton* BitBtn2;
    QToolButton* SaveBitBtn;
    QToolButton* DataBitBtn;
    QToolButton* FunctionBitBtn;
    QToolButton* OperatorBitBtn;
    QComboBox* FunctionsCombo;
    QComboBox* DataCombo;
    QMdiArea* MdiArea;

    // The class window that document commands work on, or null.
    TChildForm* activeDocument() const;
    QList<TChildForm*> documents() const;
    // A new, empty class window in the workspace.
    TChildForm* createDocument();
    // After a class window was given a class (opened or restored): the document controls go on
    // and the boxes show its lists.
    void opened(const TChildForm& window);
    // Opens each file's class pair as the Open command opens a chosen file, a pair once however
    // many of its files are given. Relative paths are taken from the current directory.
    void openFiles(const QStringList& paths);
    // Opens a class of the Open Recent list; one whose header is gone leaves the list.
    void openRecent(const QString& headerPath);

    // The ten document controls.
    void enableDocumentControls();
    void disableDocumentControls();
    // Save and its tool button: on after a change of a class, off after a save.
    void setSaveControlsEnabled(bool enabled);
    bool isControlEnabled(const QString& name) const;

    void showFunctionList(const std::vector<std::string>& functions);
    void showDataList(const std::vector<std::string>& data);
    // The boxes show the member lists of window.
    void FormActivate(const TChildForm& window);
    // Replaces a box's entries; afterwards no entry is chosen and its text stays.
    void fillCombo(QComboBox* combo, const std::vector<std::string>& entries);

    void New1Click();
    void Open1Click();
    void SaveClick();
    void SaveAsClick();
    void Exit1Click();
    void AddDataMember1Click();
    void AddMemberFunction1Click();
    void AddOperator1Click();
    void AddCopyConstructor1Click();
    // Writes the chosen special members; those the class already declares are named afterwards.
    void AddSpecialMembers1Click();
    // The class-aware commands: the class is read with the C++ reader first.
    void AddMissingDefinitions1Click();
    void ImplementBaseFunctions1Click();
    void GenerateAccessors1Click();
    void ConstructorFromMembers1Click();
    tav::ClassCommands& classCommands() { return *classCommands_; }
    void Tile1Click();
    void Cascade1Click();
    void ClassesClick();
    void ClassItemClick(QAction* item);
    // The Configure Tavrin dialog; its choices are kept in the user's settings.
    void Configure1Click();
    void Contents1Click();
    void Index1Click();
    void About1Click();
    void FunctionsComboEnter();
    void FunctionsComboChange(int index);
    void DataComboEnter();
    void FormMouseMove();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Header and source files dropped on the window are opened; any other drop is refused.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void FormResize();
    // Runs a command; an error it raises is shown and the program goes on.
    void runCommand(const std::function<void()>& command);
    void setDocumentControlsEnabled(bool enabled);
    // A class window was opened from its files or saved: its header heads Open Recent.
    void rememberRecent(const TChildForm& window);
    // The style a class in directory is written with now, from the user's settings.
    tav::ClassStyle styleForDirectory(const QString& directory) const;
    // Runs a member dialog and hands its value to the active class's document.
    // Runs a class-aware command on the active class, in the style it is written in now.
    void generate(const std::function<void(TChildForm&)>& command);
    template <typename Dialog, typename Input>
    void insertFromDialog(Dialog* tav::Dialogs::*dialog,
                          void (tav::ClassDocument::*insert)(const Input&));
    void onSubWindowActivated(QMdiSubWindow* window);
    void onFunctionsTextEdited(const QString& text);

    // A document control is a menu command or a control of the tool bar.
    struct DocumentControl {
        QAction* action = nullptr;
        QWidget* widget = nullptr;
    };

    tav::Platform& platform_;
    tav::Dialogs& dialogs_;
    tav::RecoveryStore* recoveryStore_ = nullptr;
    TPreferencesDlg* preferences_ = nullptr;        // made when first asked for
    TSpecialMembersDlg* specialMembers_ = nullptr;  // made when first asked for
    tav::RecentMenu* recent_ = nullptr;
    std::unique_ptr<tav::ClassCommands> classCommands_;
    QPointer<QMdiSubWindow> lastActivated_;
    std::array<DocumentControl, 10> documentControls_;
    // The Classes menu's entries for the class windows, after its fixed items.
    QList<QAction*> classItems_;
};
