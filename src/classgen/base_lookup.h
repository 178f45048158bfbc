#pragma once
// The classes a class derives from, found where a compiler would find their headers: the same
// header, or a header it includes, looked up in the class directory and then in the include
// paths. Only what the class's header names is read; nothing is compiled.
#include <optional>
#include <string>
#include <vector>

#include "classgen/class_gen.h"

namespace tav {

struct BaseClasses {
    std::vector<cpp::Class> found;     // in the order the class names them
    std::vector<std::string> missing;  // bases whose declaration was found nowhere
};

// The name a base or class is declared with: "geo::Shape" and "Box<int>" give "Shape", "Box".
std::string declaredName(const std::string& writtenName);

// The first file named by include (as an #include line writes it) that exists in one of
// folders, in their order.
std::optional<std::string> findHeaderFile(const std::string& include,
                                          const std::vector<std::string>& folders);

// The class named name (as written) that the header file declares, if the file can be read.
std::optional<cpp::Class> classInHeaderFile(const std::string& path, const std::string& name);

// folders: the class directory first, then the include paths.
BaseClasses findBaseClasses(const ReadClass& read, const std::vector<std::string>& folders);

}  // namespace tav
