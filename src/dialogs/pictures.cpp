#include "dialogs/pictures.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>

namespace tav {

namespace {

constexpr int kSide = 16;
using PixelArt = std::array<const char*, kSide>;

// The colours of the pictures; '.' is the transparent ground.
QColor colourOf(char code) {
    switch (code) {
        case 'k':
            return QColor(0x00, 0x00, 0x00);  // black
        case 'w':
            return QColor(0xFF, 0xFF, 0xFF);  // white
        case 'g':
            return QColor(0xC0, 0xC0, 0xC0);  // silver
        case 'y':
            return QColor(0xFF, 0xFF, 0x00);  // yellow
        case 'Y':
            return QColor(0x80, 0x80, 0x00);  // olive
        case 'b':
            return QColor(0x00, 0x00, 0x80);  // navy
        default:
            return Qt::transparent;
    }
}

// Paints the art with every art pixel a square of scale x scale screen pixels. The pixels are
// written directly, one colour look-up per art pixel: the program draws its pictures while it
// starts.
QPixmap paint(const PixelArt& art, int scale) {
    const int side = kSide * scale;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    for (int row = 0; row < kSide; ++row) {
        auto* first = reinterpret_cast<QRgb*>(image.scanLine(row * scale));
        for (int column = 0; column < kSide; ++column)
            std::fill_n(first + column * scale, scale,
                        qPremultiply(colourOf(art[row][column]).rgba()));
        for (int copy = 1; copy < scale; ++copy)
            std::copy_n(first, side, reinterpret_cast<QRgb*>(image.scanLine(row * scale + copy)));
    }
    return QPixmap::fromImage(std::move(image));
}

constexpr bool isSquare(const PixelArt& art) {
    for (const char* row : art) {
        if (std::char_traits<char>::length(row) != kSide) return false;
    }
    return true;
}

QIcon iconOf(const PixelArt& art, std::initializer_list<int> scales) {
    QIcon icon;
    for (int scale : scales) icon.addPixmap(paint(art, scale));
    return icon;
}

constexpr PixelArt kCPlusPlus = {
    "yyyyyyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
    "yykkkyyyyyyyyyyy",  //
    "ykkyykyyyyyyyyyy",  //
    "ykkyyyykyyyyykyy",  //
    "ykkyyyykyyyyykyy",  //
    "ykkyykkkkkykkkkk",  //
    "ykkyyyykyyyyykyy",  //
    "ykkyyyykyyyyykyy",  //
    "ykkyykyyyyyyyyyy",  //
    "yykkkyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
    "yyyyyyyyyyyyyyyy",  //
};

constexpr PixelArt kSheet = {
    "................",  //
    "..kkkkkkkkk.....",  //
    "..kwwwwwwwkk....",  //
    "..kwwwwwwwkgk...",  //
    "..kwwwwwwwkkkk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kwwwwwwwwwwk..",  //
    "..kkkkkkkkkkkk..",  //
};

constexpr PixelArt kOpenFolder = {
    "................",  //
    "................",  //
    ".........kkkk...",  //
    "........k....k..",  //
    "........k...kkk.",  //
    ".............k..",  //
    ".kkkk...........",  //
    "kYYYYkkkkkkk....",  //
    "kYYYYYYYYYYk....",  //
    "kYYYYYYYYYYk....",  //
    "kYYkkkkkkkkkkkkk",  //
    "kYkyyyyyyyyyyyk.",  //
    "kkyyyyyyyyyyyk..",  //
    "kyyyyyyyyyyyk...",  //
    "kkkkkkkkkkkk....",  //
    "................",  //
};

constexpr PixelArt kDiskette = {
    "................",  //
    ".kkkkkkkkkkkkkk.",  //
    ".kbwwwwwwwwwwbk.",  //
    ".kbwwwwwwwwwwbk.",  //
    ".kbwggggggggwbk.",  //
    ".kbwwwwwwwwwwbk.",  //
    ".kbwggggggggwbk.",  //
    ".kbbbbbbbbbbbbk.",  //
    ".kbbbbbbbbbbbbk.",  //
    ".kbbggggggggbbk.",  //
    ".kbbgbbgggggbbk.",  //
    ".kbbgbbgggggbbk.",  //
    ".kbbgbbgggggbbk.",  //
    ".kbbgbbgggggbbk.",  //
    ".kkkkkkkkkkkkkk.",  //
    "................",  //
};

static_assert(isSquare(kCPlusPlus) && isSquare(kSheet) && isSquare(kOpenFolder) &&
              isSquare(kDiskette));

}  // namespace

QIcon appIcon() { return iconOf(kCPlusPlus, {1, 2, 3}); }

QIcon newPicture() { return iconOf(kSheet, {1, 2}); }

QIcon openPicture() { return iconOf(kOpenFolder, {1, 2}); }

QIcon savePicture() { return iconOf(kDiskette, {1, 2}); }

}  // namespace tav
