#include "document/child_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QSplitter>
#include <QTextBlock>

#include "app/tav_main_form.h"
#include "dialogs/dialogs.h"
#include "document/class_files.h"
#include "document/file_names.h"
#include "document/skeleton.h"
#include "document/text_pane.h"
#include "members/members.h"
#include "platform/platform.h"
#include "scan/scans.h"

using tav::MessageIcon;

const QString TChildForm::kNoClass = QStringLiteral("tav_noclass");
const QString TChildForm::kSaveFilter = QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h");
const QString TChildForm::kOpenFilter =
    QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h|Any File (*.*)|*.*");

namespace {

tav::Access accessFrom(const QRadioButton* privateButton, const QRadioButton* protectedButton) {
    if (privateButton->isChecked()) return tav::Access::Private;
    if (protectedButton->isChecked()) return tav::Access::Protected;
    return tav::Access::Public;
}

std::string utf8(const QString& text) { return text.toStdString(); }

}  // namespace

TChildForm::TChildForm(TTavMainForm* mainForm) : MainForm(mainForm) {
    setObjectName(QStringLiteral("ChildForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ChildForm"));
    setWindowIcon(MainForm->windowIcon());

    Splitter1 = new QSplitter(Qt::Vertical);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(6);
    Splitter1->setChildrenCollapsible(false);
    HeaderMemo = new TextPane;
    HeaderMemo->setObjectName(QStringLiteral("HeaderMemo"));
    HeaderMemo->setAccessibleName(QStringLiteral("HeaderMemo"));
    SourceMemo = new TextPane;
    SourceMemo->setObjectName(QStringLiteral("SourceMemo"));
    SourceMemo->setAccessibleName(QStringLiteral("SourceMemo"));
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
}

tav::Platform& TChildForm::platform() const { return MainForm->platform(); }

void TChildForm::PaneChanged() {
    MainForm->setSaveControlsEnabled(true);
    Modified = true;
}

void TChildForm::showCaption() { setWindowTitle(ClassDir + ClassName); }

// ---- New class -------------------------------------------------------------------------------

void TChildForm::NewClass() {
    if (platform().runModal(NewClassDlg) != tav::ModalOk) {
        close();
        return;
    }
    ClassName = NewClassDlg->Name->text();
    ClassDir = NewClassDlg->selectedDirectory() + QDir::separator();
    FunctionList.clear();
    DataList.clear();
    {
        PaneEditStep step(*HeaderMemo, *SourceMemo);
        if (NewClassDlg->Normal->isChecked()) {
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
    if (platform().runModal(InputDataDlg) != tav::ModalOk) return;
    const tav::DataMemberInput input{accessFrom(InputDataDlg->Private, InputDataDlg->Protected),
                                     utf8(InputDataDlg->Type->currentText()),
                                     utf8(InputDataDlg->Name->text())};
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    PaneEditStep step(*HeaderMemo, *SourceMemo);
    tav::addDataMember(text, input);
}

void TChildForm::AddMemberFunction() {
    if (platform().runModal(InputFunctionDlg) != tav::ModalOk) return;
    tav::FunctionInput input;
    input.access = accessFrom(InputFunctionDlg->Private, InputFunctionDlg->Protected);
    input.isVirtual = InputFunctionDlg->Virtual->isChecked();
    input.isPureVirtual = InputFunctionDlg->PureVirtual->isChecked();
    input.returnType = utf8(InputFunctionDlg->Type->currentText());
    input.name = utf8(InputFunctionDlg->Name->text());
    input.arguments = utf8(InputFunctionDlg->Arguments->currentText());
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    PaneEditStep step(*HeaderMemo, *SourceMemo);
    tav::addMemberFunction(text, input);
}

void TChildForm::AddOperator() {
    if (platform().runModal(InputOperatorDlg) != tav::ModalOk) return;
    tav::OperatorInput input;
    input.kind = InputOperatorDlg->Virtual->isChecked()       ? tav::OperatorKind::Virtual
                 : InputOperatorDlg->PureVirtual->isChecked() ? tav::OperatorKind::PureVirtual
                                                              : tav::OperatorKind::Normal;
    input.symbol = utf8(InputOperatorDlg->Operator->currentText());
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    PaneEditStep step(*HeaderMemo, *SourceMemo);
    tav::addOperator(text, input);
}

void TChildForm::AddCopyConstructor() {
    const std::string className = utf8(ClassName);
    tav::ClassText text{*HeaderMemo, *SourceMemo, FunctionList, DataList, className};
    PaneEditStep step(*HeaderMemo, *SourceMemo);
    tav::addCopyConstructor(text);
}

// ---- Class files -----------------------------------------------------------------------------

bool TChildForm::warnWithoutClass() {
    if (ClassName != kNoClass) return false;
    platform().message(this, QStringLiteral("No class detected"), MessageIcon::Warning);
    return true;
}

bool TChildForm::writeClassFiles(const QString& headerPath, const QString& sourcePath) {
    QString error;
    if (!tav::writePaneToFile(*HeaderMemo, headerPath, error) ||
        !tav::writePaneToFile(*SourceMemo, sourcePath, error)) {
        platform().message(this, error, MessageIcon::Error);
        return false;
    }
    return true;
}

bool TChildForm::SaveClass() {
    if (warnWithoutClass()) return false;
    const QString headerPath = ClassDir + ClassName + QStringLiteral(".h");
    const QString sourcePath = ClassDir + ClassName + QStringLiteral(".cpp");
    const QString message =
        QStringLiteral("Class saved as ") + headerPath + QStringLiteral(" and ") + sourcePath;
    if (!writeClassFiles(headerPath, sourcePath)) return false;
    MainForm->setSaveControlsEnabled(false);
    Modified = false;
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
    QString chosen = platform().chooseOpenFile(this, kOpenFilter);
    if (chosen.isEmpty()) return;
    chosen = QDir::toNativeSeparators(chosen);
    ClassDir = tav::directoryPart(chosen);
    const QString base = tav::withoutExtension(chosen) + QLatin1Char('.');
    const std::optional<bool> header = ScanHeader(base + QStringLiteral("h"));
    if (!header) return;
    if (!*header)
        platform().message(this, QStringLiteral("Header read error"), MessageIcon::Warning);
    const std::optional<bool> source = ScanSource(base + QStringLiteral("cpp"));
    if (!source) return;
    if (!*source)
        platform().message(this, QStringLiteral("Source read error"), MessageIcon::Warning);
    MainForm->enableDocumentControls();
    ShowFunctionList();
}

// ---- Scans and navigation --------------------------------------------------------------------

std::optional<bool> TChildForm::ScanHeader(const QString& path) {
    HeaderMemo->clear();
    QString error;
    if (!tav::loadPaneFromFile(*HeaderMemo, path, error)) {
        platform().message(this, error, MessageIcon::Error);
        return std::nullopt;
    }
    const tav::HeaderScan scan = tav::scanHeaderWords(HeaderMemo->textUtf8());
    if (scan.className) {
        ClassName = QString::fromStdString(*scan.className);
        showCaption();
    }
    return scan.foundClassWord;
}

std::optional<bool> TChildForm::ScanSource(const QString& path) {
    const std::string className = utf8(ClassName);
    SourceMemo->clear();
    QString error;
    if (!tav::loadPaneFromFile(*SourceMemo, path, error)) {
        platform().message(this, error, MessageIcon::Error);
        return std::nullopt;
    }
    FunctionList = tav::scanSourceFunctions(*SourceMemo, className);
    return !FunctionList.empty();
}

void TChildForm::ShowFunctionList() { MainForm->fillCombo(MainForm->FunctionsCombo, FunctionList); }

void TChildForm::ShowDataList() { MainForm->fillCombo(MainForm->DataCombo, DataList); }

void TChildForm::FormActivate() {
    ShowFunctionList();
    ShowDataList();
}

void TChildForm::SelectFunctionInSource(const QString& text) {
    // The first line that holds text, as tav::findInLines finds it, searched in the pane's
    // reading copy in one pass rather than line by line.
    const std::optional<int> found = SourceMemo->findText(text);
    if (!found) {
        platform().message(this, QStringLiteral("Function not found in source"),
                           MessageIcon::Error);
        return;
    }
    const int start = *found;
    SourceMemo->setFocus();
    QTextCursor cursor = SourceMemo->textCursor();
    cursor.setPosition(start);
    cursor.setPosition(start + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
    SourceMemo->setTextCursor(cursor);
    SourceMemo->ensureCursorVisible();
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
}
