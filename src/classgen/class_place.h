#pragma once
// Where the class-aware commands write: the heads of the class's definitions and the places for
// new declarations and definitions.
#include <string>
#include <vector>

#include "classgen/class_gen.h"

namespace tav {

// A type as a definition outside the class must write it: the class's own member types
// qualified ("Kind" in Shape gives "Shape::Kind").
std::string qualifiedType(const std::string& type, const cpp::Class& cls);

// The head of a member function's definition: "double Shape::area(int a) const".
std::string definitionHead(const cpp::Member& member, const cpp::Class& cls);

// Appends one definition per entry (head, body lines) in the profile's form, inside the
// source's namespace block for the class's namespace (a new block at the end when there is
// none); every head joins the function list. title is the classic frame's title.
struct NewDefinition {
    std::string head;
    std::vector<std::string> body;  // statements, without the braces
    std::string initialisers;       // ": a(a), b(b)" of a constructor, or ""
    std::string title = "// Function";
};
void writeDefinitions(ClassText& text, const ReadClass& read,
                      const std::vector<NewDefinition>& definitions);

// Inserts declarations, in order, directly below the class's "public:" line (one is added
// before the class's end when it has none), indented as the class's members are.
void declarePublic(ClassText& text, const ReadClass& read, const std::vector<std::string>& lines);

}  // namespace tav
