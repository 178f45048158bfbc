// Unsaved work survives the program's end: the class windows keep recovery copies, which the next
// start offers when their program is gone; a save, a close without saving and a clean exit remove
// them, and a damaged copy is reported and set aside. The folders and copies are their owner's
// alone, and symbolic links among them are refused, never followed.
#include <signal.h>
#include <sys/stat.h>

#include <QDirIterator>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <functional>

#include "app_fixture.h"
#include "recovery/recovered_class.h"
#include "recovery/recovery_store.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

constexpr int kChildWaitMs = 30000;

class Recovery : public AppFixture {
protected:
    Recovery() { recoveryRoot = dir.filePath("recovery"); }

    // Every recovery copy under the root.
    QStringList copies() const {
        QStringList found;
        QDirIterator it(recoveryRoot, {"*" + RecoveryStore::kCopySuffix}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) found << it.next();
        return found;
    }

    // Copies left as by a program that ended without removing them: its windows go with their
    // unsaved changes and no question.
    void leaveCopies(const QStringList& classes) {
        ScriptedPlatform otherPlatform;
        AppWindows other(otherPlatform, recoveryRoot);
        for (const QString& name : classes) {
            TChildForm* doc = other.main().createDocument();
            doc->document().NewClass({ClassKind::Normal,
                                      name.toStdString(),
                                      QDir::toNativeSeparators(dir.path()).toStdString(),
                                      {}});
            doc->HeaderMemo->setPlainText("class " + name + "\n{\n};");
            ASSERT_TRUE(doc->document().keepRecoveryCopy().ok());
        }
    }

    QString question(const QStringList& captions) const {
        return "Tavrin ended without saving these classes:\n\n" + captions.join('\n') +
               "\n\nRestore them? No discards their unsaved changes.";
    }
};

// The modes of path itself, as ls shows them; -1 when it is not there.
int modeOf(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) return -1;
    return static_cast<int>(info.st_mode & 07777);
}

const QString kLinkRefused = ": it is a symbolic link, which Tavrin does not follow";

TChildForm* documentNamed(TTavMainForm& main, const QString& name) {
    for (TChildForm* doc : main.documents()) {
        if (doc->document().ClassName() == name) return doc;
    }
    return nullptr;
}

TEST_F(Recovery, AKilledProgramsWindowsAreRestoredAndSaveByteForByte) {
    const QString classDir = dir.filePath("classes");
    const QString expectedDir = dir.filePath("expected");
    ASSERT_TRUE(QDir().mkdir(classDir) && QDir().mkdir(expectedDir));
    ASSERT_TRUE(putFile(classDir + "/Beta.h", "// Beta, caf\xe9\r\nclass Beta\r\n{\r\n};\r\n"));
    ASSERT_TRUE(
        putFile(classDir + "/Beta.cpp", "#include \"Beta.h\"\r\nBeta::Beta()\r\n{\r\n}\r\n"));

    QProcess child;
    child.start(QStringLiteral(TAVRIN_RECOVERY_CHILD), {recoveryRoot, classDir, expectedDir});
    ASSERT_TRUE(child.waitForStarted(kChildWaitMs));
    QByteArray out;
    while (!out.contains("ready\n")) {
        ASSERT_TRUE(child.waitForReadyRead(kChildWaitMs))
            << "exit " << child.exitCode() << ": " << child.readAllStandardError().toStdString();
        out += child.readAllStandardOutput();
    }
    ASSERT_EQ(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
    ASSERT_TRUE(child.waitForFinished(kChildWaitMs));
    ASSERT_EQ(copies().size(), 2);

    platform.answers = {MessageAnswer::Yes};
    windows->offerRecovery();
    settle();

    ASSERT_EQ(platform.messages.size(), 1u);
    const RecordedMessage& asked = platform.messages[0];
    EXPECT_EQ(asked.caption, "Tavrin");
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    const QString alphaCaption = classDir + QDir::separator() + "Alpha";
    const QString betaCaption = QDir::toNativeSeparators(classDir) + QDir::separator() + "Beta";
    EXPECT_EQ(asked.text, question({alphaCaption, betaCaption}));
    ASSERT_EQ(main->documents().size(), 2);

    for (const QString name : {"Alpha", "Beta"}) {
        TChildForm* doc = documentNamed(*main, name);
        ASSERT_NE(doc, nullptr) << name.toStdString();
        EXPECT_TRUE(doc->document().Modified());
        EXPECT_EQ(doc->windowTitle(), name == "Alpha" ? alphaCaption : betaCaption);
        const std::optional<QByteArray> header = fileBytes(expectedDir + "/" + name + ".h");
        const std::optional<QByteArray> source = fileBytes(expectedDir + "/" + name + ".cpp");
        ASSERT_TRUE(header && source);
        // The function list is the one an open of the same text makes.
        main->openFiles({expectedDir + "/" + name + ".h"});
        EXPECT_EQ(doc->document().FunctionList(),
                  main->activeDocument()->document().FunctionList());
        EXPECT_FALSE(doc->document().FunctionList().empty());

        platform.messages.clear();
        ASSERT_TRUE(doc->SaveClass());
        for (const RecordedMessage& m : platform.messages)
            EXPECT_FALSE(m.text.contains("changed on disk")) << m.text.toStdString();
        EXPECT_EQ(fileBytes(classDir + "/" + name + ".h"), header) << name.toStdString();
        EXPECT_EQ(fileBytes(classDir + "/" + name + ".cpp"), source) << name.toStdString();
    }
    EXPECT_TRUE(copies().isEmpty());
    // Only this program's own folder is left.
    EXPECT_EQ(QDir(recoveryRoot).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 1);
}

TEST_F(Recovery, NoDiscardsTheCopiesForGood) {
    leaveCopies({"Gamma", "Delta"});
    ASSERT_EQ(copies().size(), 2);
    const QString sep = QDir::separator();
    const QString classDir = QDir::toNativeSeparators(dir.path());
    platform.answers = {MessageAnswer::No};
    windows->offerRecovery();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(messageText(0), question({classDir + sep + "Gamma", classDir + sep + "Delta"}));
    EXPECT_TRUE(main->documents().isEmpty());
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_TRUE(QDir(recoveryRoot).isEmpty());
    windows->offerRecovery();
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(Recovery, TheCopiesOfARunningProgramAreNotOffered) {
    ScriptedPlatform otherPlatform;
    AppWindows other(otherPlatform, recoveryRoot);
    TChildForm* doc = other.main().createDocument();
    doc->HeaderMemo->setPlainText("typed elsewhere");
    ASSERT_TRUE(doc->document().keepRecoveryCopy().ok());
    windows->offerRecovery();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(copies().size(), 1);
    doc->document().setModified(false);
}

// What ends a window's unsaved changes ends its copy.
struct Ending {
    const char* what;
    std::function<void(TTavMainForm&, TChildForm&, ScriptedPlatform&)> run;
};

TEST_F(Recovery, ASaveACloseWithoutSavingAndACleanExitRemoveTheCopy) {
    const Ending endings[] = {
        {"Save", [](TTavMainForm&, TChildForm& doc, ScriptedPlatform&) { doc.SaveClass(); }},
        {"No at the close question",
         [](TTavMainForm&, TChildForm& doc, ScriptedPlatform& p) {
             p.answers = {MessageAnswer::No};
             doc.close();
         }},
        {"the exit",
         [](TTavMainForm& main, TChildForm&, ScriptedPlatform& p) {
             p.answers = {MessageAnswer::Yes, MessageAnswer::No};
             main.Exit1->trigger();
         }},
    };
    bool first = true;
    for (const Ending& ending : endings) {
        main->show();
        TChildForm* doc = newClass("Kept");
        doc->SourceMemo->appendPlainText("// typed");
        if (first) {
            // The window's own timer writes the copy a couple of seconds after the change.
            EXPECT_TRUE(QTest::qWaitFor([&] { return copies().size() == 1; }, 5000)) << ending.what;
            first = false;
        } else {
            ASSERT_TRUE(doc->document().keepRecoveryCopy().ok());
        }
        ASSERT_EQ(copies().size(), 1) << ending.what;
        ending.run(*main, *doc, platform);
        settle();
        EXPECT_TRUE(copies().isEmpty()) << ending.what;
        for (TChildForm* open : main->documents()) {
            open->document().setModified(false);
            open->close();
        }
        settle();
    }
}

TEST(RecoveryCopy, KeepsTheClassFilesExtensionsAndReadsCopiesOfTheFirstVersion) {
    RecoveryState state;
    state.className = "Shape";
    state.headerExtension = ".hpp";
    state.sourceExtension = ".cc";
    const Result<RecoveredClass> read =
        decodeRecoveredClass(encodeRecoveredClass(state, "class Shape\n{\n};", ""), "copy");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.value().state, state);

    // A copy never names a file of another kind than a header or a source.
    state.sourceExtension = "/../../x";
    EXPECT_FALSE(decodeRecoveredClass(encodeRecoveredClass(state, "", ""), "copy").ok());

    // A copy left by an earlier version: its class was written as .h and .cpp.
    const Result<RecoveredClass> old = readRecoveredClass(
        QStringLiteral(TAVRIN_SOURCE_DIR) + "/fuzz/corpus/recovery_copy/opened_typed");
    ASSERT_TRUE(old.ok()) << old.status().message().toStdString();
    EXPECT_EQ(old.value().state.headerExtension, ".h");
    EXPECT_EQ(old.value().state.sourceExtension, ".cpp");
}

TEST_F(Recovery, ADamagedCopyIsReportedAndSetAsideAndTheOthersAreOffered) {
    RecoveryState state;
    state.caption = "/somewhere/Kept";
    state.className = "Kept";
    state.classDir = "/somewhere/";
    const QByteArray valid = encodeRecoveredClass(state, "class Kept\n{\n};", "");
    QByteArray flipped = valid;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x20);
    const std::pair<const char*, QByteArray> damages[] = {
        {"not a recovery copy", "some other file\n"},
        {"empty", ""},
        {"cut short", valid.left(valid.size() - 10)},
        {"a byte changed", flipped},
    };
    for (const auto& [what, bytes] : damages) {
        const QString session = recoveryRoot + "/4242-abcdef";
        ASSERT_TRUE(QDir().mkpath(session));
        const QString damaged = session + "/1" + RecoveryStore::kCopySuffix;
        ASSERT_TRUE(putFile(damaged, bytes));
        ASSERT_TRUE(putFile(session + "/2" + RecoveryStore::kCopySuffix, valid));
        platform.messages.clear();
        platform.answers = {MessageAnswer::Ok, MessageAnswer::No};

        windows->offerRecovery();

        ASSERT_EQ(platform.messages.size(), 2u) << what;
        const QString aside = recoveryRoot + "/4242-abcdef-1.damaged";
        const RecordedMessage& report = platform.messages[0];
        EXPECT_EQ(report.icon, MessageIcon::Warning) << what;
        EXPECT_TRUE(report.text.startsWith("The recovery copy " +
                                           QDir::toNativeSeparators(damaged) + " is damaged: "))
            << what << ": " << report.text.toStdString();
        EXPECT_TRUE(
            report.text.endsWith(" It was kept as " + QDir::toNativeSeparators(aside) + "."))
            << what << ": " << report.text.toStdString();
        EXPECT_EQ(fileBytes(aside), bytes) << what;
        EXPECT_EQ(messageText(1), question({"/somewhere/Kept"})) << what;
        EXPECT_TRUE(copies().isEmpty()) << what;
        ASSERT_TRUE(QFile::remove(aside));
    }
}

TEST_F(Recovery, FoldersAndCopiesAreTheOwnersAloneWhateverTheUmask) {
    struct Case {
        mode_t umask;
        int rootBefore;  // the modes of a root folder that is already there, or -1
    };
    for (const Case c : {Case{0000, -1}, Case{0022, -1}, Case{0777, -1}, Case{0022, 0755}}) {
        const std::string what = "umask " + std::to_string(c.umask);
        const QString root = dir.filePath(QString("root-%1-%2").arg(c.umask).arg(c.rootBefore));
        if (c.rootBefore >= 0) {
            ASSERT_TRUE(QDir().mkdir(root) && ::chmod(qPrintable(root), c.rootBefore) == 0);
        }
        const mode_t before = ::umask(c.umask);
        const auto restore = qScopeGuard([&] { ::umask(before); });
        RecoveryStore store(root);
        ASSERT_TRUE(store.write("1" + RecoveryStore::kCopySuffix, "first").ok()) << what;
        const QString copy = store.sessionPath() + "/1" + RecoveryStore::kCopySuffix;
        // A copy that an older Tavrin wrote with wider modes is narrowed by the next write.
        ASSERT_EQ(::chmod(qPrintable(copy), 0644), 0);
        ASSERT_TRUE(store.write("1" + RecoveryStore::kCopySuffix, "second").ok()) << what;
        EXPECT_EQ(modeOf(root), 0700) << what;
        EXPECT_EQ(modeOf(store.sessionPath()), 0700) << what;
        EXPECT_EQ(modeOf(copy), 0600) << what;
        EXPECT_EQ(modeOf(store.sessionPath() + "/lock"), 0600) << what;
        EXPECT_EQ(fileBytes(copy), "second") << what;
    }
}

TEST_F(Recovery, ALinkWhereTheFolderOrACopyShouldBeIsRefusedNotFollowed) {
    const QString elsewhere = dir.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkdir(elsewhere) && putFile(elsewhere + "/secret", "untouched"));
    const QString name = "1" + RecoveryStore::kCopySuffix;
    struct Case {
        const char* what;
        // Plants a link into the store's path; returns the expected message.
        std::function<QString(RecoveryStore&)> plant;
    };
    const Case cases[] = {
        {"the recovery folder",
         [&](RecoveryStore& store) {
             EXPECT_TRUE(QFile::link(elsewhere, store.root()));
             return "Cannot keep recovery copies in " + store.root() + kLinkRefused;
         }},
        {"a copy",
         [&](RecoveryStore& store) {
             EXPECT_TRUE(store.write(name, "copy").ok());
             const QString copy = store.sessionPath() + "/" + name;
             EXPECT_TRUE(QFile::remove(copy) && QFile::link(elsewhere + "/secret", copy));
             return "Cannot write the recovery copy " + copy + kLinkRefused;
         }},
    };
    for (const Case& c : cases) {
        RecoveryStore store(dir.filePath(QString("store-") + c.what));
        const QString expected = c.plant(store);
        const Status written = store.write(name, "copy");
        EXPECT_EQ(written.message(), expected) << c.what;
        EXPECT_EQ(QDir(elsewhere).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"secret"})
            << c.what;
        EXPECT_EQ(fileBytes(elsewhere + "/secret"), "untouched") << c.what;
    }
}

TEST_F(Recovery, LinksInTheRecoveryFolderAreReportedAndNeverRead) {
    RecoveryState state;
    state.caption = "/elsewhere/Planted";
    const QByteArray planted = encodeRecoveredClass(state, "class Planted\n{\n};", "");
    const QString elsewhere = dir.filePath("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere + "/4242-abcdef") &&
                putFile(elsewhere + "/4242-abcdef/1" + RecoveryStore::kCopySuffix, planted));
    const QString session = recoveryRoot + "/4242-abcdef";
    const QString copy = session + "/1" + RecoveryStore::kCopySuffix;
    struct Case {
        const char* what;
        QString link, target, message;
    };
    const Case cases[] = {
        {"the recovery folder", recoveryRoot, elsewhere,
         "Cannot read the recovery copies in " + recoveryRoot + kLinkRefused},
        {"a program's folder", session, elsewhere + "/4242-abcdef",
         "Cannot read the recovery copies in " + session + kLinkRefused},
        {"a copy", copy, elsewhere + "/4242-abcdef/1" + RecoveryStore::kCopySuffix,
         "The recovery copy " + copy + " is not read" + kLinkRefused + ". It was kept as " +
             recoveryRoot + "/4242-abcdef-1.damaged."},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(c.link).path()));
        ASSERT_TRUE(QFile::link(c.target, c.link)) << c.what;
        platform.messages.clear();
        windows->offerRecovery();
        ASSERT_EQ(platform.messages.size(), 1u) << c.what;
        EXPECT_EQ(messageText(0), c.message) << c.what;
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning) << c.what;
        EXPECT_TRUE(main->documents().isEmpty()) << c.what;
        EXPECT_EQ(fileBytes(elsewhere + "/4242-abcdef/1" + RecoveryStore::kCopySuffix), planted)
            << c.what;
        // What is left is the link alone, wherever it was put; nothing it leads to is touched.
        if (QFileInfo(recoveryRoot).isSymLink()) {
            ASSERT_TRUE(QFile::remove(recoveryRoot));
        } else {
            ASSERT_TRUE(QDir(recoveryRoot).removeRecursively());
        }
    }
}

}  // namespace
}  // namespace tav::testing
