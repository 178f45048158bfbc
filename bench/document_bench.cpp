// What a user does in a class window, timed on the large pair and, side by side, on a small
// class or on the toolkit's own panes. Every timed step ends with the event loop's pending work
// (layout, colouring, painting), so that nothing left for later escapes the figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>

#include "app/tav_main_form.h"
#include "bench_support.h"
#include "dialogs/dialogs.h"
#include "editor/text_pane.h"
#include "platform/scripted_platform.h"
#include "window/child_form.h"

namespace tavbench {
namespace {

constexpr std::size_t kLargeFunctions = kLargeSourceLines / 10;

// Which of the workspace's kept documents a benchmark works on.
using Document = TChildForm* (Workspace::*)();

// ---- Open ---------------------------------------------------------------------------------------

void openTavrin(benchmark::State& state, const char* figure) {
    Workspace& ws = workspace();
    for (auto _ : state) {
        TChildForm* document = ws.prepareOpen(largePair());
        const Clock::time_point start = Clock::now();
        if (document->OpenClass()) ws.main().opened(*document);
        settle();
        sample(state, figure, secondsSince(start));
        const bool complete =
            document->document().FunctionList().size() == kLargeFunctions &&
            document->document().source().count() == std::size_t{kLargeSourceLines} &&
            document->document().ClassName() == QLatin1String(kLargeClassName);
        ws.close(document);
        if (!complete) {
            state.SkipWithError("the large pair was not opened whole");
            break;
        }
    }
}

void openBarePanes(benchmark::State& state, const char* figure) {
    const ClassPair& pair = largePair();
    BarePanes panes;
    settle();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        panes.load(pair.headerPath, pair.sourcePath);
        settle();
        sample(state, figure, secondsSince(start));
        panes.clear();
        settle();
    }
}

// ---- Insert a data member ----------------------------------------------------------------------

int scriptDataMember(QDialog* shown) {
    auto* dialog = static_cast<TInputDataDlg*>(shown);
    dialog->Private->setChecked(true);
    dialog->Type->setEditText(QStringLiteral("int"));
    dialog->Name->setText(QStringLiteral("benchMember"));
    return tav::ModalOk;
}

void insertMember(benchmark::State& state, const char* figure, Document which) {
    Workspace& ws = workspace();
    TChildForm* document = (ws.*which)();
    ws.bringToFront(document);
    const std::size_t lines = document->document().header().count();
    const std::size_t data = document->document().DataList().size();
    for (auto _ : state) {
        ws.platform().modalScripts.push_back(scriptDataMember);
        const Clock::time_point start = Clock::now();
        ws.main().AddDataMember1Click();
        settle();
        sample(state, figure, secondsSince(start));
        const bool inserted = document->document().header().count() == lines + 1;
        // One undo takes the line and the list entry back.
        document->HeaderMemo->document()->undo();
        settle();
        if (!inserted || document->document().header().count() != lines ||
            document->document().DataList().size() != data) {
            state.SkipWithError("the member was not inserted as one line");
            break;
        }
    }
}

// ---- Add a member function ---------------------------------------------------------------------

int scriptFunction(QDialog* shown) {
    auto* dialog = static_cast<TInputFunctionDlg*>(shown);
    dialog->Public->setChecked(true);
    dialog->Virtual->setChecked(false);
    dialog->PureVirtual->setChecked(false);
    dialog->Type->setEditText(QStringLiteral("void"));
    dialog->Name->setText(QStringLiteral("BenchFunction"));
    dialog->Arguments->setEditText(QStringLiteral("(int a)"));
    return tav::ModalOk;
}

void appendFunction(benchmark::State& state, const char* figure, Document which) {
    Workspace& ws = workspace();
    TChildForm* document = (ws.*which)();
    ws.bringToFront(document);
    const std::size_t headerLines = document->document().header().count();
    const std::size_t sourceLines = document->document().source().count();
    const std::size_t functions = document->document().FunctionList().size();
    for (auto _ : state) {
        ws.platform().modalScripts.push_back(scriptFunction);
        const Clock::time_point start = Clock::now();
        ws.main().AddMemberFunction1Click();
        settle();
        sample(state, figure, secondsSince(start));
        const bool added = document->document().header().count() == headerLines + 1 &&
                           document->document().source().count() == sourceLines + 10;
        // One undo takes back the line, the block and the list entry.
        document->HeaderMemo->document()->undo();
        settle();
        if (!added || document->document().source().count() != sourceLines ||
            document->document().FunctionList().size() != functions) {
            state.SkipWithError("the function was not added as one line and one block");
            break;
        }
    }
}

// ---- Type a character --------------------------------------------------------------------------

void sendKey(QWidget* widget, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void keystroke(benchmark::State& state, const char* figure, Document which) {
    Workspace& ws = workspace();
    TChildForm* document = (ws.*which)();
    ws.bringToFront(document);
    TextPane* pane = document->SourceMemo;
    // Typed after an insertion, which stays the step before the typing in both panes' history.
    ws.platform().modalScripts.push_back(scriptDataMember);
    ws.main().AddDataMember1Click();
    pane->setFocus();
    // Into the indentation of the first body line of the function in the middle of the
    // source: the same line in the large and in the small source.
    const int middle = static_cast<int>(document->document().source().count() / 20) * 10 + 2;
    QTextCursor cursor(pane->document()->findBlockByNumber(middle));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
    pane->setTextCursor(cursor);
    pane->centerCursor();
    settle();
    const QString before = pane->document()->findBlockByNumber(middle).text();
    // A character typed and taken back again: two keystrokes, each with the change handler,
    // the colouring and the painting it causes. The figure is the time of one.
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        sendKey(pane, Qt::Key_X, QStringLiteral("x"));
        settle();
        const bool typed = pane->document()->findBlockByNumber(middle).text() != before;
        sendKey(pane, Qt::Key_Backspace, QString());
        settle();
        sample(state, figure, secondsSince(start) / 2);
        if (!typed || pane->document()->findBlockByNumber(middle).text() != before) {
            state.SkipWithError("the keystroke did not reach the pane");
            break;
        }
    }
}

// ---- Select the last function ------------------------------------------------------------------

void selectLastTavrin(benchmark::State& state, const char* figure) {
    Workspace& ws = workspace();
    TChildForm* document = ws.largeDocument();
    ws.bringToFront(document);
    const QString entry = QString::fromStdString(document->document().FunctionList().back());
    if (entry.toStdString() != largePair().lastFunction) {
        state.SkipWithError("the last entry is not the source's last function");
        return;
    }
    for (auto _ : state) {
        document->SourceMemo->moveCursor(QTextCursor::Start);
        settle();
        const Clock::time_point start = Clock::now();
        document->SelectFunctionInSource(entry);
        settle();
        sample(state, figure, secondsSince(start));
        if (document->SourceMemo->textCursor().selectedText() != entry) {
            state.SkipWithError("the entry was not selected");
            break;
        }
    }
}

void selectLastFind(benchmark::State& state, const char* figure) {
    const ClassPair& pair = largePair();
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        std::size_t at = pair.sourceBytes.find(pair.lastFunction);
        benchmark::DoNotOptimize(at);
        sample(state, figure, secondsSince(start));
        if (at == std::string::npos) {
            state.SkipWithError("the last function is not in the file");
            break;
        }
    }
}

using benchmark::kMicrosecond;
using benchmark::kMillisecond;

benchmark::internal::Benchmark* add(const char* figure, void (*run)(benchmark::State&, const char*),
                                    benchmark::TimeUnit unit) {
    return benchmark::RegisterBenchmark(figure, run, figure)->UseManualTime()->Unit(unit);
}

benchmark::internal::Benchmark* add(const char* figure,
                                    void (*run)(benchmark::State&, const char*, Document),
                                    Document which) {
    return benchmark::RegisterBenchmark(figure, run, figure, which)
        ->UseManualTime()
        ->Unit(kMicrosecond);
}

// In the order they run: each pair of a ratio side by side.
[[maybe_unused]] const bool registered = [] {
    add("open/tavrin", openTavrin, kMillisecond)->MinTime(3.0);
    add("open/bare_panes", openBarePanes, kMillisecond)->MinTime(3.0);
    add("insert_member/large_header", insertMember, &Workspace::largeDocument);
    add("insert_member/small_header", insertMember, &Workspace::smallDocument);
    add("append_function/large_pair", appendFunction, &Workspace::largeDocument);
    add("append_function/skeleton", appendFunction, &Workspace::skeletonDocument);
    add("keystroke/large_source", keystroke, &Workspace::largeDocument);
    add("keystroke/small_source", keystroke, &Workspace::smallDocument);
    add("select_last/tavrin", selectLastTavrin, kMillisecond);
    add("select_last/string_find", selectLastFind, kMillisecond);
    return true;
}();

}  // namespace
}  // namespace tavbench
