#pragma once
// File > Open Recent: the recent classes as numbered entries, newest first, and "Clear List".
// The list lives in the user's settings; the menu is off while it is empty.
#include <QObject>
#include <QString>

class QMenu;

namespace tav {

class RecentMenu : public QObject {
    Q_OBJECT
public:
    // Fills menu (owned by the caller) now and again whenever it or showsWith is about to show.
    RecentMenu(QMenu* menu, QMenu* showsWith);

    void remember(const QString& headerPath);
    void forget(const QString& headerPath);
    // Rebuilds the entries from the settings.
    void refresh();

signals:
    void chosen(const QString& headerPath);

private:
    QMenu* menu_;
};

}  // namespace tav
