// The help viewer, the help file format and the help file that ships with the program.
#include <gmock/gmock.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <vector>

#include "platform/help_file.h"
#include "platform/help_viewer.h"
#include "platform/platform.h"

namespace tav {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST(HelpFileParse, SplitsTopicsAndSkipsBadOrRepeatedKeys) {
    const HelpFile help =
        parseHelpFile(QStringLiteral("A comment before the first topic.\n"
                                     "@topic contents Start Here\r\n"
                                     "\r\n"
                                     "Welcome.\r\n"
                                     "\n"
                                     "@topic 20   New Class  \n"
                                     "Body *one*\n"
                                     "\n"
                                     "second paragraph\n"
                                     "@topic 20 Again\n"
                                     "repeated key, skipped\n"
                                     "@topic abc Bad Key\n"
                                     "bad key, skipped\n"
                                     "@topic 7\n"
                                     "@topicality is text\n"));

    ASSERT_TRUE(help.contents);
    EXPECT_EQ(help.contents->title, "Start Here");
    EXPECT_EQ(help.contents->body, "Welcome.");
    ASSERT_EQ(help.topics.size(), 2u);
    EXPECT_EQ(help.topics.at(20).title, "New Class");
    EXPECT_EQ(help.topics.at(20).body, "Body *one*\n\nsecond paragraph");
    EXPECT_EQ(help.topics.at(7).title, "Topic 7");
    EXPECT_EQ(help.topics.at(7).body, "@topicality is text");
}

struct ReportedError {
    QWidget* owner;
    QString text;
};

class HelpViewerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        setHelpSearchPathsForTests({dir_.path()});
    }
    void TearDown() override { setHelpSearchPathsForTests({}); }

    // Shows help as the platform does; a failure is kept with the window it is reported to.
    void show(QWidget* owner, int command, int data) {
        const Status shown = showHelp(owner, kHelpFileName, command, data);
        if (!shown.ok()) errors_.push_back({owner, shown.message()});
    }

    void writeHelp(const QByteArray& text) {
        QFile file(dir_.filePath(kHelpFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void writeSmallHelp() {
        writeHelp(
            "@topic contents Small Contents\n"
            "See [data](topic:60) or [the web](https://example.org/).\n"
            "@topic 60 Data Topic\n"
            "About data members.\n");
    }

    QString shownTitle() const {
        QTextBrowser* browser = helpBrowserForTests();
        return browser && browser->window()->isVisible() ? browser->window()->windowTitle()
                                                         : QString();
    }
    QString shownText() const {
        QTextBrowser* browser = helpBrowserForTests();
        return browser ? browser->toPlainText() : QString();
    }

    QTemporaryDir dir_;
    std::vector<ReportedError> errors_;
    QWidget owner_;  // the viewer is a window of its owner and goes with it after each test
};

struct ShippedTopic {
    int command;
    int data;
    const char* title;
};

class HelpShippedFileTest : public HelpViewerTest,
                            public ::testing::WithParamInterface<ShippedTopic> {};

// The help file that the build puts next to the program answers every call the program makes.
TEST_P(HelpShippedFileTest, ShowsTheTopicOfTheCall) {
    setHelpSearchPathsForTests({QStringLiteral(TAVRIN_PROGRAM_DIR)});
    const ShippedTopic topic = GetParam();

    show(&owner_, topic.command, topic.data);

    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(shownTitle(), QStringLiteral("Tavrin Help - ") + QLatin1String(topic.title));
    EXPECT_THAT(shownText().toStdString(), StartsWith(topic.title));
    EXPECT_THAT(shownText().toStdString(), ::testing::Not(HasSubstr("There is no help topic")));
}

INSTANTIATE_TEST_SUITE_P(
    Help, HelpShippedFileTest,
    ::testing::Values(ShippedTopic{HelpContents, 0, "Tavrin Help"},
                      ShippedTopic{HelpContext, 20, "New Class"},
                      ShippedTopic{HelpContext, 50, "Add Function"},
                      ShippedTopic{HelpContext, 60, "Add Data Member"},
                      ShippedTopic{HelpContext, 70, "Add Operator"},
                      ShippedTopic{HelpContext, 100, "Configure Tavrin"},
                      ShippedTopic{HelpContext, 110, "Add Special Members"},
                      ShippedTopic{HelpContext, 130, "Implement Base Functions"},
                      ShippedTopic{HelpContext, 140, "Generate Accessors"},
                      ShippedTopic{HelpContext, 150, "Constructor from Members"}));

TEST_F(HelpViewerTest, ShippedFileLinksOnlyToTopicsItHas) {
    QFile file(QDir(QStringLiteral(TAVRIN_PROGRAM_DIR)).filePath(kHelpFileName));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const HelpFile help = parseHelpFile(text);

    static const QRegularExpression link(QStringLiteral("\\]\\(topic:(\\w+)\\)"));
    int links = 0;
    for (const auto& match : link.globalMatch(text)) {
        ++links;
        const QString key = match.captured(1);
        EXPECT_TRUE(key == u"contents" || help.topics.count(key.toInt())) << key.toStdString();
    }
    EXPECT_GT(links, 0);
}

TEST_F(HelpViewerTest, UnknownNumberShowsContentsWithANote) {
    writeSmallHelp();

    show(&owner_, HelpContext, 42);

    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(shownTitle(), "Tavrin Help - Small Contents");
    EXPECT_THAT(shownText().toStdString(), StartsWith("There is no help topic 42"));
    EXPECT_THAT(shownText().toStdString(), HasSubstr("Small Contents"));
}

TEST_F(HelpViewerTest, MissingFileIsReportedByName) {
    show(&owner_, HelpContents, 0);

    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0].owner, &owner_);
    EXPECT_THAT(errors_[0].text.toStdString(), HasSubstr("\"tav.hlp\""));
    EXPECT_EQ(helpBrowserForTests(), nullptr);
}

TEST_F(HelpViewerTest, UnreadableFileIsReportedByName) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(kHelpFileName));  // a directory cannot be read as a file

    show(&owner_, HelpContext, 20);

    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_THAT(errors_[0].text.toStdString(),
                HasSubstr(QDir::toNativeSeparators(dir_.filePath(kHelpFileName)).toStdString()));
    EXPECT_EQ(helpBrowserForTests(), nullptr);
}

TEST_F(HelpViewerTest, FileWithoutTopicsIsReported) {
    writeHelp("no topics here\n");

    show(&owner_, HelpContents, 0);

    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_THAT(errors_[0].text.toStdString(), HasSubstr("tav.hlp"));
}

TEST_F(HelpViewerTest, LinksMoveBetweenTopicsAndBackButOnlyInsideTheHelp) {
    writeSmallHelp();
    show(&owner_, HelpContents, 0);
    QTextBrowser* browser = helpBrowserForTests();
    ASSERT_NE(browser, nullptr);
    EXPECT_FALSE(browser->openLinks());
    EXPECT_FALSE(browser->openExternalLinks());

    emit browser->anchorClicked(QUrl(QStringLiteral("topic:60")));
    EXPECT_EQ(shownTitle(), "Tavrin Help - Data Topic");

    emit browser->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    EXPECT_EQ(shownTitle(), "Tavrin Help - Data Topic");

    QPushButton* back = nullptr;
    for (QPushButton* button : browser->window()->findChildren<QPushButton*>()) {
        if (button->text() == u"&Back") back = button;
    }
    ASSERT_NE(back, nullptr);
    back->click();
    EXPECT_EQ(shownTitle(), "Tavrin Help - Small Contents");
    EXPECT_FALSE(back->isEnabled());
}

// From a modal dialog the viewer must be a window of that dialog, or the dialog's modality would
// block it; and it is the same viewer from one call to the next.
TEST_F(HelpViewerTest, ViewerIsReusedAndBelongsToTheOwnersWindow) {
    writeSmallHelp();
    QDialog dialog(&owner_);

    show(&dialog, HelpContents, 0);
    QTextBrowser* first = helpBrowserForTests();
    show(&dialog, HelpContext, 60);

    ASSERT_NE(first, nullptr);
    EXPECT_EQ(helpBrowserForTests(), first);
    EXPECT_EQ(first->window()->parentWidget(), &dialog);
    EXPECT_EQ(shownTitle(), "Tavrin Help - Data Topic");

    show(&owner_, HelpContents, 0);
    EXPECT_EQ(helpBrowserForTests(), first);
    EXPECT_EQ(first->window()->parentWidget(), &owner_);
    EXPECT_EQ(shownTitle(), "Tavrin Help - Small Contents");
}

}  // namespace
}  // namespace tav
