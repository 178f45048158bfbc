#pragma once
// A class window's text pane: a non-wrapping plain-text editor whose text is also a line list,
// so that the text rules read and insert whole lines in it directly.
#include <QPlainTextEdit>
#include <optional>
#include <string>

#include "scan/scans.h"
#include "text/codec.h"
#include "text/line_list.h"

class PaneLayout;
class VisibleLinesHighlighter;

class TextPane : public QPlainTextEdit, public tav::LineList {
    Q_OBJECT
public:
    explicit TextPane(QWidget* parent = nullptr);

    // A final line break ends the last line rather than starting an empty one, so a pane whose
    // text is "a\nb\n" holds two lines.
    std::size_t count() const override;
    std::string line(std::size_t index) const override;
    void insert(std::size_t index, const std::string& text) override;
    void append(const std::string& text) override;
    void clear() override;
    void forEachLine(const LineVisitor& visit) const override;
    // The reading copy (textUtf8()), so that a search looks through it in one pass.
    std::optional<std::string_view> joinedText() const override { return textUtf8(); }

    // The whole text with '\n' between lines, exactly as the lines hold it (no-break spaces
    // stay).
    QString wholeText() const;
    std::string wholeTextUtf8() const { return textUtf8(); }
    void setWholeText(const QString& text);
    // The same for a text already in UTF-8, such as a file's; the pane keeps that text as its
    // reading copy, so the first whole-text read after a load costs nothing.
    void setWholeTextUtf8(std::string text);

    // The whole text as UTF-8 with '\n' between lines: a reading copy made at most once per
    // change of the text (a change only marks it stale), so that scans and searches read one
    // piece of memory instead of the document's lines one by one.
    const std::string& textUtf8() const;

    // Selects a text found in the pane (tav::findInLines) and scrolls it into view.
    void select(const tav::TextPosition& found);

    // The encoding a save writes; a loaded file keeps the one it was read with.
    tav::FileEncoding encoding = tav::FileEncoding::Utf8;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Colours the lines about to be painted first: lines are coloured when they are shown.
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QTextBlock blockAt(std::size_t index) const;
    // Keeps text as the reading copy when it is the document's text, line for line.
    void adoptReadingCopy(std::string text);

    PaneLayout* layout_ = nullptr;
    VisibleLinesHighlighter* highlighter_ = nullptr;
    mutable std::string reading_;  // the reading copy, valid while readingCurrent_
    mutable bool readingCurrent_ = false;
};
