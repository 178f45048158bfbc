#pragma once
// A tool button whose caption is drawn bold without a bold font: the button's own (regular) font
// is drawn twice, the second time one pixel to the right, the way bold was made for the old
// bitmap screen fonts. The tool bar's three caption buttons are the only bold text of the main
// window, and a real bold face would be a second font file for the window's first frame to
// load, hint and shape; the overstruck regular glyphs are already loaded for the menu bar.
#include <QToolButton>

namespace tav {

class BoldCaptionButton : public QToolButton {
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tav
