#include "members/definition_block.h"

namespace tav {

const std::string kSeparatorLine = "//" + std::string(75, '-');

void appendFramedBlock(LineList& source, const std::string& title, const std::string& head,
                       const std::vector<std::string>& body) {
    source.append(kSeparatorLine);
    source.append(title);
    source.append("//");
    source.append(kSeparatorLine);
    source.append(head);
    for (const std::string& line : body) source.append(line);
    source.append(kSeparatorLine);
}

}  // namespace tav
