#pragma once
// A class window's text pane: a non-wrapping plain-text editor whose text is also a line list,
// so that the text rules read and insert whole lines in it directly.
#include <QPlainTextEdit>
#include <QTextCursor>
#include <string>

#include "text/codec.h"
#include "text/line_list.h"

class TextPane : public QPlainTextEdit, public tav::LineList {
    Q_OBJECT
public:
    explicit TextPane(QWidget* parent = nullptr);

    // A final line break ends the last line rather than starting an empty one, so a pane whose
    // text is "a\nb\n" holds two lines.
    std::size_t count() const override;
    std::string line(std::size_t index) const override;
    void insert(std::size_t index, const std::string& text) override;
    void append(const std::string& text) override;
    void clear() override;

    // The whole text with '\n' between lines, read block by block so that no character is
    // replaced on the way (no-break spaces stay).
    QString wholeText() const;
    std::string wholeTextUtf8() const { return wholeText().toStdString(); }
    void setWholeText(const QString& text);

    // The encoding a save writes; a loaded file keeps the one it was read with.
    tav::FileEncoding encoding = tav::FileEncoding::Utf8;

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTextBlock blockAt(std::size_t index) const;
};

// Makes every change to the panes inside its lifetime one undo step in each pane.
class PaneEditStep {
public:
    PaneEditStep(TextPane& first, TextPane& second);
    ~PaneEditStep();
    PaneEditStep(const PaneEditStep&) = delete;
    PaneEditStep& operator=(const PaneEditStep&) = delete;

private:
    QTextCursor first_;
    QTextCursor second_;
};
