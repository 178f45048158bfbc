#include "platform/help_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "platform/help_file.h"
#include "platform/platform.h"
#include "platform/screen_area.h"

// Where the data directory lies relative to the program's directory once installed, and where
// the install prefix put it; both are set by the build.
#ifndef TAVRIN_HELP_RELATIVE_DIR
#define TAVRIN_HELP_RELATIVE_DIR "../share/tavrin"
#endif
#ifndef TAVRIN_HELP_INSTALL_DIR
#define TAVRIN_HELP_INSTALL_DIR "/usr/local/share/tavrin"
#endif

namespace tav {

namespace {

// The key of the contents among the context numbers, which are never negative.
constexpr int kContentsKey = -1;

const QString kTopicScheme = QStringLiteral("topic");

QStringList& pathsForTests() {
    static QStringList paths;
    return paths;
}

// The topic a link names: "topic:20", "topic:contents"; nullopt for any other link.
std::optional<int> linkTarget(const QUrl& url) {
    if (url.scheme() != kTopicScheme) return std::nullopt;
    const QString key = url.path();
    if (key == u"contents") return kContentsKey;
    bool ok = false;
    const int number = key.toInt(&ok);
    if (!ok || number < 0) return std::nullopt;
    return number;
}

// A contents page for a help file that brings none: a list of its topics.
HelpTopic listOfTopics(const HelpFile& help) {
    HelpTopic contents{QStringLiteral("Contents"), {}};
    for (const auto& [number, topic] : help.topics) {
        contents.body += QStringLiteral("- [%1](topic:%2)\n").arg(topic.title).arg(number);
    }
    return contents;
}

// A main window of its own, so that assistive technology announces it as a window (a bare
// top-level widget is a nameless "filler") named by its title.
class HelpWindow : public QMainWindow {
public:
    explicit HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
        setObjectName(QStringLiteral("HelpWindow"));
        // The help never keeps the application running once its main window has closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        resize(560, 620);

        auto* page = new QWidget;
        browser_ = new QTextBrowser(page);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setAccessibleName(QStringLiteral("Help topic"));
        browser_->setOpenLinks(false);
        browser_->setOpenExternalLinks(false);
        auto* contentsButton = new QPushButton(QStringLiteral("&Contents"), page);
        back_ = new QPushButton(QStringLiteral("&Back"), page);
        auto* closeButton = new QPushButton(QStringLiteral("C&lose"), page);
        contentsButton->setAutoDefault(false);
        back_->setAutoDefault(false);
        closeButton->setAutoDefault(false);

        auto* buttons = new QHBoxLayout;
        buttons->addWidget(contentsButton);
        buttons->addWidget(back_);
        buttons->addStretch();
        buttons->addWidget(closeButton);
        auto* layout = new QVBoxLayout(page);
        layout->addLayout(buttons);
        layout->addWidget(browser_);
        setCentralWidget(page);

        connect(browser_, &QTextBrowser::anchorClicked, this,
                [this](const QUrl& url) { followLink(url); });
        connect(contentsButton, &QPushButton::clicked, this, [this] { showTopic(kContentsKey); });
        connect(back_, &QPushButton::clicked, this, [this] { back(); });
        connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    }

    QTextBrowser* browser() const { return browser_; }

    void setHelp(HelpFile help) {
        help_ = std::move(help);
        if (!help_.contents) help_.contents = listOfTopics(help_);
        history_.clear();
    }

    // Shows topic key, or the contents with a note when there is no such topic.
    void showTopic(int key) {
        if (key == kContentsKey || help_.topics.count(key)) {
            history_.push_back({key, {}});
        } else {
            history_.push_back(
                {kContentsKey,
                 QStringLiteral("There is no help topic %1; here are the contents.").arg(key)});
        }
        render();
    }

private:
    struct Page {
        int key;
        QString note;
    };

    void followLink(const QUrl& url) {
        if (const auto target = linkTarget(url)) {
            showTopic(*target);
        } else if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
            browser_->scrollToAnchor(url.fragment());
        }
        // Any other link leads outside the help and is not followed.
    }

    void back() {
        if (history_.size() < 2) return;
        history_.pop_back();
        render();
    }

    void render() {
        const Page& page = history_.back();
        const HelpTopic& topic =
            page.key == kContentsKey ? *help_.contents : help_.topics.at(page.key);
        QString markdown;
        if (!page.note.isEmpty()) markdown += QStringLiteral("> %1\n\n").arg(page.note);
        markdown += QStringLiteral("# %1\n\n%2\n").arg(topic.title, topic.body);
        browser_->setMarkdown(markdown);
        setWindowTitle(QStringLiteral("%1 Help - %2").arg(kProgramName, topic.title));
        back_->setEnabled(history_.size() > 1);
    }

    QTextBrowser* browser_;
    QPushButton* back_;
    HelpFile help_;
    std::vector<Page> history_;
};

QPointer<HelpWindow>& viewer() {
    static QPointer<HelpWindow> window;
    return window;
}

// The viewer, made on first use. It is a window of the owner's window, so that it takes input
// while a modal dialog is its owner, and goes when that window goes.
HelpWindow* viewerFor(QWidget* owner) {
    QWidget* parent = owner ? owner->window() : nullptr;
    QPointer<HelpWindow>& window = viewer();
    if (!window) {
        window = new HelpWindow(parent);
    } else if (parent != window && window->parentWidget() != parent) {
        const QRect geometry = window->geometry();
        window->setParent(parent, window->windowFlags());
        window->setGeometry(geometry);
    }
    return window;
}

QString findHelpFile(const QString& fileName) {
    if (QFileInfo(fileName).isAbsolute()) return QFileInfo::exists(fileName) ? fileName : QString();
    for (const QString& dir : helpSearchPaths()) {
        const QString path = QDir(dir).filePath(fileName);
        if (QFileInfo::exists(path)) return path;
    }
    return {};
}

// Reads and parses the help file, or says what keeps it from being shown.
Result<HelpFile> loadHelpFile(const QString& fileName) {
    const QString path = findHelpFile(fileName);
    if (path.isEmpty()) {
        QStringList places;
        for (const QString& dir : helpSearchPaths()) places << QDir::toNativeSeparators(dir);
        return Status::failed(QStringLiteral("The help file \"%1\" was not found in %2.")
                                  .arg(fileName, places.join(QStringLiteral(", "))));
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return Status::failed(QStringLiteral("The help file \"%1\" cannot be read: %2")
                                  .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    HelpFile help = parseHelpFile(QString::fromUtf8(bytes));
    if (!help.contents && help.topics.empty()) {
        return Status::failed(QStringLiteral("The help file \"%1\" holds no help topics.")
                                  .arg(QDir::toNativeSeparators(path)));
    }
    return help;
}

}  // namespace

Status showHelp(QWidget* owner, const QString& fileName, int command, int data) {
    if (command == HelpQuit) {
        if (viewer()) viewer()->close();
        return Status::done();
    }
    Result<HelpFile> help = loadHelpFile(fileName);
    if (!help.ok()) return help.status();
    HelpWindow* window = viewerFor(owner);
    window->setHelp(help.value());
    window->showTopic(command == HelpContext ? data : kContentsKey);
    window->show();
    keepOnScreen(window);
    window->raise();
    window->activateWindow();
    return Status::done();
}

QStringList helpSearchPaths() {
    if (!pathsForTests().isEmpty()) return pathsForTests();
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList paths{programDir,
                      QDir::cleanPath(programDir + u'/' + QStringLiteral(TAVRIN_HELP_RELATIVE_DIR)),
                      QDir::cleanPath(QStringLiteral(TAVRIN_HELP_INSTALL_DIR))};
    paths.removeDuplicates();
    return paths;
}

void setHelpSearchPathsForTests(const QStringList& paths) { pathsForTests() = paths; }

QTextBrowser* helpBrowserForTests() { return viewer() ? viewer()->browser() : nullptr; }

}  // namespace tav
