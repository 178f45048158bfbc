#include "platform/screen_area.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tav {

namespace {
QRect& forcedArea() {
    static QRect area;
    return area;
}
}  // namespace

QRect fittedInto(const QRect& window, const QRect& available) {
    if (available.isEmpty() || available.contains(window)) return window;
    const QSize size = window.size().boundedTo(available.size());
    const int left =
        std::clamp(window.left(), available.left(), available.right() + 1 - size.width());
    const int top =
        std::clamp(window.top(), available.top(), available.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

QRect availableScreenArea(const QWidget* window) {
    if (!forcedArea().isEmpty()) return forcedArea();
    QScreen* screen =
        window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void setAvailableScreenAreaForTests(const QRect& area) { forcedArea() = area; }

void keepOnScreen(QWidget* window) {
    const QRect available = availableScreenArea(window);
    const QRect frame = window->frameGeometry();
    const QRect fitted = fittedInto(frame, available);
    if (fitted == frame) return;
    // The frame (title bar, borders) is what must fit; the window's own size is inside it.
    if (fitted.size() != frame.size())
        window->resize(fitted.size() - (frame.size() - window->size()));
    const QRect shrunk(fitted.topLeft(), window->frameGeometry().size());
    window->move(fittedInto(shrunk, available).topLeft());
}

}  // namespace tav
