#pragma once
// The classes opened or saved last, newest first, each by its header's path, kept in the user's
// settings so that File > Open Recent lists them in the next run too.
#include <QString>
#include <QStringList>

class QSettings;

namespace tav {

inline constexpr int kRecentClassesKept = 10;

QStringList recentClasses(const QSettings& settings);
// Puts headerPath first; an earlier entry of it goes, and so does the eleventh.
void rememberRecentClass(QSettings& settings, const QString& headerPath);
void forgetRecentClass(QSettings& settings, const QString& headerPath);
void clearRecentClasses(QSettings& settings);

}  // namespace tav
