#pragma once
// The program's pictures, drawn in code as 16 x 16 pixel art in the 16 standard colours.
#include <QIcon>

namespace tav {

// The application icon: the letters "C++" in black on a yellow ground; 16, 32 and 48 pixels.
QIcon appIcon();

// Tool-button pictures on a transparent ground; 16 pixels, with a 32-pixel variant.
QIcon newPicture();   // a blank white sheet with a folded top right corner
QIcon openPicture();  // an opening yellow folder with a curved arrow above it
QIcon savePicture();  // a diskette

}  // namespace tav
