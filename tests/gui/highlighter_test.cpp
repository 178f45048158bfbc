// C++ colouring of the panes: the role of each kind of word, states carried from line to line,
// re-colouring only what an edit touched, and never a change of text or of change state.
#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextLayout>
#include <optional>

#include "app_fixture.h"
#include "counting_highlighter.h"
#include "editor/cpp_highlighter.h"
#include "pane_with_text.h"

namespace tav::testing {
namespace {

using Role = CppHighlighter::Role;

// The role of every character of the first occurrence of piece in a line (all must agree).
std::optional<Role> roleOf(const QTextDocument& document, int line, const QString& piece) {
    const QTextBlock block = document.findBlockByNumber(line);
    const int start = static_cast<int>(block.text().indexOf(piece));
    EXPECT_GE(start, 0) << piece.toStdString();
    std::vector<std::optional<Role>> roles(piece.size());
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
        for (int i = std::max(range.start - start, 0);
             i < std::min<int>(range.start + range.length - start, piece.size()); ++i)
            for (Role role : {Role::Keyword, Role::Type, Role::Comment, Role::Preprocessor,
                              Role::String, Role::Number})
                if (range.format == CppHighlighter::formatOf(role)) roles[i] = role;
    EXPECT_EQ(std::count(roles.begin(), roles.end(), roles[0]), piece.size())
        << piece.toStdString() << " is not coloured alike";
    return roles[0];
}

// Laid out like a pane's document: only a laid-out document reports its edits.
struct PaneDocument : QTextDocument {
    PaneDocument() { setDocumentLayout(new QPlainTextDocumentLayout(this)); }
};

QString repeated(int count, const QString& line) {
    QStringList lines(count, line);
    return lines.join(QLatin1Char('\n'));
}

struct Sample {
    const char* text;
    int line;
    const char* piece;
    std::optional<Role> role;
};

class Colouring : public ::testing::TestWithParam<Sample> {};

TEST_P(Colouring, GivesThePieceItsRole) {
    PaneDocument document;
    CppHighlighter highlighter(&document);
    document.setPlainText(QString::fromUtf8(GetParam().text));
    EXPECT_EQ(roleOf(document, GetParam().line, QString::fromUtf8(GetParam().piece)),
              GetParam().role)
        << GetParam().text;
}

constexpr char kStrings[] =
    R"t(s = "if // no \" x"; c = '\''; t = u8"y"; r = R"(a " // b)"; int z;)t";
INSTANTIATE_TEST_SUITE_P(
    Samples, Colouring,
    ::testing::Values(Sample{"static int n = 42; return n;", 0, "static", Role::Keyword},
                      Sample{"static int n = 42; return n;", 0, "int", Role::Type},
                      Sample{"static int n = 42; return n;", 0, "42", Role::Number},
                      Sample{"static int n = 42; return n;", 0, "n;", std::nullopt},
                      Sample{"interval = returned + int2;", 0, "interval = returned + int2;",
                             std::nullopt},
                      Sample{"a = 0x1F + 1'000 + 1.5e-3f;", 0, "0x1F", Role::Number},
                      Sample{"a = 0x1F + 1'000 + 1.5e-3f;", 0, "1'000", Role::Number},
                      Sample{"a = 0x1F + 1'000 + 1.5e-3f;", 0, "1.5e-3f", Role::Number},
                      Sample{"int a; // return\nint b;", 0, "// return", Role::Comment},
                      Sample{"int a; // return\nint b;", 1, "int", Role::Type},
                      Sample{kStrings, 0, R"t("if // no \" x")t", Role::String},
                      Sample{kStrings, 0, R"t('\'')t", Role::String},
                      Sample{kStrings, 0, R"t(u8"y")t", Role::String},
                      Sample{kStrings, 0, R"t(R"(a " // b)")t", Role::String},
                      Sample{kStrings, 0, "int", Role::Type},
                      Sample{"s = \"open\nint x;", 1, "int", Role::Type},
                      Sample{"#include <map> // m", 0, "#include <map> ", Role::Preprocessor},
                      Sample{"#include <map> // m", 0, "// m", Role::Comment},
                      Sample{" # define A \\\n  int(x)\nint y;", 1, "int(x)", Role::Preprocessor},
                      Sample{" # define A \\\n  int(x)\nint y;", 2, "int", Role::Type},
                      Sample{"/* a\nreturn 1;\nb */ int c;", 1, "return 1;", Role::Comment},
                      Sample{"/* a\nreturn 1;\nb */ int c;", 2, "b */", Role::Comment},
                      Sample{"/* a\nreturn 1;\nb */ int c;", 2, "int", Role::Type},
                      Sample{"// x /* y\nint z;", 1, "int", Role::Type}));

TEST(Highlighter, OpeningAndClosingACommentRecoloursTheLinesBelow) {
    PaneDocument document;
    CppHighlighter highlighter(&document);
    document.setPlainText(repeated(200, "int x;"));
    QTextCursor cursor(&document);
    cursor.insertText("/*");
    EXPECT_EQ(roleOf(document, 199, "int x;"), Role::Comment);
    cursor.deletePreviousChar();
    EXPECT_EQ(roleOf(document, 199, "int"), Role::Type);
}

TEST(Highlighter, TypingInALargeDocumentRecoloursOnlyTheEditedLines) {
    PaneDocument document;
    CountingHighlighter highlighter(&document);
    document.setPlainText(repeated(50000, "    int value = compute(1); // note"));
    EXPECT_LE(highlighter.lines, 50001);  // each line once, and the emptied document's one
    highlighter.lines = 0;
    QTextCursor cursor(document.findBlockByNumber(25000));
    cursor.insertText("x");
    cursor.insertText("\n");
    EXPECT_LE(highlighter.lines, 4);
}

TEST(Highlighter, AttachingToAFilledDocumentColoursItAtOnceWithoutAChange) {
    PaneDocument document;
    document.setPlainText(repeated(1000, "return 0;"));
    document.setModified(false);
    QSignalSpy changed(&document, &QTextDocument::contentsChanged);
    CppHighlighter highlighter(&document);
    EXPECT_EQ(roleOf(document, 999, "return"), Role::Keyword);
    QApplication::processEvents();  // where the base class would colour it again
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(document.isModified());
}

TEST(Highlighter, LargePaneKeepsItsTextAndChangeState) {
    PaneWithText pane;
    const QString text = repeated(50000, "/* c */ int f(char c = '\\n') { return \"s\\t\"[0]; }") +
                         QChar(0x00a0) + QLatin1Char('\t');
    pane.text.setWholeText(text);
    QApplication::processEvents();
    QSignalSpy typed(&pane, &QPlainTextEdit::textChanged);
    const int undoSteps = pane.document()->availableUndoSteps();
    // A pane colours the lines it shows; this one is not shown, so it is coloured on request.
    pane.document()->findChild<CppHighlighter*>()->rehighlightQuietly();
    QApplication::processEvents();
    EXPECT_EQ(roleOf(*pane.document(), 49999, "return"), Role::Keyword);
    EXPECT_EQ(typed.count(), 0);
    EXPECT_EQ(pane.document()->availableUndoSteps(), undoSteps);
    EXPECT_EQ(pane.text.wholeText(), text);
}

using HighlightedClassWindow = AppFixture;

TEST_F(HighlightedClassWindow, ColouringLeavesAnUnchangedDocumentUnchanged) {
    TChildForm* document = newClass("TColoured");
    ASSERT_NE(document, nullptr);
    document->document().source().setWholeText(repeated(50000, "int TColoured::f() { return 1; }"));
    QApplication::processEvents();
    document->document().setModified(false);  // as right after a save
    main->setSaveControlsEnabled(false);
    for (TextPane* pane : {document->HeaderMemo, document->SourceMemo})
        pane->document()->findChild<CppHighlighter*>()->rehighlightQuietly();
    QApplication::processEvents();
    EXPECT_FALSE(document->document().Modified());
    EXPECT_FALSE(main->Save->isEnabled());
    const std::vector<std::string> header = paneLines(document->document().header());
    const auto guard = std::find(header.begin(), header.end(), "#ifndef TCOLOURED_H");
    ASSERT_NE(guard, header.end());
    EXPECT_EQ(roleOf(*document->HeaderMemo->document(), int(guard - header.begin()), "#ifndef"),
              Role::Preprocessor);
}

}  // namespace
}  // namespace tav::testing
