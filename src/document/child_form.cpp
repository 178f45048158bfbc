#include "document/child_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QMdiArea>
#include <QScopeGuard>
#include <QSplitter>

#include "dialogs/dialogs.h"
#include "dialogs/pictures.h"
#include "document/class_edit_step.h"
#include "document/class_files.h"
#include "editor/text_pane.h"
#include "files/file_names.h"
#include "members/members.h"
#include "members/skeleton.h"
#include "platform/platform.h"
#include "recovery/recovered_class.h"
#include "recovery/recovery_copy.h"
#include "scan/scans.h"

using tav::MessageIcon;

const QString TChildForm::kNoClass = QStringLiteral("tav_noclass");
const QString TChildForm::kSaveFilter = QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h");
const QString TChildForm::kOpenFilter =
    QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h|Any File (*.*)|*.*");

namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

TChildForm::TChildForm(tav::DocumentHost* mainForm) : MainForm(mainForm) {
    setObjectName(QStringLiteral("ChildForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ChildForm"));
    setWindowIcon(tav::appIcon());

    Splitter1 = new QSplitter(Qt::Vertical);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(6);
    Splitter1->setChildrenCollapsible(false);
    HeaderMemo = new TextPane;
    HeaderMemo->setObjectName(QStringLiteral("HeaderMemo"));
    HeaderMemo->setAccessibleName(QStringLiteral("Header"));
    SourceMemo = new TextPane;
    SourceMemo->setObjectName(QStringLiteral("SourceMemo"));
    SourceMemo->setAccessibleName(QStringLiteral("Source"));
    // A pane's own minimum (its two scroll bars) is taller than the header's first 57 pixels;
    // the splitter keeps each pane at least 30 pixels high instead.
    HeaderMemo->setMinimumHeight(30);
    SourceMemo->setMinimumHeight(30);
    Splitter1->addWidget(HeaderMemo);
    Splitter1->addWidget(SourceMemo);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({57, 200});
    setWidget(Splitter1);

    connect(HeaderMemo, &QPlainTextEdit::textChanged, this, &TChildForm::PaneChanged);
    connect(SourceMemo, &QPlainTextEdit::textChanged, this, &TChildForm::PaneChanged);
    connect(HeaderMemo, &TextPane::clicked, this, &TChildForm::FormActivate);
    connect(SourceMemo, &TextPane::clicked, this, &TChildForm::FormActivate);

    recovery_ = new tav::RecoveryCopy(
        MainForm->recoveryStore(), [this] { return recoveryBytes(); },
        [this](const tav::Status& failed) {
            platform().report(this, failed, MessageIcon::Warning);
        },
        this);
}

TChildForm::~TChildForm() {
    if (!Modified) {
        recovery_->discard();
    } else if (recovery_->pending()) {
        (void)recovery_->writeNow();  // nobody is left to tell of a failure
    }
}

tav::Platform& TChildForm::platform() const { return MainForm->platform(); }

// Runs at every keystroke: no more than flags and a timer.
void TChildForm::PaneChanged() {
    MainForm->setSaveControlsEnabled(true);
    Modified = true;
    recovery_->changed();
}

tav::EditedLists TChildForm::editedLists() {
    return {FunctionList, DataList, [this] {
                // The main window's boxes show the lists of the window in front.
                if (mdiArea() && mdiArea()->currentSubWindow() != this) return;
                ShowFunctionList();
                ShowDataList();
            }};
}

void TChildForm::showCaption() { setWindowTitle(ClassDir + ClassName); }

// ---- New class -------------------------------------------------------------------------------

void TChildForm::NewClass() {
    TNewClassDlg* dialog = MainForm->dialogs().NewClassDlg;
    if (platform().runModal(dialog) != tav::ModalOk) {
        close();
        return;
    }
    const tav::NewClassInput input = dialog->value();
    ClassName = QString::fromStdString(input.name);
    ClassDir = QString::fromStdString(input.directory) + QDir::separator();
    FunctionList.clear();
    DataList.clear();
    {
        tav::ClassEditStep step(*HeaderMemo, *SourceMemo, editedLists());
        if (input.kind == tav::ClassKind::Normal) {
            GenerateNormalHeader();
            GenerateSource();
        } else {
            GenerateVirtualBaseHeader();
        }
    }
    if (mdiArea()) mdiArea()->setActiveSubWindow(this);
    raise();
    showCaption();
    MainForm->enableDocumentControls();
}

void TChildForm::GenerateNormalHeader() { tav::generateNormalHeader(*HeaderMemo, utf8(ClassName)); }

void TChildForm::GenerateVirtualBaseHeader() {
    tav::generateVirtualBaseHeader(*HeaderMemo, FunctionList, utf8(ClassName));
}

void TChildForm::GenerateSource() {
    tav::generateSource(*SourceMemo, FunctionList, utf8(ClassName));
}

// ---- Members ---------------------------------------------------------------------------------

void TChildForm::AddDataMember() {
    TInputDataDlg* dialog = MainForm->dialogs().InputDataDlg;
    if (platform().runModal(dialog) != tav::ModalOk) return;
    const tav::DataMemberInput input = dialog->value();
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    tav::ClassEditStep step(*HeaderMemo, *SourceMemo, editedLists());
    tav::addDataMember(text, input);
}

void TChildForm::AddMemberFunction() {
    TInputFunctionDlg* dialog = MainForm->dialogs().InputFunctionDlg;
    if (platform().runModal(dialog) != tav::ModalOk) return;
    const tav::FunctionInput input = dialog->value();
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    tav::ClassEditStep step(*HeaderMemo, *SourceMemo, editedLists());
    tav::addMemberFunction(text, input);
}

void TChildForm::AddOperator() {
    TInputOperatorDlg* dialog = MainForm->dialogs().InputOperatorDlg;
    if (platform().runModal(dialog) != tav::ModalOk) return;
    const tav::OperatorInput input = dialog->value();
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    tav::ClassEditStep step(*HeaderMemo, *SourceMemo, editedLists());
    tav::addOperator(text, input);
}

void TChildForm::AddCopyConstructor() {
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    tav::ClassEditStep step(*HeaderMemo, *SourceMemo, editedLists());
    tav::addCopyConstructor(text);
}

// ---- Class files -----------------------------------------------------------------------------

bool TChildForm::warnWithoutClass() {
    if (ClassName != kNoClass) return false;
    platform().message(this, QStringLiteral("No class detected"), MessageIcon::Warning);
    return true;
}

QString TChildForm::classFile(const QString& extension) const {
    return ClassDir + ClassName + extension;
}

bool TChildForm::writePane(const TextPane& pane, const QString& path, tav::FileStamp& stamp) {
    tav::FileStamp written;
    if (!platform().report(this, tav::writePaneToFile(pane, path, &written))) return false;
    // Only the window's own files are remembered: Save As writes copies elsewhere.
    if (path == stamp.path || path == classFile(QStringLiteral(".h")) ||
        path == classFile(QStringLiteral(".cpp")))
        stamp = written;
    return true;
}

bool TChildForm::writeClassFiles(const QString& headerPath, const QString& sourcePath) {
    return writePane(*HeaderMemo, headerPath, headerStamp_) &&
           writePane(*SourceMemo, sourcePath, sourceStamp_);
}

// Both files are checked before either is written, and asked about in one question, so that
// No leaves the pair as it is.
bool TChildForm::mayOverwrite(const QString& headerPath, const QString& sourcePath) {
    QStringList changed;
    QStringList holdingOther;
    auto check = [&](const TextPane& pane, const QString& path, const tav::FileStamp& stamp) {
        const tav::OnDisk found = tav::onDisk(pane, path, stamp);
        if (found == tav::OnDisk::ChangedSinceSeen) changed.append(QDir::toNativeSeparators(path));
        if (found == tav::OnDisk::HoldsOtherText)
            holdingOther.append(QDir::toNativeSeparators(path));
    };
    check(*HeaderMemo, headerPath, headerStamp_);
    check(*SourceMemo, sourcePath, sourceStamp_);
    if (changed.isEmpty() && holdingOther.isEmpty()) return true;
    return platform().messageBox(this, tav::overwriteQuestion(changed, holdingOther),
                                 tav::kMessageCaption, MessageIcon::Warning,
                                 tav::MessageButtons::YesNoDefaultNo) == tav::MessageAnswer::Yes;
}

bool TChildForm::SaveClass() {
    if (warnWithoutClass()) return false;
    const QString headerPath = classFile(QStringLiteral(".h"));
    const QString sourcePath = classFile(QStringLiteral(".cpp"));
    const QString message =
        QStringLiteral("Class saved as ") + headerPath + QStringLiteral(" and ") + sourcePath;
    if (!mayOverwrite(headerPath, sourcePath)) return false;
    if (!writeClassFiles(headerPath, sourcePath)) return false;
    MainForm->setSaveControlsEnabled(false);
    Modified = false;
    recovery_->discard();
    if (FirstSave) {
        platform().message(this, message, MessageIcon::None);
        FirstSave = false;
    }
    return true;
}

void TChildForm::SaveClassAs() {
    if (warnWithoutClass()) return;
    const QString chosen = platform().chooseSaveFile(this, kSaveFilter);
    if (chosen.isEmpty()) return;
    const QString base = tav::withoutExtension(QDir::toNativeSeparators(chosen));
    const QString headerPath = base + QStringLiteral(".h");
    const QString sourcePath = base + QStringLiteral(".cpp");
    const QString message =
        QStringLiteral("Class saved in ") + headerPath + QStringLiteral(" and ") + sourcePath;
    if (!writeClassFiles(headerPath, sourcePath)) return;
    platform().message(this, message, MessageIcon::None);
}

void TChildForm::OpenClass() {
    const QString chosen = platform().chooseOpenFile(this, kOpenFilter);
    if (chosen.isEmpty()) return;
    OpenClassFile(chosen);
}

bool TChildForm::OpenClassFile(const QString& path) {
    const QString chosen = QDir::toNativeSeparators(path);
    ClassDir = tav::directoryPart(chosen);
    const QString base = tav::withoutExtension(chosen) + QLatin1Char('.');
    // However the open ends, the panes hold what the files hold (or nothing): no recovery copy
    // is needed for that.
    const auto noCopy = qScopeGuard([this] { recovery_->discard(); });
    const tav::Result<bool> header = ScanHeader(base + QStringLiteral("h"));
    if (!platform().report(this, header.status())) return false;
    if (!header.value())
        platform().message(this, QStringLiteral("Header read error"), MessageIcon::Warning);
    const tav::Result<bool> source = ScanSource(base + QStringLiteral("cpp"));
    if (!platform().report(this, source.status())) return false;
    if (!source.value())
        platform().message(this, QStringLiteral("Source read error"), MessageIcon::Warning);
    MainForm->enableDocumentControls();
    ShowFunctionList();
    return true;
}

// ---- Scans and navigation --------------------------------------------------------------------

tav::Result<bool> TChildForm::ScanHeader(const QString& path) {
    HeaderMemo->clear();
    headerStamp_ = {};
    if (tav::Status loaded = tav::loadPaneFromFile(*HeaderMemo, path, &headerStamp_); !loaded.ok())
        return loaded;
    const tav::HeaderScan scan = tav::scanHeaderWords(HeaderMemo->textUtf8());
    if (scan.className) {
        ClassName = QString::fromStdString(*scan.className);
        showCaption();
    }
    return scan.foundClassWord;
}

tav::Result<bool> TChildForm::ScanSource(const QString& path) {
    const std::string className = utf8(ClassName);
    SourceMemo->clear();
    sourceStamp_ = {};
    if (tav::Status loaded = tav::loadPaneFromFile(*SourceMemo, path, &sourceStamp_); !loaded.ok())
        return loaded;
    FunctionList = tav::scanSourceFunctions(*SourceMemo, className);
    return !FunctionList.empty();
}

void TChildForm::ShowFunctionList() { MainForm->showFunctionList(FunctionList); }

void TChildForm::ShowDataList() { MainForm->showDataList(DataList); }

void TChildForm::FormActivate() {
    ShowFunctionList();
    ShowDataList();
}

void TChildForm::SelectFunctionInSource(const QString& text) {
    // The first line that holds the text; the pane hands the search its reading copy, which is
    // searched in one pass.
    const std::optional<tav::TextPosition> found = tav::findInLines(*SourceMemo, utf8(text));
    if (!found) {
        platform().message(this, QStringLiteral("Function not found in source"),
                           MessageIcon::Error);
        return;
    }
    SourceMemo->setFocus();
    SourceMemo->select(*found);
}

// ---- Recovery --------------------------------------------------------------------------------

QByteArray TChildForm::recoveryBytes() const {
    const tav::RecoveryState state{
        windowTitle(),        ClassName,    ClassDir,    FirstSave, HeaderMemo->encoding,
        SourceMemo->encoding, headerStamp_, sourceStamp_};
    return tav::encodeRecoveredClass(state, HeaderMemo->textUtf8(), SourceMemo->textUtf8());
}

tav::Status TChildForm::KeepRecoveryCopy() { return recovery_->writeNow(); }

void TChildForm::RestoreClass(const tav::RecoveredClass& copy) {
    const tav::RecoveryState& state = copy.state;
    ClassName = state.className;
    ClassDir = state.classDir;
    FirstSave = state.firstSave;
    headerStamp_ = state.headerStamp;
    sourceStamp_ = state.sourceStamp;
    HeaderMemo->setWholeTextUtf8(copy.header);
    HeaderMemo->encoding = state.headerEncoding;
    SourceMemo->setWholeTextUtf8(copy.source);
    SourceMemo->encoding = state.sourceEncoding;
    FunctionList = tav::scanSourceFunctions(*SourceMemo, utf8(ClassName));
    DataList.clear();
    setWindowTitle(state.caption);
    MainForm->enableDocumentControls();
    ShowFunctionList();
    PaneChanged();
    platform().report(this, recovery_->writeNow(), MessageIcon::Warning);
}

// ---- Closing ---------------------------------------------------------------------------------

void TChildForm::closeEvent(QCloseEvent* event) {
    if (Modified) {
        const tav::MessageAnswer answer = platform().messageBox(
            this, QStringLiteral("Save changes in ") + ClassName + QStringLiteral(" ?"),
            tav::kMessageCaption, MessageIcon::Warning, tav::MessageButtons::YesNoCancel);
        // A save that did not complete keeps the window, so no text is lost.
        const bool mayClose =
            answer == tav::MessageAnswer::No || (answer == tav::MessageAnswer::Yes && SaveClass());
        if (!mayClose) {
            event->ignore();
            return;
        }
    }
    QMdiSubWindow::closeEvent(event);
    // Saved, unchanged, or its changes given up: nothing is left to recover.
    if (event->isAccepted()) recovery_->discard();
}
