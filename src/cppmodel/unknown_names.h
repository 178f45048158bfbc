#pragma once
// The names a header uses but never declares (they come from headers that are not read): learnt
// from clang's complaints about one reading, declared in a short prelude for the next one, so
// that a declaration using them is read as written rather than dropped or misread.
#include <map>
#include <string>
#include <string_view>

namespace tav::cpp {

class UnknownNames {
public:
    // Learns from one error message; next is the text that follows the name the message is
    // about (to tell "Foo::" and "Foo<" from a plain use), qualifier the scope written before
    // it ("std" of "std::vector"), used when the message names none. True when something new
    // was learnt.
    bool learn(std::string_view message, std::string_view next, std::string_view qualifier);
    // Declarations of everything learnt, on one line.
    std::string prelude() const;
    bool empty() const { return root_.children.empty(); }

private:
    enum class Kind { Type, Template, Scope, Namespace };
    struct Node {
        Kind kind = Kind::Type;
        std::map<std::string, Node> children;
    };
    bool add(std::string_view scope, bool scopeIsNamespace, std::string_view name, Kind kind);
    static void write(const std::string& name, const Node& node, std::string& out);

    Node root_{Kind::Namespace, {}};
};

}  // namespace tav::cpp
