// The function box chosen from with real clicks and keys, whatever the user did before: each
// choice selects its head line in the source pane and the box shows the chosen entry.
#include <QAbstractItemView>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>

#include "app_fixture.h"

namespace tav::testing {
namespace {

class FunctionBox : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        doc = newClass("Pt");
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QComboBox* box() const { return main->FunctionsCombo; }
    QAbstractItemView* list() const { return box()->view(); }

    void clickArrow() {
        QStyleOptionComboBox option;
        option.initFrom(box());
        option.editable = true;
        option.subControls = QStyle::SC_All;
        const QRect arrow = box()->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxArrow, box());
        QTest::mouseClick(box(), Qt::LeftButton, {}, arrow.center());
    }
    void clickEntry(int row) {
        ASSERT_TRUE(list()->isVisible());
        const QPoint entry = list()->visualRect(list()->model()->index(row, 0)).center();
        // The pointer moves onto the entry first: the list takes no release that comes at once
        // after it dropped down without a move (the end of the click that dropped it down).
        QTest::mouseMove(list()->viewport(), entry);
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, entry);
    }
    void clickSource() {
        QTest::mouseClick(doc->SourceMemo->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    }

    TChildForm* doc = nullptr;
};

// What comes before the choice, and how the entry is chosen.
enum class Before { PaneClick, Escape, ClickElsewhere, Nothing };
enum class Choice { Mouse, Keyboard };

struct Case {
    const char* name;
    Before before;
    Choice choice;
};

class FunctionBoxChoice : public FunctionBox, public ::testing::WithParamInterface<Case> {};

TEST_P(FunctionBoxChoice, SelectsTheHeadLineEveryTime) {
    const Case c = GetParam();
    const QStringList entries{"Pt::Pt()", "Pt::~Pt()"};
    // Twice in a row: the entry chosen first is the one the box shows when the second comes.
    for (const int row : {1, 0}) {
        clickSource();
        switch (c.before) {
            case Before::PaneClick:
                break;
            case Before::Escape:
                clickArrow();
                QTest::keyClick(list(), Qt::Key_Escape);
                break;
            case Before::ClickElsewhere:
                clickArrow();
                // Through the window, as the platform delivers it: the open list takes the
                // click outside it and folds up.
                QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {},
                                  main->MdiArea->viewport()->mapTo(main, QPoint(450, 150)));
                break;
            case Before::Nothing:
                break;
        }
        ASSERT_FALSE(list()->isVisible()) << c.name;
        ASSERT_EQ(doc->SourceMemo->textCursor().selectedText(), "") << c.name;
        if (c.choice == Choice::Mouse) {
            clickArrow();
            clickEntry(row);
        } else {
            QTest::mouseClick(box()->lineEdit(), Qt::LeftButton);
            QTest::keyClick(box()->lineEdit(), Qt::Key_Down, Qt::AltModifier);
            ASSERT_TRUE(list()->isVisible()) << c.name;
            QTest::keyClick(list(), Qt::Key_Home);
            for (int i = 0; i < row; ++i) QTest::keyClick(list(), Qt::Key_Down);
            QTest::keyClick(list(), Qt::Key_Return);
        }
        EXPECT_FALSE(list()->isVisible()) << c.name;
        EXPECT_EQ(doc->SourceMemo->textCursor().selectedText(), entries[row]) << c.name;
        // The pane holds the window's focus (the offscreen platform may leave no window active
        // after a popup; the run under a real X server types into the pane).
        EXPECT_EQ(main->focusWidget(), doc->SourceMemo) << c.name;
        EXPECT_EQ(box()->currentText(), entries[row]) << c.name;
    }
    EXPECT_TRUE(platform.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, FunctionBoxChoice,
    ::testing::Values(Case{"after a pane click", Before::PaneClick, Choice::Mouse},
                      Case{"after Escape", Before::Escape, Choice::Mouse},
                      Case{"after a click elsewhere", Before::ClickElsewhere, Choice::Mouse},
                      Case{"by keyboard", Before::Nothing, Choice::Keyboard}),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.name;
        std::erase(name, ' ');
        return name;
    });

// Right after New the box lists the new class's functions, before any click.
TEST_F(FunctionBox, ListsTheNewClassAtOnce) {
    EXPECT_EQ(box()->count(), 2);
    EXPECT_EQ(box()->itemText(1), "Pt::~Pt()");
}

}  // namespace
}  // namespace tav::testing
