// Unsaved work survives the program's end: the class windows keep recovery copies, which the next
// start offers when their program is gone; a save, a close without saving and a clean exit remove
// them, and a damaged copy is reported and set aside.
#include <signal.h>

#include <QDirIterator>
#include <QPointer>
#include <QProcess>
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
            doc->document().NewClass({ClassKind::Normal, name.toStdString(),
                                      QDir::toNativeSeparators(dir.path()).toStdString()});
            doc->HeaderMemo->setPlainText("class " + name + "\n{\n};");
            ASSERT_TRUE(doc->document().keepRecoveryCopy().ok());
        }
    }

    QString question(const QStringList& captions) const {
        return "Tavrin ended without saving these classes:\n\n" + captions.join('\n') +
               "\n\nRestore them? No discards their unsaved changes.";
    }
};

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

}  // namespace
}  // namespace tav::testing
