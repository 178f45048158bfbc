#pragma once
// A syntax highlighter that colours the lines a view shows and, after an edit, the few lines the
// edit touched, with the protected interface of QSyntaxHighlighter (highlightBlock, setFormat,
// previousBlockState, setCurrentBlockState), so that a line rule written for the one serves the
// other.
//
// QSyntaxHighlighter colours every line a change touches at once, and every line below whose
// starting state changed: loading a 200,000-line file colours all of it, giving each line a
// text layout and a list of formats, and typing "/*" at its top colours it all again. Here the
// work of one change is bounded: the changed lines and the lines below whose starting state
// changed are coloured at once up to kEagerLines lines, and the rest waits until a view shows
// it (colour()). The starting state of a line comes from the end states of the lines above it,
// kept in the blocks' user states; the lines whose end states are known to be right form a
// prefix of the document, which an edit shortens and which grows again as lines are coloured
// or their states carried forward (without formats). A line below an edit whose end state comes
// out as before ends that work: from there on the states it held still hold.
#include <QObject>
#include <QStringView>
#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

class QTextDocument;

class VisibleLinesHighlighter : public QObject {
    Q_OBJECT
public:
    // The most lines one change colours before the rest is left to the views.
    static constexpr int kEagerLines = 1000;

    // Attaches to document and becomes its child.
    explicit VisibleLinesHighlighter(QTextDocument* document);

    QTextDocument* document() const { return document_; }

    // Colours the lines first to last (first not below last), as a view does before it paints
    // them; the states of the lines above first are carried forward as needed.
    void colour(const QTextBlock& first, const QTextBlock& last);

    // Colours every line now. Sends no change notification of the document.
    void rehighlight();

    // Takes the lines' states from text, the document's whole text with '\n' between lines as
    // it was just set (a file's text right after loading), faster than line by line through
    // the document. Does nothing when text is not the document's text line for line.
    void takeStatesFrom(QStringView text);

protected:
    // Colours one line: text is the line, the state the line above ended in is
    // previousBlockState() (-1 for the first line), and the line's own end state is set with
    // setCurrentBlockState().
    virtual void highlightBlock(const QString& text) = 0;
    void setFormat(int start, int count, const QTextCharFormat& format);
    int previousBlockState() const { return previousState_; }
    void setCurrentBlockState(int state) { currentState_ = state; }

private:
    void contentsChanged(int position, int removed, int added);
    // Makes the end states of the lines before line number known.
    void knowStatesBefore(int number);
    // Colours from block (whose number is number, with every line above it known) through
    // lastNumber, and on past it while the lines' starting states changed, limit lines at most.
    void colourRun(QTextBlock block, int number, int lastNumber, int limit);
    // Records that line number, whose stored end state was stored, now ends in state.
    void learn(QTextBlock& block, int number, int stored, int state);
    // Runs the rule on one line and returns its end state; with formats, collects them.
    int run(const QString& text, int previousState, bool withFormats);
    // Gives block the formats collected by the last run, when they differ from its own.
    void applyFormats(const QTextBlock& block);

    QTextDocument* document_;
    int blockCount_ = 1;
    // Lines [0, known_) hold their right end states.
    int known_ = 0;
    // After edits: the lines after lastEdited_ and before consistentEnd_ were not edited, and
    // each holds the end state it had from the state stored in the line above it.
    int consistentEnd_ = 0;
    int lastEdited_ = -1;
    // Whether the stored state of line known_ may not follow from the state of the line above
    // it (that state changed after the line's own was worked out).
    bool boundaryChanged_ = false;

    // The line being run.
    int previousState_ = -1;
    int currentState_ = -1;
    bool collecting_ = false;
    std::vector<int> formatIndex_;  // per character: an index into formats_, or -1
    std::vector<QTextCharFormat> formats_;
};
