#pragma once
// One open class: its header and source panes, name, directory, change state and member lists.
#include <QMdiSubWindow>
#include <QString>
#include <string>
#include <vector>

#include "document/document_host.h"
#include "files/file_stamp.h"
#include "files/status.h"

class QSplitter;
class TextPane;

namespace tav {
struct EditedLists;
class RecoveryCopy;
struct RecoveredClass;
}  // namespace tav

class TChildForm : public QMdiSubWindow {
    Q_OBJECT
public:
    // mainForm: the window that holds this one, with the controls it switches and fills.
    explicit TChildForm(tav::DocumentHost* mainForm);
    // A window that goes with unsaved changes without a question (the program torn down) leaves
    // its recovery copy for the next start.
    ~TChildForm() override;

    // The class name while no class was created or found.
    static const QString kNoClass;
    // File choosers' filters, in the toolkit notation.
    static const QString kSaveFilter;
    static const QString kOpenFilter;

    TextPane* HeaderMemo;
    QSplitter* Splitter1;
    TextPane* SourceMemo;

    QString ClassName = kNoClass;
    QString ClassDir;
    tav::DocumentHost* MainForm;
    bool Modified = false;
    bool FirstSave = true;
    std::vector<std::string> FunctionList;
    std::vector<std::string> DataList;

    void NewClass();
    void GenerateNormalHeader();
    void GenerateVirtualBaseHeader();
    void GenerateSource();

    // True when both files were written. A file changed on disk since this window last read or
    // wrote it is overwritten only if the user agrees; otherwise nothing is written.
    bool SaveClass();
    void SaveClassAs();
    void OpenClass();
    // Opens the pair of path (either file of it) as if the Open dialog had chosen it. False when
    // a file could not be read (reported), whether or not a class or a function was found.
    bool OpenClassFile(const QString& path);

    void AddDataMember();
    void AddMemberFunction();
    void AddOperator();
    void AddCopyConstructor();

    // Whether a class word was met (a function line, for the source), or why the file could not
    // be read.
    tav::Result<bool> ScanHeader(const QString& path);
    tav::Result<bool> ScanSource(const QString& path);
    void ShowFunctionList();
    void ShowDataList();
    void SelectFunctionInSource(const QString& text);
    void FormActivate();

    // Restores the window from a recovery copy: text, encodings, caption, class, directory and
    // what it knew of its files; the function list is scanned from the source as an open does.
    // The window counts as changed, and its own recovery copy is written at once.
    void RestoreClass(const tav::RecoveredClass& copy);
    // Writes the recovery copy now rather than a while after the last change.
    tav::Status KeepRecoveryCopy();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    tav::Platform& platform() const;
    void PaneChanged();
    void showCaption();
    // The member lists as an insertion's undo step changes them.
    tav::EditedLists editedLists();
    QString classFile(const QString& extension) const;
    bool mayOverwrite(const QString& headerPath, const QString& sourcePath);
    bool writeClassFiles(const QString& headerPath, const QString& sourcePath);
    bool writePane(const TextPane& pane, const QString& path, tav::FileStamp& stamp);
    bool warnWithoutClass();
    QByteArray recoveryBytes() const;

    // What this window last read from or wrote to its own files.
    tav::FileStamp headerStamp_;
    tav::FileStamp sourceStamp_;
    tav::RecoveryCopy* recovery_;
};
