#pragma once
// A highlighter that counts the lines it runs the colouring rule on.
#include "editor/cpp_highlighter.h"

namespace tav::testing {

class CountingHighlighter : public CppHighlighter {
public:
    using CppHighlighter::CppHighlighter;
    int lines = 0;

protected:
    void highlightBlock(const QString& text) override {
        ++lines;
        CppHighlighter::highlightBlock(text);
    }
};

}  // namespace tav::testing
