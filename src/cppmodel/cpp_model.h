#pragma once
// What a C++ header says about its classes, read by the clang front end: each class with its
// namespace, bases and members, every text as the user wrote it (types and parameters are taken
// from the declaration's own tokens, since the headers a class includes are not read and clang
// would see their types as int). Lines are 1-based lines of the text that was read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav::cpp {

enum class Access { Public, Protected, Private };
enum class MemberKind { Constructor, Destructor, Method, Operator, Conversion, Data };

struct Parameter {
    std::string text;         // as written, default included: "int size = 4"
    std::string declaration;  // without the default: "int size"
    std::string name;         // empty for an unnamed parameter
};

struct Member {
    MemberKind kind = MemberKind::Method;
    Access access = Access::Private;
    // "area", "operator+=", "~Shape", "operator bool"; a data member's name.
    std::string name;
    // A function's return type (empty for constructors, destructors and conversions) or a data
    // member's type, as written, without specifiers (virtual, static, explicit, inline, friend)
    // or attributes; constexpr and consteval stay.
    std::string type;
    std::vector<Parameter> parameters;
    // What follows the parameter list and belongs to a definition too: "const", "&",
    // "noexcept", "-> int", joined by blanks. Empty for data members.
    std::string qualifiers;
    // A data member's array bounds or bit width as written ("[4]", ": 3"); usually empty.
    std::string declaratorSuffix;
    // "template <typename T>" for a member template.
    std::string templateHead;
    bool isConst = false;
    bool isNoexcept = false;
    bool isStatic = false;
    bool isVirtual = false;         // declared virtual or overriding a virtual function
    bool isVirtualWritten = false;  // the word virtual stands in the declaration
    bool isPure = false;
    bool isOverride = false;
    bool isFinal = false;
    bool isExplicit = false;
    bool isDefaulted = false;
    bool isDeleted = false;
    bool isDefinedInClass = false;
    bool isFriend = false;  // a friend function: defined without the class's name
    // Identifies the function across declaration and definition (empty for data members).
    std::string id;
    int beginLine = 0;
    int endLine = 0;

    bool isFunction() const { return kind != MemberKind::Data; }
    // "(int size, bool wrap)": the parameters without their defaults.
    std::string parameterList() const;
};

struct Base {
    Access access = Access::Private;
    std::string name;  // as written: "QObject", "geo::Shape", "Box<int>"
    bool isVirtual = false;
};

struct Class {
    std::string name;
    std::string nameSpace;      // enclosing namespaces joined by "::", "" for the global one
    std::string qualifiedName;  // enclosing classes and the name: "Outer::Inner"
    bool isStruct = false;
    std::string templateHead;  // "template <typename T>" for a class template, else ""
    std::vector<Base> bases;
    std::vector<Member> members;  // in the order of the text
    std::vector<Class> nested;
    // Names of the types declared inside the class (nested classes, enums, aliases), which a
    // definition outside the class must qualify.
    std::vector<std::string> memberTypes;
    int beginLine = 0;
    int endLine = 0;

    const Member* findMember(std::string_view memberName) const;
};

// A member function defined in the source part of a pair.
struct Definition {
    std::string className;  // the qualified name the definition names: "Outer::Inner"
    std::string name;
    std::string id;  // equals the id of the declaration it defines, when there is one
    bool matchesDeclaration = false;
    std::string head;  // the definition's text up to its body, blanks collapsed
    int beginLine = 0;
    int endLine = 0;
};

// A namespace block of the source part of a pair: "geo" or, nested, "geo::detail".
struct NamespaceBlock {
    std::string name;
    int beginLine = 0;
    int endLine = 0;  // the line of its closing brace
};

struct Diagnostic {
    int line = 0;
    bool inSource = false;  // a line of the source part of a pair
    std::string message;
};

struct Model {
    std::vector<Class> classes;                    // top-level classes, in the order of the text
    std::vector<Definition> definitions;           // of the source part of a pair only
    std::vector<NamespaceBlock> sourceNamespaces;  // of the source part, outer ones first
    std::vector<std::string> includes;             // the header's #include lines, as written
    std::vector<Diagnostic> errors;                // what clang still could not read
    int lineCount = 0;

    // The first class of that name (nested ones too), or nullptr.
    const Class* findClass(std::string_view name) const;
};

struct ParseResult {
    // Set when the text could not be read at all: the parser failed, or it found errors and
    // not one class.
    std::optional<std::string> error;
    Model model;
    bool ok() const { return !error; }
};

// Reads a header's text (not saved anywhere) as C++20.
ParseResult parseHeader(std::string_view header);
// Reads a header and its source as one text: the header's classes as parseHeader gives them and
// the source's definitions of member functions, each tied to the declaration it defines. The
// definitions' lines are lines of the source.
ParseResult parsePair(std::string_view header, std::string_view source);

}  // namespace tav::cpp
