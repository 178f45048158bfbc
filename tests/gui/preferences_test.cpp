// The Configure Tavrin dialog: its fields reach the settings, last past a restart, and new
// classes and members are written in the chosen style.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>

#include "app/style_settings.h"
#include "app_fixture.h"
#include "dialogs/preferences_dlg.h"

namespace tav::testing {
namespace {

class Preferences : public AppFixture {
protected:
    void TearDown() override {
        QSettings(kSettingsOwner, kSettingsOwner).clear();  // the next test starts classic
        AppFixture::TearDown();
    }

    void configure(const std::function<void(TPreferencesDlg*)>& choose, int answer = ModalOk) {
        platform.modalScripts.push_back([=](QDialog* shown) {
            choose(static_cast<TPreferencesDlg*>(shown));
            return answer;
        });
        main->Configure1Click();
    }
};

TEST_F(Preferences, ChoicesLastAndShapeNewClasses) {
    ASSERT_EQ(main->Settings1->title(), "&Settings");
    configure([](TPreferencesDlg* d) {
        EXPECT_EQ(d->windowTitle(), "Configure Tavrin");
        EXPECT_TRUE(d->Classic->isChecked());  // a new user's default
        EXPECT_FALSE(d->Namespace->isEnabled());
        d->Modern->setChecked(true);
        d->Namespace->setText("geo");
        d->IncludeGuard->setChecked(true);
        d->HeaderExtension->setEditText(".hpp");
        d->Indent->setEditText("2 spaces");
        d->Author->setText("Jane Doe");
        d->License->setText("MIT");
    });
    // What a restart reads back.
    const ClassStyle saved = loadClassStyle(QSettings(kSettingsOwner, kSettingsOwner));
    EXPECT_TRUE(saved.modern());
    EXPECT_EQ(saved.nameSpace, "geo");
    EXPECT_EQ(saved.guard, HeaderGuard::IncludeGuard);
    EXPECT_EQ(saved.headerExtension, ".hpp");
    EXPECT_EQ(saved.indent, "  ");
    EXPECT_EQ(saved.license, "MIT");

    TChildForm* doc = newClass("Shape");
    EXPECT_EQ(dialogs().NewClassDlg->nameRule, ClassNameRule::Identifier);  // output must compile
    const QString header = doc->document().header().wholeText();
    EXPECT_TRUE(header.contains("#ifndef GEO_SHAPE_HPP")) << header.toStdString();
    EXPECT_TRUE(header.contains("\n  Shape();\n"));
    EXPECT_TRUE(doc->document().source().wholeText().contains("#include \"Shape.hpp\""));
    ASSERT_TRUE(doc->SaveClass());
    EXPECT_TRUE(QFile::exists(dir.filePath("Shape.hpp")));  // the file its source includes
    main->AddCopyConstructor1Click();
    EXPECT_TRUE(doc->document().header().wholeText().contains("  Shape(const Shape& other);"));

    configure([](TPreferencesDlg* d) { d->Classic->setChecked(true); }, ModalCancel);
    EXPECT_TRUE(
        loadClassStyle(QSettings(kSettingsOwner, kSettingsOwner)).modern());  // Cancel keeps
}

TEST_F(Preferences, AnEditorConfigIndentWins) {
    QFile config(dir.filePath(".editorconfig"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("root = true\n[*.{cpp,h}]\nindent_style = tab\n");
    config.close();
    configure([](TPreferencesDlg* d) { d->Modern->setChecked(true); });
    TChildForm* doc = newClass("Tabbed");
    EXPECT_TRUE(doc->document().header().wholeText().contains("\n\tTabbed();\n"));
}

}  // namespace
}  // namespace tav::testing
