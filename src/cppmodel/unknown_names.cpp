#include "cppmodel/unknown_names.h"

#include <cctype>
#include <vector>

namespace tav::cpp {

namespace {

// The text between the first pair of quotes after from, and the position after it.
std::string_view quoted(std::string_view message, std::size_t& from) {
    const std::size_t open = message.find('\'', from);
    if (open == std::string_view::npos) return {};
    const std::size_t close = message.find('\'', open + 1);
    if (close == std::string_view::npos) return {};
    from = close + 1;
    return message.substr(open + 1, close - open - 1);
}

bool isIdentifier(std::string_view name) {
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) return false;
    for (const char c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') return false;
    }
    return true;
}

std::vector<std::string_view> scopeParts(std::string_view scope) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (!scope.empty()) {
        const std::size_t end = scope.find("::", start);
        parts.push_back(scope.substr(start, end - start));
        if (end == std::string_view::npos) break;
        start = end + 2;
    }
    return parts;
}

std::string_view afterBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    return text.substr(i);
}

}  // namespace

bool UnknownNames::learn(std::string_view message, std::string_view next,
                         std::string_view qualifier) {
    next = afterBlanks(next);
    const bool scopeFollows = next.starts_with("::");
    const bool templateFollows = next.starts_with("<");
    const Kind used = scopeFollows ? Kind::Scope : templateFollows ? Kind::Template : Kind::Type;
    std::size_t at = 0;
    const auto startsWith = [&](std::string_view prefix) { return message.starts_with(prefix); };
    if (startsWith("unknown type name") || startsWith("unknown class name")) {
        return add(qualifier, true, quoted(message, at),
                   templateFollows ? Kind::Template : Kind::Type);
    }
    if (startsWith("use of undeclared identifier")) {
        if (!scopeFollows && !templateFollows) return false;  // a value, not a type
        return add(qualifier, true, quoted(message, at), used);
    }
    const bool templateMessage =
        startsWith("no template named") || startsWith("unknown template name");
    if (templateMessage || startsWith("no type named") || startsWith("no member named")) {
        const std::string_view name = quoted(message, at);
        const Kind kind = templateMessage ? Kind::Template : used;
        const std::string_view rest = message.substr(at);
        if (rest.starts_with(" in namespace ")) return add(quoted(message, at), true, name, kind);
        if (rest.starts_with(" in ")) return add(quoted(message, at), false, name, kind);
        return add(qualifier, true, name, kind);
    }
    return false;
}

bool UnknownNames::add(std::string_view scope, bool scopeIsNamespace, std::string_view name,
                       Kind kind) {
    if (!isIdentifier(name)) return false;
    Node* node = &root_;
    for (std::string_view part : scopeParts(scope)) {
        if (!isIdentifier(part)) return false;  // "(anonymous namespace)", "Box<int>"
        const auto found = node->children.find(std::string(part));
        if (found == node->children.end()) {
            // A class of the text itself cannot be reopened; a namespace can.
            if (!scopeIsNamespace) return false;
            node = &node->children[std::string(part)];
            node->kind = Kind::Namespace;
        } else {
            node = &found->second;
        }
    }
    const auto [entry, added] = node->children.try_emplace(std::string(name));
    if (added) {
        entry->second.kind = kind;
        return true;
    }
    // A name seen as a plain type may turn out to be a template or a scope.
    if (entry->second.kind == Kind::Type && kind != Kind::Type) {
        entry->second.kind = kind;
        return true;
    }
    return false;
}

void UnknownNames::write(const std::string& name, const Node& node, std::string& out) {
    std::string inner;
    for (const auto& [childName, child] : node.children) write(childName, child, inner);
    switch (node.kind) {
        case Kind::Namespace:
            out += "namespace " + name + " { " + inner + "} ";
            break;
        case Kind::Template:
            out += "template <typename...> struct " + name + " { " + inner + "}; ";
            break;
        case Kind::Type:
        case Kind::Scope:
            out += "struct " + name + " { " + inner + "}; ";
            break;
    }
}

std::string UnknownNames::prelude() const {
    std::string out;
    for (const auto& [name, node] : root_.children) write(name, node, out);
    return out;
}

}  // namespace tav::cpp
