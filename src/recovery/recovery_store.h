#pragma once
// Where the recovery copies of class windows are kept: a folder per running program under a
// root folder (by default in the user's application data), guarded by a lock file so that a
// later start can tell a program that is still running from one that ended without removing
// its copies. Each copy is one file, written atomically. The folders and copies are private to
// their owner, and symbolic links among them are never followed (see private_files.h).
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "files/status.h"

namespace tav {

// The folder of a program that is no longer running, locked by this one while it lives. Once
// its copies are restored or discarded (removed) and the damaged ones set aside, its end
// removes the folder.
class LeftSession {
public:
    LeftSession(QString path, std::unique_ptr<QLockFile> lock);
    ~LeftSession();
    LeftSession(const LeftSession&) = delete;
    LeftSession& operator=(const LeftSession&) = delete;

    const QString& path() const { return path_; }
    // The copies in it, as full paths.
    QStringList copies() const;

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

// What a start finds of the programs that are no longer running.
struct LeftSessions {
    std::vector<std::unique_ptr<LeftSession>> sessions;
    // Why a folder was passed over: a symbolic link where the root or a program's folder is.
    std::vector<Status> refused;
};

class RecoveryStore {
public:
    // root: the folder that holds the programs' folders; it is made on the first write, and
    // narrowed to its owner then and when left sessions are looked for.
    explicit RecoveryStore(QString root);
    // Removes this program's folder when no copy is left in it; copies left (windows destroyed
    // with unsaved changes) stay for the next start.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // <application data>/recovery.
    static QString defaultRoot();
    static inline const QString kCopySuffix = QStringLiteral(".tavrec");

    const QString& root() const { return root_; }
    // This program's folder; empty before the first write.
    const QString& sessionPath() const { return sessionPath_; }

    // A name for a new copy, unique in this program.
    QString newCopyName();
    // Writes the copy `name` atomically, making this program's folder and its lock first.
    Status write(const QString& name, const QByteArray& bytes);
    void remove(const QString& name);
    // True for the first failed write only: a failure is told once, not at every change.
    bool firstFailure();

    // The folders of programs that are no longer running and left copies, each locked by this
    // program until its LeftSession is destroyed. A folder being made right now (no lock and no
    // copy yet) is not among them.
    LeftSessions leftSessions() const;
    // Moves a copy that cannot be restored out of its folder into the root, under a name of its
    // own (a symbolic link is moved, not followed); returns the new path.
    Result<QString> setAside(const QString& copyPath) const;

private:
    Status openSession();

    QString root_;
    QString sessionPath_;
    std::unique_ptr<QLockFile> lock_;
    int copies_ = 0;
    bool failed_ = false;
    bool failureTold_ = false;
};

}  // namespace tav
