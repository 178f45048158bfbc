#pragma once
// The frame around every generated definition block of a source file, shared by the new class's
// constructor and destructor and by the members added later.
#include <string>
#include <vector>

#include "text/line_list.h"

namespace tav {

// "//" followed by 75 '-': frames every generated block.
extern const std::string kSeparatorLine;

// Appends separator, title, "//", separator, head, the body lines, separator.
void appendFramedBlock(LineList& source, const std::string& title, const std::string& head,
                       const std::vector<std::string>& body);

}  // namespace tav
