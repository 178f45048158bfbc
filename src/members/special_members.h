#pragma once
// The special members of a class (constructors, assignments, destructor) written as one block:
// each declared and defined, defaulted, deleted or left to the compiler, in either profile.
#include <array>
#include <string>
#include <vector>

#include "members/members.h"

namespace tav {

enum class SpecialMember {
    DefaultConstructor,
    CopyConstructor,
    CopyAssignment,
    MoveConstructor,
    MoveAssignment,
    Destructor
};
inline constexpr std::size_t kSpecialMemberCount = 6;

enum class SpecialChoice { NotDeclared, DeclaredAndDefined, Defaulted, Deleted };

// Each sets the four copy and move members and leaves the default constructor and destructor.
enum class SpecialPreset { RuleOfZero, CopyableAndMovable, MoveOnly, NotCopyableOrMovable };

struct SpecialMembersInput {
    std::array<SpecialChoice, kSpecialMemberCount> choices{};  // every one not declared
    bool virtualDestructor = false;

    SpecialChoice& operator[](SpecialMember member) {
        return choices[static_cast<std::size_t>(member)];
    }
    SpecialChoice operator[](SpecialMember member) const {
        return choices[static_cast<std::size_t>(member)];
    }
};

// "Default constructor", "Copy constructor", ...: as the dialog and messages name them.
const char* specialMemberName(SpecialMember member);

void applyPreset(SpecialMembersInput& input, SpecialPreset preset);

// Whether the header already declares a special member of this kind for the class.
bool declaresSpecialMember(const LineList& header, const std::string& className,
                           SpecialMember member);

// Declares the chosen members as one block directly below "public:", in the order above, and
// appends the definitions of those declared and defined. A member the header already declares
// is left out; those are returned.
std::vector<SpecialMember> addSpecialMembers(ClassText& cls, const SpecialMembersInput& input);

}  // namespace tav
