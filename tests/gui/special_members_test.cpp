// Functions > Add Special Members: the presets, the remembered choices, the message naming what
// the class already declares, and the dialog as a screen reader reads it.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app_fixture.h"
#include "dialogs/special_members_dlg.h"

namespace tav::testing {
namespace {

class SpecialMembers : public AppFixture {
protected:
    void run(const std::function<void(TSpecialMembersDlg*)>& choose) {
        platform.modalScripts.push_back([=, this](QDialog*) {
            choose(main->specialMembersDialog());
            return ModalOk;
        });
        main->AddSpecialMembers1->trigger();
    }
};

TEST_F(SpecialMembers, APresetWritesItsBlockAndWhatIsDeclaredIsNamedNotRepeated) {
    EXPECT_EQ(main->AddSpecialMembers1->text(), "Add &Special Members...");
    EXPECT_EQ(main->AddSpecialMembers1->shortcut(), QKeySequence("Ctrl+Shift+P"));
    TChildForm* doc = newClass("Shape");
    run([](TSpecialMembersDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Add Special Members");
        d->MoveOnly->click();
        d->Choices[0]->setCurrentIndex(1);  // the constructor the skeleton has
    });
    const std::vector<std::string> header = paneLines(doc->document().header());
    const auto pub = std::find(header.begin(), header.end(), "public:");
    ASSERT_NE(pub, header.end());
    EXPECT_EQ(std::vector<std::string>(pub + 1, pub + 5),
              (std::vector<std::string>{"Shape(const Shape&) = delete;",
                                        "Shape& operator= (const Shape&) = delete;",
                                        "Shape(Shape&&) noexcept = default;",
                                        "Shape& operator= (Shape&&) noexcept = default;"}));
    EXPECT_EQ(messageText(0),
              "The class already declares these, so they were left as they are: Default "
              "constructor.");

    // The dialog shows the last choices again; a preset keeps the other two rows.
    run([](TSpecialMembersDlg* d) {
        EXPECT_EQ(d->Choices[2]->currentText(), "= delete");
        EXPECT_EQ(d->Choices[0]->currentText(), "Declared and defined");
        d->CopyableAndMovable->click();
        EXPECT_EQ(d->Choices[3]->currentText(), "= default");
        EXPECT_EQ(d->Choices[0]->currentText(), "Declared and defined");
        d->RuleOfZero->click();
        d->Choices[0]->setCurrentIndex(0);
    });
    EXPECT_EQ(paneLines(doc->document().header()), header);  // nothing twice, nothing new
}

TEST_F(SpecialMembers, EveryFieldIsNamedByItsLabel) {
    TSpecialMembersDlg* dialog = main->specialMembersDialog();
    const char* names[] = {"Default constructor", "Copy constructor", "Copy assignment",
                           "Move constructor",    "Move assignment",  "Destructor"};
    for (std::size_t i = 0; i < kSpecialMemberCount; ++i) {
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(dialog->Choices[i]);
        ASSERT_NE(box, nullptr);
        QStringList labels;
        for (const auto& [label, relation] : box->relations(QAccessible::Label))
            labels << label->text(QAccessible::Name);
        EXPECT_EQ(labels, QStringList{names[i]});
        EXPECT_EQ(dialog->Choices[i]->accessibleName(), names[i]);
    }
    dialog->Button3->click();
    ASSERT_FALSE(platform.helpCalls.empty());
    EXPECT_EQ(platform.helpCalls.back().data, 110);
}

}  // namespace
}  // namespace tav::testing
