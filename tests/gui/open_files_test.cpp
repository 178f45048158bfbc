// Files handed over by the desktop: named on the command line or dropped on the main window.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include "app_fixture.h"

namespace tav::testing {
namespace {

class OpenFiles : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        for (const char* name : {"Shape", "Circle"}) {
            write(QStringLiteral("%1.h").arg(name), QStringLiteral("class %1\n{\n};\n").arg(name));
            write(QStringLiteral("%1.cpp").arg(name), QStringLiteral("%1::%1()\n").arg(name));
        }
    }
    void write(const QString& name, const QString& text) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
    QString path(const char* name) const { return QDir::toNativeSeparators(dir.filePath(name)); }
    QStringList openClasses() const {
        QStringList classes;
        for (TChildForm* document : main->documents()) classes << document->document().ClassName();
        return classes;
    }
    // Sends a drag over the main window and, when it is taken, the drop.
    bool drop(const QList<QUrl>& urls, const QString& text = {}) {
        QMimeData data;
        if (!urls.isEmpty()) data.setUrls(urls);
        if (!text.isEmpty()) data.setText(text);
        const QPoint at(300, 200);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    }
};

struct ArgumentsCase {
    const char* what;
    std::vector<const char*> files;
    QStringList classes;
};

TEST_F(OpenFiles, EachPairNamedOpensOnceAsTheOpenCommandOpensIt) {
    const std::vector<ArgumentsCase> cases{
        {"a header", {"Shape.h"}, {"Shape"}},
        {"a source", {"Circle.cpp"}, {"Circle"}},
        {"both files of one pair", {"Shape.h", "Shape.cpp"}, {"Shape"}},
        {"two pairs", {"Shape.cpp", "Circle.h"}, {"Shape", "Circle"}},
    };
    for (const ArgumentsCase& c : cases) {
        QStringList paths;
        for (const char* file : c.files) paths << path(file);
        main->openFiles(paths);
        EXPECT_EQ(openClasses(), c.classes) << c.what;
        EXPECT_TRUE(platform.messages.empty()) << c.what;
        for (TChildForm* document : main->documents()) {
            EXPECT_EQ(document->document().ClassDir(), path("") + QDir::separator()) << c.what;
            EXPECT_EQ(document->document().header().line(0).substr(0, 6), "class ");
            document->document().setModified(false);
            document->close();
        }
        settle();
    }
    EXPECT_TRUE(main->isControlEnabled("SaveAs"));
}

TEST_F(OpenFiles, ARelativePathIsTakenFromTheCurrentDirectory) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    main->openFiles({QStringLiteral("Shape.h")});
    QDir::setCurrent(previous);
    EXPECT_EQ(openClasses(), QStringList{"Shape"});
    EXPECT_EQ(main->documents().value(0)->document().ClassDir(), path("") + QDir::separator());
}

TEST_F(OpenFiles, AFileThatCannotBeOpenedIsReportedByItsPathLeavesNoWindowAndTheRestOpen) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("Folder.h"));
    write("Lonely.h", "class Lonely\n{\n};\n");  // without its source
    write("notes.txt", "class Notes\n");
    const QString relative = QStringLiteral("elsewhere/notes");
    main->openFiles({path("Missing.h"), path("Folder.h"), path("notes.txt"), relative,
                     path("Lonely.h"), path("Circle.h")});
    settle();
    ASSERT_EQ(platform.messages.size(), 5u);
    EXPECT_TRUE(messageText(0).startsWith("Cannot read " + path("Missing.h")))
        << messageText(0).toStdString();
    EXPECT_EQ(messageText(1), "Cannot open " + path("Folder.h") + ": it is a directory");
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::Error);
    EXPECT_EQ(messageText(2), path("notes.txt") + " is not a C++ header or source file");
    EXPECT_EQ(messageText(3), relative + " is not a C++ header or source file");
    EXPECT_EQ(platform.messages[3].icon, MessageIcon::Error);
    EXPECT_TRUE(messageText(4).startsWith("Cannot read " + path("Lonely.cpp")))
        << messageText(4).toStdString();
    EXPECT_EQ(openClasses(), QStringList{"Circle"});
}

TEST_F(OpenFiles, DroppedHeaderAndSourceFilesOpenAndOtherDropsAreRefused) {
    EXPECT_TRUE(drop({QUrl::fromLocalFile(dir.filePath("Shape.h"))}));
    EXPECT_EQ(openClasses(), QStringList{"Shape"});
    EXPECT_TRUE(drop({QUrl::fromLocalFile(dir.filePath("Circle.h")),
                      QUrl::fromLocalFile(dir.filePath("Circle.cpp"))}));
    EXPECT_EQ(openClasses(), (QStringList{"Shape", "Circle"}));

    EXPECT_FALSE(drop({}, QStringLiteral("Shape.h")));
    EXPECT_FALSE(drop({QUrl(QStringLiteral("https://example.org/Shape.h"))}));
    EXPECT_FALSE(drop({QUrl::fromLocalFile(dir.filePath("notes.txt"))}));
    EXPECT_EQ(main->documents().size(), 2);
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace tav::testing
