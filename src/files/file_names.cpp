#include "files/file_names.h"

#include <QDir>

namespace tav {

namespace {
qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QDir::separator()), path.lastIndexOf(QLatin1Char('/')));
}
}  // namespace

QString directoryPart(const QString& path) { return path.left(lastSeparator(path) + 1); }

QString withoutExtension(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    if (dot <= lastSeparator(path)) return path;
    return path.left(dot);
}

}  // namespace tav
