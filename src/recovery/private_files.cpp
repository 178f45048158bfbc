#include "recovery/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tav {

QString followsNoLink() {
    return QStringLiteral("it is a symbolic link, which Tavrin does not follow");
}

bool isSymbolicLink(const QString& path) { return QFileInfo(path).isSymLink(); }

Status privateFolder(const QString& path, bool make, const QString& what) {
    const auto refused = [&](const QString& why) {
        return Status::failed(
            QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why));
    };
    if (isSymbolicLink(path)) return refused(followsNoLink());
    QFileInfo folder(path);
    if (!folder.exists()) {
        if (!make) return Status::done();
        const QString parent = folder.absolutePath();
        if (!QDir().mkpath(parent) || !QDir().mkdir(path, kPrivateFolder))
            return refused(QStringLiteral("cannot make it"));
        folder.refresh();
    }
    if (!folder.isDir()) return refused(QStringLiteral("it is not a folder"));
    // mkdir's modes pass through the umask, and an older folder may be open to others. (The
    // "user" flags only repeat the owner's for the owner.)
    const QFileDevice::Permissions modes =
        folder.permissions() &
        ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
    if (modes != kPrivateFolder && !QFile::setPermissions(path, kPrivateFolder))
        return refused(QStringLiteral("cannot make it private to its owner"));
    return Status::done();
}

}  // namespace tav
