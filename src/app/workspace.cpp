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

}  // namespace tav
