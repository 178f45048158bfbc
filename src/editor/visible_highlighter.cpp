#include "editor/visible_highlighter.h"

#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <climits>

VisibleLinesHighlighter::VisibleLinesHighlighter(QTextDocument* document)
    : QObject(document), document_(document), blockCount_(document->blockCount()) {
    connect(document_, &QTextDocument::contentsChange, this,
            &VisibleLinesHighlighter::contentsChanged);
}

void VisibleLinesHighlighter::setFormat(int start, int count, const QTextCharFormat& format) {
    if (!collecting_) return;
    const int size = static_cast<int>(formatIndex_.size());
    start = std::max(start, 0);
    const int end = std::min(size, start + std::max(count, 0));
    if (start >= end) return;
    auto known = std::find(formats_.begin(), formats_.end(), format);
    if (known == formats_.end()) known = formats_.insert(formats_.end(), format);
    std::fill(formatIndex_.begin() + start, formatIndex_.begin() + end,
              static_cast<int>(known - formats_.begin()));
}

int VisibleLinesHighlighter::run(const QString& text, int previousState, bool withFormats) {
    previousState_ = previousState;
    currentState_ = -1;
    collecting_ = withFormats;
    if (withFormats) {
        formatIndex_.assign(static_cast<std::size_t>(text.size()), -1);
        formats_.clear();
    }
    highlightBlock(text);
    collecting_ = false;
    return currentState_;
}

void VisibleLinesHighlighter::applyFormats(const QTextBlock& block) {
    QList<QTextLayout::FormatRange> ranges;
    const int size = static_cast<int>(formatIndex_.size());
    for (int i = 0; i < size;) {
        const int format = formatIndex_[static_cast<std::size_t>(i)];
        int end = i + 1;
        while (end < size && formatIndex_[static_cast<std::size_t>(end)] == format) ++end;
        if (format >= 0) ranges.append({i, end - i, formats_[static_cast<std::size_t>(format)]});
        i = end;
    }
    QTextLayout* layout = block.layout();
    if (layout->formats() == ranges) return;
    layout->setFormats(ranges);
    // The layout lost its lines with its formats: have the document layout lay it out again
    // and repaint it. This reports no change of the text.
    document_->markContentsDirty(block.position(), block.length());
}

void VisibleLinesHighlighter::learn(QTextBlock& block, int number, int stored, int state) {
    if (number != known_) return;  // above known_ the state is already right
    block.setUserState(state);
    ++known_;
    boundaryChanged_ = stored != state;
    // Past the edits, a line that ends as it did before starts the unedited lines' chain again.
    if (number > lastEdited_ && stored == state && consistentEnd_ > known_) known_ = consistentEnd_;
    if (known_ >= consistentEnd_) {
        consistentEnd_ = known_;
        lastEdited_ = -1;
    }
}

void VisibleLinesHighlighter::knowStatesBefore(int number) {
    if (known_ >= number) return;
    QTextBlock block = document_->findBlockByNumber(known_);
    int previous = block.previous().isValid() ? block.previous().userState() : -1;
    while (block.isValid() && known_ < number) {
        const int at = known_;
        const int stored = block.userState();
        const int state = run(block.text(), previous, false);
        learn(block, at, stored, state);
        if (known_ == at + 1) {
            previous = state;
            block = block.next();
        } else if (known_ < number) {  // jumped over the unedited lines
            block = document_->findBlockByNumber(known_);
            previous = block.previous().userState();
        }
    }
}

void VisibleLinesHighlighter::colourRun(QTextBlock block, int number, int lastNumber, int limit) {
    int previous = block.previous().isValid() ? block.previous().userState() : -1;
    for (int done = 0; block.isValid() && done < limit; ++done, ++number) {
        const int stored = block.userState();
        const int state = run(block.text(), previous, true);
        applyFormats(block);
        learn(block, number, stored, state);
        // Below the last line asked for, a line that ends as before leaves the next one's start
        // as it was.
        if (number >= lastNumber && stored == state) break;
        block.setUserState(state);
        previous = state;
        block = block.next();
    }
}

void VisibleLinesHighlighter::colour(const QTextBlock& first, const QTextBlock& last) {
    if (!first.isValid() || !last.isValid() || first.document() != document_) return;
    const int number = first.blockNumber();
    const int lastNumber = last.blockNumber();
    if (lastNumber < number) return;
    knowStatesBefore(number);
    colourRun(first, number, lastNumber, lastNumber - number + 1);
}

void VisibleLinesHighlighter::rehighlight() {
    known_ = 0;
    consistentEnd_ = 0;
    lastEdited_ = -1;
    boundaryChanged_ = false;
    blockCount_ = document_->blockCount();
    colourRun(document_->firstBlock(), 0, blockCount_ - 1, INT_MAX);
}

void VisibleLinesHighlighter::takeStatesFrom(QStringView text) {
    const int blocks = document_->blockCount();
    if (text.count(QLatin1Char('\n')) + 1 != blocks) return;
    std::vector<int> states;
    states.reserve(static_cast<std::size_t>(blocks));
    int previous = -1;
    for (qsizetype start = 0;;) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0) end = text.size();
        // The line as a string that borrows the text's characters.
        const QString line = QString::fromRawData(text.data() + start, end - start);
        previous = run(line, previous, false);
        states.push_back(previous);
        if (end == text.size()) break;
        start = end + 1;
    }
    std::size_t i = 0;
    for (QTextBlock block = document_->firstBlock(); block.isValid(); block = block.next())
        block.setUserState(states[i++]);
    known_ = consistentEnd_ = blockCount_ = blocks;
    lastEdited_ = -1;
    boundaryChanged_ = false;
}

void VisibleLinesHighlighter::contentsChanged(int position, int /*removed*/, int added) {
    const int blocks = document_->blockCount();
    const int delta = blocks - blockCount_;
    blockCount_ = blocks;
    const QTextBlock firstBlock = document_->findBlock(position);
    const int first = firstBlock.isValid() ? firstBlock.blockNumber() : blocks - 1;
    const QTextBlock lastBlock = document_->findBlock(position + added);
    const int last = lastBlock.isValid() ? lastBlock.blockNumber() : blocks - 1;
    const int lastBefore = last - delta;  // the same line's number before the change

    // The unedited lines after the change keep their chain, shifted with the change.
    int consistent = std::max(consistentEnd_, known_);
    if (consistent > lastBefore)
        consistent += delta;
    else if (consistent > first)
        consistent = last + 1;
    consistentEnd_ = std::min(consistent, blocks);
    if (lastEdited_ > lastBefore)
        lastEdited_ += delta;
    else if (lastEdited_ >= first)
        lastEdited_ = last;
    lastEdited_ = std::max(lastEdited_, last);
    // The line where the known lines ended was worked out from the state its line above had
    // then; when that state has changed since, the line counts as edited too.
    if (boundaryChanged_ && known_ > first)
        lastEdited_ = std::max(lastEdited_, known_ > lastBefore ? known_ + delta : last);
    known_ = std::min(known_, first);
    boundaryChanged_ = true;  // the edited line's own state no longer follows from the line above

    // Colour what the change touched at once, when its start state is known or near.
    if (first - known_ > kEagerLines) return;
    knowStatesBefore(first);
    colourRun(document_->findBlockByNumber(first), first, last, kEagerLines);
}
