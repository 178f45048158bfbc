// Base classes found where a compiler finds them, the names a base may have, and a modern class
// made with a base.
#include "classgen/base_lookup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "compile_check.h"
#include "members/class_name.h"
#include "members/skeleton.h"

namespace tav {
namespace {

using Lines = std::vector<std::string>;

const Lines kFigure = {"#pragma once",
                       "namespace geo {",
                       "class Figure",
                       "{",
                       "public:",
                       "    virtual ~Figure() = default;",
                       "    virtual double area() const = 0;",
                       "};",
                       "} // namespace geo"};

ReadClass readHeader(const Lines& header, const std::string& name = "Shape") {
    std::string text;
    for (const std::string& line : header) text += line + "\n";
    return readClass(text, "", name);
}

TEST(BaseLookup, FindsTheBaseInTheClassDirectoryThenTheIncludePaths) {
    testing::CompileFolder classDir;
    testing::CompileFolder includes;
    std::filesystem::create_directories(includes.dir() / "geo");
    includes.write("geo/Figure.h", kFigure);
    classDir.write("Round.h", {"class Round { public: virtual void roll(); };"});
    const ReadClass read = readHeader({"#include \"Round.h\"", "#include <geo/Figure.h>",
                                       "#include <vector>", "class Local { virtual void f(); };",
                                       "class Shape : public geo::Figure, Round, public Local,",
                                       "              public Gone<int>", "{", "};"});
    ASSERT_FALSE(read.error);
    const BaseClasses bases =
        findBaseClasses(read, {classDir.dir().string(), includes.dir().string()});
    std::vector<std::string> found;
    for (const cpp::Class& base : bases.found) found.push_back(base.qualifiedName);
    EXPECT_EQ(found, (Lines{"Figure", "Round", "Local"}));
    EXPECT_EQ(bases.missing, (Lines{"Gone<int>"}));
    EXPECT_EQ(overridableFunctions(bases.found[0], read.cls).front().name, "area");
    // Without the include path the header is not found.
    EXPECT_EQ(findBaseClasses(read, {classDir.dir().string()}).missing,
              (Lines{"geo::Figure", "Gone<int>"}));
}

TEST(BaseLookup, NamesABaseMayHave) {
    const struct {
        const char* base;
        bool accepted;
    } cases[] = {
        {"", true},           {"Figure", true},       {"geo::Figure", true},
        {"::Figure", true},   {"Box<int>", true},     {"a::Box<std::pair<int, int>>", true},
        {"Shape", false},     {"geo::", false},       {"Box<int", false},
        {"2D", false},        {"class", false},       {"Fig ure", false},
        {"Box<int>x", false}, {"public Base", false}, {"<int>", false}};
    for (const auto& c : cases) EXPECT_EQ(!baseClassProblem(c.base, "Shape"), c.accepted) << c.base;
    EXPECT_EQ(declaredName("geo::Box<int>"), "Box");
}

TEST(ModernSkeleton, WritesTheBaseAndOverridesItsVirtualDestructor) {
    testing::CompileFolder folder;
    folder.write("Figure.h", kFigure);
    for (ClassKind kind : {ClassKind::Normal, ClassKind::VirtualBase}) {
        ClassStyle style;
        style.profile = StyleProfile::Modern;
        style.nameSpace = "geo";
        VectorLineList header, source;
        Lines functions, data;
        const std::string name = "Shape";
        ClassText cls{header, source, functions, data, name, style};
        generateClass(cls, kind, {"Figure", "Figure.h", true});
        const Lines& h = header.lines();
        EXPECT_EQ(Lines(h.begin(), h.begin() + 7),
                  (Lines{"#pragma once", "", "#include \"Figure.h\"", "", "namespace geo {", "",
                         "class Shape : public Figure"}));
        EXPECT_EQ(h[10], kind == ClassKind::Normal ? "    ~Shape() override;"
                                                   : "    ~Shape() override = default;");
        folder.write("Shape.h", h);
        folder.write("Shape.cpp", source.lines());
        // Figure's area() is pure: the class compiles, it is abstract until it overrides it.
        EXPECT_TRUE(folder.compiles("Shape.cpp")) << ::testing::PrintToString(h);
    }
}

}  // namespace
}  // namespace tav
