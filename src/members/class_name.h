#pragma once
// What a new class may be called. The classic style takes any text that is not blank, as it
// always has (the name goes into the texts and file names as typed); the modern style's output
// must compile, so its class name must also be a C++ identifier that is no keyword.
#include <optional>
#include <string>
#include <string_view>

namespace tav {

enum class ClassNameRule { AnyText, Identifier };

// Empty, or nothing but the word reader's white space.
bool isBlank(std::string_view text);

// An identifier in C++'s basic character set: a letter or '_', then letters, digits and '_'.
// Keywords are spelled like identifiers and pass; see isCppKeyword.
bool isCppIdentifier(std::string_view text);

// A keyword or an alternative token of C++20 ("class", "co_await", "and", ...).
bool isCppKeyword(std::string_view text);

// Why name cannot name a new class under rule (the message the user reads), or nothing.
std::optional<std::string> classNameProblem(std::string_view name, ClassNameRule rule);

// Why base cannot be the base of the modern class className, or nothing: it must be a possibly
// qualified name ("geo::Figure", "::Figure"), with template arguments at its end if any
// ("Box<int>"), that is not the class itself. An empty base is no base.
std::optional<std::string> baseClassProblem(std::string_view base, std::string_view className);

}  // namespace tav
