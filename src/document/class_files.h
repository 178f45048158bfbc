#pragma once
// Reading a class file into a file text and writing a file text to a class file. Each write is
// atomic: the file holds either its old or its whole new content, never a part.
#include <QString>
#include <QStringList>

#include "files/file_stamp.h"
#include "files/status.h"

namespace tav {

class DocumentText;

// Fills text with the file's text (CR LF, LF and CR all break a line) and remembers its
// encoding. A UTF-8 file holding a character that the pane would take for a line break is read
// one byte to one character, so that a save writes it back unchanged. Directories, pipes,
// devices and files over 256 MiB are refused. On failure the text is left empty and the message
// names the file and the cause. `read`, when given, gets the stamp of what was read.
Status loadTextFromFile(DocumentText& text, const QString& path, FileStamp* read = nullptr);

// Writes the text's lines with CR LF, in its encoding. The directory must exist.
// `written`, when given, gets the stamp of what was written once the file is in place.
Status writeTextToFile(const DocumentText& text, const QString& path, FileStamp* written = nullptr);

// What a save of the text to path would overwrite that the window has not seen. `last` is what
// the window last read from or wrote to that path: the file changed since, or with no stamp of
// that path (a class never saved, or saved under another name) the file already exists and
// holds other bytes than the save would write.
enum class OnDisk { AsSeen, ChangedSinceSeen, HoldsOtherText };
OnDisk onDisk(const DocumentText& text, const QString& path, const FileStamp& last);

// The question before overwriting: the files that changed since the window saw them and those
// that already existed with other text, each named as given.
QString overwriteQuestion(const QStringList& changed, const QStringList& holdingOther);

}  // namespace tav
