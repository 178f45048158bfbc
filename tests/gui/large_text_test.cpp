// Large texts in a pane: reading and searching through the pane's reading copy, colouring only
// what is shown or near an edit, and laying out only the lines that are shown.
#include <QApplication>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
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

QString lines(int count, const QString& line) {
    return QStringList(count, line).join(QLatin1Char('\n'));
}

// The role of the character at column in line, or nullopt when it has no colour.
std::optional<Role> roleAt(const QTextDocument& document, int line, int column) {
    const QTextBlock block = document.findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (column < range.start || column >= range.start + range.length) continue;
        for (Role role : {Role::Keyword, Role::Type, Role::Comment, Role::Preprocessor,
                          Role::String, Role::Number})
            if (range.format == CppHighlighter::formatOf(role)) return role;
    }
    return std::nullopt;
}

// Where QTextDocument's own case-sensitive search finds text, from the start: its first and
// last position.
std::optional<std::pair<int, int>> documentFind(const QTextDocument& document,
                                                const QString& text) {
    const QTextCursor found = document.find(text, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull()) return std::nullopt;
    return std::pair{found.selectionStart(), found.selectionEnd()};
}

// Where the function navigation finds text in the pane (the search over its reading copy, then
// the pane's selection of what it found).
std::optional<std::pair<int, int>> paneFind(PaneWithText& pane, const QString& text) {
    const std::optional<TextPosition> found = findInLines(pane.text, text.toStdString());
    if (!found) return std::nullopt;
    pane.select(*found);
    return std::pair{pane.textCursor().selectionStart(), pane.textCursor().selectionEnd()};
}

// ---- Reading and searching ---------------------------------------------------------------------

TEST(PaneReading, FindsWhatTheDocumentFindsWithWideCharactersBefore) {
    PaneWithText pane;
    const QString text = QString::fromUtf8(
        "// \u00e9t\u00e9 \xF0\x9D\x84\x9E clef\n\nint Foo::f() {}\n\u00e9 Foo::g()\nFoo::f()");
    for (const bool loaded : {true, false}) {
        if (loaded)
            pane.text.setWholeTextUtf8(text.toStdString());
        else
            pane.text.setWholeText(text);
        for (const char* wanted : {"Foo::f()", "Foo::g()", "clef", "\u00e9t", "//"}) {
            const QString needle = QString::fromUtf8(wanted);
            EXPECT_EQ(paneFind(pane, needle), documentFind(*pane.document(), needle)) << wanted;
        }
    }
}

TEST(PaneReading, FindsWhatTheDocumentFindsAfterManyLinesOfWideCharacters) {
    // Long enough for the counting of the lines above the found one to take its widest steps.
    PaneWithText pane;
    const QString line = QString::fromUtf8("\u00e9\xF0\x9D\x84\x9E ab \u20ac");
    pane.text.setWholeTextUtf8(
        (lines(997, line) + QString::fromUtf8("\n\u00e9 Foo::f()\nFoo::g()")).toStdString());
    for (const char* wanted : {"Foo::f()", "Foo::g()", "ab \u20ac"}) {
        const QString needle = QString::fromUtf8(wanted);
        EXPECT_EQ(paneFind(pane, needle), documentFind(*pane.document(), needle)) << wanted;
    }
    const std::optional<TextPosition> found = findInLines(pane.text, "Foo::f()");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->line, 997u);
    EXPECT_EQ(found->offset, 997u * (7 + 2) + 2);  // 7 characters and CR LF a line, then "é "
}

TEST(PaneReading, ATextAcrossALineBreakOrEmptyIsNotFound) {
    PaneWithText pane;
    pane.text.setWholeTextUtf8("abc\ndef\n");
    EXPECT_FALSE(paneFind(pane, "c\nd").has_value());
    EXPECT_FALSE(paneFind(pane, QString(QChar::ParagraphSeparator)).has_value());
    EXPECT_FALSE(paneFind(pane, QString()).has_value());
    EXPECT_FALSE(paneFind(pane, "xyz").has_value());
    EXPECT_EQ(paneFind(pane, "def"), std::pair(4, 7));
}

TEST(PaneReading, AnEditMakesTheReadingCopyFollowTheText) {
    PaneWithText pane;
    pane.text.setWholeTextUtf8("one\ntwo\nneedle\n");
    EXPECT_EQ(paneFind(pane, "needle"), std::pair(8, 14));
    EXPECT_EQ(pane.text.textUtf8(), "one\ntwo\nneedle\n");

    QTextCursor cursor(pane.document());
    cursor.insertText("needle ");
    EXPECT_EQ(paneFind(pane, "needle"), std::pair(0, 6));
    EXPECT_EQ(pane.text.textUtf8(), "needle one\ntwo\nneedle\n");
    pane.document()->undo();
    EXPECT_EQ(paneFind(pane, "needle"), std::pair(8, 14));
}

TEST(PaneReading, WalksTheSameLinesWithAndWithoutAReadingCopy) {
    for (const char* text : {"a\nb\n", "a\n\n", "", "\n", "x", "a\n\u00e9\tb\nlast"}) {
        PaneWithText pane;
        pane.text.setWholeTextUtf8(text);
        std::vector<std::string> byIndex;
        for (std::size_t i = 0; i < pane.text.count(); ++i) byIndex.push_back(pane.text.line(i));
        std::vector<std::string> walked;
        pane.text.forEachLine([&](std::string_view line) {
            walked.emplace_back(line);
            return true;
        });
        EXPECT_EQ(walked, byIndex) << "reading copy: " << text;

        pane.text.insert(0,
                         "first");  // a change: lines are read block by block until the next copy
        byIndex.insert(byIndex.begin(), "first");
        walked.clear();
        pane.text.forEachLine([&](std::string_view line) {
            walked.emplace_back(line);
            return walked.size() < 2;  // stops after the second line
        });
        byIndex.resize(std::min<std::size_t>(byIndex.size(), 2));
        EXPECT_EQ(walked, byIndex) << "blocks: " << text;
    }
}

// ---- Colouring ---------------------------------------------------------------------------------

// Laid out like a pane's document, and counting the lines it runs the rule on.
struct CountedDocument {
    CountedDocument() { document.setDocumentLayout(new QPlainTextDocumentLayout(&document)); }

    QTextDocument document;
    CountingHighlighter highlighter{&document};
};

QTextBlock block(const QTextDocument& document, int number) {
    return document.findBlockByNumber(number);
}

TEST(VisibleColouring, ALoadedTextIsColouredWhereItIsShownWithTheStatesOfTheLinesAbove) {
    CountedDocument counted;
    QTextDocument& document = counted.document;
    const QString text = "/* opened\n" + lines(30000, "int x;") + "\n*/\n" + lines(30000, "int y;");
    document.setPlainText(text);
    counted.highlighter.takeStatesFrom(text);
    // A change colours at once no more than its bounded share of lines.
    EXPECT_EQ(roleAt(document, 10, 0), Role::Comment);
    EXPECT_FALSE(roleAt(document, 20000, 0).has_value());

    counted.highlighter.lines = 0;
    counted.highlighter.colour(block(document, 20000), block(document, 20010));
    EXPECT_EQ(roleAt(document, 20005, 0), Role::Comment);
    counted.highlighter.colour(block(document, 50000), block(document, 50010));
    EXPECT_EQ(roleAt(document, 50005, 0), Role::Type);
    EXPECT_EQ(counted.highlighter.lines, 22);  // the lines shown, and nothing above them
}

TEST(VisibleColouring, AnEditFarAboveIsCarriedDownWhenTheLinesAreShown) {
    CountedDocument counted;
    QTextDocument& document = counted.document;
    const QString text = lines(50000, "int x;");
    document.setPlainText(text);
    counted.highlighter.takeStatesFrom(text);

    QTextCursor(&document).insertText("/*");
    EXPECT_EQ(roleAt(document, VisibleLinesHighlighter::kEagerLines - 1, 0), Role::Comment);
    counted.highlighter.colour(block(document, 40000), block(document, 40000));
    EXPECT_EQ(roleAt(document, 40000, 0), Role::Comment);

    // Closing it again: the lines below end as they did before the comment, so their states
    // hold again as soon as the edited line's end state is known.
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, 2);
    cursor.removeSelectedText();
    counted.highlighter.colour(block(document, 45000), block(document, 45000));
    counted.highlighter.lines = 0;
    QTextCursor(block(document, 10)).insertText("x");
    counted.highlighter.colour(block(document, 49990), block(document, 49990));
    EXPECT_LE(counted.highlighter.lines, 4);
    EXPECT_EQ(roleAt(document, 49990, 0), Role::Type);
}

TEST(VisibleColouring, APaneColoursTheLinesItPaints) {
    PaneWithText pane;
    pane.resize(400, 200);
    pane.text.setWholeText("/*\n" + lines(20000, "int x;") + "\n*/\n" + lines(100, "int y;"));
    pane.show();
    QApplication::processEvents();
    EXPECT_EQ(roleAt(*pane.document(), 1, 0), Role::Comment);

    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
    pane.viewport()->repaint();
    const int last = pane.document()->blockCount() - 1;
    EXPECT_EQ(roleAt(*pane.document(), last, 0), Role::Type);
    EXPECT_FALSE(roleAt(*pane.document(), 10000, 0).has_value());  // never shown
}

// ---- Layout ------------------------------------------------------------------------------------

TEST(PaneLayout, LinesTakeTheToolkitsGeometry) {
    const QString text = "short\n" + QString(300, QLatin1Char('w')) + "\n\tindented\n";
    PaneWithText pane;
    QPlainTextEdit plain;
    plain.setLineWrapMode(QPlainTextEdit::NoWrap);
    plain.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    plain.setFont(pane.font());
    for (QPlainTextEdit* edit : std::initializer_list<QPlainTextEdit*>{&pane, &plain}) {
        edit->resize(300, 200);
        edit->setPlainText(text);
        edit->show();
    }
    QApplication::processEvents();
    auto* paneLayout = pane.document()->documentLayout();
    auto* plainLayout = plain.document()->documentLayout();
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(paneLayout->blockBoundingRect(block(*pane.document(), i)),
                  plainLayout->blockBoundingRect(block(*plain.document(), i)))
            << "line " << i;
    }
    EXPECT_EQ(paneLayout->documentSize(), plainLayout->documentSize());
    EXPECT_EQ(pane.horizontalScrollBar()->maximum(), plain.horizontalScrollBar()->maximum());
}

TEST(PaneLayout, ANarrowerWidestLineKeepsTheWidthAndAWidthChangeKeepsTheLines) {
    PaneWithText pane;
    pane.resize(300, 200);
    pane.text.setWholeText(lines(2000, "int value = 1;") + "\n" + QString(200, QLatin1Char('w')));
    pane.show();
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
    QApplication::processEvents();
    const qreal width = pane.document()->documentLayout()->documentSize().width();

    QTextCursor cursor(pane.document()->lastBlock());
    cursor.deleteChar();
    QApplication::processEvents();
    EXPECT_EQ(pane.document()->documentLayout()->documentSize().width(), width);

    // No new width reaches the lines: the ones shown keep their layout.
    const QTextBlock shown = pane.cursorForPosition(QPoint(1, 1)).block();
    ASSERT_GT(shown.layout()->lineCount(), 0);
    pane.resize(500, 200);
    EXPECT_GT(shown.layout()->lineCount(), 0);
    EXPECT_EQ(pane.horizontalScrollBar()->maximum(), int(width) - pane.viewport()->width());
}

}  // namespace
}  // namespace tav::testing
