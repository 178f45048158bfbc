#pragma once
// The tokens of the text that was read, and what a declaration's tokens say: its specifiers,
// type, name, parameters and qualifiers, as written. Works on the token table alone, so that the
// texts the commands write are the user's own, whatever clang made of unknown types.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "cppmodel/cpp_model.h"

namespace tav::cpp {

enum class TokenKind { Punctuation, Keyword, Identifier, Literal };

struct Token {
    TokenKind kind = TokenKind::Punctuation;
    std::size_t begin = 0;  // offsets in the text
    std::size_t end = 0;
    std::string_view text;
};

class TokenTable {
public:
    TokenTable(std::string_view text, std::vector<Token> tokens)
        : text_(text), tokens_(std::move(tokens)) {}

    const std::vector<Token>& tokens() const { return tokens_; }
    std::size_t size() const { return tokens_.size(); }
    const Token& operator[](std::size_t index) const { return tokens_[index]; }
    // The index of the first token that begins at or after offset.
    std::size_t firstAt(std::size_t offset) const;
    // Tokens [from, to) as text: one blank where the text had any space or comment between two
    // tokens, none where it had none.
    std::string join(std::size_t from, std::size_t to) const;

private:
    std::string_view text_;
    std::vector<Token> tokens_;
};

// Identifiers that stand for the empty macros clang is given (Q_INVOKABLE, export macros...):
// they are no part of a type.
bool isEmptyMacroWord(std::string_view word);

// A function's declaration: tokens [from, to) of its extent, name at token nameAt. Fills the
// member's type, name, parameters, qualifiers, template head and the flags its words give
// (virtual and explicit written, override, final, pure, defaulted, deleted, defined here).
// parameterNames are clang's names of the parameters, used when their count fits.
void readFunctionTokens(const TokenTable& tokens, std::size_t from, std::size_t to,
                        std::size_t nameAt, const std::vector<std::string>& parameterNames,
                        Member& member);

// A data member's declaration: fills type and declarator suffix.
void readDataTokens(const TokenTable& tokens, std::size_t from, std::size_t to, std::size_t nameAt,
                    Member& member);

// A base specifier's tokens without access and virtual: "geo::Shape", "Box<int>".
std::string baseNameFromTokens(const TokenTable& tokens, std::size_t from, std::size_t to);

// The template head at from ("template <typename T>"), and the index after it; from itself
// when no template head starts there.
std::size_t skipTemplateHead(const TokenTable& tokens, std::size_t from, std::size_t to,
                             std::string* head);

}  // namespace tav::cpp
