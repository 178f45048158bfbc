#include "document/text_pane.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QTextBlock>

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
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(false);
    setFocusPolicy(Qt::ClickFocus);  // not in the Tab chain: Tab types a tab
    setFont(paneFont());
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

QString TextPane::wholeText() const {
    QString text;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin()) text += QLatin1Char('\n');
        text += block.text();
    }
    return text;
}

void TextPane::setWholeText(const QString& text) {
    setPlainText(text);
}

bool TextPane::event(QEvent* event) {
    // Ctrl+X belongs to the main window's Exit command, not to Cut.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_X)) return false;
    }
    return QPlainTextEdit::event(event);
}

void TextPane::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    emit clicked();
}

PaneEditStep::PaneEditStep(TextPane& first, TextPane& second)
    : first_(first.document()), second_(second.document()) {
    first_.beginEditBlock();
    second_.beginEditBlock();
}

PaneEditStep::~PaneEditStep() {
    second_.endEditBlock();
    first_.endEditBlock();
}
