#include "recovery/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "recovery/private_files.h"

namespace tav {

namespace {

const QString kLockName = QStringLiteral("lock");

Status failure(const QString& what, const QString& path, const QString& why) {
    return Status::failed(
        QStringLiteral("%1 %2: %3").arg(what, QDir::toNativeSeparators(path), why));
}

QStringList copiesIn(const QString& folder) {
    QStringList paths;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList({QStringLiteral("*") + RecoveryStore::kCopySuffix}, QDir::Files, QDir::Name))
        paths.append(dir.filePath(name));
    return paths;
}

}  // namespace

LeftSession::LeftSession(QString path, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), lock_(std::move(lock)) {}

LeftSession::~LeftSession() {
    lock_.reset();        // removes the lock file
    QDir().rmdir(path_);  // only when nothing is left in it
}

QStringList LeftSession::copies() const { return copiesIn(path_); }

RecoveryStore::RecoveryStore(QString root) : root_(std::move(root)) {}

RecoveryStore::~RecoveryStore() {
    if (sessionPath_.isEmpty()) return;
    const bool empty = copiesIn(sessionPath_).isEmpty();
    lock_.reset();
    if (empty) QDir(sessionPath_).removeRecursively();
}

QString RecoveryStore::defaultRoot() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryStore::newCopyName() { return QString::number(++copies_) + kCopySuffix; }

Status RecoveryStore::openSession() {
    if (!sessionPath_.isEmpty()) return Status::done();
    const QString what = QStringLiteral("Cannot keep recovery copies in");
    if (Status root = privateFolder(root_, true, what); !root.ok()) return root;
    // The process id names the folder for people; the random part keeps a later program with
    // the same id (after a restart of the machine) from taking a left folder for its own.
    QTemporaryDir folder(QDir(root_).filePath(QString::number(QCoreApplication::applicationPid()) +
                                              QStringLiteral("-XXXXXX")));
    if (!folder.isValid()) return failure(what, root_, folder.errorString());
    folder.setAutoRemove(false);
    // Made 0700 already, unless the umask took the owner's own rights.
    if (Status own = privateFolder(folder.path(), false, what); !own.ok()) {
        QDir(folder.path()).removeRecursively();
        return own;
    }
    auto lock = std::make_unique<QLockFile>(QDir(folder.path()).filePath(kLockName));
    if (!lock->tryLock(0)) {
        QDir(folder.path()).removeRecursively();
        return failure(what, folder.path(), QStringLiteral("cannot lock it"));
    }
    // The lock names the program and the machine; it is the owner's like the copies.
    QFile::setPermissions(QDir(folder.path()).filePath(kLockName), kPrivateFile);
    sessionPath_ = folder.path();
    lock_ = std::move(lock);
    return Status::done();
}

Status RecoveryStore::write(const QString& name, const QByteArray& bytes) {
    if (Status opened = openSession(); !opened.ok()) {
        failed_ = true;
        return opened;
    }
    const QString path = QDir(sessionPath_).filePath(name);
    const QString what = QStringLiteral("Cannot write the recovery copy");
    // A save file would write to where a link leads.
    if (isSymbolicLink(path)) {
        failed_ = true;
        return failure(what, path, followsNoLink());
    }
    QSaveFile file(path);
    Status written = Status::done();
    if (!file.open(QIODevice::WriteOnly)) {
        written = failure(what, path, file.errorString());
    } else if (!file.setPermissions(kPrivateFile)) {
        // The file is made with the umask's modes, or an old copy's; narrowed before it is
        // written, it never holds a byte that others could read.
        written = failure(what, path, file.errorString());
        file.cancelWriting();
    } else if (file.write(bytes) != bytes.size()) {
        written = failure(what, path, file.errorString());
        file.cancelWriting();
    } else if (!file.commit()) {
        written = failure(what, path, file.errorString());
    }
    if (!written.ok()) failed_ = true;
    return written;
}

void RecoveryStore::remove(const QString& name) {
    if (!sessionPath_.isEmpty()) QFile::remove(QDir(sessionPath_).filePath(name));
}

bool RecoveryStore::firstFailure() {
    if (!failed_ || failureTold_) return false;
    failureTold_ = true;
    return true;
}

LeftSessions RecoveryStore::leftSessions() const {
    LeftSessions left;
    const QString what = QStringLiteral("Cannot read the recovery copies in");
    if (Status root = privateFolder(root_, false, what); !root.ok()) {
        left.refused.push_back(std::move(root));
        return left;
    }
    const QDir root(root_);
    for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString path = root.filePath(name);
        if (path == sessionPath_) continue;
        if (isSymbolicLink(path)) {
            left.refused.push_back(failure(what, path, followsNoLink()));
            continue;
        }
        const bool locked = QFileInfo::exists(QDir(path).filePath(kLockName));
        if (!locked && copiesIn(path).isEmpty()) continue;
        auto lock = std::make_unique<QLockFile>(QDir(path).filePath(kLockName));
        // Only a lock whose program is gone gives way, however long it has been held.
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0)) continue;
        left.sessions.push_back(std::make_unique<LeftSession>(path, std::move(lock)));
    }
    return left;
}

Result<QString> RecoveryStore::setAside(const QString& copyPath) const {
    const QFileInfo copy(copyPath);
    const QString base =
        QDir(root_).filePath(copy.dir().dirName() + QLatin1Char('-') + copy.completeBaseName());
    QString aside = base + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = base + QLatin1Char('-') + QString::number(n) + QStringLiteral(".damaged");
    if (!QFile::rename(copyPath, aside))
        return failure(
            QStringLiteral("Cannot move aside"), copyPath,
            QStringLiteral("cannot rename it to %1").arg(QDir::toNativeSeparators(aside)));
    return aside;
}

}  // namespace tav
