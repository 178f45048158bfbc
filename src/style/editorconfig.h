#pragma once
// What .editorconfig files say of a file's indentation (indent_style, indent_size), read as the
// EditorConfig format does: sections whose glob matches the file's name, later sections and
// nearer files winning, no file above one that says root = true.
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// texts: the .editorconfig files from the file's own directory upward, nearest first. Returns
// one indentation level for fileName (a tab, or indent_size spaces) or fallback when the files
// say nothing of it; an indent_size alone resizes a fallback made of spaces.
std::string editorConfigIndent(const std::vector<std::string>& texts, std::string_view fileName,
                               const std::string& fallback);

// Whether an EditorConfig section glob (*, **, ?, [set], [!set], {a,b}) matches fileName. A
// glob without '/' matches the name in any directory.
bool editorConfigGlobMatches(std::string_view glob, std::string_view fileName);

}  // namespace tav
