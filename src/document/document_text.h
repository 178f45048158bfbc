#pragma once
// The text of one class file: the QTextDocument that a pane shows and edits, seen by the text
// rules as a line list, with the encoding a save writes. It needs no widget.
#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "scan/scans.h"
#include "text/codec.h"
#include "text/line_list.h"

class QTextBlock;
class QTextDocument;

namespace tav {

class DocumentText : public QObject, public LineList {
    Q_OBJECT
public:
    explicit DocumentText(QObject* parent = nullptr);

    // The document itself: panes show it, undo steps and cursors work on it.
    QTextDocument* document() const { return document_; }

    // A final line break ends the last line rather than starting an empty one, so a text
    // "a\nb\n" holds two lines.
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
    // The same for a text already in UTF-8, such as a file's; it is kept as the reading copy,
    // so the first whole-text read after a load costs nothing.
    void setWholeTextUtf8(std::string text);

    // The whole text as UTF-8 with '\n' between lines: a reading copy made at most once per
    // change of the text (a change only marks it stale), so that scans and searches read one
    // piece of memory instead of the document's lines one by one.
    const std::string& textUtf8() const;

    // The encoding a save writes; a loaded file keeps the one it was read with.
    FileEncoding encoding = FileEncoding::Utf8;

signals:
    // The whole text is about to be replaced: a view may keep its cursor at the start.
    void aboutToBeReplaced();
    // The whole text was replaced (a load, a restore): a view may take it as a whole.
    void replaced(const QString& text);

private:
    QTextBlock blockAt(std::size_t index) const;
    // Keeps text as the reading copy when it is the document's text, line for line.
    void adoptReadingCopy(std::string text);

    QTextDocument* document_;
    mutable std::string reading_;  // the reading copy, valid while readingCurrent_
    mutable bool readingCurrent_ = false;
};

}  // namespace tav
