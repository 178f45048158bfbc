// How the windows look: a class window's panes (the header above, 57 pixels high at first, the
// 6-pixel splitter, the source filling the rest) and the tool bar's text buttons, navy only
// while they can be pressed.
#include <QApplication>
#include <QImage>
#include <QSplitter>
#include <QToolButton>

#include "app_fixture.h"

namespace tav::testing {
namespace {

using WindowLook = AppFixture;

TEST_F(WindowLook, HeaderPaneStartsAt57PixelsAboveTheSplitterAndTheSource) {
    TChildForm* document = newClass("TLayout");
    ASSERT_NE(document, nullptr);
    QApplication::processEvents();

    EXPECT_EQ(document->HeaderMemo->height(), 57);
    EXPECT_EQ(document->Splitter1->handleWidth(), 6);
    EXPECT_EQ(document->SourceMemo->y(), document->HeaderMemo->geometry().bottom() + 1 + 6);
    EXPECT_EQ(document->SourceMemo->geometry().bottom(), document->Splitter1->height() - 1);

    // A taller window gives the extra height to the source.
    document->resize(document->width(), document->height() + 100);
    QApplication::processEvents();
    EXPECT_EQ(document->HeaderMemo->height(), 57);
}

// Pixels of navy ink: the text is smoothed, so its pixels are navy blended with the button's
// grey, all of them far bluer than red or green (the grey of disabled text is none of them).
int navyPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.blue() - colour.red() > 40 && colour.blue() - colour.green() > 40) ++count;
        }
    return count;
}

TEST_F(WindowLook, TextButtonsAreNavyOnlyWhileEnabled) {
    for (QToolButton* button : {main->DataBitBtn, main->FunctionBitBtn, main->OperatorBitBtn}) {
        ASSERT_FALSE(button->isEnabled());
        EXPECT_EQ(navyPixels(button), 0) << button->text().toStdString();
    }
    main->enableDocumentControls();
    for (QToolButton* button : {main->DataBitBtn, main->FunctionBitBtn, main->OperatorBitBtn})
        EXPECT_GT(navyPixels(button), 0) << button->text().toStdString();
}

// The captions are bold without a bold font: more ink than the same caption, font and colours
// on a plain tool button.
TEST_F(WindowLook, TextButtonCaptionsAreBolderThanTheirFont) {
    main->enableDocumentControls();
    for (QToolButton* button : {main->DataBitBtn, main->FunctionBitBtn, main->OperatorBitBtn}) {
        QToolButton plain;
        plain.setFont(button->font());
        plain.setPalette(button->palette());
        plain.setText(button->text());
        plain.resize(button->size());
        EXPECT_GT(navyPixels(button), navyPixels(&plain) * 5 / 4) << button->text().toStdString();
    }
}

}  // namespace
}  // namespace tav::testing
