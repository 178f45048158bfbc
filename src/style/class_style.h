#pragma once
// How the program writes a class: the classic profile (the program's own fixed texts, the
// default) or the modern one (namespace, #pragma once or an include guard, SPDX banner,
// indentation, unframed definitions), with the file extensions and the indentation both use.
#include <string>

namespace tav {

enum class StyleProfile { Classic, Modern };
enum class HeaderGuard { PragmaOnce, IncludeGuard };

struct ClassStyle {
    StyleProfile profile = StyleProfile::Classic;
    // Modern only: "", one name, or nested names joined by "::".
    std::string nameSpace;
    HeaderGuard guard = HeaderGuard::PragmaOnce;
    // With their dot. The classic profile always writes ".h" and ".cpp".
    std::string headerExtension = ".h";
    std::string sourceExtension = ".cpp";
    // One level of indentation: spaces or a tab. The modern texts and the editor use it.
    std::string indent = "    ";
    // Modern banner lines; each one is left out when empty.
    std::string author;
    std::string license;  // an SPDX identifier such as MIT
    int year = 2026;      // the copyright year: the clock's, set by whoever makes the style

    bool modern() const { return profile == StyleProfile::Modern; }
    // The extensions a class of this profile is written with.
    std::string headerExt() const { return modern() ? headerExtension : ".h"; }
    std::string sourceExt() const { return modern() ? sourceExtension : ".cpp"; }

    bool operator==(const ClassStyle&) const = default;
};

// The program's own fixed style, the default.
inline const ClassStyle kClassicStyle{};

// The extensions a header or a source may have, the configured ones aside.
inline constexpr const char* kHeaderExtensions[] = {".h", ".hpp", ".hh"};
inline constexpr const char* kSourceExtensions[] = {".cpp", ".cc", ".cxx"};

}  // namespace tav
