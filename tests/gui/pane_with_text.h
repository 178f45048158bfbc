#pragma once
// A text pane over a file text of its own, joined as a class window joins them.
#include "document/document_text.h"
#include "editor/text_pane.h"

namespace tav::testing {

struct OwnedText {
    DocumentText text;
};

class PaneWithText : public OwnedText, public TextPane {
public:
    PaneWithText() : TextPane(text.document()) {
        QObject::connect(&text, &DocumentText::aboutToBeReplaced, this,
                         &TextPane::keepCursorAtStart);
        QObject::connect(&text, &DocumentText::replaced, this, &TextPane::textReplaced);
    }
};

}  // namespace tav::testing
