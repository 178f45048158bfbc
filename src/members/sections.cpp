#include <optional>

#include "members/members.h"
#include "members/modern.h"
#include "text/text_rules.h"

namespace tav {

namespace {

// Index of the first line whose whole text equals wanted, ASCII letter case ignored.
std::optional<std::size_t> findWholeLine(const LineList& lines, const std::string& wanted) {
    std::optional<std::size_t> found;
    std::size_t index = 0;
    lines.forEachLine([&](std::string_view line) {
        if (equalsIgnoringCase(line, wanted)) {
            found = index;
            return false;
        }
        ++index;
        return true;
    });
    return found;
}

}  // namespace

const char* sectionMarker(Access access) {
    switch (access) {
        case Access::Private:
            return "private:";
        case Access::Protected:
            return "protected:";
        case Access::Public:
            break;
    }
    return "public:";
}

void insertUnderSection(LineList& header, const std::string& className, const std::string& marker,
                        const std::string& line) {
    if (const auto markerLine = findWholeLine(header, marker)) {
        header.insert(*markerLine + 1, line);
        return;
    }
    // No marker: put one below the line that holds the class name alone, or at the very top.
    const auto nameLine = findWholeLine(header, className);
    const std::size_t at = nameLine ? *nameLine + 1 : 0;
    header.insert(at, marker);
    header.insert(at + 1, line);
}

void addDataMember(ClassText& cls, const DataMemberInput& input) {
    if (cls.style.modern()) return addModernDataMember(cls, input);
    const std::string entry = input.type + " " + input.name;
    cls.data.push_back(entry);
    insertUnderSection(cls.header, cls.className, sectionMarker(input.access), entry + ";");
}

}  // namespace tav
