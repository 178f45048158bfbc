#pragma once
// A class window's text pane: a non-wrapping plain-text editor of C++ that lays out and colours
// only the lines it shows.
#include <QPlainTextEdit>

#include "scan/scans.h"

class PaneLayout;
class VisibleLinesHighlighter;

class TextPane : public QPlainTextEdit {
    Q_OBJECT
public:
    // shown: the document the pane shows and edits, owned elsewhere (a class file's text);
    // without one the pane makes its own.
    explicit TextPane(QTextDocument* shown = nullptr, QWidget* parent = nullptr);

    // The shown document's whole text was replaced: colours it from the start and puts the
    // cursor at its beginning, as a newly loaded text.
    void textReplaced(const QString& text);
    // Before the shown text is replaced: the cursor stays at the start rather than follow the
    // new text to its end, where placing it would lay out the whole last line.
    void keepCursorAtStart();

    // Selects a text found in the pane (tav::findInLines) and scrolls it into view.
    void select(const tav::TextPosition& found);

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
    PaneLayout* layout_ = nullptr;
    VisibleLinesHighlighter* highlighter_ = nullptr;
};
