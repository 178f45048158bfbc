// Reads a text with libclang: the #include lines blanked (the headers they name are not read),
// Qt's and export macros defined empty, and the names the text never declares declared in a
// prelude learnt from the errors of the previous reading, a few readings at most.
#include <clang-c/Index.h>

#include <algorithm>
#include <memory>

#include "cppmodel/cpp_model.h"
#include "cppmodel/model_builder.h"
#include "cppmodel/unknown_names.h"

namespace tav::cpp {

namespace {

constexpr int kReadings = 4;
constexpr const char* kFileName = "/tavrin/class.cpp";

// Macros of Qt that a class header uses and that must not become members.
constexpr const char* kQtMacros[] = {
    "-DQ_OBJECT=",
    "-DQ_GADGET=",
    "-DQ_NAMESPACE=",
    "-DQ_PROPERTY(...)=",
    "-DQ_ENUM(...)=",
    "-DQ_ENUMS(...)=",
    "-DQ_FLAG(...)=",
    "-DQ_FLAGS(...)=",
    "-DQ_ENUM_NS(...)=",
    "-DQ_INTERFACES(...)=",
    "-DQ_CLASSINFO(...)=",
    "-DQ_PLUGIN_METADATA(...)=",
    "-DQ_DISABLE_COPY(...)=",
    "-DQ_DISABLE_COPY_MOVE(...)=",
    "-DQ_DISABLE_MOVE(...)=",
    "-DQ_DECLARE_PRIVATE(...)=",
    "-DQ_DECLARE_PRIVATE_D(...)=",
    "-DQ_DECLARE_PUBLIC(...)=",
    "-DQ_DECLARE_TR_FUNCTIONS(...)=",
    "-DQ_REVISION(...)=",
    "-DQ_MOC_INCLUDE(...)=",
    "-DQ_INVOKABLE=",
    "-DQ_SCRIPTABLE=",
    "-DQ_SIGNAL=",
    "-DQ_SLOT=",
    "-Dsignals=public",
    "-DQ_SIGNALS=public",
    "-Dslots=",
    "-DQ_SLOTS=",
    "-Demit=",
    "-DQ_EMIT=",
    "-DQ_REQUIRED_RESULT=",
    "-DQ_DECL_EXPORT=",
    "-DQ_DECL_IMPORT=",
    "-DQ_DECL_OVERRIDE=override",
    "-DQ_DECL_FINAL=final",
    "-DQ_DECL_NOEXCEPT=noexcept",
    "-DQ_DECL_CONSTEXPR=constexpr",
    "-DQ_NULLPTR=nullptr",
    "-DQ_NORETURN=",
    "-DQ_ALWAYS_INLINE=",
};

bool isWordChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

// The text with every #include / #import line blanked (same length, line breaks kept); the
// header's include lines are kept as written.
std::string blankIncludes(std::string_view text, std::vector<std::string>* includes) {
    std::string out(text);
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos) end = out.size();
        std::size_t i = start;
        while (i < end && (out[i] == ' ' || out[i] == '\t')) ++i;
        if (i < end && out[i] == '#') {
            std::size_t word = i + 1;
            while (word < end && (out[word] == ' ' || out[word] == '\t')) ++word;
            const std::string_view directive = std::string_view(out).substr(word, end - word);
            if (directive.starts_with("include") || directive.starts_with("import")) {
                if (includes) {
                    std::string line = out.substr(i, end - i);
                    while (!line.empty() && isBlank(line.back())) line.pop_back();
                    includes->push_back(line);
                }
                for (std::size_t k = start; k < end; ++k) out[k] = ' ';
            }
        }
        start = end + 1;
    }
    return out;
}

bool isMacroLike(std::string_view word) {
    if (word.size() < 2 || (word[0] >= '0' && word[0] <= '9')) return false;
    bool letter = false;
    for (const char c : word) {
        if (c >= 'A' && c <= 'Z')
            letter = true;
        else if (!((c >= '0' && c <= '9') || c == '_'))
            return false;
    }
    return letter;
}

// Empty definitions for export macros: words like FOO_EXPORT anywhere, and an ALL_CAPS word
// between "class" or "struct" and the class's name ("class MYLIB_API Widget").
std::vector<std::string> exportMacros(std::string_view text) {
    std::vector<std::string> words;
    std::string_view previous;
    std::string_view beforePrevious;
    std::vector<std::string> defines;
    auto define = [&](std::string_view word) {
        const std::string option = "-D" + std::string(word) + "=";
        if (std::find(defines.begin(), defines.end(), option) == defines.end())
            defines.push_back(option);
    };
    for (std::size_t i = 0; i < text.size();) {
        if (!isWordChar(text[i])) {
            // Words separated by anything but blanks do not follow each other.
            if (!isBlank(text[i])) previous = beforePrevious = {};
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isWordChar(text[end])) ++end;
        const std::string_view word = text.substr(i, end - i);
        if (isEmptyMacroWord(word) && !word.starts_with("Q_")) define(word);
        if ((beforePrevious == "class" || beforePrevious == "struct") && isMacroLike(previous))
            define(previous);
        beforePrevious = previous;
        previous = word;
        i = end;
    }
    return defines;
}

struct UnitDeleter {
    void operator()(CXTranslationUnit unit) const { clang_disposeTranslationUnit(unit); }
};
struct IndexDeleter {
    void operator()(void* index) const { clang_disposeIndex(index); }
};
using Unit = std::unique_ptr<CXTranslationUnitImpl, UnitDeleter>;

std::string diagnosticText(CXDiagnostic diagnostic) {
    CXString text = clang_getDiagnosticSpelling(diagnostic);
    std::string out = clang_getCString(text) ? clang_getCString(text) : "";
    clang_disposeString(text);
    return out;
}

// Where the name a message quotes stands, at or after the message's location.
struct NamePlace {
    std::string_view next;       // the text after it
    std::string_view qualifier;  // "a::b" of "a::b::name"
};
NamePlace placeOfName(std::string_view parsed, std::size_t at, const std::string& message) {
    const std::size_t open = message.find('\'');
    const std::size_t close = open == std::string::npos ? open : message.find('\'', open + 1);
    if (close == std::string::npos) return {};
    const std::string name = message.substr(open + 1, close - open - 1);
    const std::size_t found = parsed.find(name, at);
    if (name.empty() || found == std::string_view::npos || found > at + 256) return {};
    NamePlace place;
    place.next = parsed.substr(found + name.size(), 64);
    // Walk back over "word::" pairs.
    std::size_t begin = found;
    while (begin >= 2 && parsed.substr(begin - 2, 2) == "::") {
        std::size_t word = begin - 2;
        while (word > 0 && isWordChar(parsed[word - 1])) --word;
        if (word == begin - 2) break;
        begin = word;
    }
    if (begin < found) place.qualifier = parsed.substr(begin, found - 2 - begin);
    return place;
}

// Lines that are nothing but an unknown macro's use ("DECLARE_THING(Shape)", "MY_OBJECT"), with
// or without a ';': clang would read them as the start of the next declaration, so they are
// defined empty.
void addMacroLines(std::string_view text, std::vector<std::string>& defines) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
        while (!line.empty() && (isBlank(line.back()) || line.back() == ';')) line.remove_suffix(1);
        std::size_t word = 0;
        while (word < line.size() && isWordChar(line[word])) ++word;
        if (!isMacroLike(line.substr(0, word))) continue;
        std::string_view rest = line.substr(word);
        while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
        const bool bare = rest.empty();
        const bool call = rest.starts_with("(") && rest.ends_with(")");
        if (!bare && !call) continue;
        const std::string option =
            "-D" + std::string(line.substr(0, word)) + (call ? "(...)=" : "=");
        if (std::find(defines.begin(), defines.end(), option) == defines.end())
            defines.push_back(option);
    }
}

// "expected class name" names no name: the identifier at its location is the unknown base.
std::string unknownTypeAt(std::string_view parsed, std::size_t at) {
    std::size_t end = at;
    while (end < parsed.size() && isWordChar(parsed[end])) ++end;
    return "unknown class name '" + std::string(parsed.substr(at, end - at)) + "'";
}

ParseResult parseText(std::string_view header, const std::string_view* source) {
    ParseResult result;
    result.model.lineCount = LineStarts(header).count();
    const std::string blankHeader = blankIncludes(header, &result.model.includes);
    const std::string blankSource = source ? blankIncludes(*source, nullptr) : std::string();

    std::vector<std::string> options = {"-x",
                                        "c++",
                                        "-std=c++20",
                                        "-fsyntax-only",
                                        "-nostdinc",
                                        "-nostdinc++",
                                        "-ferror-limit=0",
                                        "-fno-spell-checking",
                                        "-w",
                                        "-fno-delayed-template-parsing"};
    for (const char* macro : kQtMacros) options.emplace_back(macro);
    std::vector<std::string> defines = exportMacros(blankHeader + "\n" + blankSource);
    addMacroLines(blankHeader, defines);
    addMacroLines(blankSource, defines);
    for (std::string& macro : defines) options.push_back(std::move(macro));
    std::vector<const char*> arguments;
    for (const std::string& option : options) arguments.push_back(option.c_str());

    const std::unique_ptr<void, IndexDeleter> index(clang_createIndex(0, 0));
    UnknownNames unknown;
    for (int reading = 0; reading < kReadings; ++reading) {
        ParsedParts parts;
        std::string parsed = unknown.prelude() + "\n";
        parts.headerBegin = parsed.size();
        parsed += blankHeader;
        parts.headerEnd = parsed.size();
        parts.sourceBegin = parts.sourceEnd = parsed.size();
        if (source) {
            parsed += "\n";
            parts.sourceBegin = parsed.size();
            parsed += blankSource;
            parts.sourceEnd = parsed.size();
        }
        parts.parsed = parsed;

        CXUnsavedFile file{kFileName, parsed.data(), static_cast<unsigned long>(parsed.size())};
        CXTranslationUnit raw = nullptr;
        const CXErrorCode code = clang_parseTranslationUnit2(
            index.get(), kFileName, arguments.data(), static_cast<int>(arguments.size()), &file, 1,
            CXTranslationUnit_Incomplete | CXTranslationUnit_SkipFunctionBodies |
                CXTranslationUnit_KeepGoing,
            &raw);
        const Unit unit(raw);
        if (code != CXError_Success || !unit) {
            result.error = "The C++ parser could not read the text (error " +
                           std::to_string(static_cast<int>(code)) + ").";
            return result;
        }

        // Learn the undeclared names; read again when there were new ones.
        const unsigned count = clang_getNumDiagnostics(unit.get());
        std::vector<Diagnostic> errors;
        bool learnt = false;
        for (unsigned i = 0; i < count; ++i) {
            CXDiagnostic diagnostic = clang_getDiagnostic(unit.get(), i);
            if (clang_getDiagnosticSeverity(diagnostic) >= CXDiagnostic_Error) {
                std::string message = diagnosticText(diagnostic);
                unsigned offset = 0;
                CXFile where = nullptr;
                clang_getFileLocation(clang_getDiagnosticLocation(diagnostic), &where, nullptr,
                                      nullptr, &offset);
                const std::string learning =
                    message == "expected class name" ? unknownTypeAt(parsed, offset) : message;
                if (reading + 1 < kReadings) {
                    const NamePlace place = placeOfName(parsed, offset, learning);
                    learnt = unknown.learn(learning, place.next, place.qualifier) || learnt;
                }
                if (where && offset >= parts.headerBegin) {
                    const bool inSource = source && offset >= parts.sourceBegin;
                    const std::string_view part =
                        inSource ? std::string_view(blankSource) : std::string_view(blankHeader);
                    const std::size_t base = inSource ? parts.sourceBegin : parts.headerBegin;
                    const std::size_t local = std::min<std::size_t>(offset - base, part.size());
                    errors.push_back(
                        {LineStarts(part.substr(0, local)).count(), inSource, message});
                }
            }
            clang_disposeDiagnostic(diagnostic);
        }
        if (learnt) continue;

        CXFile mainFile = clang_getFile(unit.get(), kFileName);
        const TokenTable tokens = tokenize(unit.get(), mainFile, parsed);
        result.model.errors = std::move(errors);
        buildModel(unit.get(), parts, tokens, result.model);
        // Errors and not one class: the text is not C++ that can be read.
        if (result.model.classes.empty() && !result.model.errors.empty()) {
            const Diagnostic& first = result.model.errors.front();
            result.error = "The header could not be read as C++ (" +
                           std::string(first.inSource ? "source" : "header") + " line " +
                           std::to_string(first.line) + ": " + first.message + ").";
        }
        // The model's texts are copies; the parsed text may go.
        return result;
    }
    return result;
}

void findIn(const std::vector<Class>& classes, std::string_view name, const Class*& found) {
    for (const Class& cls : classes) {
        if (found) return;
        if (cls.name == name) {
            found = &cls;
            return;
        }
        findIn(cls.nested, name, found);
    }
}

}  // namespace

std::string Member::parameterList() const {
    std::string text = "(";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (i > 0) text += ", ";
        text += parameters[i].declaration;
    }
    return text + ")";
}

const Member* Class::findMember(std::string_view memberName) const {
    for (const Member& member : members) {
        if (member.name == memberName) return &member;
    }
    return nullptr;
}

const Class* Model::findClass(std::string_view name) const {
    const Class* found = nullptr;
    findIn(classes, name, found);
    return found;
}

ParseResult parseHeader(std::string_view header) { return parseText(header, nullptr); }

ParseResult parsePair(std::string_view header, std::string_view source) {
    return parseText(header, &source);
}

}  // namespace tav::cpp
