#include "editor/text_pane.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextCursor>

#include "editor/cpp_highlighter.h"
#include "editor/pane_layout.h"

namespace {

QFont paneFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

}  // namespace

TextPane::TextPane(QTextDocument* shown, QWidget* parent) : QPlainTextEdit(parent) {
    if (!shown) shown = new QTextDocument(this);
    // Before the pane takes the document, which must then have a plain-text layout already; the
    // pane's own layout lays out only the lines it shows.
    layout_ = new PaneLayout(shown);
    shown->setDocumentLayout(layout_);
    setDocument(shown);
    layout_->setPaintDevice(viewport());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setFocusPolicy(Qt::ClickFocus);  // not in the Tab chain: Tab types a tab
    setFont(paneFont());
    highlighter_ = new CppHighlighter(shown);  // owned by the document
}

void TextPane::keepCursorAtStart() {
    QTextCursor cursor = textCursor();
    cursor.setKeepPositionOnInsert(true);
    setTextCursor(cursor);
}

void TextPane::textReplaced(const QString& text) {
    highlighter_->takeStatesFrom(text);
    QTextCursor cursor = textCursor();
    cursor.setKeepPositionOnInsert(false);
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
}

void TextPane::select(const tav::TextPosition& found) {
    const QTextBlock block = document()->findBlockByNumber(static_cast<int>(found.line));
    const QString text = block.text();
    // The position counts characters; the line counts UTF-16 units, two for a character outside
    // the Basic Multilingual Plane.
    auto advance = [&text](qsizetype at, std::size_t characters) {
        for (; characters > 0 && at < text.size(); --characters)
            at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
        return static_cast<int>(at);
    };
    const int start = advance(0, found.column - 1);
    const int end = advance(start, found.length);
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position() + start);
    cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

bool TextPane::event(QEvent* event) {
    // Ctrl+X belongs to the main window's Exit command, not to Cut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_X)) return false;
    }
    return QPlainTextEdit::event(event);
}

void TextPane::keyPressEvent(QKeyEvent* event) {
    // Both redo keys of Linux desktops, whichever of them the desktop's key scheme lists.
    const QKeyCombination key = event->keyCombination();
    if (key == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        key == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)) {
        redo();
        event->accept();
        return;
    }
    // An Alt chord that no menu or command took reaches the pane with its letter as text; it
    // types nothing. AltGr is not Alt: X11 reports it as a group switch and Windows as Ctrl+Alt,
    // and the characters it makes are typed. Alt with keys that type nothing goes on as before.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QString text = event->text();
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
        !text.isEmpty() && (text.front().isPrint() || text.front() == u'\t')) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextPane::resizeEvent(QResizeEvent* event) {
    layout_->setLineWidth(viewport()->width());
    // Lines that do not wrap do not depend on the width: the toolkit would lay out every line of
    // the text again for a new width, so the pane hands it on as a change of height only.
    if (lineWrapMode() == QPlainTextEdit::NoWrap && event->oldSize().width() >= 0) {
        QResizeEvent heightOnly(event->size(),
                                QSize(event->size().width(), event->oldSize().height()));
        QPlainTextEdit::resizeEvent(&heightOnly);
        return;
    }
    QPlainTextEdit::resizeEvent(event);
}

void TextPane::paintEvent(QPaintEvent* event) {
    // The lines that meet the painted area, from the first one the pane shows.
    const QPointF offset = contentOffset();
    const QRectF area = event->rect();
    QTextBlock first;
    QTextBlock last;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.top() > area.bottom()) break;
        if (box.bottom() < area.top()) continue;
        if (!first.isValid()) first = block;
        last = block;
    }
    if (first.isValid()) highlighter_->colour(first, last);
    QPlainTextEdit::paintEvent(event);
}

void TextPane::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    emit clicked();
}
