#include "app/bold_caption_button.h"

#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace tav {

void BoldCaptionButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);

    QRect area =
        style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, this);
    // The style moves a pressed button's label; the caption moves with it.
    if (option.state & (QStyle::State_Sunken | QStyle::State_On))
        area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    for (const int shift : {0, 1})
        style()->drawItemText(&painter, area.translated(shift, 0), flags, option.palette,
                              isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace tav
