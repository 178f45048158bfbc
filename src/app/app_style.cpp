#include "app/app_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace {

// Two chevrons pointing right (or down), drawn in the size asked for, when they are shown.
class OverflowArrowEngine : public QIconEngine {
public:
    explicit OverflowArrowEngine(bool vertical) : vertical_(vertical) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QColor colour = mode == QIcon::Disabled ? QColor(0x80, 0x80, 0x80) : Qt::black;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colour, qMax(1.0, rect.width() / 12.0)));
        painter->translate(rect.topLeft());
        const qreal side = qMin(rect.width(), rect.height());
        if (vertical_) {
            painter->translate(side, 0);
            painter->rotate(90);
        }
        for (const qreal left : {side * 0.25, side * 0.5}) {
            QPainterPath chevron;
            chevron.moveTo(left, side * 0.25);
            chevron.lineTo(left + side * 0.2, side * 0.5);
            chevron.lineTo(left, side * 0.75);
            painter->drawPath(chevron);
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new OverflowArrowEngine(vertical_); }

private:
    bool vertical_;
};

}  // namespace

TavStyle::TavStyle() = default;

QIcon TavStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (standardIcon) {
        case SP_ToolBarHorizontalExtensionButton:
            return QIcon(new OverflowArrowEngine(false));
        case SP_ToolBarVerticalExtensionButton:
            return QIcon(new OverflowArrowEngine(true));
        default:
            return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}
