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

}  // namespace
}  // namespace tav
