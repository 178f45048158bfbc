// The modern profile's Add Function qualifiers and the operator dialog's defaulted comparisons:
// shown only there, exclusive where the compiler needs it, and written through the main window.
#include <QCheckBox>
#include <QPushButton>
#include <QSettings>

#include "app/style_settings.h"
#include "app_fixture.h"
#include "dialogs/input_function_dlg.h"
#include "dialogs/input_operator_dlg.h"
#include "members/modern.h"

namespace tav::testing {
namespace {

class ModernDeclarations : public AppFixture {
protected:
    void TearDown() override {
        QSettings(kSettingsOwner, kSettingsOwner).clear();  // the next test starts classic
        AppFixture::TearDown();
    }
    static void chooseModern() {
        QSettings settings(kSettingsOwner, kSettingsOwner);
        ClassStyle style;
        style.profile = StyleProfile::Modern;
        saveClassStyle(settings, style);
    }
    TInputFunctionDlg* functionDialog() { return dialogs().InputFunctionDlg; }
};

TEST_F(ModernDeclarations, TheQualifiersAreShownInTheModernDialogOnly) {
    TInputFunctionDlg* d = functionDialog();
    const QList<QCheckBox*> boxes{d->Const, d->Noexcept, d->Static, d->Override, d->Nodiscard};
    d->setModernProfile(false);
    EXPECT_EQ(d->size(), QSize(451, 141));
    EXPECT_EQ(d->Button2->y(), 104);
    for (QCheckBox* box : boxes) EXPECT_TRUE(box->isHidden()) << box->text().toStdString();
    d->setModernProfile(true);
    EXPECT_EQ(d->size(), QSize(451, 165));
    QStringList captions;
    for (QCheckBox* box : boxes) {
        EXPECT_FALSE(box->isHidden());
        EXPECT_GE(box->y(), d->Arguments->geometry().bottom());
        EXPECT_LT(box->geometry().bottom(), d->Button2->y());
        captions << box->accessibleName();
    }
    EXPECT_EQ(captions, (QStringList{"const", "noexcept", "static", "override", "[[nodiscard]]"}));
    d->setModernProfile(false);
}

// static is never chosen together with virtual, pure virtual, const or override.
TEST_F(ModernDeclarations, StaticExcludesWhatNeedsAnObject) {
    TInputFunctionDlg* d = functionDialog();
    d->setModernProfile(true);
    const QList<QCheckBox*> instanceOnly{d->Virtual, d->PureVirtual, d->Const, d->Override};
    for (QCheckBox* box : instanceOnly) {
        box->click();
        EXPECT_FALSE(d->Static->isEnabled()) << box->text().toStdString();
        box->click();
        EXPECT_TRUE(d->Static->isEnabled()) << box->text().toStdString();
    }
    d->Static->click();
    for (QCheckBox* box : instanceOnly) EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(d->Noexcept->isEnabled());
    EXPECT_TRUE(d->Nodiscard->isEnabled());
    // The classic dialog hides static and offers Virtual; back in the modern one, a virtual
    // function is not static.
    d->setModernProfile(false);
    EXPECT_TRUE(d->Virtual->isEnabled());
    d->Virtual->click();
    EXPECT_FALSE(d->value().isStatic);
    d->setModernProfile(true);
    EXPECT_TRUE(d->Virtual->isChecked());
    EXPECT_FALSE(d->Static->isChecked());
    d->Virtual->click();
    d->setModernProfile(false);
}

TEST_F(ModernDeclarations, TheMainWindowWritesTheQualifiedFunctionAndTheComparisons) {
    chooseModern();
    TChildForm* doc = newClass("Shape");
    platform.modalScripts.push_back([this](QDialog* shown) {
        TInputFunctionDlg* d = functionDialog();
        EXPECT_EQ(shown, d);
        EXPECT_FALSE(d->Const->isHidden());
        d->Public->setChecked(true);
        d->Type->setEditText("double");
        d->Name->setText("area");
        d->Arguments->setEditText("()");
        d->Const->click();
        d->Noexcept->click();
        d->Nodiscard->click();
        return ModalOk;
    });
    main->AddMemberFunction1Click();
    for (const char* entry : {kDefaultedEquality, kDefaultedComparison}) {
        platform.modalScripts.push_back([this, entry](QDialog*) {
            TInputOperatorDlg* d = dialogs().InputOperatorDlg;
            const int index = d->Operator->findText(entry);
            EXPECT_GE(index, 15) << entry;  // after the fixed list
            d->Operator->setCurrentIndex(index);
            EXPECT_FALSE(d->Virtual->isEnabled());
            return ModalOk;
        });
        main->AddOperator1Click();
    }
    const std::vector<std::string> header = paneLines(doc->document().header());
    for (const char* line : {"    [[nodiscard]] double area() const noexcept;",
                             "    friend bool operator==(const Shape&, const Shape&) = default;",
                             "    friend auto operator<=>(const Shape&, const Shape&) = default;",
                             "#include <compare>"})
        EXPECT_NE(std::find(header.begin(), header.end(), line), header.end()) << line;
    EXPECT_EQ(doc->document().FunctionList().back(), "double Shape::area() const noexcept");

    // The classic dialog lists the operators of its own: a defaulted entry chosen last goes.
    QSettings(kSettingsOwner, kSettingsOwner).clear();
    TInputOperatorDlg* d = dialogs().InputOperatorDlg;
    d->setModernProfile(false);
    EXPECT_EQ(d->Operator->count(), 15);
    EXPECT_EQ(d->Operator->currentText(), "<=>");
}

}  // namespace
}  // namespace tav::testing
