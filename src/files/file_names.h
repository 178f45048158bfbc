#pragma once
// Cutting chosen file names into a class's directory and file base.
#include <QString>

namespace tav {

// The path up to and including its last separator; empty when it has none.
QString directoryPart(const QString& path);

// The path without the extension of its file name: only a dot in the file name counts, so a
// dotted directory never cuts the path and a name without a dot stays whole.
QString withoutExtension(const QString& path);

}  // namespace tav
