#pragma once
// The class-aware generation commands on a class's two texts. Each reads the header (and the
// source) with the C++ reader, then writes in the class's profile: declarations in the class's
// public section, definitions in the source, inside the source's namespace block when the class
// lies in a namespace. Parameter defaults, explicit, static, virtual, override and attributes
// stay in the header.
#include <optional>
#include <string>
#include <vector>

#include "cppmodel/cpp_model.h"
#include "members/members.h"

namespace tav {

// The lines of a LineList joined by '\n', for the reader.
std::string joinedLines(const LineList& lines);

// The class read from a header and its source, or the message why not. A command reads once,
// then asks and writes with what it read; cls points into model (move, do not copy).
struct ReadClass {
    std::optional<std::string> error;
    cpp::Model model;
    const cpp::Class* cls = nullptr;

    ReadClass() = default;
    ReadClass(ReadClass&&) = default;
    ReadClass& operator=(ReadClass&&) = default;
    ReadClass(const ReadClass&) = delete;
    ReadClass& operator=(const ReadClass&) = delete;
};
// Needs no class text: it may run on any thread, over copies of the texts.
ReadClass readClass(std::string_view header, std::string_view source, const std::string& className);
ReadClass readClass(const ClassText& text);

struct GenerationResult {
    std::optional<std::string> error;  // nothing was changed
    int added = 0;                     // definitions written
    // Heads of the source's definitions of the class that match no declaration.
    std::vector<std::string> unmatched;
};

// Defines every member function the header declares (not pure, defaulted, deleted, a template
// or defined in the class) that the source does not define, in header order.
// read: the class as readClass read it from these texts.
GenerationResult addMissingDefinitions(ClassText& cls, const ReadClass& read);
GenerationResult addMissingDefinitions(ClassText& cls);

// The virtual functions of a base that a class may override: pure ones first, destructors,
// final ones and those the class already declares left out.
std::vector<cpp::Member> overridableFunctions(const cpp::Class& base, const cpp::Class* derived);
// Declares the chosen base functions in the public section (override in the modern profile,
// virtual in the classic one) and defines them.
GenerationResult implementBaseFunctions(ClassText& cls, const ReadClass& read,
                                        const std::vector<cpp::Member>& chosen);
GenerationResult implementBaseFunctions(ClassText& cls, const std::vector<cpp::Member>& chosen);

// The class's non-static data members, in header order.
std::vector<cpp::Member> dataMembers(const cpp::Class& cls);

struct AccessorChoice {
    cpp::Member member;
    bool getter = false;
    bool setter = false;
};
// The accessor's base name: the member's name without an "m_" prefix or a trailing '_'.
std::string accessorName(const std::string& memberName);
GenerationResult generateAccessors(ClassText& cls, const ReadClass& read,
                                   const std::vector<AccessorChoice>& choices);
GenerationResult generateAccessors(ClassText& cls, const std::vector<AccessorChoice>& choices);

// A constructor taking the chosen members in declaration order, initialising them in its member
// initialiser list (explicit with one parameter, modern profile).
GenerationResult constructorFromMembers(ClassText& cls, const ReadClass& read,
                                        const std::vector<cpp::Member>& members);
GenerationResult constructorFromMembers(ClassText& cls, const std::vector<cpp::Member>& members);

// The file an #include line names ("#include \"a/b.h\"" gives a/b.h), if any.
std::optional<std::string> includedFile(const std::string& includeLine);

}  // namespace tav
