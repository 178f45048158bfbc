#include "cppmodel/declaration_tokens.h"

#include <algorithm>
#include <array>

namespace tav::cpp {

namespace {

bool is(const Token& token, std::string_view text) { return token.text == text; }

// The index of the token that closes the bracket at open ("(", "[", "{" or "<"), or to when
// it is not closed before to. Angle brackets count only themselves and ">>".
std::size_t closing(const TokenTable& tokens, std::size_t open, std::size_t to) {
    const std::string_view opener = tokens[open].text;
    const bool angle = opener == "<";
    const std::string_view closer = opener == "("   ? ")"
                                    : opener == "[" ? "]"
                                    : opener == "{" ? "}"
                                                    : ">";
    int depth = 0;
    for (std::size_t i = open; i < to; ++i) {
        const std::string_view t = tokens[i].text;
        if (angle) {
            if (t == "<") ++depth;
            if (t == ">") --depth;
            if (t == ">>") depth -= 2;
            if (t == "(" || t == "[" || t == "{") {
                i = closing(tokens, i, to);
                continue;
            }
            if (t == ";" || t == "{") return to;
        } else {
            if (t == opener) ++depth;
            if (t == closer) --depth;
        }
        if (depth <= 0) return i;
    }
    return to;
}

// Skips an attribute at i ("[[...]]", "alignas(...)", "__attribute__((...))",
// "__declspec(...)"); returns the index after it, or i when none starts there.
std::size_t skipAttribute(const TokenTable& tokens, std::size_t i, std::size_t to) {
    if (i + 1 < to && is(tokens[i], "[") && is(tokens[i + 1], "[")) {
        const std::size_t end = closing(tokens, i, to);
        return end < to ? end + 1 : to;
    }
    if (i + 1 < to &&
        (is(tokens[i], "alignas") || is(tokens[i], "__attribute__") ||
         is(tokens[i], "__declspec")) &&
        is(tokens[i + 1], "(")) {
        const std::size_t end = closing(tokens, i + 1, to);
        return end < to ? end + 1 : to;
    }
    return i;
}

struct Specifiers {
    bool isVirtual = false;
    bool isExplicit = false;
};

// The type part of a declaration's prefix [from, to): attributes, storage and function
// specifiers and empty macro words left out; the rest joined as written.
std::string typeFromPrefix(const TokenTable& tokens, std::size_t from, std::size_t to,
                           Specifiers& specifiers) {
    static constexpr std::array<std::string_view, 8> kDropped = {
        "virtual", "static", "inline", "friend", "extern", "mutable", "register", "thread_local"};
    std::string type;
    std::size_t runStart = from;
    auto flush = [&](std::size_t end) {
        if (end <= runStart) return;
        if (!type.empty()) type += ' ';
        type += tokens.join(runStart, end);
    };
    for (std::size_t i = from; i < to;) {
        std::size_t next = skipAttribute(tokens, i, to);
        if (next == i) {
            const std::string_view t = tokens[i].text;
            next = i + 1;
            if (t == "explicit") {
                specifiers.isExplicit = true;
                if (next < to && is(tokens[next], "("))
                    next = std::min(to, closing(tokens, next, to) + 1);
            } else if (t == "virtual") {
                specifiers.isVirtual = true;
            } else if (std::find(kDropped.begin(), kDropped.end(), t) == kDropped.end() &&
                       !(tokens[i].kind == TokenKind::Identifier && isEmptyMacroWord(t))) {
                ++i;  // part of the type
                continue;
            }
        }
        flush(i);
        i = next;
        runStart = next;
    }
    flush(to);
    return type;
}

void addQualifier(std::string& qualifiers, const std::string& text) {
    if (text.empty()) return;
    if (!qualifiers.empty()) qualifiers += ' ';
    qualifiers += text;
}

}  // namespace

std::size_t TokenTable::firstAt(std::size_t offset) const {
    return static_cast<std::size_t>(
        std::lower_bound(tokens_.begin(), tokens_.end(), offset,
                         [](const Token& token, std::size_t at) { return token.begin < at; }) -
        tokens_.begin());
}

std::string TokenTable::join(std::size_t from, std::size_t to) const {
    std::string text;
    for (std::size_t i = from; i < to && i < tokens_.size(); ++i) {
        if (i > from && tokens_[i].begin > tokens_[i - 1].end) text += ' ';
        text += tokens_[i].text;
    }
    return text;
}

bool isEmptyMacroWord(std::string_view word) {
    static constexpr std::array<std::string_view, 10> kWords = {
        "Q_INVOKABLE",   "Q_SCRIPTABLE",  "Q_SIGNAL",         "Q_SLOT",     "Q_REQUIRED_RESULT",
        "Q_DECL_EXPORT", "Q_DECL_IMPORT", "Q_DECL_CONSTEXPR", "Q_NORETURN", "Q_ALWAYS_INLINE"};
    if (std::find(kWords.begin(), kWords.end(), word) != kWords.end()) return true;
    // Export macros: ALL_CAPS words ending in _EXPORT or _API.
    const bool upper = std::all_of(word.begin(), word.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
    return upper && (word.ends_with("_EXPORT") || word.ends_with("_API"));
}

std::size_t skipTemplateHead(const TokenTable& tokens, std::size_t from, std::size_t to,
                             std::string* head) {
    if (from + 1 >= to || !is(tokens[from], "template") || !is(tokens[from + 1], "<")) return from;
    const std::size_t close = closing(tokens, from + 1, to);
    if (close >= to) return from;
    if (head) *head = tokens.join(from, close + 1);
    return close + 1;
}

void readFunctionTokens(const TokenTable& tokens, std::size_t from, std::size_t to,
                        std::size_t nameAt, const std::vector<std::string>& parameterNames,
                        Member& member) {
    from = skipTemplateHead(tokens, from, to, &member.templateHead);
    while (from < to && is(tokens[from], "template")) {  // a second head: skip it too
        const std::size_t next = skipTemplateHead(tokens, from, to, nullptr);
        if (next == from) break;
        from = next;
    }
    if (nameAt < from || nameAt >= to) nameAt = from;
    Specifiers specifiers;
    member.type = typeFromPrefix(tokens, from, nameAt, specifiers);
    member.isVirtualWritten = specifiers.isVirtual;
    member.isExplicit = specifiers.isExplicit;

    // The name: "~Name", "operator" and its symbol or type, or one identifier.
    std::size_t i = nameAt;
    if (i < to && is(tokens[i], "~")) {
        member.name = "~" + std::string(i + 1 < to ? tokens[i + 1].text : "");
        i += 2;
    } else if (i < to && is(tokens[i], "operator")) {
        std::size_t end = i + 1;
        if (end + 1 < to && is(tokens[end], "(") && is(tokens[end + 1], ")")) end += 2;
        while (end < to && !is(tokens[end], "(")) ++end;
        const bool conversion = member.kind == MemberKind::Conversion;
        member.name = "operator";
        if (conversion) {
            member.name += " " + tokens.join(i + 1, end);
        } else {
            for (std::size_t k = i + 1; k < end; ++k) {
                if (tokens[k].kind != TokenKind::Punctuation) member.name += ' ';
                member.name += tokens[k].text;
            }
        }
        i = end;
    } else if (i < to) {
        member.name = std::string(tokens[i].text);
        ++i;
    }
    while (i < to && !is(tokens[i], "(")) ++i;  // template arguments of a specialisation
    if (i >= to) return;

    // The parameters, split at the commas outside any bracket; a default starts at '='.
    const std::size_t close = closing(tokens, i, to);
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    std::size_t start = i + 1;
    for (std::size_t k = i + 1; k < close; ++k) {
        const std::string_view t = tokens[k].text;
        if (t == "(" || t == "[" || t == "{" || t == "<") {
            const std::size_t end = closing(tokens, k, close);
            if (end < close) k = end;
            continue;
        }
        if (t == ",") {
            ranges.emplace_back(start, k);
            start = k + 1;
        }
    }
    if (close > i + 1) ranges.emplace_back(start, close);
    member.parameters.clear();
    for (const auto& [begin, end] : ranges) {
        Parameter parameter;
        parameter.text = tokens.join(begin, end);
        std::size_t equals = end;
        for (std::size_t k = begin; k < end; ++k) {
            const std::string_view t = tokens[k].text;
            if (t == "(" || t == "[" || t == "{") {
                k = std::min(closing(tokens, k, end), end);
            } else if (t == "=") {
                equals = k;
                break;
            }
        }
        parameter.declaration = tokens.join(begin, equals);
        member.parameters.push_back(std::move(parameter));
    }
    if (parameterNames.size() == member.parameters.size()) {
        for (std::size_t k = 0; k < parameterNames.size(); ++k)
            member.parameters[k].name = parameterNames[k];
    }

    // What follows the parameters up to the body, the ';' or an "= ..." ending.
    for (std::size_t k = close + 1; k < to;) {
        const std::string_view t = tokens[k].text;
        const std::size_t afterAttribute = skipAttribute(tokens, k, to);
        if (afterAttribute != k) {
            k = afterAttribute;
            continue;
        }
        if (t == "{" || t == ":" || t == "try") {
            member.isDefinedInClass = true;
            break;
        }
        if (t == ";") break;
        if (t == "=") {
            const std::string_view what = k + 1 < to ? tokens[k + 1].text : "";
            if (what == "0") member.isPure = true;
            if (what == "default") member.isDefaulted = true;
            if (what == "delete") member.isDeleted = true;
            break;
        }
        if (t == "override" || t == "Q_DECL_OVERRIDE") {
            member.isOverride = true;
            ++k;
        } else if (t == "final" || t == "Q_DECL_FINAL") {
            member.isFinal = true;
            ++k;
        } else if ((t == "noexcept" || t == "throw") && k + 1 < to && is(tokens[k + 1], "(")) {
            const std::size_t end = std::min(closing(tokens, k + 1, to) + 1, to);
            addQualifier(member.qualifiers, tokens.join(k, end));
            member.isNoexcept = member.isNoexcept || t == "noexcept";
            k = end;
        } else if (t == "->" || t == "requires") {
            // A trailing return type or a constraint runs to the next ending word.
            std::size_t end = k + 1;
            while (end < to) {
                const std::string_view e = tokens[end].text;
                if (e == "{" || e == ";" || e == "=" || e == "override" || e == "final" ||
                    (e == ":" && t == "->") || (e == "requires" && t == "->"))
                    break;
                if (e == "(" || e == "[" || e == "<") {
                    end = std::min(closing(tokens, end, to) + 1, to);
                    continue;
                }
                ++end;
            }
            addQualifier(member.qualifiers, tokens.join(k, end));
            k = end;
        } else if (tokens[k].kind == TokenKind::Identifier && isEmptyMacroWord(t)) {
            ++k;
        } else {
            if (t == "noexcept") member.isNoexcept = true;
            if (t == "const") member.isConst = true;
            addQualifier(member.qualifiers, std::string(t));
            ++k;
        }
    }
}

void readDataTokens(const TokenTable& tokens, std::size_t from, std::size_t to, std::size_t nameAt,
                    Member& member) {
    if (nameAt < from || nameAt >= to) return;
    // "int a, *b;": the second declarator's extent starts at the shared type. The type is then
    // the first declarator's prefix without its name and pointer marks, and this declarator's
    // own marks after the last comma.
    std::size_t lastComma = to;
    int depth = 0;
    for (std::size_t k = from; k < nameAt; ++k) {
        const std::string_view t = tokens[k].text;
        if (t == "(" || t == "[" || t == "{" || t == "<") ++depth;
        if (t == ")" || t == "]" || t == "}" || t == ">") --depth;
        if (t == ">>") depth -= 2;
        if (t == "," && depth == 0) lastComma = k;
    }
    Specifiers specifiers;
    if (lastComma == to) {
        member.type = typeFromPrefix(tokens, from, nameAt, specifiers);
    } else {
        std::size_t firstEnd = from;
        depth = 0;
        for (std::size_t k = from; k < lastComma; ++k) {
            const std::string_view t = tokens[k].text;
            if (depth == 0 && (t == "," || t == "=" || t == "{" || t == "[" || t == ":")) break;
            if (t == "<" || t == "(") ++depth;
            if (t == ">" || t == ")") --depth;
            firstEnd = k + 1;
        }
        std::size_t typeEnd = firstEnd > from ? firstEnd - 1 : from;  // drop the first name
        while (typeEnd > from && (is(tokens[typeEnd - 1], "*") || is(tokens[typeEnd - 1], "&")))
            --typeEnd;
        member.type = typeFromPrefix(tokens, from, typeEnd, specifiers);
        const std::string marks = tokens.join(lastComma + 1, nameAt);
        if (!marks.empty()) member.type += marks;
    }
    std::size_t end = nameAt + 1;
    while (end < to) {
        const std::string_view t = tokens[end].text;
        if (t == "[") {
            end = std::min(closing(tokens, end, to) + 1, to);
            continue;
        }
        if (t == ":") {
            ++end;
            while (end < to && !is(tokens[end], ";") && !is(tokens[end], ",") &&
                   !is(tokens[end], "=") && !is(tokens[end], "{"))
                ++end;
        }
        break;
    }
    member.declaratorSuffix = tokens.join(nameAt + 1, end);
}

std::string baseNameFromTokens(const TokenTable& tokens, std::size_t from, std::size_t to) {
    while (from < to && (is(tokens[from], "public") || is(tokens[from], "protected") ||
                         is(tokens[from], "private") || is(tokens[from], "virtual")))
        ++from;
    return tokens.join(from, to);
}

}  // namespace tav::cpp
