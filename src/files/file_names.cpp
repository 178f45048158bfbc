#include "files/file_names.h"

#include <QDir>
#include <QFileInfo>

#include "style/class_style.h"

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

QStringList headerExtensions() {
    QStringList extensions;
    for (const char* extension : kHeaderExtensions) extensions.append(QLatin1String(extension));
    return extensions;
}

QStringList sourceExtensions() {
    QStringList extensions;
    for (const char* extension : kSourceExtensions) extensions.append(QLatin1String(extension));
    return extensions;
}

bool isClassFileName(const QString& fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) return false;
    const QString extension = fileName.mid(dot);
    return headerExtensions().contains(extension, Qt::CaseInsensitive) ||
           sourceExtensions().contains(extension, Qt::CaseInsensitive);
}

QString existingClassFile(const QString& base, const QString& chosen, const QString& preferred,
                          const QStringList& extensions) {
    const QString first = extensions.contains(chosen) ? chosen : preferred;
    QStringList order{first, preferred};
    order.append(extensions);
    for (const QString& extension : std::as_const(order))
        if (QFileInfo(base + extension).isFile()) return base + extension;
    return base + first;
}

}  // namespace tav
