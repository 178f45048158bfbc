#include "app/workspace.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace tav {

namespace {

bool isShown(const QMdiSubWindow* window) { return window->isVisible() && !window->isMinimized(); }

}  // namespace

void cascadeInside(QMdiArea& area) {
    area.cascadeSubWindows();
    QList<QMdiSubWindow*> cascaded;
    int furthestLeft = 0;
    int furthestTop = 0;
    for (QMdiSubWindow* window : area.subWindowList()) {
        if (!isShown(window)) continue;
        cascaded.append(window);
        furthestLeft = std::max(furthestLeft, window->x());
        furthestTop = std::max(furthestTop, window->y());
    }
    const QSize room = area.viewport()->size();
    const QSize fit(room.width() - furthestLeft, room.height() - furthestTop);
    for (QMdiSubWindow* window : cascaded) window->resize(window->size().boundedTo(fit));
}

void activateAnotherWhenMinimised(QMdiArea& area, QMdiSubWindow* window) {
    QObject::connect(
        window, &QMdiSubWindow::windowStateChanged, &area,
        [&area, window](Qt::WindowStates, Qt::WindowStates state) {
            if (!state.testFlag(Qt::WindowMinimized) || area.activeSubWindow() != window) return;
            const QList<QMdiSubWindow*> windows = area.subWindowList(area.activationOrder());
            const qsizetype at = windows.indexOf(window);
            for (qsizetype step = 1; step < windows.size(); ++step) {
                QMdiSubWindow* next = windows[(at + step) % windows.size()];
                if (isShown(next)) {
                    area.setActiveSubWindow(next);
                    return;
                }
            }
            area.setActiveSubWindow(nullptr);
        });
}

}  // namespace tav
