// What assistive technology sees of a combo box's drop-down list: its entries while it is
// dropped down, none while it is folded up, and the folded-up box's own text all along.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>
#include <memory>

#include "dialogs/editable_combo.h"

namespace tav::testing {
namespace {

struct Seen {
    int entries;
    QString firstName;
    QString lastName;
};

// Each combo box with three entries, the second chosen.
class DropDownAccessibility : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        combo = GetParam() ? newEditableComboBox(window.get()) : new QComboBox(window.get());
        // The factory is in place before any list asks for its interface.
        if (!GetParam()) newEditableComboBox(window.get());
        combo->addItems({QStringLiteral("alpha"), QStringLiteral("beta"), QStringLiteral("gamma")});
        combo->setCurrentIndex(1);
        window->show();
    }

    QAccessibleInterface* list() const {
        return QAccessible::queryAccessibleInterface(combo->view());
    }

    Seen seen() const {
        QAccessibleInterface* l = list();
        Seen result{l->childCount(), {}, {}};
        if (result.entries > 0) {
            result.firstName = l->child(0)->text(QAccessible::Name);
            result.lastName = l->child(result.entries - 1)->text(QAccessible::Name);
        }
        return result;
    }

    std::unique_ptr<QWidget> window;
    QComboBox* combo = nullptr;
};

TEST_P(DropDownAccessibility, ListShowsItsEntriesOnlyWhileDroppedDown) {
    struct Step {
        const char* what;
        bool dropped;
        int entries;
    };
    for (const Step& step : {Step{"folded up", false, 0}, Step{"dropped down", true, 3},
                             Step{"folded up again", false, 0}, Step{"dropped again", true, 3}}) {
        SCOPED_TRACE(step.what);
        if (step.dropped)
            combo->showPopup();
        else
            combo->hidePopup();
        const Seen now = seen();
        EXPECT_EQ(list()->role(), QAccessible::List);
        EXPECT_EQ(now.entries, step.entries);
        if (step.entries) {
            EXPECT_EQ(now.firstName, QStringLiteral("alpha"));
            EXPECT_EQ(now.lastName, QStringLiteral("gamma"));
        }
        // The box itself tells the chosen entry at all times.
        EXPECT_EQ(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Value),
                  QStringLiteral("beta"));
    }
}

TEST_P(DropDownAccessibility, EntriesOfADroppedListKnowTheirPlace) {
    combo->showPopup();
    QAccessibleInterface* l = list();
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface* entry = l->child(row);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->role(), QAccessible::ListItem);
        EXPECT_EQ(entry->parent(), l);
        EXPECT_EQ(l->indexOfChild(entry), row);
        EXPECT_EQ(l->child(row), entry) << "an entry keeps its object while the list is shown";
        EXPECT_EQ(entry->state().selected, row == 1);
    }
    EXPECT_EQ(l->child(3), nullptr);
}

TEST_P(DropDownAccessibility, EntriesFollowTheListsChanges) {
    combo->showPopup();
    ASSERT_EQ(list()->childCount(), 3);
    combo->addItem(QStringLiteral("delta"));
    EXPECT_EQ(seen().entries, 4);
    EXPECT_EQ(seen().lastName, QStringLiteral("delta"));
    combo->clear();
    EXPECT_EQ(seen().entries, 0);
}

INSTANTIATE_TEST_SUITE_P(EditableAndPlain, DropDownAccessibility, ::testing::Bool());

}  // namespace
}  // namespace tav::testing
