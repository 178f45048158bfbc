#pragma once
// What a class window last read from or wrote to one of its files: enough to tell, before the
// next save, whether something else has changed the file since. Size and modification time
// answer cheaply; the content hash answers when they differ, so that a file touched without a
// change (rewritten with the same bytes, its time reset) does not count as changed.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tav {

struct FileStamp {
    QString path;  // empty: nothing was read from or written to a file
    qint64 size = -1;
    qint64 modifiedMs = -1;  // milliseconds since the epoch
    QByteArray hash;         // of the bytes read or written

    // The stamp of a file that holds `bytes`, taken with the file's size and time: before it was
    // read (a change during the read then only costs a hash comparison) or after it was written.
    static FileStamp of(const QString& path, QByteArrayView bytes, qint64 modifiedMs);
    static QByteArray hashOf(QByteArrayView bytes);
    bool operator==(const FileStamp&) const = default;
};

// The file's modification time in milliseconds since the epoch, or -1 when it has none.
qint64 modifiedMsOf(const QString& path);

// Whether the file that `last` stamps changed since: same size and time, or the same content,
// count as unchanged.
bool changedSince(const FileStamp& last);
// Whether the file at path holds other bytes than `bytes`.
bool holdsOtherThan(const QString& path, QByteArrayView bytes);
// For both: a missing file, anything that is not a regular file, and a file that cannot be read
// count as unchanged; a save writes the first again and reports the others.

}  // namespace tav
