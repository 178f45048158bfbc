#include "editor/text_pane.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

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

TextPane::TextPane(QWidget* parent) : QPlainTextEdit(parent) {
    // Before anything else, so that every later setting reaches the pane's own layout.
    layout_ = new PaneLayout(document());
    document()->setDocumentLayout(layout_);
    layout_->setPaintDevice(viewport());
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setFocusPolicy(Qt::ClickFocus);  // not in the Tab chain: Tab types a tab
    setFont(paneFont());
    // Every change of the text, typed, inserted, undone or loaded, makes the reading copy stale.
    // Its memory stays for the next copy: giving back megabytes would cost a keystroke time
    // that grows with the text.
    connect(document(), &QTextDocument::contentsChange, this, [this] { readingCurrent_ = false; });
    highlighter_ = new CppHighlighter(document());  // owned by the document
}

std::size_t TextPane::count() const {
    const QTextDocument* doc = document();
    const int blocks = doc->blockCount();
    return static_cast<std::size_t>(doc->lastBlock().length() <= 1 ? blocks - 1 : blocks);
}

QTextBlock TextPane::blockAt(std::size_t index) const {
    return document()->findBlockByNumber(static_cast<int>(index));
}

std::string TextPane::line(std::size_t index) const {
    if (index >= count()) throw std::out_of_range("line index past the end");
    return blockAt(index).text().toStdString();
}

void TextPane::insert(std::size_t index, const std::string& text) {
    const std::size_t lines = count();
    if (index > lines) throw std::out_of_range("line index past the end");
    if (index == lines) return append(text);
    QTextCursor cursor(blockAt(index));
    cursor.insertText(QString::fromStdString(text) + QLatin1Char('\n'));
}

void TextPane::append(const std::string& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QString inserted = QString::fromStdString(text) + QLatin1Char('\n');
    // A last line without its break gets one first, so the new text stays a line of its own.
    if (document()->lastBlock().length() > 1) inserted.prepend(QLatin1Char('\n'));
    cursor.insertText(inserted);
}

void TextPane::clear() {
    if (document()->isEmpty()) return;
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void TextPane::forEachLine(const LineVisitor& visit) const {
    if (readingCurrent_) {
        // The lines of the reading copy; a final line break ends the last line.
        const std::string_view text = reading_;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            const std::size_t stop = end == std::string_view::npos ? text.size() : end;
            if (!visit(text.substr(start, stop - start))) return;
            start = stop + 1;
        }
        return;
    }
    // Block by block, so that a walk that stops early reads only what it passed.
    const std::size_t lines = count();
    std::string utf8;
    QTextBlock block = document()->begin();
    for (std::size_t i = 0; i < lines && block.isValid(); ++i, block = block.next()) {
        const QString text = block.text();
        utf8.resize(static_cast<std::size_t>(text.size()) * 3);
        QStringEncoder encoder(QStringEncoder::Utf8);
        char* end = encoder.appendToBuffer(utf8.data(), text);
        utf8.resize(static_cast<std::size_t>(end - utf8.data()));
        if (!visit(utf8)) return;
    }
}

QString TextPane::wholeText() const {
    // The raw text has U+2029 between blocks, and no block holds that character itself.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

const std::string& TextPane::textUtf8() const {
    if (!readingCurrent_) {
        reading_ = wholeText().toStdString();
        readingCurrent_ = true;
    }
    return reading_;
}

void TextPane::setWholeText(const QString& text) {
    setPlainText(text);
    highlighter_->takeStatesFrom(text);
}

void TextPane::setWholeTextUtf8(std::string text) {
    // A text that starts with U+FEFF keeps it: the plain conversion would drop it as a
    // byte-order mark.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    setWholeText(decoder(text));
    adoptReadingCopy(std::move(text));
}

void TextPane::adoptReadingCopy(std::string text) {
    // The document breaks lines at more characters than '\n' (U+2029 and the frame marks); a
    // text holding one of those is not the pane's text line for line.
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    if (document()->blockCount() != breaks + 1) return;
    reading_ = std::move(text);
    readingCurrent_ = true;
}

void TextPane::select(const tav::TextPosition& found) {
    const QTextBlock block = blockAt(found.line);
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
