#pragma once
// A class window's recovery copy as bytes: what is needed to restore the window after the
// program ended without saving it. The bytes end with a hash of all before it, so that a copy
// cut short or damaged is known as such rather than restored wrong.
#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

#include "files/file_stamp.h"
#include "files/status.h"
#include "text/codec.h"

namespace tav {

// The window's state beside its text.
struct RecoveryState {
    QString caption;
    QString className;
    QString classDir;
    bool firstSave = true;
    FileEncoding headerEncoding = FileEncoding::Utf8;
    FileEncoding sourceEncoding = FileEncoding::Utf8;
    // What the window last read from or wrote to its files, so that the guard of its next save
    // still knows them.
    FileStamp headerStamp;
    FileStamp sourceStamp;
    // The extensions of the class's own files (a copy written before they were kept: .h, .cpp).
    QString headerExtension = QStringLiteral(".h");
    QString sourceExtension = QStringLiteral(".cpp");
    bool operator==(const RecoveryState&) const = default;
};

struct RecoveredClass {
    RecoveryState state;
    std::string header;  // pane text, UTF-8 with '\n' between lines
    std::string source;
};

QByteArray encodeRecoveredClass(const RecoveryState& state, std::string_view header,
                                std::string_view source);
// The copy in `bytes`, or why it cannot be restored; `path` names it in the message.
Result<RecoveredClass> decodeRecoveredClass(const QByteArray& bytes, const QString& path);
// Reads and decodes the copy at path; a symbolic link there is refused, not followed.
Result<RecoveredClass> readRecoveredClass(const QString& path);

}  // namespace tav
