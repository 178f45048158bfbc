// The program's style: the platform's own, with the overflow arrows drawn instead of read.
#include "app/app_style.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>

namespace tav::testing {
namespace {

bool hasInk(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) return true;
    return false;
}

TEST(AppStyle, DrawsTheOverflowArrowsInEverySizeAskedFor) {
    TavStyle style;
    for (auto arrow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon icon = style.standardIcon(arrow);
        ASSERT_FALSE(icon.isNull());
        for (int side : {16, 32}) {
            const QPixmap pixmap = icon.pixmap(side, side);
            EXPECT_EQ(pixmap.size(), QSize(side, side));
            EXPECT_TRUE(hasInk(pixmap)) << side;
        }
    }
}

TEST(AppStyle, LeavesEveryOtherPictureToThePlatformStyle) {
    TavStyle style;
    const QIcon own = style.standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon platform = style.baseStyle()->standardIcon(QStyle::SP_DirOpenIcon);
    EXPECT_EQ(own.pixmap(16, 16).toImage(), platform.pixmap(16, 16).toImage());
}

}  // namespace
}  // namespace tav::testing
