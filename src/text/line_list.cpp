#include "text/line_list.h"

#include <stdexcept>

namespace tav {

void LineList::forEachLine(const LineVisitor& visit) const {
    const std::size_t lines = count();
    for (std::size_t i = 0; i < lines; ++i) {
        if (!visit(line(i))) return;
    }
}

void VectorLineList::forEachLine(const LineVisitor& visit) const {
    for (const std::string& line : lines_) {
        if (!visit(line)) return;
    }
}

void VectorLineList::insert(std::size_t index, const std::string& text) {
    if (index > lines_.size()) throw std::out_of_range("line index past the end");
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), text);
}

}  // namespace tav
