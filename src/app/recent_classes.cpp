#include "app/recent_classes.h"

#include <QSettings>

namespace tav {

namespace {
const QString kKey = QStringLiteral("recent/classes");
}  // namespace

QStringList recentClasses(const QSettings& settings) {
    QStringList paths = settings.value(kKey).toStringList();
    paths.removeAll(QString());
    paths.removeDuplicates();
    return paths.mid(0, kRecentClassesKept);
}

void rememberRecentClass(QSettings& settings, const QString& headerPath) {
    QStringList paths = recentClasses(settings);
    paths.removeAll(headerPath);
    paths.prepend(headerPath);
    settings.setValue(kKey, paths.mid(0, kRecentClassesKept));
}

void forgetRecentClass(QSettings& settings, const QString& headerPath) {
    QStringList paths = recentClasses(settings);
    paths.removeAll(headerPath);
    settings.setValue(kKey, paths);
}

void clearRecentClasses(QSettings& settings) { settings.remove(kKey); }

}  // namespace tav
