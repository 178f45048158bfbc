#pragma once
// How the class windows sit in the main window's workspace: cascaded so that each lies wholly
// inside it, and the active one always one that the user sees.
class QMdiArea;
class QMdiSubWindow;

namespace tav {

// Cascades the windows that are neither hidden nor minimised as the toolkit does, each a title
// bar lower and to the right of the one before, then makes them all the same size, small enough
// for the last of them to fit inside the workspace: no part of a window lies out of reach.
void cascadeInside(QMdiArea& area);

// From now on, when window is minimised while it is the active one, the next window in the
// workspace's order that is not minimised becomes active, or none: commands then act on the
// window the user sees as active.
void activateAnotherWhenMinimised(QMdiArea& area, QMdiSubWindow* window);

}  // namespace tav
