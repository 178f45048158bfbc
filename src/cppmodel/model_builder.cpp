#include "cppmodel/model_builder.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace tav::cpp {

namespace {

struct ClangText {
    explicit ClangText(CXString s) : value(s) {}
    ~ClangText() { clang_disposeString(value); }
    ClangText(const ClangText&) = delete;
    ClangText& operator=(const ClangText&) = delete;
    std::string str() const {
        const char* text = clang_getCString(value);
        return text ? text : "";
    }
    CXString value;
};

std::string spelling(CXCursor cursor) { return ClangText(clang_getCursorSpelling(cursor)).str(); }

std::vector<CXCursor> children(CXCursor cursor) {
    std::vector<CXCursor> found;
    clang_visitChildren(
        cursor,
        [](CXCursor child, CXCursor, CXClientData data) {
            static_cast<std::vector<CXCursor>*>(data)->push_back(child);
            return CXChildVisit_Continue;
        },
        &found);
    return found;
}

// The offset of a location in the text clang read; nullopt when it lies outside it (a
// command-line macro, a built-in).
std::optional<std::size_t> offsetOf(CXSourceLocation location) {
    CXFile file = nullptr;
    unsigned offset = 0;
    clang_getFileLocation(location, &file, nullptr, nullptr, &offset);
    if (!file) return std::nullopt;
    return offset;
}

bool isClassKind(CXCursorKind kind) {
    return kind == CXCursor_ClassDecl || kind == CXCursor_StructDecl ||
           kind == CXCursor_ClassTemplate || kind == CXCursor_ClassTemplatePartialSpecialization;
}

bool isFunctionKind(CXCursorKind kind) {
    return kind == CXCursor_CXXMethod || kind == CXCursor_Constructor ||
           kind == CXCursor_Destructor || kind == CXCursor_ConversionFunction ||
           kind == CXCursor_FunctionTemplate || kind == CXCursor_FunctionDecl;
}

Access accessOf(CXCursor cursor) {
    switch (clang_getCXXAccessSpecifier(cursor)) {
        case CX_CXXPublic:
            return Access::Public;
        case CX_CXXProtected:
            return Access::Protected;
        default:
            return Access::Private;
    }
}

bool looksLikeMacroName(std::string_view word) {
    if (word.size() < 2) return false;
    bool letter = false;
    for (const char c : word) {
        if (c >= 'A' && c <= 'Z') {
            letter = true;
        } else if (!((c >= '0' && c <= '9') || c == '_')) {
            return false;
        }
    }
    return letter;
}

class Builder {
public:
    Builder(const ParsedParts& parts, const TokenTable& tokens, Model& model)
        : parts_(parts),
          tokens_(tokens),
          model_(model),
          headerLines_(header()),
          sourceLines_(source()) {}

    void walkScope(CXCursor scope, const std::string& nameSpace) {
        for (const CXCursor child : children(scope)) {
            const CXCursorKind kind = clang_getCursorKind(child);
            const auto at = offsetOf(clang_getCursorLocation(child));
            if (!at || *at < parts_.headerBegin) continue;  // the prelude
            if (kind == CXCursor_Namespace) {
                const std::string name = spelling(child);
                const std::string inner =
                    nameSpace.empty() || name.empty() ? nameSpace + name : nameSpace + "::" + name;
                if (inSource(*at)) {
                    const Span span = spanOf(child);
                    model_.sourceNamespaces.push_back(
                        {inner, sourceLine(span.begin), sourceLine(span.end)});
                }
                walkScope(child, inner);
            } else if (kind == CXCursor_LinkageSpec) {
                walkScope(child, nameSpace);
            } else if (isClassKind(kind) && inHeader(*at) && clang_isCursorDefinition(child)) {
                model_.classes.push_back(buildClass(child, nameSpace, ""));
            } else if (isFunctionKind(kind) && inSource(*at)) {
                addDefinition(child);
            }
        }
    }

    void finish() {
        // Which definitions define a declaration of the header.
        std::set<std::string> declared;
        collectIds(model_.classes, declared);
        auto& defs = model_.definitions;
        for (Definition& d : defs) d.matchesDeclaration = declared.count(d.id) > 0;
        // A free function of the source is a definition of ours only when it defines a friend.
        defs.erase(std::remove_if(defs.begin(), defs.end(),
                                  [](const Definition& d) {
                                      return d.className.empty() && !d.matchesDeclaration;
                                  }),
                   defs.end());
    }

private:
    std::string_view header() const {
        return parts_.parsed.substr(parts_.headerBegin, parts_.headerEnd - parts_.headerBegin);
    }
    std::string_view source() const {
        return parts_.parsed.substr(parts_.sourceBegin, parts_.sourceEnd - parts_.sourceBegin);
    }
    bool inHeader(std::size_t at) const {
        return at >= parts_.headerBegin && at < parts_.headerEnd;
    }
    bool inSource(std::size_t at) const {
        return parts_.sourceEnd > parts_.sourceBegin && at >= parts_.sourceBegin &&
               at < parts_.sourceEnd;
    }

    // The token range of a cursor's extent, and its lines in the header.
    struct Span {
        std::size_t from = 0;
        std::size_t to = 0;
        std::size_t begin = 0;
        std::size_t end = 0;
    };
    Span spanOf(CXCursor cursor) const {
        const CXSourceRange range = clang_getCursorExtent(cursor);
        Span span;
        span.begin = offsetOf(clang_getRangeStart(range)).value_or(0);
        span.end = std::max(span.begin, offsetOf(clang_getRangeEnd(range)).value_or(0));
        span.from = tokens_.firstAt(span.begin);
        span.to = tokens_.firstAt(span.end);
        return span;
    }
    int headerLine(std::size_t at) const {
        return headerLines_.lineOf(std::clamp(at, parts_.headerBegin, parts_.headerEnd) -
                                   parts_.headerBegin);
    }
    int sourceLine(std::size_t at) const {
        return sourceLines_.lineOf(std::clamp(at, parts_.sourceBegin, parts_.sourceEnd) -
                                   parts_.sourceBegin);
    }

    // A function's extent with its body: clang skips bodies and ends the extent before them.
    // Returns the span extended over the initialiser list and the body, if any, and the index
    // of the token that ends the head ('{', ':', "try", ';'), or to when none.
    std::pair<Span, std::size_t> withBody(Span span) const {
        std::size_t i = span.from;
        int depth = 0;
        for (; i < tokens_.size(); ++i) {
            const std::string_view t = tokens_[i].text;
            if (t == "(" || t == "[") ++depth;
            if (t == ")" || t == "]") --depth;
            if (depth <= 0 && (t == "{" || t == ":" || t == "try" || t == ";" || t == "}")) break;
        }
        const std::size_t headEnd = i;
        if (i < tokens_.size() && tokens_[i].text != ";" && tokens_[i].text != "}") {
            // Past the initialiser list to the body's braces.
            depth = 0;
            for (; i < tokens_.size(); ++i) {
                const std::string_view t = tokens_[i].text;
                if (t == "(" || t == "[") ++depth;
                if (t == ")" || t == "]") --depth;
                if (depth == 0 && t == "{") {
                    // An initialiser "m_x{1}" is followed by ',' or '{' of the body.
                    int braces = 0;
                    std::size_t k = i;
                    for (; k < tokens_.size(); ++k) {
                        if (tokens_[k].text == "{") ++braces;
                        if (tokens_[k].text == "}" && --braces == 0) break;
                    }
                    const bool body = k + 1 >= tokens_.size() ||
                                      (tokens_[k + 1].text != "," && tokens_[k + 1].text != "{");
                    i = k;
                    if (body) break;
                }
            }
            if (i < tokens_.size()) {
                span.to = std::max(span.to, i + 1);
                span.end = std::max(span.end, tokens_[i].end);
            }
        }
        return {span, headEnd};
    }

    // The index of the token that starts exactly at the cursor's location, or none when the
    // location is not a token of the text (a declaration made by a macro).
    std::optional<std::size_t> nameToken(CXCursor cursor) const {
        const auto at = offsetOf(clang_getCursorLocation(cursor));
        if (!at) return std::nullopt;
        const std::size_t index = tokens_.firstAt(*at);
        if (index >= tokens_.size() || tokens_[index].begin != *at) return std::nullopt;
        return index;
    }

    // A line of an unknown macro that clang read as a declaration ("DECLARE_THING(Foo)").
    bool isMacroLine(CXCursor cursor, const Span& span, const std::string& name) const {
        if (!clang_isInvalidDeclaration(cursor)) return false;
        if (looksLikeMacroName(name) && clang_getCursorKind(cursor) != CXCursor_FieldDecl &&
            clang_getCursorKind(cursor) != CXCursor_VarDecl)
            return true;
        return span.from + 1 < span.to && tokens_[span.from].kind == TokenKind::Identifier &&
               looksLikeMacroName(tokens_[span.from].text) && tokens_[span.from + 1].text == "(";
    }

    Class buildClass(CXCursor cursor, const std::string& nameSpace, const std::string& outer) {
        Class cls;
        cls.name = spelling(cursor);
        cls.nameSpace = nameSpace;
        cls.qualifiedName = outer.empty() ? cls.name : outer + "::" + cls.name;
        const Span span = spanOf(cursor);
        const std::size_t keyword =
            skipTemplateHead(tokens_, span.from, span.to, &cls.templateHead);
        cls.isStruct = keyword < span.to && tokens_[keyword].text == "struct";
        cls.beginLine = headerLine(span.begin);
        cls.endLine = headerLine(span.end);
        const std::vector<CXCursor> inside = children(cursor);
        cls.members.reserve(inside.size());
        for (const CXCursor child : inside) {
            const auto at = offsetOf(clang_getCursorLocation(child));
            if (!at || !inHeader(*at)) continue;
            const CXCursorKind kind = clang_getCursorKind(child);
            switch (kind) {
                case CXCursor_CXXBaseSpecifier: {
                    const Span base = spanOf(child);
                    cls.bases.push_back({accessOf(child),
                                         baseNameFromTokens(tokens_, base.from, base.to),
                                         clang_isVirtualBase(child) != 0});
                    break;
                }
                case CXCursor_FieldDecl:
                case CXCursor_VarDecl:
                    addData(child, cls);
                    break;
                case CXCursor_FriendDecl:
                    for (const CXCursor inner : children(child)) {
                        if (isFunctionKind(clang_getCursorKind(inner)))
                            addFunction(inner, cls, true);
                    }
                    break;
                case CXCursor_EnumDecl:
                case CXCursor_TypedefDecl:
                case CXCursor_TypeAliasDecl:
                case CXCursor_TypeAliasTemplateDecl:
                case CXCursor_UnionDecl:
                    if (const std::string name = spelling(child); !name.empty())
                        cls.memberTypes.push_back(name);
                    break;
                default:
                    if (isClassKind(kind)) {
                        cls.memberTypes.push_back(spelling(child));
                        if (clang_isCursorDefinition(child))
                            cls.nested.push_back(buildClass(child, nameSpace, cls.qualifiedName));
                    } else if (isFunctionKind(kind)) {
                        addFunction(child, cls, false);
                    }
                    break;
            }
        }
        return cls;
    }

    void addData(CXCursor cursor, Class& cls) {
        const std::string name = spelling(cursor);
        const auto nameAt = nameToken(cursor);
        if (name.empty() || !nameAt || tokens_[*nameAt].text != name) return;
        const Span span = spanOf(cursor);
        if (isMacroLine(cursor, span, name)) return;
        Member member;
        member.kind = MemberKind::Data;
        member.access = accessOf(cursor);
        member.name = name;
        member.isStatic = clang_getCursorKind(cursor) == CXCursor_VarDecl;
        readDataTokens(tokens_, span.from, span.to, *nameAt, member);
        member.beginLine = headerLine(span.begin);
        member.endLine = headerLine(span.end);
        cls.members.push_back(std::move(member));
    }

    static MemberKind functionKind(CXCursorKind kind, const std::string& name) {
        switch (kind) {
            case CXCursor_Constructor:
                return MemberKind::Constructor;
            case CXCursor_Destructor:
                return MemberKind::Destructor;
            case CXCursor_ConversionFunction:
                return MemberKind::Conversion;
            default: {
                const bool isOperator =
                    name.starts_with("operator") &&
                    (name.size() == 8 ||
                     !(std::isalnum(static_cast<unsigned char>(name[8])) || name[8] == '_'));
                return isOperator ? MemberKind::Operator : MemberKind::Method;
            }
        }
    }

    void addFunction(CXCursor cursor, Class& cls, bool isFriend) {
        const std::string name = spelling(cursor);
        const auto nameAt = nameToken(cursor);
        if (name.empty() || !nameAt) return;
        // The name's first token stands where clang says the name is, or a macro made it.
        const std::string_view first = tokens_[*nameAt].text;
        if (!std::string_view(name).starts_with(first)) return;
        const Span span = withBody(spanOf(cursor)).first;
        if (isMacroLine(cursor, span, name)) return;
        CXCursorKind kind = clang_getCursorKind(cursor);
        if (kind == CXCursor_FunctionTemplate) kind = clang_getTemplateCursorKind(cursor);
        Member member;
        member.kind = functionKind(kind, name);
        member.access = accessOf(cursor);
        member.isFriend = isFriend;
        std::vector<std::string> parameterNames;
        for (const CXCursor child : children(cursor)) {
            if (clang_getCursorKind(child) == CXCursor_ParmDecl)
                parameterNames.push_back(spelling(child));
        }
        readFunctionTokens(tokens_, span.from, span.to, *nameAt, parameterNames, member);
        // Operators and conversions keep the name as their tokens wrote it ("operator+=",
        // "operator const char*"); every other name is clang's.
        const bool symbolic =
            member.kind == MemberKind::Operator || member.kind == MemberKind::Conversion;
        if (!symbolic || !member.name.starts_with("operator")) member.name = name;
        member.isStatic = clang_CXXMethod_isStatic(cursor) != 0;
        member.isVirtual = member.isVirtualWritten || clang_CXXMethod_isVirtual(cursor) != 0;
        member.isPure = member.isPure || clang_CXXMethod_isPureVirtual(cursor) != 0;
        member.isConst = member.isConst || clang_CXXMethod_isConst(cursor) != 0;
        member.isDefaulted = member.isDefaulted || clang_CXXMethod_isDefaulted(cursor) != 0;
        member.isDefinedInClass =
            member.isDefinedInClass || (clang_isCursorDefinition(cursor) && !member.isDefaulted &&
                                        !member.isDeleted && !member.isPure);
        member.id = ClangText(clang_getCursorUSR(cursor)).str();
        member.beginLine = headerLine(span.begin);
        member.endLine = headerLine(span.end);
        cls.members.push_back(std::move(member));
    }

    void addDefinition(CXCursor cursor) {
        const CXCursor parent = clang_getCursorSemanticParent(cursor);
        Definition definition;
        if (isClassKind(clang_getCursorKind(parent)))
            definition.className = qualifiedClassName(parent);
        definition.name = spelling(cursor);
        definition.id = ClangText(clang_getCursorUSR(cursor)).str();
        const auto [span, end] = withBody(spanOf(cursor));
        // Bodies are skipped, so clang does not call the function defined: a body or an
        // initialiser list makes it a definition.
        if (end >= span.to || tokens_[end].text == ";" || tokens_[end].text == "}") return;
        definition.head = tokens_.join(span.from, end);
        definition.beginLine = sourceLine(span.begin);
        definition.endLine = sourceLine(span.end);
        model_.definitions.push_back(std::move(definition));
    }

    static std::string qualifiedClassName(CXCursor cursor) {
        std::string name = spelling(cursor);
        for (CXCursor up = clang_getCursorSemanticParent(cursor);
             isClassKind(clang_getCursorKind(up)); up = clang_getCursorSemanticParent(up))
            name = spelling(up) + "::" + name;
        return name;
    }

    static void collectIds(const std::vector<Class>& classes, std::set<std::string>& ids) {
        for (const Class& cls : classes) {
            for (const Member& member : cls.members) {
                if (!member.id.empty()) ids.insert(member.id);
            }
            collectIds(cls.nested, ids);
        }
    }

    const ParsedParts& parts_;
    const TokenTable& tokens_;
    Model& model_;
    LineStarts headerLines_;
    LineStarts sourceLines_;
};

}  // namespace

LineStarts::LineStarts(std::string_view text) {
    starts_.push_back(0);
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1))
        starts_.push_back(i + 1);
}

int LineStarts::lineOf(std::size_t offset) const {
    return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), offset) -
                            starts_.begin());
}

TokenTable tokenize(CXTranslationUnit unit, CXFile file, std::string_view parsed) {
    const CXSourceRange whole = clang_getRange(
        clang_getLocationForOffset(unit, file, 0),
        clang_getLocationForOffset(unit, file, static_cast<unsigned>(parsed.size())));
    CXToken* raw = nullptr;
    unsigned count = 0;
    clang_tokenize(unit, whole, &raw, &count);
    std::vector<Token> tokens;
    tokens.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
        const CXTokenKind kind = clang_getTokenKind(raw[i]);
        if (kind == CXToken_Comment) continue;
        const CXSourceRange extent = clang_getTokenExtent(unit, raw[i]);
        const std::size_t begin = offsetOf(clang_getRangeStart(extent)).value_or(0);
        const std::size_t end = offsetOf(clang_getRangeEnd(extent)).value_or(begin);
        if (end < begin || end > parsed.size()) continue;
        Token token;
        token.kind = kind == CXToken_Punctuation  ? TokenKind::Punctuation
                     : kind == CXToken_Keyword    ? TokenKind::Keyword
                     : kind == CXToken_Identifier ? TokenKind::Identifier
                                                  : TokenKind::Literal;
        token.begin = begin;
        token.end = end;
        token.text = parsed.substr(begin, end - begin);
        tokens.push_back(token);
    }
    clang_disposeTokens(unit, raw, count);
    return TokenTable(parsed, std::move(tokens));
}

void buildModel(CXTranslationUnit unit, const ParsedParts& parts, const TokenTable& tokens,
                Model& model) {
    Builder builder(parts, tokens, model);
    builder.walkScope(clang_getTranslationUnitCursor(unit), "");
    builder.finish();
}

}  // namespace tav::cpp
