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

int navyPixels(QWidget* widget) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == QColor(0, 0, 128)) ++count;
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

}  // namespace
}  // namespace tav::testing
