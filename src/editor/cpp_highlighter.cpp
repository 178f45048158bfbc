#include "editor/cpp_highlighter.h"

#include <QColor>
#include <QSignalBlocker>
#include <QStringView>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

using namespace std::string_view_literals;

// What a line hands on to the next one, as bits of the block state.
constexpr int kInComment = 1;             // inside /* ... */
constexpr int kDirectiveContinues = 2;    // a preprocessor line goes on
constexpr int kLineCommentContinues = 4;  // a // comment ended in a backslash

using Role = CppHighlighter::Role;

struct Word {
    std::u16string_view text;
    Role role;
};

constexpr Role Kw = Role::Keyword;
constexpr Role Ty = Role::Type;

// clang-format off
constexpr std::array kWords = {
    Word{u"alignas", Kw}, Word{u"alignof", Kw}, Word{u"and", Kw}, Word{u"and_eq", Kw},
    Word{u"asm", Kw}, Word{u"auto", Kw}, Word{u"bitand", Kw}, Word{u"bitor", Kw}, Word{u"bool", Ty},
    Word{u"break", Kw}, Word{u"case", Kw}, Word{u"catch", Kw}, Word{u"char", Ty},
    Word{u"char16_t", Ty}, Word{u"char32_t", Ty}, Word{u"char8_t", Ty}, Word{u"class", Kw},
    Word{u"co_await", Kw}, Word{u"co_return", Kw}, Word{u"co_yield", Kw}, Word{u"compl", Kw},
    Word{u"concept", Kw}, Word{u"const", Kw}, Word{u"const_cast", Kw}, Word{u"consteval", Kw},
    Word{u"constexpr", Kw}, Word{u"constinit", Kw}, Word{u"continue", Kw}, Word{u"decltype", Kw},
    Word{u"default", Kw}, Word{u"delete", Kw}, Word{u"do", Kw}, Word{u"double", Ty},
    Word{u"dynamic_cast", Kw}, Word{u"else", Kw}, Word{u"enum", Kw}, Word{u"explicit", Kw},
    Word{u"export", Kw}, Word{u"extern", Kw}, Word{u"false", Kw}, Word{u"final", Kw},
    Word{u"float", Ty}, Word{u"for", Kw}, Word{u"friend", Kw}, Word{u"goto", Kw}, Word{u"if", Kw},
    Word{u"inline", Kw}, Word{u"int", Ty}, Word{u"int16_t", Ty}, Word{u"int32_t", Ty},
    Word{u"int64_t", Ty}, Word{u"int8_t", Ty}, Word{u"intptr_t", Ty}, Word{u"long", Ty},
    Word{u"mutable", Kw}, Word{u"namespace", Kw}, Word{u"new", Kw}, Word{u"noexcept", Kw},
    Word{u"not", Kw}, Word{u"not_eq", Kw}, Word{u"nullptr", Kw}, Word{u"operator", Kw},
    Word{u"or", Kw}, Word{u"or_eq", Kw}, Word{u"override", Kw}, Word{u"private", Kw},
    Word{u"protected", Kw}, Word{u"ptrdiff_t", Ty}, Word{u"public", Kw}, Word{u"register", Kw},
    Word{u"reinterpret_cast", Kw}, Word{u"requires", Kw}, Word{u"return", Kw}, Word{u"short", Ty},
    Word{u"signed", Ty}, Word{u"size_t", Ty}, Word{u"sizeof", Kw}, Word{u"static", Kw},
    Word{u"static_assert", Kw}, Word{u"static_cast", Kw}, Word{u"struct", Kw}, Word{u"switch", Kw},
    Word{u"template", Kw}, Word{u"this", Kw}, Word{u"thread_local", Kw}, Word{u"throw", Kw},
    Word{u"true", Kw}, Word{u"try", Kw}, Word{u"typedef", Kw}, Word{u"typeid", Kw},
    Word{u"typename", Kw}, Word{u"uint16_t", Ty}, Word{u"uint32_t", Ty}, Word{u"uint64_t", Ty},
    Word{u"uint8_t", Ty}, Word{u"uintptr_t", Ty}, Word{u"union", Kw}, Word{u"unsigned", Ty},
    Word{u"using", Kw}, Word{u"virtual", Kw}, Word{u"void", Ty}, Word{u"volatile", Kw},
    Word{u"wchar_t", Ty}, Word{u"while", Kw}, Word{u"xor", Kw}, Word{u"xor_eq", Kw},
};
// clang-format on
static_assert(std::is_sorted(kWords.begin(), kWords.end(),
                             [](const Word& a, const Word& b) { return a.text < b.text; }));

// Every word starts with a small letter: the words of one first letter lie side by side, so a
// lookup compares an identifier with a handful of words of its own letter only.
struct Bucket {
    std::size_t begin = 0;
    std::size_t end = 0;
};
constexpr std::array<Bucket, 26> kBuckets = [] {
    std::array<Bucket, 26> buckets{};
    for (std::size_t i = kWords.size(); i-- > 0;) {
        Bucket& bucket = buckets[static_cast<std::size_t>(kWords[i].text.front() - u'a')];
        if (bucket.end == 0) bucket.end = i + 1;
        bucket.begin = i;
    }
    return buckets;
}();

std::optional<Role> wordRole(QStringView word) {
    const char16_t first = word.front().unicode();
    if (first < u'a' || first > u'z') return std::nullopt;
    const Bucket& bucket = kBuckets[static_cast<std::size_t>(first - u'a')];
    for (std::size_t i = bucket.begin; i < bucket.end; ++i) {
        const std::u16string_view text = kWords[i].text;
        if (static_cast<qsizetype>(text.size()) != word.size()) continue;
        std::size_t same = 1;  // the first letters agree
        while (same < text.size() && text[same] == word[same].unicode()) ++same;
        if (same == text.size()) return kWords[i].role;
    }
    return std::nullopt;
}

// Classes of the ASCII characters, looked up once per character.
enum : std::uint8_t { kIdentifierStart = 1, kIdentifierChar = 2, kDigit = 4, kOpensToken = 8 };
constexpr std::array<std::uint8_t, 128> kAscii = [] {
    std::array<std::uint8_t, 128> classes{};
    for (char16_t c = 0; c < 128; ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        const bool opens = letter || digit || c == '/' || c == '"' || c == '\'' || c == '.';
        classes[c] = static_cast<std::uint8_t>((letter ? kIdentifierStart | kIdentifierChar : 0) |
                                               (digit ? kIdentifierChar | kDigit : 0) |
                                               (opens ? kOpensToken : 0));
    }
    return classes;
}();

inline bool isIdentifierStart(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x80 ? (kAscii[u] & kIdentifierStart) != 0 : c.isLetter();
}

inline bool isIdentifierChar(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x80 ? (kAscii[u] & kIdentifierChar) != 0 : c.isLetterOrNumber();
}

inline bool isDigit(QChar c) { return c.unicode() < 0x80 && (kAscii[c.unicode()] & kDigit) != 0; }

// Whether a character may begin a comment, literal, word or number (beyond ASCII: a letter).
inline bool opensToken(QChar c) {
    return c.unicode() >= 0x80 || (kAscii[c.unicode()] & kOpensToken) != 0;
}

// The prefixes a string or character literal may carry; an R makes a string raw.
bool isLiteralPrefix(std::u16string_view word) {
    return word == u"L"sv || word == u"u"sv || word == u"U"sv || word == u"u8"sv ||
           word == u"R"sv || word == u"LR"sv || word == u"uR"sv || word == u"UR"sv ||
           word == u"u8R"sv;
}

// The end of the quoted literal that opens at start (its closing quote included), or the end of
// the line for a literal left open.
int quotedEnd(QStringView text, int start) {
    const QChar quote = text[start];
    for (int i = start + 1; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\'))
            ++i;
        else if (text[i] == quote)
            return i + 1;
    }
    return static_cast<int>(text.size());
}

// A raw string R"delim( ... )delim" opening at the quote; the end of the line when it does not
// close on it.
int rawStringEnd(QStringView text, int quote) {
    const qsizetype open = text.indexOf(QLatin1Char('('), quote + 1);
    if (open < 0) return static_cast<int>(text.size());
    const QString closing =
        QLatin1Char(')') + text.mid(quote + 1, open - quote - 1).toString() + QLatin1Char('"');
    const qsizetype close = text.indexOf(closing, open + 1);
    return static_cast<int>(close < 0 ? text.size() : close + closing.size());
}

// A number: digits, letters (hex digits, suffixes), points, digit separators and the sign of an
// exponent.
int numberEnd(QStringView text, int start) {
    const bool hex = text.mid(start, 2).compare(u"0x", Qt::CaseInsensitive) == 0;
    int i = start;
    while (i < text.size()) {
        const QChar c = text[i];
        if (isIdentifierChar(c) || c == QLatin1Char('.')) {
            ++i;
        } else if (c == QLatin1Char('\'') && i + 1 < text.size() && isIdentifierChar(text[i + 1])) {
            ++i;
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) && i > start) {
            const char16_t before = text[i - 1].toLower().unicode();
            if (before != u'p' && (hex || before != u'e')) break;
            ++i;
        } else {
            break;
        }
    }
    return i;
}

bool endsWithBackslash(QStringView text) {
    return !text.isEmpty() && text.back() == QLatin1Char('\\');
}

QTextCharFormat coloured(QColor colour, bool italic = false) {
    QTextCharFormat format;
    format.setForeground(colour);
    if (italic) format.setFontItalic(true);
    return format;
}

}  // namespace

CppHighlighter::CppHighlighter(QTextDocument* document) : VisibleLinesHighlighter(document) {
    // The base class colours a line when an edit touches it or a view shows it; a document that
    // is already filled is coloured whole now.
    if (!document->isEmpty()) rehighlightQuietly();
}

const QTextCharFormat& CppHighlighter::formatOf(Role role) {
    static const std::array<QTextCharFormat, 6> formats = {
        coloured(QColor(0x00, 0x33, 0xc0)),        // Keyword: blue
        coloured(QColor(0x7f, 0x00, 0x55)),        // Type: plum
        coloured(QColor(0x00, 0x80, 0x00), true),  // Comment: green
        coloured(QColor(0x80, 0x60, 0x00)),        // Preprocessor: olive brown
        coloured(QColor(0xa3, 0x15, 0x15)),        // String: dark red
        coloured(QColor(0x00, 0x70, 0xa0)),        // Number: steel blue
    };
    return formats[static_cast<std::size_t>(role)];
}

void CppHighlighter::rehighlightQuietly() {
    // Colouring goes to the lines' layouts directly; what the blocker holds back is only the
    // document's report of an edit that did not happen.
    const QSignalBlocker blocker(document());
    rehighlight();
}

void CppHighlighter::highlightBlock(const QString& line) {
    const QStringView text(line);
    const int size = static_cast<int>(text.size());
    const int previous = std::max(previousBlockState(), 0);
    int state = 0;

    if (previous & kLineCommentContinues) {
        setFormat(0, size, formatOf(Role::Comment));
        if (endsWithBackslash(text))
            state = kLineCommentContinues | (previous & kDirectiveContinues);
        setCurrentBlockState(state);
        return;
    }

    bool directive = (previous & kDirectiveContinues) != 0;
    int i = 0;
    if (previous & kInComment) {
        const qsizetype close = text.indexOf(u"*/");
        i = close < 0 ? size : static_cast<int>(close) + 2;
        setFormat(0, i, formatOf(Role::Comment));
        if (close < 0) state |= kInComment;
    }
    if (!directive && !(state & kInComment)) {
        int first = i;
        while (first < size && text[first].isSpace()) ++first;
        directive = first < size && text[first] == QLatin1Char('#');
    }
    if (directive) setFormat(i, size - i, formatOf(Role::Preprocessor));

    while (i < size) {
        if (!opensToken(text[i])) {
            ++i;
            continue;
        }
        const QChar c = text[i];
        const QChar next = i + 1 < size ? text[i + 1] : QChar();
        if (c == QLatin1Char('/') && next == QLatin1Char('/')) {
            setFormat(i, size - i, formatOf(Role::Comment));
            if (endsWithBackslash(text)) state |= kLineCommentContinues;
            break;
        }
        if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
            const qsizetype close = text.indexOf(u"*/", i + 2);
            const int end = close < 0 ? size : static_cast<int>(close) + 2;
            setFormat(i, end - i, formatOf(Role::Comment));
            if (close < 0) state |= kInComment;
            i = end;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = quotedEnd(text, i);
            if (!directive) setFormat(i, end - i, formatOf(Role::String));
            i = end;
            continue;
        }
        if (isIdentifierStart(c)) {
            int end = i + 1;
            while (end < size && isIdentifierChar(text[end])) ++end;
            const QStringView word = text.mid(i, end - i);
            const std::u16string_view key(word.utf16(), static_cast<std::size_t>(word.size()));
            if (end < size && (text[end] == QLatin1Char('"') || text[end] == QLatin1Char('\'')) &&
                isLiteralPrefix(key)) {
                const bool raw = key.back() == u'R' && text[end] == QLatin1Char('"');
                const int literalEnd = raw ? rawStringEnd(text, end) : quotedEnd(text, end);
                if (!directive) setFormat(i, literalEnd - i, formatOf(Role::String));
                i = literalEnd;
                continue;
            }
            if (!directive) {
                if (const std::optional<Role> role = wordRole(word))
                    setFormat(i, end - i, formatOf(*role));
            }
            i = end;
            continue;
        }
        if (isDigit(c) || (c == QLatin1Char('.') && isDigit(next))) {
            const int end = numberEnd(text, i);
            if (!directive) setFormat(i, end - i, formatOf(Role::Number));
            i = end;
            continue;
        }
        ++i;
    }

    // A directive goes on past a line that ends in a backslash, and past a /* comment that
    // spans lines (comments become blanks before directives are read).
    if (directive && (endsWithBackslash(text) || (state & kInComment)))
        state |= kDirectiveContinues;
    setCurrentBlockState(state);
}
