#pragma once
// Recovery copies hold source code that may never have been saved anywhere, so they are kept
// where only their owner can read them: each folder 0700 and each copy 0600, whatever the umask.
// A symbolic link where a folder or a copy should be is refused, never followed, so that nothing
// planted in the recovery path can send a copy elsewhere or have one read from elsewhere.
#include <QFileDevice>
#include <QString>

#include "files/status.h"

namespace tav {

inline constexpr QFileDevice::Permissions kPrivateFolder =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
inline constexpr QFileDevice::Permissions kPrivateFile =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Why a symbolic link is refused, as the end of a message.
QString followsNoLink();

// True when path is a symbolic link itself (whether or not it leads anywhere).
bool isSymbolicLink(const QString& path);

// Makes the folder at path (its parents with the usual modes) when `make` and it is missing, and
// narrows a folder with wider modes to 0700. Refuses a symbolic link or a file there; `what`
// begins the message ("Cannot keep recovery copies in").
Status privateFolder(const QString& path, bool make, const QString& what);

}  // namespace tav
