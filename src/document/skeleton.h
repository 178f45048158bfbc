#pragma once
// The text of a new class: banner, include guard, class body, constructor and destructor.
#include <string>
#include <vector>

#include "text/line_list.h"

namespace tav {

// "//" followed by 75 '-': frames every generated block.
extern const std::string kSeparatorLine;

// Each generator empties its pane first, then appends its lines.
void generateNormalHeader(LineList& header, const std::string& className);
void generateVirtualBaseHeader(LineList& header, std::vector<std::string>& functions,
                               const std::string& className);
void generateSource(LineList& source, std::vector<std::string>& functions,
                    const std::string& className);

}  // namespace tav
