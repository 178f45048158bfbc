#include "files/file_stamp.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace tav {

namespace {

constexpr auto kHash = QCryptographicHash::Sha256;

// The hash of the file's bytes, read in pieces; empty when it cannot be read.
QByteArray hashOfFile(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(kHash);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return {};
    return hash.result();
}

}  // namespace

FileStamp FileStamp::of(const QString& path, QByteArrayView bytes, qint64 modifiedMs) {
    return {path, bytes.size(), modifiedMs, hashOf(bytes)};
}

QByteArray FileStamp::hashOf(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, kHash);
}

qint64 modifiedMsOf(const QString& path) {
    const QDateTime modified = QFileInfo(path).lastModified();
    return modified.isValid() ? modified.toMSecsSinceEpoch() : -1;
}

bool changedSince(const FileStamp& last) {
    const QFileInfo info(last.path);
    if (!info.isFile()) return false;
    if (info.size() == last.size && modifiedMsOf(last.path) == last.modifiedMs) return false;
    const QByteArray now = hashOfFile(last.path);
    return !now.isEmpty() && now != last.hash;
}

bool holdsOtherThan(const QString& path, QByteArrayView bytes) {
    const QFileInfo info(path);
    if (!info.isFile()) return false;
    // Some files (those of /proc) tell no size; their bytes decide.
    if (info.size() != bytes.size() && info.size() != 0) return true;
    const QByteArray now = hashOfFile(path);
    return !now.isEmpty() && now != FileStamp::hashOf(bytes);
}

}  // namespace tav
