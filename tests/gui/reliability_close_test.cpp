// Nothing is lost on the way out: every way a class window or the program closes either saves
// the class, or asks, or keeps the window open with its text.
#include <QMenu>
#include <QTest>
#include <QWindow>
#include <functional>

#include "app_fixture.h"
#include "reliability_support.h"

namespace tav::testing {
namespace {

struct ClosePath {
    const char* what;
    std::function<void(TTavMainForm& main, TChildForm& doc)> run;
    bool asksExit;  // the program's exit: "Exit! Really?" comes first
};

QAction* systemMenuClose(TChildForm& doc) {
    for (QAction* action : doc.systemMenu()->actions()) {
        if (action->text() == QStringLiteral("&Close")) return action;
    }
    return nullptr;
}

std::vector<ClosePath> closePaths() {
    return {
        {"the class window's close box",
         [](TTavMainForm&, TChildForm& doc) {
             QAction* close = systemMenuClose(doc);
             ASSERT_NE(close, nullptr);
             close->trigger();
         },
         false},
        {"Exit in the File menu", [](TTavMainForm& main, TChildForm&) { main.Exit1->trigger(); },
         true},
        {"Ctrl+X in a pane",
         [](TTavMainForm& main, TChildForm& doc) {
             main.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
             doc.SourceMemo->setFocus();
             QTest::keyClick(doc.SourceMemo, Qt::Key_X, Qt::ControlModifier);
         },
         true},
        {"Ctrl+X in the function box's edit field",
         [](TTavMainForm& main, TChildForm&) {
             main.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
             main.FunctionsCombo->lineEdit()->setFocus();
             QTest::keyClick(main.FunctionsCombo->lineEdit(), Qt::Key_X, Qt::ControlModifier);
         },
         true},
        // What the window system does when its close box is clicked.
        {"the main window's close box",
         [](TTavMainForm& main, TChildForm&) { main.windowHandle()->close(); }, true},
    };
}

// How the class window's question is answered, and what follows.
enum class Answer { Unchanged, Yes, No, Cancel, YesButTheSaveFails, YesWithoutAClass };

struct AnswerCase {
    const char* what;
    Answer answer;
    bool staysOpen;
};

const std::vector<AnswerCase> kAnswers = {
    {"an unchanged window", Answer::Unchanged, false},
    {"Yes", Answer::Yes, false},
    {"No", Answer::No, false},
    {"Cancel", Answer::Cancel, true},
    {"Yes, but the save fails", Answer::YesButTheSaveFails, true},
    {"Yes on a window without a class", Answer::YesWithoutAClass, true},
};

MessageAnswer scripted(Answer answer) {
    switch (answer) {
        case Answer::No:
            return MessageAnswer::No;
        case Answer::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Yes;
    }
}

class NothingLost : public AppFixture {
protected:
    // A fresh main window state for the next case: no class window, the window shown.
    void reset() {
        for (TChildForm* doc : main->documents()) {
            doc->document().setModified(false);
            doc->close();
        }
        settle();
        main->show();
        platform.messages.clear();
        platform.answers.clear();
    }

    TChildForm* documentFor(Answer answer, const QString& caseDir) {
        if (answer == Answer::YesWithoutAClass) {
            TChildForm* doc = main->createDocument();
            doc->HeaderMemo->setPlainText("typed before any class");
            return doc;
        }
        TChildForm* doc = newClass("Kept", true, caseDir);
        doc->SourceMemo->appendPlainText("// typed");
        if (answer == Answer::Unchanged) doc->SaveClass();
        if (answer == Answer::YesButTheSaveFails)
            doc->document().setClassDir(doc->document().ClassDir() + QStringLiteral("missing") +
                                        QDir::separator());
        platform.messages.clear();
        return doc;
    }

    bool wasAsked(const QString& className) const {
        for (const RecordedMessage& m : platform.messages) {
            if (m.text == "Save changes in " + className + " ?") return true;
        }
        return false;
    }
};

TEST_F(NothingLost, EveryWayOutSavesAsksOrKeepsTheWindow) {
    int n = 0;
    for (const ClosePath& path : closePaths()) {
        for (const AnswerCase& answer : kAnswers) {
            const std::string what = std::string(path.what) + ", " + answer.what;
            reset();
            const QString caseDir = QDir(dir.path()).filePath(QString::number(++n));
            ASSERT_TRUE(QDir().mkdir(caseDir));
            TChildForm* doc = documentFor(answer.answer, caseDir);
            const DocumentState before = DocumentState::of(*doc);
            const QString headerPath =
                doc->document().ClassDir() + doc->document().ClassName() + ".h";
            const QString sourcePath =
                doc->document().ClassDir() + doc->document().ClassName() + ".cpp";
            const std::optional<QByteArray> header = paneBytes(doc->document().header());
            const std::optional<QByteArray> source = paneBytes(doc->document().source());
            if (path.asksExit) platform.answers.push_back(MessageAnswer::Yes);
            platform.answers.push_back(scripted(answer.answer));
            const QPointer<TChildForm> watched(doc);

            path.run(*main, *doc);
            settle();

            const bool changed = answer.answer != Answer::Unchanged;
            EXPECT_EQ(wasAsked(before.className), changed) << what;
            if (answer.staysOpen) {
                ASSERT_FALSE(watched.isNull()) << what << ": the window closed";
                EXPECT_EQ(DocumentState::of(*doc), before) << what;
                // The program does not end over a window that stayed open.
                EXPECT_TRUE(main->isVisible()) << what;
            } else {
                EXPECT_TRUE(watched.isNull()) << what << ": the window stayed";
                EXPECT_EQ(main->isVisible(), !path.asksExit) << what;
                // Closed: saved, or the user said No.
                if (answer.answer != Answer::No) {
                    EXPECT_EQ(fileBytes(headerPath), header) << what;
                    EXPECT_EQ(fileBytes(sourcePath), source) << what;
                }
            }
        }
    }
}

TEST_F(NothingLost, NoAtTheExitQuestionClosesNothing) {
    for (const ClosePath& path : closePaths()) {
        if (!path.asksExit) continue;
        reset();
        TChildForm* doc = newClass("Kept");
        const DocumentState before = DocumentState::of(*doc);
        platform.messages.clear();
        platform.answers = {MessageAnswer::No};
        path.run(*main, *doc);
        settle();
        ASSERT_EQ(platform.messages.size(), 1u) << path.what;
        EXPECT_EQ(messageText(0), "Exit! Really?") << path.what;
        ASSERT_TRUE(main->documents().contains(doc)) << path.what;
        EXPECT_EQ(DocumentState::of(*doc), before) << path.what;
        EXPECT_TRUE(main->isVisible()) << path.what;
    }
}

// With several windows, the exit saves or closes those it may and stops at the first one that
// has to stay; the ones after it are not asked and keep their text.
TEST_F(NothingLost, AnExitStopsAtAFailedSaveAndKeepsTheRest) {
    TChildForm* saved = newClass("Saved");
    TChildForm* dropped = newClass("Dropped");
    TChildForm* failing = newClass("Failing");
    failing->document().setClassDir(failing->document().ClassDir() + QStringLiteral("missing") +
                                    QDir::separator());
    TChildForm* after = newClass("After");
    DocumentState failingBefore = DocumentState::of(*failing);
    DocumentState afterBefore = DocumentState::of(*after);
    // Save and its tool button are one state for all windows: the save of "Saved" switches them
    // off, though the windows left have changes.
    failingBefore.saveEnabled = afterBefore.saveEnabled = false;
    failingBefore.saveButtonEnabled = afterBefore.saveButtonEnabled = false;
    const std::optional<QByteArray> savedHeader = paneBytes(saved->document().header());
    platform.messages.clear();
    // Exit: Yes; Saved: Yes, then its confirmation; Dropped: No; Failing: Yes, then its error.
    platform.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Ok,
                        MessageAnswer::No,  MessageAnswer::Yes, MessageAnswer::Ok};

    main->Exit1->trigger();
    settle();

    QStringList left;
    for (TChildForm* doc : main->documents()) left << doc->document().ClassName();
    EXPECT_EQ(left, (QStringList{"Failing", "After"}));
    EXPECT_EQ(fileBytes(dir.path() + "/Saved.h"), savedHeader);
    EXPECT_FALSE(fileBytes(dir.path() + "/Dropped.h"));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(DocumentState::of(*failing), failingBefore);
    EXPECT_EQ(DocumentState::of(*after), afterBefore);
    EXPECT_FALSE(wasAsked("After"));
    (void)dropped;
}

}  // namespace
}  // namespace tav::testing
