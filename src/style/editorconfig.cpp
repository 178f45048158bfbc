#include "style/editorconfig.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace tav {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::string lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// The end of the brace group that opens at glob[open], or npos.
std::size_t closingBrace(std::string_view glob, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < glob.size(); ++i) {
        if (glob[i] == '{') ++depth;
        if (glob[i] == '}' && --depth == 0) return i;
    }
    return std::string_view::npos;
}

// The alternatives of a brace group's inside, split at its top-level commas.
std::vector<std::string_view> alternatives(std::string_view inside) {
    std::vector<std::string_view> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < inside.size(); ++i) {
        if (inside[i] == '{') ++depth;
        if (inside[i] == '}') --depth;
        if (inside[i] == ',' && depth == 0) {
            parts.push_back(inside.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.push_back(inside.substr(start));
    return parts;
}

bool matches(std::string_view glob, std::string_view name, int budget);

// Brace groups are expanded before matching: each alternative in place of the group.
bool matchesGroup(std::string_view glob, std::size_t open, std::string_view name, int budget) {
    const std::size_t close = closingBrace(glob, open);
    if (close == std::string_view::npos) return false;
    const std::string_view before = glob.substr(0, open);
    const std::string_view after = glob.substr(close + 1);
    for (std::string_view alternative : alternatives(glob.substr(open + 1, close - open - 1))) {
        const std::string expanded =
            std::string(before) + std::string(alternative) + std::string(after);
        if (matches(expanded, name, budget - 1)) return true;
    }
    return false;
}

bool matches(std::string_view glob, std::string_view name, int budget) {
    if (budget <= 0) return false;  // a glob made to explode matches nothing
    if (const std::size_t open = glob.find('{'); open != std::string_view::npos)
        return matchesGroup(glob, open, name, budget);
    // Iterative wildcard matching with one backtrack point for the last '*'.
    std::size_t g = 0, n = 0, starG = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (g < glob.size() && glob[g] == '*') {
            while (g < glob.size() && glob[g] == '*') ++g;
            starG = g;
            starN = n;
            continue;
        }
        if (g < glob.size() && glob[g] == '[') {
            const std::size_t close = glob.find(']', g + 1);
            if (close != std::string_view::npos) {
                std::string_view set = glob.substr(g + 1, close - g - 1);
                const bool negated = !set.empty() && set.front() == '!';
                if (negated) set.remove_prefix(1);
                bool inSet = false;
                for (std::size_t i = 0; i < set.size(); ++i) {
                    if (i + 2 < set.size() && set[i + 1] == '-') {
                        inSet = inSet || (name[n] >= set[i] && name[n] <= set[i + 2]);
                        i += 2;
                    } else {
                        inSet = inSet || name[n] == set[i];
                    }
                }
                if (inSet != negated) {
                    g = close + 1;
                    ++n;
                    continue;
                }
            }
        } else if (g < glob.size() && (glob[g] == '?' || glob[g] == name[n])) {
            ++g;
            ++n;
            continue;
        }
        if (starG == std::string_view::npos) return false;
        g = starG;
        n = ++starN;
    }
    while (g < glob.size() && glob[g] == '*') ++g;
    return g == glob.size();
}

}  // namespace

bool editorConfigGlobMatches(std::string_view glob, std::string_view fileName) {
    // Only the file's name is known: a glob for a path matches when its last part does.
    while (glob.substr(0, 3) == "**/") glob.remove_prefix(3);
    if (!glob.empty() && glob.front() == '/') glob.remove_prefix(1);
    if (glob.find('/') != std::string_view::npos) return false;
    return matches(glob, fileName, 64);
}

std::string editorConfigIndent(const std::vector<std::string>& texts, std::string_view fileName,
                               const std::string& fallback) {
    // The files that count: the nearest up to and including the first that is a root.
    std::size_t counted = texts.size();
    std::vector<std::vector<std::pair<std::string, std::string>>> settings(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::string_view rest = texts[i];
        bool inSection = false;
        bool sectionMatches = false;
        while (!rest.empty()) {
            const std::size_t end = rest.find('\n');
            std::string_view line = trimmed(rest.substr(0, end));
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
            if (line.empty() || line.front() == '#' || line.front() == ';') continue;
            if (line.front() == '[' && line.back() == ']') {
                inSection = true;
                sectionMatches = editorConfigGlobMatches(line.substr(1, line.size() - 2), fileName);
                continue;
            }
            const std::size_t equals = line.find('=');
            if (equals == std::string_view::npos) continue;
            const std::string key = lowered(trimmed(line.substr(0, equals)));
            const std::string value = lowered(trimmed(line.substr(equals + 1)));
            if (!inSection && key == "root" && value == "true") counted = std::min(counted, i + 1);
            if (inSection && sectionMatches) settings[i].emplace_back(key, value);
        }
    }
    std::optional<std::string> style;
    std::optional<int> size;
    for (std::size_t i = counted; i-- > 0;) {  // farthest first: nearer files win
        for (const auto& [key, value] : settings[i]) {
            if (key == "indent_style" && (value == "tab" || value == "space")) style = value;
            if (key == "indent_size" && !value.empty() && value.size() <= 2 &&
                std::all_of(value.begin(), value.end(),
                            [](char c) { return c >= '0' && c <= '9'; }))
                size = std::stoi(value);
        }
    }
    if (style == "tab") return "\t";
    const bool spaces = style == "space" || (!style && fallback.find('\t') == std::string::npos);
    if (!spaces) return fallback;
    if (size && *size > 0) return std::string(static_cast<std::size_t>(*size), ' ');
    return style && fallback.find('\t') != std::string::npos ? std::string(4, ' ') : fallback;
}

}  // namespace tav
