#include "app/style_settings.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <vector>

#include "style/editorconfig.h"

namespace tav {

namespace {

std::string text(const QSettings& settings, const char* key, const std::string& fallback) {
    return settings.value(QLatin1String(key), QString::fromStdString(fallback))
        .toString()
        .toStdString();
}

}  // namespace

ClassStyle loadClassStyle(const QSettings& settings) {
    ClassStyle style;
    if (settings.value(QStringLiteral("style/profile")).toString() == QStringLiteral("modern"))
        style.profile = StyleProfile::Modern;
    style.nameSpace = text(settings, "style/namespace", style.nameSpace);
    if (settings.value(QStringLiteral("style/guard")).toString() == QStringLiteral("include"))
        style.guard = HeaderGuard::IncludeGuard;
    style.headerExtension = text(settings, "style/headerExtension", style.headerExtension);
    style.sourceExtension = text(settings, "style/sourceExtension", style.sourceExtension);
    style.indent = text(settings, "style/indent", style.indent);
    if (style.indent.empty()) style.indent = ClassStyle{}.indent;
    style.author = text(settings, "style/author", style.author);
    style.license = text(settings, "style/license", style.license);
    return style;
}

void saveClassStyle(QSettings& settings, const ClassStyle& style) {
    settings.setValue(QStringLiteral("style/profile"),
                      style.modern() ? QStringLiteral("modern") : QStringLiteral("classic"));
    settings.setValue(QStringLiteral("style/namespace"), QString::fromStdString(style.nameSpace));
    settings.setValue(QStringLiteral("style/guard"), style.guard == HeaderGuard::PragmaOnce
                                                         ? QStringLiteral("pragma")
                                                         : QStringLiteral("include"));
    settings.setValue(QStringLiteral("style/headerExtension"),
                      QString::fromStdString(style.headerExtension));
    settings.setValue(QStringLiteral("style/sourceExtension"),
                      QString::fromStdString(style.sourceExtension));
    settings.setValue(QStringLiteral("style/indent"), QString::fromStdString(style.indent));
    settings.setValue(QStringLiteral("style/author"), QString::fromStdString(style.author));
    settings.setValue(QStringLiteral("style/license"), QString::fromStdString(style.license));
    settings.sync();
}

QStringList loadIncludePaths(const QSettings& settings) {
    return settings.value(QStringLiteral("paths/include")).toStringList();
}

void saveIncludePaths(QSettings& settings, const QStringList& folders) {
    settings.setValue(QStringLiteral("paths/include"), folders);
    settings.sync();
}

ClassStyle styleForDirectory(const ClassStyle& saved, const QString& directory) {
    ClassStyle style = saved;
    style.year = QDate::currentDate().year();
    std::vector<std::string> texts;  // nearest first
    QDir dir(directory);
    for (int depth = 0; depth < 64 && dir.exists(); ++depth) {
        QFile file(dir.filePath(QStringLiteral(".editorconfig")));
        if (file.size() <= 1024 * 1024 && file.open(QIODevice::ReadOnly))
            texts.push_back(file.readAll().toStdString());
        if (!dir.cdUp()) break;
    }
    style.indent = editorConfigIndent(texts, "class" + style.sourceExt(), style.indent);
    return style;
}

}  // namespace tav
