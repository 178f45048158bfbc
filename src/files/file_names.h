#pragma once
// Cutting chosen file names into a class's directory and file base.
#include <QString>
#include <QStringList>

namespace tav {

// The path up to and including its last separator; empty when it has none.
QString directoryPart(const QString& path);

// The path without the extension of its file name: only a dot in the file name counts, so a
// dotted directory never cuts the path and a name without a dot stays whole.
QString withoutExtension(const QString& path);

// The extensions a class header or source may have; the program writes the first of each
// unless the class style says otherwise.
QStringList headerExtensions();
QStringList sourceExtensions();
bool isClassFileName(const QString& fileName);

// The file of a class pair: `base` (the path without extension) with the first of these
// extensions whose file exists: `chosen` when it is one of `extensions`, then `preferred`, then
// the others in their order. When none exists, base with `chosen` or `preferred`, so that a
// message names the file that was expected.
QString existingClassFile(const QString& base, const QString& chosen, const QString& preferred,
                          const QStringList& extensions);

}  // namespace tav
