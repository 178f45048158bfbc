#pragma once
// C++ colouring for a text pane: keywords, built-in types, comments, preprocessor lines, string
// and character literals and numbers. Each line is scanned by hand from the state the line
// before it ended in (inside a /* comment, a continued directive, a continued // comment), so
// an edit re-colours only its own lines and those whose starting state it changed. Colouring
// never touches the text: it lives in the lines' layouts, not in the document.
#include <QTextCharFormat>

#include "editor/visible_highlighter.h"

class CppHighlighter : public VisibleLinesHighlighter {
    Q_OBJECT
public:
    enum class Role { Keyword, Type, Comment, Preprocessor, String, Number };

    // Attaches to document; a document that already holds text is coloured at once, without a
    // change notification.
    explicit CppHighlighter(QTextDocument* document);

    static const QTextCharFormat& formatOf(Role role);

    // Re-colours the whole document. Like QSyntaxHighlighter::rehighlight would not, this sends
    // no contentsChanged and so no textChanged of the pane.
    void rehighlightQuietly();

protected:
    void highlightBlock(const QString& text) override;
};
