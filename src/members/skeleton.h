#pragma once
// The text of a new class: banner, include guard, class body, constructor and destructor.
#include <string>
#include <vector>

#include "text/line_list.h"

namespace tav {

enum class ClassKind { Normal, VirtualBase };

// A class a new modern class derives from, publicly.
struct ClassBase {
    std::string name;    // as written: "Shape", "geo::Shape"; empty for none
    std::string header;  // its header as an #include names it: "Shape.h", <QObject>; may be empty
    bool virtualDestructor = false;  // the base's destructor is virtual: ours overrides it
};

// What the New Class dialog hands over: the class's kind, its name and the directory its files
// go to (UTF-8, native separators, no trailing separator), and in the modern profile its base.
struct NewClassInput {
    ClassKind kind = ClassKind::Normal;
    std::string name;
    std::string directory;
    ClassBase base;
};

struct ClassText;

// Writes a new class of the given kind into the class's texts, in its style; the function list
// gets the definition lines. Only the modern profile writes a base.
void generateClass(ClassText& cls, ClassKind kind, const ClassBase& base = {});

// Each generator empties its pane first, then appends its lines.
void generateNormalHeader(LineList& header, const std::string& className);
void generateVirtualBaseHeader(LineList& header, std::vector<std::string>& functions,
                               const std::string& className);
void generateSource(LineList& source, std::vector<std::string>& functions,
                    const std::string& className);

}  // namespace tav
