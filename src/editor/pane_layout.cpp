#include "editor/pane_layout.h"

#include <QFontMetrics>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <climits>

PaneLayout::PaneLayout(QTextDocument* document)
    : QPlainTextDocumentLayout(document), blockCount_(document->blockCount()) {}

QSizeF PaneLayout::documentSize() const {
    return QSizeF(qMax(width_, lineWidth_), document()->lineCount());
}

QRectF PaneLayout::frameBoundingRect(QTextFrame*) const {
    return QRectF(0, 0, qMax(width_, lineWidth_), qreal(INT_MAX));
}

QRectF PaneLayout::blockBoundingRect(const QTextBlock& block) const {
    if (!block.isValid()) return QRectF();
    QTextLayout* layout = block.layout();
    if (!layout->lineCount()) const_cast<PaneLayout*>(this)->layoutLine(block);
    QRectF box;
    if (block.isVisible()) {
        box = QRectF(QPointF(0, 0), layout->boundingRect().bottomRight());
        if (layout->lineCount() == 1)
            box.setWidth(qMax(box.width(), layout->lineAt(0).naturalTextWidth()));
        const qreal margin = document()->documentMargin();
        box.adjust(0, 0, margin, 0);
        if (!block.next().isValid()) box.adjust(0, 0, 0, margin);
    }
    return box;
}

void PaneLayout::layoutLine(const QTextBlock& block) {
    QTextDocument* doc = document();
    const qreal margin = doc->documentMargin();
    QTextLayout* layout = block.layout();
    const QTextOption option = doc->defaultTextOption();
    layout->setTextOption(option);
    int extraMargin = 0;
    if (option.flags() & QTextOption::AddSpaceForLineAndParagraphSeparators)
        extraMargin += QFontMetrics(block.charFormat().font()).horizontalAdvance(QChar(0x21B5));

    const qreal available =
        (lineWidth_ > 0 ? lineWidth_ : qreal(INT_MAX)) - 2 * margin - extraMargin;
    qreal height = 0;
    qreal widest = 0;
    layout->beginLayout();
    for (;;) {
        QTextLine line = layout->createLine();
        if (!line.isValid()) break;
        line.setLeadingIncluded(true);
        line.setLineWidth(available);
        line.setPosition(QPointF(margin, height));
        height += line.height();
        if (line.leading() < 0) height += qCeil(line.leading());
        widest = qMax(widest, line.naturalTextWidth() + 2 * margin);
    }
    layout->endLayout();

    const int linesBefore = doc->lineCount();
    QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    bool sizeChanged = linesBefore != doc->lineCount();
    if (widest > width_) {
        width_ = widest;
        sizeChanged = true;
    }
    if (sizeChanged) emit documentSizeChanged(documentSize());
}

void PaneLayout::documentChanged(int from, int charsRemoved, int charsAdded) {
    QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    const QTextBlock first = doc->findBlock(from);
    const QTextBlock last = doc->findBlock(qMax(0, from + charsRemoved + charsAdded - 1));
    bool visibilityChanged = false;

    if (first == last && blocks == blockCount_) {
        // A change within one line: it alone is laid out again, and repainted when its height
        // stays.
        if (first.isValid() && first.length()) {
            const qreal height = blockBoundingRect(first).height();
            layoutLine(first);
            if (blockBoundingRect(first).height() == height) {
                emit updateBlock(first);
                return;
            }
        }
    } else {
        // Lines are laid out again when they are shown; a text replaced whole starts the
        // document's width again from them.
        if (first == doc->firstBlock() && (!last.isValid() || last == doc->lastBlock())) width_ = 0;
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            block.clearLayout();
            if (block.isVisible() ? block.lineCount() == 0 : block.lineCount() > 0) {
                visibilityChanged = true;
                block.setLineCount(block.isVisible() ? 1 : 0);
            }
            if (block == last) break;
        }
    }

    if (blocks != blockCount_ || visibilityChanged) {
        const int added = blocks - blockCount_;
        blockCount_ = blocks;
        emit documentSizeChanged(documentSize());
        if (added == 1 && last.blockNumber() == blocks - 1) {
            for (QTextBlock block = first; block.isValid(); block = block.next()) {
                emit updateBlock(block);
                if (block == last) break;
            }
            return;
        }
    }
    emit update(QRectF(0., -doc->documentMargin(), 1000000000., 1000000000.));
}
