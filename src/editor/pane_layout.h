#pragma once
// The document layout of a text pane: the lines laid out as QPlainTextDocumentLayout lays them
// out, without its two kinds of work that grow with the text.
//
// - When the widest line laid out gets narrower (a character deleted from it), the toolkit's
//   layout looks for the next widest by measuring every line of the document, giving each a
//   text layout object on the way: one keystroke costs time and memory in proportion to the
//   text. Here the document's width stays as wide as the widest line laid out since the text
//   was last replaced; the horizontal scroll range may stay a little wider than needed.
// - A change of the pane's width makes the toolkit lay out every line anew (and give each a
//   layout object). Lines that do not wrap do not depend on the width, so TextPane does not
//   pass width changes on (see TextPane::resizeEvent).
//
// Lines are laid out only when a view asks for their geometry, that is when they are shown. The
// layout is made for panes whose lines do not wrap.
#include <QPlainTextDocumentLayout>

class PaneLayout : public QPlainTextDocumentLayout {
    Q_OBJECT
public:
    explicit PaneLayout(QTextDocument* document);

    // The width the lines are laid out in: the view's, as the toolkit's layout takes it. Lines
    // laid out before keep theirs (lines that do not wrap look the same in any width).
    void setLineWidth(qreal width) { lineWidth_ = width; }

    QSizeF documentSize() const override;
    QRectF frameBoundingRect(QTextFrame* frame) const override;
    QRectF blockBoundingRect(const QTextBlock& block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    // Lays out one line (block) as the toolkit does, and widens the document when it is the
    // widest yet.
    void layoutLine(const QTextBlock& block);

    qreal lineWidth_ = 0;
    qreal width_ = 0;  // of the widest line laid out since the text was last replaced
    int blockCount_ = 1;
};
