#pragma once
// The window of one class: a view of its document, the header pane above the source pane, with
// the document's caption and the questions it asks about the document's files.
#include <QMdiSubWindow>
#include <QString>
#include <memory>

#include "document/class_document.h"

class QSplitter;
class TextPane;

namespace tav {
class Platform;
class RecoveryStore;
}  // namespace tav

class TChildForm : public QMdiSubWindow {
    Q_OBJECT
public:
    // store: where the document keeps its recovery copy, or null for none.
    TChildForm(tav::Platform& platform, tav::RecoveryStore* store, QWidget* parent = nullptr);
    ~TChildForm() override;

    // File choosers' filters, in the toolkit notation, for classes written as .h and .cpp.
    static const QString kSaveFilter;
    static const QString kOpenFilter;
    // The filters this window's choosers show: the ones above, or ones naming the extensions
    // of the class (Save As) or every known one (Open, in the modern profile).
    QString saveFilter() const;
    QString openFilter() const;

    tav::ClassDocument& document() { return *document_; }
    const tav::ClassDocument& document() const { return *document_; }

    TextPane* HeaderMemo;
    QSplitter* Splitter1;
    TextPane* SourceMemo;

    // True when both files were written. A file changed on disk since the document last read or
    // wrote it is overwritten only if the user agrees; otherwise nothing is written.
    bool SaveClass();
    // The header path of the copy written, or empty when none was.
    QString SaveClassAs();
    // Whether a file was chosen and read.
    bool OpenClass();
    // Opens the pair of path (either file of it, with any known extension) as if the Open
    // dialog had chosen it; whether both files were read.
    bool OpenClassFile(const QString& path);

    void SelectFunctionInSource(const QString& text);
    // Asks for the window's member lists to be shown (the main window's boxes show them).
    void FormActivate();

signals:
    void activated();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool warnWithoutClass();
    bool mayOverwrite(const QString& headerPath, const QString& sourcePath);
    bool writeClassFiles(const QString& headerPath, const QString& sourcePath);

    tav::Platform& platform_;
    std::unique_ptr<tav::ClassDocument> document_;
};
