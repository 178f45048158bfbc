#include "dialogs/editable_combo.h"

#include <QComboBox>
#include <QLineEdit>

#include "dialogs/drop_down_accessibility.h"

namespace tav {

QComboBox* newEditableComboBox(QWidget* parent) {
    installDropDownAccessibility();
    auto* combo = new QComboBox(parent);
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    combo->setLineEdit(edit);
    return combo;
}

void nameComboBox(QComboBox* combo, const QString& name) {
    installDropDownAccessibility();
    combo->setAccessibleName(name);
    if (QLineEdit* edit = combo->lineEdit()) edit->setAccessibleName(name);
}

void describeComboBox(QComboBox* combo, const QString& name) {
    nameComboBox(combo, name);
    combo->setAccessibleDescription(name);
}

}  // namespace tav
