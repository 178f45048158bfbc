// The class-aware commands through the main window: each one once on a modern class with a base,
// Generate Accessors in the classic profile, the messages when there is nothing to do or the
// header cannot be read, and the include paths of Configure Tavrin.
#include "app/class_commands.h"

#include <QFile>
#include <QSettings>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

#include "app/style_settings.h"
#include "app_fixture.h"
#include "dialogs/check_list_dlg.h"
#include "dialogs/preferences_dlg.h"

namespace tav::testing {
namespace {

class ClassCommandsTest : public AppFixture {
protected:
    void TearDown() override {
        QSettings(kSettingsOwner, kSettingsOwner).clear();  // the next test starts classic
        AppFixture::TearDown();
    }
    static void chooseModern(const QStringList& includePaths = {}) {
        QSettings settings(kSettingsOwner, kSettingsOwner);
        ClassStyle style;
        style.profile = StyleProfile::Modern;
        style.nameSpace = "geo";
        saveClassStyle(settings, style);
        saveIncludePaths(settings, includePaths);
    }
    void write(const QString& path, const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    // A modern Shape deriving from geo::Figure, whose header lies in an include path.
    TChildForm* shapeWithBase() {
        const QString includes = dir.filePath(QStringLiteral("include"));
        QDir().mkpath(includes);
        write(includes + "/Figure.h",
              "#pragma once\nnamespace geo {\nclass Figure\n{\npublic:\n"
              "    virtual ~Figure();\n    virtual double area() const = 0;\n"
              "    virtual void scale(double by);\n};\n} // namespace geo\n");
        chooseModern({QStringLiteral("include")});  // relative: from the class directory
        TNewClassDlg* d = dialogs().NewClassDlg;    // it keeps what it was given
        d->BaseClass->setText(" Figure ");
        d->BaseHeader->setText("Figure.h");
        TChildForm* doc = newClass("Shape");
        EXPECT_FALSE(d->BaseClass->isHidden());
        platform.modalScripts.push_back([](QDialog*) {
            dialogs().InputDataDlg->Private->setChecked(true);
            dialogs().InputDataDlg->Type->setEditText("int");
            dialogs().InputDataDlg->Name->setText("sides_");
            return ModalOk;
        });
        main->AddDataMember1Click();
        return doc;
    }
    // Runs a command whose check list is answered by choose.
    void withList(TCheckListDlg* dialog, QAction* command,
                  const std::function<void(TCheckListDlg*)>& choose) {
        platform.modalScripts.push_back([=](QDialog* shown) {
            EXPECT_EQ(shown, dialog);
            choose(dialog);
            return ModalOk;
        });
        command->trigger();
    }
    static bool has(const LineList& text, const std::string& line) {
        const std::vector<std::string> lines = paneLines(text);
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
};

TEST_F(ClassCommandsTest, EachCommandWritesWhatTheClassLacks) {
    TChildForm* doc = shapeWithBase();
    ClassDocument& d = doc->document();
    EXPECT_TRUE(has(d.header(), "class Shape : public Figure"));
    EXPECT_TRUE(has(d.header(), "    ~Shape() override;"));  // Figure's destructor is virtual
    ClassCommands& commands = main->classCommands();

    withList(commands.baseFunctionsDialog(), main->ImplementBaseFunctions1,
             [](TCheckListDlg* dialog) {
                 ASSERT_EQ(dialog->List->topLevelItemCount(), 2);
                 QTreeWidgetItem* pure = dialog->List->topLevelItem(0);
                 EXPECT_EQ(pure->text(0), "double area() const = 0");
                 EXPECT_EQ(pure->text(1), "Figure");
                 EXPECT_EQ(pure->checkState(0), Qt::Checked);
                 EXPECT_EQ(dialog->List->topLevelItem(1)->checkState(0), Qt::Unchecked);
             });
    EXPECT_TRUE(has(d.header(), "    double area() const override;"));
    EXPECT_FALSE(has(d.header(), "    void scale(double by) override;"));
    EXPECT_TRUE(has(d.source(), "double Shape::area() const"));

    withList(commands.accessorsDialog(), main->GenerateAccessors1, [](TCheckListDlg* dialog) {
        ASSERT_EQ(dialog->List->topLevelItemCount(), 1);
        EXPECT_EQ(dialog->List->topLevelItem(0)->text(0), "int sides_");
        dialog->List->topLevelItem(0)->setCheckState(2, Qt::Unchecked);  // no setter
    });
    EXPECT_TRUE(has(d.header(), "    int sides() const;"));
    EXPECT_FALSE(has(d.header(), "    void setSides(int value);"));

    withList(commands.constructorDialog(), main->ConstructorFromMembers1, [](TCheckListDlg*) {});
    EXPECT_TRUE(has(d.header(), "    explicit Shape(int sides);"));
    EXPECT_TRUE(has(d.source(), "    : sides_(sides)"));

    // A declaration typed into the header gets its definition, inside the namespace.
    QTextCursor cursor = d.header().document()->find(QStringLiteral("public:"));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("\n    void grow(int by = 1);"));
    main->AddMissingDefinitions1->trigger();
    const std::vector<std::string> source = paneLines(d.source());
    const auto grow = std::find(source.begin(), source.end(), "void Shape::grow(int by)");
    ASSERT_NE(grow, source.end());
    EXPECT_EQ(source.back(), "} // namespace geo");
    EXPECT_EQ(d.FunctionList().back(), "void Shape::grow(int by)");
    EXPECT_TRUE(platform.messages.empty()) << messageText(0).toStdString();
    main->AddMissingDefinitions1->trigger();
    EXPECT_EQ(messageText(0), "Every member function of Shape has a definition.");
}

TEST_F(ClassCommandsTest, TheClassicProfileAndWhatCannotBeDone) {
    TChildForm* doc = newClass("Point");
    main->GenerateAccessors1->trigger();
    EXPECT_EQ(messageText(0), "The class Point has no data members.");
    main->ImplementBaseFunctions1->trigger();
    EXPECT_EQ(messageText(1), "The class Point has no base class.");
    platform.modalScripts.push_back([](QDialog*) {
        dialogs().InputDataDlg->Type->setEditText("double");
        dialogs().InputDataDlg->Name->setText("m_x");
        return ModalOk;
    });
    main->AddDataMember1Click();
    withList(main->classCommands().accessorsDialog(), main->GenerateAccessors1,
             [](TCheckListDlg*) {});
    EXPECT_TRUE(has(doc->document().header(), "double GetX();"));
    EXPECT_TRUE(has(doc->document().header(), "void SetX(double value);"));
    EXPECT_TRUE(has(doc->document().source(), "// Function"));

    // A header that is not C++ gets a message and no change.
    doc->HeaderMemo->setPlainText(QStringLiteral("}}} not C++ {{{ ;;"));
    const std::vector<std::string> source = paneLines(doc->document().source());
    main->AddMissingDefinitions1->trigger();
    EXPECT_TRUE(messageText(2).startsWith("Tavrin cannot read the class Point in its header"))
        << messageText(2).toStdString();
    EXPECT_EQ(paneLines(doc->document().source()), source);
}

TEST_F(ClassCommandsTest, AnOpenedPairWrittenByHandGetsWhatItLacks) {
    write(dir.filePath("Widget.h"),
          "#pragma once\n#include <QWidget>\nnamespace ui {\nclass Widget : public QWidget\n{\n"
          "    Q_OBJECT\npublic:\n    explicit Widget(QWidget* parent = nullptr);\n"
          "    void resize(int w, int h = 0);\n};\n}\n");
    write(dir.filePath("Widget.cpp"),
          "#include \"Widget.h\"\n\nnamespace ui {\n\nWidget::Widget(QWidget* parent)\n"
          "{\n}\n\n} // namespace ui\n");
    main->openFiles({dir.filePath("Widget.h")});
    TChildForm* doc = main->activeDocument();
    ASSERT_NE(doc, nullptr);
    main->AddMissingDefinitions1->trigger();
    const std::vector<std::string> source = paneLines(doc->document().source());
    const auto resize =
        std::find(source.begin(), source.end(), "void Widget::resize(int w, int h)");
    ASSERT_NE(resize, source.end()) << ::testing::PrintToString(source);
    // Classic: a framed block, inside the namespace block.
    EXPECT_EQ(*(resize - 1),
              "//---------------------------------------------------------------------------");
    EXPECT_EQ(source.back(), "} // namespace ui");
}

TEST_F(ClassCommandsTest, IncludePathsAreKeptOneFolderALine) {
    platform.modalScripts.push_back([this](QDialog* shown) {
        auto* d = static_cast<TPreferencesDlg*>(shown);
        EXPECT_EQ(d->IncludePaths->accessibleName(), "Include paths:");
        d->IncludePaths->setPlainText(QStringLiteral("/usr/include/geo\n\n  third_party  \n"));
        return ModalOk;
    });
    main->Configure1->trigger();
    EXPECT_EQ(loadIncludePaths(QSettings(kSettingsOwner, kSettingsOwner)),
              (QStringList{"/usr/include/geo", "third_party"}));
}

}  // namespace
}  // namespace tav::testing
