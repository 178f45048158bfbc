#pragma once
// How the class windows sit in the main window's workspace: cascaded so that each lies wholly
// inside it.
class QMdiArea;

namespace tav {

// Cascades the windows that are neither hidden nor minimised as the toolkit does, each a title
// bar lower and to the right of the one before, then makes them all the same size, small enough
// for the last of them to fit inside the workspace: no part of a window lies out of reach.
void cascadeInside(QMdiArea& area);

}  // namespace tav
