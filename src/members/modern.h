#pragma once
// The modern profile's texts: a class in a namespace with #pragma once or an include guard, an
// SPDX banner, indented declarations, and definitions without frames placed above the
// namespace's closing line. Everything written here compiles as C++20.
#include "members/members.h"
#include "members/skeleton.h"

namespace tav {

void generateModernClass(ClassText& cls, ClassKind kind, const ClassBase& base = {});
void addModernDataMember(ClassText& cls, const DataMemberInput& input);
void addModernMemberFunction(ClassText& cls, const FunctionInput& input);
void addModernOperator(ClassText& cls, const OperatorInput& input);
void addModernCopyConstructor(ClassText& cls);

// The include guard's name: the namespace's parts, the class name and the extension, upper
// case, joined by '_' ("geo::Shape" with ".h" gives GEO_SHAPE_H).
std::string includeGuardName(const ClassStyle& style, const std::string& className);

// The operator dialog's C++20 comparisons (modern profile): a friend declared "= default",
// "<=>" with the include it needs.
inline constexpr const char* kDefaultedEquality = "== (defaulted)";
inline constexpr const char* kDefaultedComparison = "<=> (defaulted)";

// Whether an operator symbol makes a friend (stream or comparison) rather than a member: a
// friend cannot be virtual.
bool isFriendOperator(const std::string& symbol);

}  // namespace tav
