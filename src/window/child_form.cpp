#include "window/child_form.h"

#include <QCloseEvent>
#include <QDir>
#include <QScopeGuard>
#include <QSplitter>

#include "dialogs/pictures.h"
#include "document/class_files.h"
#include "editor/text_pane.h"
#include "files/file_names.h"
#include "platform/platform.h"

using tav::MessageIcon;

const QString TChildForm::kSaveFilter = QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h");
const QString TChildForm::kOpenFilter =
    QStringLiteral("C++ Source (*.cpp;*.h)|*.cpp;*.h|Any File (*.*)|*.*");

namespace {

TextPane* makePane(tav::DocumentText& text, const QString& name, const QString& accessibleName) {
    auto* pane = new TextPane(text.document());
    pane->setObjectName(name);
    pane->setAccessibleName(accessibleName);
    // A pane's own minimum (its two scroll bars) is taller than the header's first 57 pixels;
    // the splitter keeps each pane at least 30 pixels high instead.
    pane->setMinimumHeight(30);
    QObject::connect(&text, &tav::DocumentText::aboutToBeReplaced, pane,
                     &TextPane::keepCursorAtStart);
    QObject::connect(&text, &tav::DocumentText::replaced, pane, &TextPane::textReplaced);
    return pane;
}

}  // namespace

TChildForm::TChildForm(tav::Platform& platform, tav::RecoveryStore* store, QWidget* parent)
    : QMdiSubWindow(parent),
      platform_(platform),
      document_(std::make_unique<tav::ClassDocument>(store)) {
    setObjectName(QStringLiteral("ChildForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(document_->caption());
    setWindowIcon(tav::appIcon());

    Splitter1 = new QSplitter(Qt::Vertical);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setHandleWidth(6);
    Splitter1->setChildrenCollapsible(false);
    HeaderMemo =
        makePane(document_->header(), QStringLiteral("HeaderMemo"), QStringLiteral("Header"));
    SourceMemo =
        makePane(document_->source(), QStringLiteral("SourceMemo"), QStringLiteral("Source"));
    Splitter1->addWidget(HeaderMemo);
    Splitter1->addWidget(SourceMemo);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({57, 200});
    setWidget(Splitter1);

    connect(HeaderMemo, &TextPane::clicked, this, &TChildForm::FormActivate);
    connect(SourceMemo, &TextPane::clicked, this, &TChildForm::FormActivate);
    connect(document_.get(), &tav::ClassDocument::captionChanged, this, &QWidget::setWindowTitle);
    connect(document_.get(), &tav::ClassDocument::recoveryCopyFailed, this,
            [this](const tav::Status& failed) {
                platform_.report(this, failed, MessageIcon::Warning);
            });
}

TChildForm::~TChildForm() {
    // The panes go before the document they show.
    delete Splitter1;
}

void TChildForm::FormActivate() { emit activated(); }

// ---- Class files -----------------------------------------------------------------------------

bool TChildForm::warnWithoutClass() {
    if (document_->hasClass()) return false;
    platform_.message(this, QStringLiteral("No class detected"), MessageIcon::Warning);
    return true;
}

bool TChildForm::writeClassFiles(const QString& headerPath, const QString& sourcePath) {
    return platform_.report(this, document_->writeFiles(headerPath, sourcePath));
}

// Both files are checked before either is written, and asked about in one question, so that
// No leaves the pair as it is.
bool TChildForm::mayOverwrite(const QString& headerPath, const QString& sourcePath) {
    const tav::ClassDocument::UnseenFiles unseen = document_->unseenOnDisk(headerPath, sourcePath);
    if (unseen.none()) return true;
    return platform_.messageBox(this, tav::overwriteQuestion(unseen.changed, unseen.holdingOther),
                                tav::kMessageCaption, MessageIcon::Warning,
                                tav::MessageButtons::YesNoDefaultNo) == tav::MessageAnswer::Yes;
}

bool TChildForm::SaveClass() {
    if (warnWithoutClass()) return false;
    const QString headerPath = document_->headerFile();
    const QString sourcePath = document_->sourceFile();
    const QString message =
        QStringLiteral("Class saved as ") + headerPath + QStringLiteral(" and ") + sourcePath;
    if (!mayOverwrite(headerPath, sourcePath)) return false;
    if (!writeClassFiles(headerPath, sourcePath)) return false;
    if (document_->markSaved()) platform_.message(this, message, MessageIcon::None);
    return true;
}

QString TChildForm::saveFilter() const {
    const QString& header = document_->headerExtension();
    const QString& source = document_->sourceExtension();
    if (header == QStringLiteral(".h") && source == QStringLiteral(".cpp")) return kSaveFilter;
    const QString patterns = QStringLiteral("*%1;*%2").arg(source, header);
    return QStringLiteral("C++ Source (%1)|%1").arg(patterns);
}

QString TChildForm::openFilter() const {
    if (!document_->style().modern()) return kOpenFilter;
    QStringList patterns;
    for (const QString& extension : tav::sourceExtensions() + tav::headerExtensions())
        patterns.append(QLatin1Char('*') + extension);
    return QStringLiteral("C++ Source (%1)|%1|Any File (*.*)|*.*")
        .arg(patterns.join(QLatin1Char(';')));
}

QString TChildForm::SaveClassAs() {
    if (warnWithoutClass()) return {};
    const QString chosen = platform_.chooseSaveFile(this, saveFilter());
    if (chosen.isEmpty()) return {};
    const QString base = tav::withoutExtension(QDir::toNativeSeparators(chosen));
    const QString headerPath = base + document_->headerExtension();
    const QString sourcePath = base + document_->sourceExtension();
    const QString message =
        QStringLiteral("Class saved in ") + headerPath + QStringLiteral(" and ") + sourcePath;
    if (!writeClassFiles(headerPath, sourcePath)) return {};
    platform_.message(this, message, MessageIcon::None);
    return headerPath;
}

bool TChildForm::OpenClass() {
    const QString chosen = platform_.chooseOpenFile(this, openFilter());
    if (chosen.isEmpty()) return false;
    return OpenClassFile(chosen);
}

bool TChildForm::OpenClassFile(const QString& path) {
    const QString chosen = QDir::toNativeSeparators(path);
    document_->setClassDir(tav::directoryPart(chosen));
    // The pair is found whichever of the known extensions its files have: the chosen file's
    // own first, then the class style's.
    const QString base = tav::withoutExtension(chosen);
    const QString chosenExtension = chosen.mid(base.size());
    const tav::ClassStyle& style = document_->style();
    const QString headerPath = tav::existingClassFile(
        base, chosenExtension, QString::fromStdString(style.headerExt()), tav::headerExtensions());
    const QString sourcePath = tav::existingClassFile(
        base, chosenExtension, QString::fromStdString(style.sourceExt()), tav::sourceExtensions());
    document_->setFileExtensions(headerPath.mid(base.size()), sourcePath.mid(base.size()));
    // However the open ends, the panes hold what the files hold (or nothing): no recovery copy
    // is needed for that.
    const auto noCopy = qScopeGuard([this] { document_->discardRecoveryCopy(); });
    const tav::Result<bool> header = document_->ScanHeader(headerPath);
    if (!platform_.report(this, header.status())) return false;
    if (!header.value())
        platform_.message(this, QStringLiteral("Header read error"), MessageIcon::Warning);
    const tav::Result<bool> source = document_->ScanSource(sourcePath);
    if (!platform_.report(this, source.status())) return false;
    if (!source.value())
        platform_.message(this, QStringLiteral("Source read error"), MessageIcon::Warning);
    return true;
}

// ---- Navigation ------------------------------------------------------------------------------

void TChildForm::SelectFunctionInSource(const QString& text) {
    const std::optional<tav::TextPosition> found = document_->findInSource(text);
    if (!found) {
        platform_.message(this, QStringLiteral("Function not found in source"), MessageIcon::Error);
        return;
    }
    SourceMemo->setFocus();
    SourceMemo->select(*found);
}

// ---- Closing ---------------------------------------------------------------------------------

void TChildForm::closeEvent(QCloseEvent* event) {
    if (document_->Modified()) {
        const tav::MessageAnswer answer = platform_.messageBox(
            this,
            QStringLiteral("Save changes in ") + document_->ClassName() + QStringLiteral(" ?"),
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
    if (event->isAccepted()) document_->discardRecoveryCopy();
}
