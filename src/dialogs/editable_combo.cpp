#include "dialogs/editable_combo.h"

#include <QComboBox>
#include <QLineEdit>

namespace tav {

QComboBox* newEditableComboBox(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    auto* edit = new QLineEdit(combo);
    edit->setPalette(combo->palette());
    combo->setLineEdit(edit);
    return combo;
}

}  // namespace tav
