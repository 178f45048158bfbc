#pragma once
// The program's widget style: the platform's own, except for the menu bar's and tool bars'
// overflow arrows, which are drawn here instead of being read from the style's image files.
// Reading an image file the first time loads every image-format plug-in, and the menu bar asks
// for its arrow as soon as it is made: that was a tenth of the time to the shown main window.
#include <QProxyStyle>

class TavStyle : public QProxyStyle {
    Q_OBJECT
public:
    TavStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
