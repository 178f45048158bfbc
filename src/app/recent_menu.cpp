#include "app/recent_menu.h"

#include <QDir>
#include <QMenu>
#include <QSettings>

#include "app/recent_classes.h"
#include "app/style_settings.h"

namespace tav {

namespace {
QString entryCaption(int number, const QString& path) {
    // 1 to 9 take their digit as the access key, the tenth its 0.
    const QString key = number < 10 ? QStringLiteral("&%1").arg(number) : QStringLiteral("1&0");
    return key + QLatin1Char(' ') +
           QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

RecentMenu::RecentMenu(QMenu* menu, QMenu* showsWith) : QObject(menu), menu_(menu) {
    connect(menu, &QMenu::aboutToShow, this, &RecentMenu::refresh);
    connect(showsWith, &QMenu::aboutToShow, this, &RecentMenu::refresh);
    refresh();
}

void RecentMenu::remember(const QString& headerPath) {
    QSettings settings(kSettingsOwner, kSettingsOwner);
    rememberRecentClass(settings, headerPath);
    refresh();
}

void RecentMenu::forget(const QString& headerPath) {
    QSettings settings(kSettingsOwner, kSettingsOwner);
    forgetRecentClass(settings, headerPath);
    refresh();
}

void RecentMenu::refresh() {
    const QSettings settings(kSettingsOwner, kSettingsOwner);
    const QStringList paths = recentClasses(settings);
    // An entry may be rebuilt from its own triggered signal: the old ones go once it returns.
    for (QAction* old : menu_->actions()) {
        menu_->removeAction(old);
        old->deleteLater();
    }
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        QAction* entry = menu_->addAction(entryCaption(i + 1, path));
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
    menu_->addSeparator();
    QAction* clear = menu_->addAction(QStringLiteral("&Clear List"));
    clear->setObjectName(QStringLiteral("ClearRecent1"));
    connect(clear, &QAction::triggered, this, [this] {
        QSettings settings(kSettingsOwner, kSettingsOwner);
        clearRecentClasses(settings);
        refresh();
    });
    menu_->setEnabled(!paths.isEmpty());
}

}  // namespace tav
