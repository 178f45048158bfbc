#include "text/line_list.h"

#include <gtest/gtest.h>

namespace tav {
namespace {

TEST(VectorLineList, InsertsAtAnyIndexUpToTheCount) {
    VectorLineList list({"a", "c"});
    list.insert(1, "b");
    list.insert(3, "d");
    list.insert(0, "start");
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"start", "a", "b", "c", "d"}));
    EXPECT_THROW(list.insert(9, "x"), std::out_of_range);
    list.clear();
    EXPECT_EQ(list.count(), 0u);
}

// A list that offers only the required operations, so that the default walk is used.
class IndexedOnly final : public LineList {
public:
    explicit IndexedOnly(std::vector<std::string> lines) : lines_(std::move(lines)) {}
    std::size_t count() const override { return lines_.size(); }
    std::string line(std::size_t index) const override {
        ++reads;
        return lines_.at(index);
    }
    void insert(std::size_t, const std::string&) override {}
    void append(const std::string&) override {}
    void clear() override {}
    mutable int reads = 0;

private:
    std::vector<std::string> lines_;
};

TEST(LineWalk, VisitsEveryLineInOrderUntilTheVisitorStops) {
    const std::vector<std::string> lines{"a", "", "c d", "e"};
    const VectorLineList vector(lines);
    const IndexedOnly indexed(lines);
    for (const LineList* list :
         {static_cast<const LineList*>(&vector), static_cast<const LineList*>(&indexed)}) {
        std::vector<std::string> seen;
        list->forEachLine([&](std::string_view line) {
            seen.emplace_back(line);
            return true;
        });
        EXPECT_EQ(seen, lines);
        seen.clear();
        list->forEachLine([&](std::string_view line) {
            seen.emplace_back(line);
            return line != "";
        });
        EXPECT_EQ(seen, (std::vector<std::string>{"a", ""}));
    }
    const IndexedOnly stopping(lines);
    stopping.forEachLine([](std::string_view) { return false; });
    EXPECT_EQ(stopping.reads, 1);  // a walk that stops reads no further
}

}  // namespace
}  // namespace tav
