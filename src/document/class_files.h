#pragma once
// Reading a class file into a pane and writing a pane to a class file. Each write is atomic:
// the file holds either its old or its whole new content, never a part.
#include <QString>

#include "platform/status.h"

class TextPane;

namespace tav {

// Fills pane with the file's text (CR LF, LF and CR all break a line) and remembers its
// encoding. A UTF-8 file holding a character that the pane would take for a line break is read
// one byte to one character, so that a save writes it back unchanged. Directories, pipes,
// devices and files over 256 MiB are refused. On failure the pane is left empty and the message
// names the file and the cause.
Status loadPaneFromFile(TextPane& pane, const QString& path);

// Writes the pane's lines with CR LF, in the pane's encoding. The directory must exist.
Status writePaneToFile(const TextPane& pane, const QString& path);

}  // namespace tav
