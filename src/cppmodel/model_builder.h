#pragma once
// Turns clang's reading of a text into our model: walks the cursors of the text's classes and,
// for a pair, of the source's definitions, and takes every text from the declaration's tokens.
#include <clang-c/Index.h>

#include <string_view>
#include <vector>

#include "cppmodel/cpp_model.h"
#include "cppmodel/declaration_tokens.h"

namespace tav::cpp {

// Where the parts lie in the text clang read: a prelude, the header, and for a pair a line
// break and the source.
struct ParsedParts {
    std::string_view parsed;
    std::size_t headerBegin = 0;
    std::size_t headerEnd = 0;
    std::size_t sourceBegin = 0;
    std::size_t sourceEnd = 0;  // equals sourceBegin without a source
};

// Offsets of the starts of a text's lines, to turn an offset into a 1-based line.
class LineStarts {
public:
    explicit LineStarts(std::string_view text);
    int lineOf(std::size_t offset) const;
    int count() const { return static_cast<int>(starts_.size()); }

private:
    std::vector<std::size_t> starts_;
};

TokenTable tokenize(CXTranslationUnit unit, CXFile file, std::string_view parsed);

// The classes of the header part and the definitions of the source part.
void buildModel(CXTranslationUnit unit, const ParsedParts& parts, const TokenTable& tokens,
                Model& model);

}  // namespace tav::cpp
