#pragma once
// The MDI frame: menus, tool buttons and the function list; every command enters here and goes
// to a new class window or to the active one.
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

class QAction;
class QComboBox;
class QMdiArea;
class QMenu;
class QToolButton;
class TChildForm;

class TTavMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TTavMainForm(tav::Platform& platform);
    ~TTavMainForm() override;

    tav::Platform& platform() const { return platform_; }

    QMenu* File1;
    QAction* New1;
    QAction* Open1;
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
    QMenu* Classes;
    QAction* Tile1;
    QAction* Cascade1;
    QAction* N3;
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

    // The ten document controls.
    void enableDocumentControls();
    void disableDocumentControls();
    void setSaveControlsEnabled(bool enabled);
    bool isControlEnabled(const QString& name) const;

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
    void Tile1Click();
    void Cascade1Click();
    void ClassesClick();
    void ClassItemClick(QAction* item);
    void Contents1Click();
    void Index1Click();
    void About1Click();
    void FunctionsComboEnter();
    void FunctionsComboChange(int index);
    void DataComboEnter();
    void FormMouseMove();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void FormResize();
    // Runs a command; an error it raises is shown and the program goes on.
    void runCommand(const std::function<void()>& command);
    void ensureDialogs();
    void onDocument(void (TChildForm::*operation)());
    void onSubWindowActivated(QMdiSubWindow* window);
    void onFunctionsTextEdited(const QString& text);

    tav::Platform& platform_;
    QPointer<QMdiSubWindow> lastActivated_;
};

// The application's main window.
extern TTavMainForm* TavMainForm;
