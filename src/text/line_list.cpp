#include "text/line_list.h"

#include <stdexcept>

namespace tav {

void VectorLineList::insert(std::size_t index, const std::string& text) {
    if (index > lines_.size()) throw std::out_of_range("line index past the end");
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), text);
}

}  // namespace tav
