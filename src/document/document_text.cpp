#include "document/document_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <stdexcept>

namespace tav {

DocumentText::DocumentText(QObject* parent) : QObject(parent), document_(new QTextDocument(this)) {
    // Every change of the text, typed, inserted, undone or loaded, makes the reading copy stale
    // (contentsChanged, which a document without a view's layout sends too). Its memory stays
    // for the next copy: giving back megabytes would cost a keystroke time that grows with the
    // text. No layout until a view sets its own: a text that no pane shows is never laid out.
    connect(document_, &QTextDocument::contentsChanged, this, [this] { readingCurrent_ = false; });
}

std::size_t DocumentText::count() const {
    const int blocks = document_->blockCount();
    return static_cast<std::size_t>(document_->lastBlock().length() <= 1 ? blocks - 1 : blocks);
}

QTextBlock DocumentText::blockAt(std::size_t index) const {
    return document_->findBlockByNumber(static_cast<int>(index));
}

std::string DocumentText::line(std::size_t index) const {
    if (index >= count()) throw std::out_of_range("line index past the end");
    return blockAt(index).text().toStdString();
}

void DocumentText::insert(std::size_t index, const std::string& text) {
    const std::size_t lines = count();
    if (index > lines) throw std::out_of_range("line index past the end");
    if (index == lines) return append(text);
    readingCurrent_ =
        false;  // inside an edit block the document tells of its change only at the end
    QTextCursor cursor(blockAt(index));
    cursor.insertText(QString::fromStdString(text) + QLatin1Char('\n'));
}

void DocumentText::append(const std::string& text) {
    readingCurrent_ = false;
    QTextCursor cursor(document_);
    cursor.movePosition(QTextCursor::End);
    QString inserted = QString::fromStdString(text) + QLatin1Char('\n');
    // A last line without its break gets one first, so the new text stays a line of its own.
    if (document_->lastBlock().length() > 1) inserted.prepend(QLatin1Char('\n'));
    cursor.insertText(inserted);
}

void DocumentText::clear() {
    if (document_->isEmpty()) return;
    readingCurrent_ = false;
    QTextCursor cursor(document_);
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void DocumentText::forEachLine(const LineVisitor& visit) const {
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
    QTextBlock block = document_->begin();
    for (std::size_t i = 0; i < lines && block.isValid(); ++i, block = block.next()) {
        const QString text = block.text();
        utf8.resize(static_cast<std::size_t>(text.size()) * 3);
        QStringEncoder encoder(QStringEncoder::Utf8);
        char* end = encoder.appendToBuffer(utf8.data(), text);
        utf8.resize(static_cast<std::size_t>(end - utf8.data()));
        if (!visit(utf8)) return;
    }
}

QString DocumentText::wholeText() const {
    // The raw text has U+2029 between blocks, and no block holds that character itself.
    QString text = document_->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

const std::string& DocumentText::textUtf8() const {
    if (!readingCurrent_) {
        reading_ = wholeText().toStdString();
        readingCurrent_ = true;
    }
    return reading_;
}

void DocumentText::setWholeText(const QString& text) {
    emit aboutToBeReplaced();
    document_->setPlainText(text);
    emit replaced(text);
}

void DocumentText::setWholeTextUtf8(std::string text) {
    // A text that starts with U+FEFF keeps it: the plain conversion would drop it as a
    // byte-order mark.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    setWholeText(decoder(text));
    adoptReadingCopy(std::move(text));
}

void DocumentText::adoptReadingCopy(std::string text) {
    // The document breaks lines at more characters than '\n' (U+2029 and the frame marks); a
    // text holding one of those is not the document's text line for line.
    const auto breaks = std::count(text.begin(), text.end(), '\n');
    if (document_->blockCount() != breaks + 1) return;
    reading_ = std::move(text);
    readingCurrent_ = true;
}

}  // namespace tav
