#pragma once
// The text of a new class: banner, include guard, class body, constructor and destructor.
#include <string>
#include <vector>

#include "text/line_list.h"

namespace tav {

enum class ClassKind { Normal, VirtualBase };

// What the New Class dialog hands over: the class's kind, its name and the directory its files
// go to (UTF-8, native separators, no trailing separator).
struct NewClassInput {
    ClassKind kind = ClassKind::Normal;
    std::string name;
    std::string directory;
};

struct ClassText;

// Writes a new class of the given kind into the class's texts, in its style; the function list
// gets the definition lines.
void generateClass(ClassText& cls, ClassKind kind);

// Each generator empties its pane first, then appends its lines.
void generateNormalHeader(LineList& header, const std::string& className);
void generateVirtualBaseHeader(LineList& header, std::vector<std::string>& functions,
                               const std::string& className);
void generateSource(LineList& source, std::vector<std::string>& functions,
                    const std::string& className);

}  // namespace tav
