// The pictures drawn in code: the sizes they come in and their grounds.
#include "dialogs/pictures.h"

#include <gmock/gmock.h>

#include <QImage>

namespace tav {
namespace {

QImage imageOf(const QIcon& icon, int size) {
    return icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
}

int countPixels(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    }
    return count;
}

TEST(Pictures, AppIconIsBlackOnYellowInThreeSizes) {
    const QIcon icon = appIcon();
    for (int size : {16, 32, 48}) {
        const QImage image = imageOf(icon, size);
        ASSERT_EQ(image.size(), QSize(size, size));
        const int black = countPixels(image, qRgb(0, 0, 0));
        const int yellow = countPixels(image, qRgb(255, 255, 0));
        EXPECT_GT(black, 0) << size;
        EXPECT_GT(yellow, black) << size;
        EXPECT_EQ(black + yellow, size * size) << size;  // opaque, nothing else
    }
}

// A button picture keeps the ground transparent around what it shows.
TEST(Pictures, ButtonPicturesHaveATransparentGround) {
    for (const QIcon& icon : {newPicture(), openPicture(), savePicture()}) {
        const QImage image = imageOf(icon, 16);
        ASSERT_EQ(image.size(), QSize(16, 16));
        const int transparent = countPixels(image, qRgba(0, 0, 0, 0));
        EXPECT_GT(transparent, 0);
        EXPECT_GT(16 * 16 - transparent, 16 * 16 / 3);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(imageOf(icon, 32).size(), QSize(32, 32));
    }
}

}  // namespace
}  // namespace tav
