#include "document/class_document.h"

#include <QDir>

#include "document/class_edit_step.h"
#include "document/class_files.h"
#include "recovery/recovered_class.h"
#include "recovery/recovery_copy.h"
#include "scan/scans.h"

namespace tav {

const QString ClassDocument::kNoClass = QStringLiteral("tav_noclass");
const QString ClassDocument::kNoCaption = QStringLiteral("ChildForm");

ClassDocument::ClassDocument(RecoveryStore* store, QObject* parent)
    : QObject(parent), className_(kNoClass.toStdString()) {
    connect(header_.document(), &QTextDocument::contentsChanged, this, &ClassDocument::textChanged);
    connect(source_.document(), &QTextDocument::contentsChanged, this, &ClassDocument::textChanged);
    recovery_ = new RecoveryCopy(
        store, [this] { return recoveryBytes(); },
        [this](const Status& failed) { emit recoveryCopyFailed(failed); }, this);
}

ClassDocument::~ClassDocument() {
    if (!modified_) {
        recovery_->discard();
    } else if (recovery_->pending()) {
        (void)recovery_->writeNow();  // nobody is left to tell of a failure
    }
}

// Runs at every keystroke: no more than a flag, a timer and a signal.
void ClassDocument::textChanged() {
    modified_ = true;
    recovery_->changed();
    emit changed();
}

void ClassDocument::showCaption() {
    caption_ = classDir_ + ClassName();
    emit captionChanged(caption_);
}

EditedLists ClassDocument::editedLists() {
    return {functions_, data_, [this] { emit listsChanged(); }};
}

template <typename Rule>
void ClassDocument::insert(Rule rule) {
    ClassText text{header_, source_, functions_, data_, className_, style_};
    ClassEditStep step(*header_.document(), *source_.document(), editedLists());
    rule(text);
}

// ---- Making and inserting --------------------------------------------------------------------

void ClassDocument::NewClass(const NewClassInput& input) {
    className_ = input.name;
    classDir_ = QString::fromStdString(input.directory) + QDir::separator();
    headerExtension_ = QString::fromStdString(style_.headerExt());
    sourceExtension_ = QString::fromStdString(style_.sourceExt());
    functions_.clear();
    data_.clear();
    insert([&input](ClassText& text) { generateClass(text, input.kind, input.base); });
    showCaption();
}

void ClassDocument::AddDataMember(const DataMemberInput& input) {
    insert([&input](ClassText& text) { addDataMember(text, input); });
}

void ClassDocument::AddMemberFunction(const FunctionInput& input) {
    insert([&input](ClassText& text) { addMemberFunction(text, input); });
}

void ClassDocument::AddOperator(const OperatorInput& input) {
    insert([&input](ClassText& text) { addOperator(text, input); });
}

void ClassDocument::AddCopyConstructor() {
    insert([](ClassText& text) { addCopyConstructor(text); });
}

std::vector<SpecialMember> ClassDocument::AddSpecialMembers(const SpecialMembersInput& input) {
    std::vector<SpecialMember> present;
    insert([&](ClassText& text) { present = addSpecialMembers(text, input); });
    return present;
}

// ---- Class-aware generation ------------------------------------------------------------------

ClassDocument::TextsToRead ClassDocument::textsToRead() const {
    return {header_.textUtf8(), source_.textUtf8(), className_};
}

template <typename Command>
GenerationResult ClassDocument::generate(const ReadClass& read, Command command) {
    if (read.error) return {read.error, 0, {}};
    GenerationResult result;
    insert([&](ClassText& text) { result = command(text); });
    return result;
}

GenerationResult ClassDocument::AddMissingDefinitions(const ReadClass& read) {
    return generate(read, [&](ClassText& text) { return addMissingDefinitions(text, read); });
}

GenerationResult ClassDocument::ImplementBaseFunctions(const ReadClass& read,
                                                       const std::vector<cpp::Member>& chosen) {
    return generate(read,
                    [&](ClassText& text) { return implementBaseFunctions(text, read, chosen); });
}

GenerationResult ClassDocument::GenerateAccessors(const ReadClass& read,
                                                  const std::vector<AccessorChoice>& choices) {
    return generate(read, [&](ClassText& text) { return generateAccessors(text, read, choices); });
}

GenerationResult ClassDocument::ConstructorFromMembers(const ReadClass& read,
                                                       const std::vector<cpp::Member>& members) {
    return generate(read,
                    [&](ClassText& text) { return constructorFromMembers(text, read, members); });
}

// ---- Files -----------------------------------------------------------------------------------

Result<bool> ClassDocument::ScanHeader(const QString& path) {
    header_.clear();
    headerStamp_ = {};
    if (Status loaded = loadTextFromFile(header_, path, &headerStamp_); !loaded.ok()) return loaded;
    const HeaderScan scan = scanHeaderWords(header_.textUtf8());
    if (scan.className) {
        className_ = *scan.className;
        showCaption();
    }
    return scan.foundClassWord;
}

Result<bool> ClassDocument::ScanSource(const QString& path) {
    source_.clear();
    sourceStamp_ = {};
    if (Status loaded = loadTextFromFile(source_, path, &sourceStamp_); !loaded.ok()) return loaded;
    functions_ = scanSourceFunctions(source_, className_);
    return !functions_.empty();
}

void ClassDocument::setFileExtensions(const QString& header, const QString& source) {
    headerExtension_ = header;
    sourceExtension_ = source;
}

QString ClassDocument::classFile(const QString& extension) const {
    return classDir_ + ClassName() + extension;
}

ClassDocument::UnseenFiles ClassDocument::unseenOnDisk(const QString& headerPath,
                                                       const QString& sourcePath) const {
    UnseenFiles unseen;
    const auto check = [&unseen](const DocumentText& text, const QString& path,
                                 const FileStamp& stamp) {
        const OnDisk found = onDisk(text, path, stamp);
        if (found == OnDisk::ChangedSinceSeen)
            unseen.changed.append(QDir::toNativeSeparators(path));
        if (found == OnDisk::HoldsOtherText)
            unseen.holdingOther.append(QDir::toNativeSeparators(path));
    };
    check(header_, headerPath, headerStamp_);
    check(source_, sourcePath, sourceStamp_);
    return unseen;
}

Status ClassDocument::writeFiles(const QString& headerPath, const QString& sourcePath) {
    const auto write = [this](const DocumentText& text, const QString& path, FileStamp& stamp) {
        FileStamp written;
        Status status = writeTextToFile(text, path, &written);
        if (status.ok() && (path == stamp.path || path == headerFile() || path == sourceFile()))
            stamp = written;
        return status;
    };
    if (Status header = write(header_, headerPath, headerStamp_); !header.ok()) return header;
    return write(source_, sourcePath, sourceStamp_);
}

bool ClassDocument::markSaved() {
    modified_ = false;
    recovery_->discard();
    const bool first = firstSave_;
    firstSave_ = false;
    emit saved();
    return first;
}

std::optional<TextPosition> ClassDocument::findInSource(const QString& text) const {
    // The source hands the search its reading copy, which is searched in one pass.
    return findInLines(source_, text.toStdString());
}

// ---- Recovery --------------------------------------------------------------------------------

QByteArray ClassDocument::recoveryBytes() const {
    const RecoveryState state{caption_,         ClassName(),      classDir_,    firstSave_,
                              header_.encoding, source_.encoding, headerStamp_, sourceStamp_,
                              headerExtension_, sourceExtension_};
    return encodeRecoveredClass(state, header_.textUtf8(), source_.textUtf8());
}

void ClassDocument::restore(const RecoveredClass& copy) {
    const RecoveryState& state = copy.state;
    className_ = state.className.toStdString();
    classDir_ = state.classDir;
    firstSave_ = state.firstSave;
    headerStamp_ = state.headerStamp;
    sourceStamp_ = state.sourceStamp;
    setFileExtensions(state.headerExtension, state.sourceExtension);
    header_.setWholeTextUtf8(copy.header);
    header_.encoding = state.headerEncoding;
    source_.setWholeTextUtf8(copy.source);
    source_.encoding = state.sourceEncoding;
    functions_ = scanSourceFunctions(source_, className_);
    data_.clear();
    caption_ = state.caption;
    emit captionChanged(caption_);
    textChanged();
}

Status ClassDocument::keepRecoveryCopy() { return recovery_->writeNow(); }

void ClassDocument::discardRecoveryCopy() { recovery_->discard(); }

}  // namespace tav
