#include "recovery/recovered_class.h"

#include <QDataStream>
#include <QDir>
#include <QFile>

#include "files/file_names.h"
#include "recovery/private_files.h"

namespace tav {

namespace {

// The first bytes of every copy; the number is the version of what follows. Version 2 adds the
// extensions of the class's files; copies of version 1 are still restored.
constexpr QByteArrayView kMagic = "TAVRIN RECOVERY 2\n";
constexpr QByteArrayView kMagicVersion1 = "TAVRIN RECOVERY 1\n";
constexpr qsizetype kHashSize = 32;  // SHA-256
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_0;

QDataStream& operator<<(QDataStream& out, const FileStamp& stamp) {
    return out << stamp.path << stamp.size << stamp.modifiedMs << stamp.hash;
}

QDataStream& operator>>(QDataStream& in, FileStamp& stamp) {
    return in >> stamp.path >> stamp.size >> stamp.modifiedMs >> stamp.hash;
}

void writeText(QDataStream& out, std::string_view text) {
    out.writeBytes(text.data(), static_cast<qsizetype>(text.size()));
}

bool readEncoding(QDataStream& in, FileEncoding& encoding) {
    quint8 value = 0;
    in >> value;
    if (value > static_cast<quint8>(FileEncoding::Utf8WithMark)) return false;
    encoding = static_cast<FileEncoding>(value);
    return true;
}

bool readText(QDataStream& in, std::string& text) {
    QByteArray bytes;
    in >> bytes;
    text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return isValidUtf8(text);
}

// Only the extensions the program writes: a copy never names another file than its class's.
bool readExtensions(QDataStream& in, RecoveryState& state) {
    in >> state.headerExtension >> state.sourceExtension;
    return headerExtensions().contains(state.headerExtension) &&
           sourceExtensions().contains(state.sourceExtension);
}

Status damaged(const QString& path, const QString& why) {
    return Status::failed(QStringLiteral("The recovery copy %1 is damaged: %2")
                              .arg(QDir::toNativeSeparators(path), why));
}

QByteArray encode(const RecoveryState& state, std::string_view header, std::string_view source,
                  QByteArrayView magic) {
    QByteArray bytes;
    bytes.reserve(magic.size() + static_cast<qsizetype>(header.size() + source.size()) + 4096);
    bytes.append(magic);
    {
        QDataStream out(&bytes, QIODevice::WriteOnly | QIODevice::Append);
        out.setVersion(kStreamVersion);
        out << state.caption << state.className << state.classDir << state.firstSave
            << static_cast<quint8>(state.headerEncoding)
            << static_cast<quint8>(state.sourceEncoding) << state.headerStamp << state.sourceStamp;
        if (magic == kMagic) out << state.headerExtension << state.sourceExtension;
        writeText(out, header);
        writeText(out, source);
    }
    bytes.append(FileStamp::hashOf(bytes));
    return bytes;
}

}  // namespace

QByteArray encodeRecoveredClass(const RecoveryState& state, std::string_view header,
                                std::string_view source) {
    return encode(state, header, source, kMagic);
}

Result<RecoveredClass> decodeRecoveredClass(const QByteArray& bytes, const QString& path) {
    const QByteArrayView magic = bytes.startsWith(kMagicVersion1) ? kMagicVersion1 : kMagic;
    if (!bytes.startsWith(magic))
        return damaged(path, QStringLiteral("it does not start as a recovery copy does"));
    if (bytes.size() < magic.size() + kHashSize)
        return damaged(path, QStringLiteral("it is cut short"));
    const QByteArrayView body(bytes.constData(), bytes.size() - kHashSize);
    if (FileStamp::hashOf(body) != QByteArrayView(bytes).last(kHashSize))
        return damaged(path, QStringLiteral("its contents do not match their check sum"));

    const QByteArray payload =
        QByteArray::fromRawData(body.data() + magic.size(), body.size() - magic.size());
    QDataStream in(payload);
    in.setVersion(kStreamVersion);
    RecoveredClass copy;
    RecoveryState& state = copy.state;
    in >> state.caption >> state.className >> state.classDir >> state.firstSave;
    const bool valid = readEncoding(in, state.headerEncoding) &&
                       readEncoding(in, state.sourceEncoding) &&
                       (in >> state.headerStamp >> state.sourceStamp, true) &&
                       (magic != kMagic || readExtensions(in, state)) &&
                       readText(in, copy.header) && readText(in, copy.source);
    // The stream reads more than the program writes (a true that is not 1, an empty text
    // written as a missing one): only the program's own bytes make a copy, whatever its sum.
    if (!valid || in.status() != QDataStream::Ok || !in.atEnd() ||
        encode(state, copy.header, copy.source, magic) != bytes)
        return damaged(path, QStringLiteral("its contents are not those of a class window"));
    return copy;
}

Result<RecoveredClass> readRecoveredClass(const QString& path) {
    if (isSymbolicLink(path))
        return Status::failed(QStringLiteral("The recovery copy %1 is not read: %2")
                                  .arg(QDir::toNativeSeparators(path), followsNoLink()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return damaged(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return damaged(path, file.errorString());
    return decodeRecoveredClass(bytes, path);
}

}  // namespace tav
