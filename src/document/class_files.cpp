#include "document/class_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <string_view>

#include "document/document_text.h"
#include "text/codec.h"

namespace tav {

namespace {

Status failure(const QString& what, const QString& path, const QString& why) {
    return Status::failed(
        QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why));
}

// A class file larger than this is refused before it is read: its text would take gigabytes in
// a pane, whose positions are counted in an int.
constexpr qint64 kLargestFile = qint64{256} * 1024 * 1024;

// The pane's text document takes U+2029 PARAGRAPH SEPARATOR and its two frame marks U+FDD0 and
// U+FDD1 for line breaks, so a file holding one of them would not be saved back as it was.
bool paneKeepsEveryCharacter(std::string_view utf8) {
    for (const std::string_view mark : {"\xE2\x80\xA9", "\xEF\xB7\x90", "\xEF\xB7\x91"}) {
        if (utf8.find(mark) != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace

Status loadTextFromFile(DocumentText& text, const QString& path, FileStamp* read) {
    const QString what = QStringLiteral("Cannot read");
    QFileInfo info(path);
    if (info.isDir()) {
        return failure(what, path, QStringLiteral("it is a directory"));
    }
    // A pipe would wait for a writer and a device may never end.
    if (info.exists() && !info.isFile()) {
        return failure(what, path, QStringLiteral("it is not a regular file"));
    }
    if (info.size() > kLargestFile) {
        return failure(what, path,
                       QStringLiteral("the file is larger than the %1 MiB a text pane holds")
                           .arg(kLargestFile / (1024 * 1024)));
    }
    // The time before the read: a change while reading then only costs a hash comparison.
    const qint64 modified = modifiedMsOf(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return failure(what, path, file.errorString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return failure(what, path, file.errorString());
    }
    const std::string_view view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    DecodedFile decoded = decodeFile(view);
    // One byte to one character keeps every byte of such a file.
    if (!paneKeepsEveryCharacter(decoded.text)) decoded = decodeFileAs(view, FileEncoding::Latin1);
    text.setWholeTextUtf8(std::move(decoded.text));
    text.encoding = decoded.encoding;
    if (read) *read = FileStamp::of(path, bytes, modified);
    return Status::done();
}

Status writeTextToFile(const DocumentText& text, const QString& path, FileStamp* written) {
    const QString what = QStringLiteral("Cannot write");
    const std::optional<std::string> bytes = encodeFile(text.wholeTextUtf8(), text.encoding);
    if (!bytes) {
        return failure(what, path,
                       QStringLiteral("the text holds characters that the file's 8-bit "
                                      "character set cannot store"));
    }
    if (QFileInfo(path).isDir()) {
        return failure(what, path, QStringLiteral("a directory has that name"));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(what, path, file.errorString());
    }
    const qint64 size = static_cast<qint64>(bytes->size());
    if (file.write(bytes->data(), size) != size) {
        Status failed = failure(what, path, file.errorString());
        file.cancelWriting();
        return failed;
    }
    if (!file.commit()) {
        return failure(what, path, file.errorString());
    }
    if (written) *written = FileStamp::of(path, *bytes, modifiedMsOf(path));
    return Status::done();
}

OnDisk onDisk(const DocumentText& text, const QString& path, const FileStamp& last) {
    if (last.path == path) return changedSince(last) ? OnDisk::ChangedSinceSeen : OnDisk::AsSeen;
    // Text the encoding cannot hold is never written: the save reports it.
    const std::optional<std::string> bytes = encodeFile(text.textUtf8(), text.encoding);
    return bytes && holdsOtherThan(path, *bytes) ? OnDisk::HoldsOtherText : OnDisk::AsSeen;
}

QString overwriteQuestion(const QStringList& changed, const QStringList& holdingOther) {
    const QString and_ = QStringLiteral(" and ");
    QStringList parts;
    if (changed.size() == 1)
        parts << changed[0] +
                     QStringLiteral(" has changed on disk since it was opened or saved here");
    else if (!changed.isEmpty())
        parts << changed.join(and_) +
                     QStringLiteral(" have changed on disk since they were opened or saved here");
    if (holdingOther.size() == 1)
        parts << holdingOther[0] + QStringLiteral(" already exists and holds other text");
    else if (!holdingOther.isEmpty())
        parts << holdingOther.join(and_) + QStringLiteral(" already exist and hold other text");
    const bool one = changed.size() + holdingOther.size() == 1;
    return parts.join(QStringLiteral(", and ")) +
           (one ? QStringLiteral(". Overwrite it?") : QStringLiteral(". Overwrite them?"));
}

}  // namespace tav
