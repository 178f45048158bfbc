#pragma once
// Windows kept inside the screen's available area (the screen without panels and docks): a
// window placed and sized for a large screen must not run off a small or magnified one, where
// its far edge, or a dialog's buttons, could not be reached.
#include <QRect>

class QWidget;

namespace tav {

// window moved, and shrunk where it is larger, just enough to lie inside available; a window
// that fits stays as it is.
QRect fittedInto(const QRect& window, const QRect& available);

// The available area of window's screen, or the area a test forced.
QRect availableScreenArea(const QWidget* window);
// Forces the available area of every screen; an empty rectangle gives the screens' own back.
void setAvailableScreenAreaForTests(const QRect& area);

// Moves the top-level window into its screen's available area, shrinking it as far as its
// minimum size allows; a window that cannot shrink enough keeps its top left corner inside.
void keepOnScreen(QWidget* window);

}  // namespace tav
