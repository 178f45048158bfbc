#include "dialogs/special_members_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "dialogs/pictures.h"

namespace {

constexpr int kHelpContextSpecialMembers = 110;

// In the order of tav::SpecialChoice.
const QStringList kChoices{QStringLiteral("Not declared"), QStringLiteral("Declared and defined"),
                           QStringLiteral("= default"), QStringLiteral("= delete")};

constexpr const char* kBoxNames[] = {"DefaultConstructor", "CopyConstructor", "CopyAssignment",
                                     "MoveConstructor",    "MoveAssignment",  "Destructor"};

}  // namespace

TSpecialMembersDlg::TSpecialMembersDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Add Special Members"), QSize(330, 300),
                 Layer::StaysOnTop) {
    setObjectName(QStringLiteral("SpecialMembersDlg"));
    setWindowIcon(tav::appIcon());

    QList<QWidget*> chain;
    for (std::size_t i = 0; i < tav::kSpecialMemberCount; ++i) {
        const int top = 8 + static_cast<int>(i) * 26;
        const QString name = QString::fromLatin1(kBoxNames[i]);
        QLabel* label = addLabel(
            (name + QStringLiteral("Label")).toLatin1().constData(),
            QString::fromLatin1(tav::specialMemberName(static_cast<tav::SpecialMember>(i))),
            {16, top + 4});
        auto* box = new QComboBox(this);
        box->setObjectName(name);
        box->addItems(kChoices);
        box->setGeometry(150, top, 164, 21);
        labelField(label, box);
        Choices[i] = box;
        chain.append(box);
    }
    VirtualDestructor =
        addCheckBox("VirtualDestructor", QStringLiteral("Virtual destructor"), {150, 164, 164, 17});
    addLabel("PresetsLabel", QStringLiteral("Copy and move:"), {16, 190});
    RuleOfZero = addButton("RuleOfZero", QStringLiteral("Rule of zero"), {16, 206, 145, 23});
    CopyableAndMovable = addButton("CopyableAndMovable", QStringLiteral("Copyable and movable"),
                                   {169, 206, 145, 23});
    MoveOnly = addButton("MoveOnly", QStringLiteral("Move-only"), {16, 234, 145, 23});
    NotCopyableOrMovable = addButton(
        "NotCopyableOrMovable", QStringLiteral("Not copyable or movable"), {169, 234, 145, 23});
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 268, 75, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {128, 268, 75, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {239, 268, 75, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextSpecialMembers);

    const std::pair<QPushButton*, tav::SpecialPreset> presets[] = {
        {RuleOfZero, tav::SpecialPreset::RuleOfZero},
        {CopyableAndMovable, tav::SpecialPreset::CopyableAndMovable},
        {MoveOnly, tav::SpecialPreset::MoveOnly},
        {NotCopyableOrMovable, tav::SpecialPreset::NotCopyableOrMovable}};
    for (const auto& [button, preset] : presets)
        connect(button, &QPushButton::clicked, this, [this, preset = preset] { apply(preset); });

    setTabChain({Choices[0], Choices[1], Choices[2], Choices[3], Choices[4], Choices[5],
                 VirtualDestructor, RuleOfZero, CopyableAndMovable, MoveOnly, NotCopyableOrMovable,
                 Button1, Button3, Button2});
}

tav::SpecialMembersInput TSpecialMembersDlg::value() const {
    tav::SpecialMembersInput input;
    for (std::size_t i = 0; i < tav::kSpecialMemberCount; ++i)
        input.choices[i] = static_cast<tav::SpecialChoice>(Choices[i]->currentIndex());
    input.virtualDestructor = VirtualDestructor->isChecked();
    return input;
}

void TSpecialMembersDlg::setValue(const tav::SpecialMembersInput& input) {
    for (std::size_t i = 0; i < tav::kSpecialMemberCount; ++i)
        Choices[i]->setCurrentIndex(static_cast<int>(input.choices[i]));
    VirtualDestructor->setChecked(input.virtualDestructor);
}

void TSpecialMembersDlg::apply(tav::SpecialPreset preset) {
    tav::SpecialMembersInput input = value();
    tav::applyPreset(input, preset);
    setValue(input);
}
