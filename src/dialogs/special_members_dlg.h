#pragma once
// The Add Special Members dialog: for each special member whether it is left to the compiler,
// declared and defined, defaulted or deleted; a virtual destructor; and four presets for the
// copy and move members.
#include <array>

#include "dialogs/tav_dialog.h"
#include "members/special_members.h"

class TSpecialMembersDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TSpecialMembersDlg(tav::Platform& platform);

    // One box per member, in the order of tav::SpecialMember.
    std::array<QComboBox*, tav::kSpecialMemberCount> Choices;
    QCheckBox* VirtualDestructor;
    QPushButton* RuleOfZero;
    QPushButton* CopyableAndMovable;
    QPushButton* MoveOnly;
    QPushButton* NotCopyableOrMovable;
    QPushButton* Button1;  // Cancel
    QPushButton* Button3;  // Help
    QPushButton* Button2;  // OK

    tav::SpecialMembersInput value() const;
    void setValue(const tav::SpecialMembersInput& input);

private:
    void apply(tav::SpecialPreset preset);
};
