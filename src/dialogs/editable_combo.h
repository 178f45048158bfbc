#pragma once
// Editable combo boxes that leave their drop-down list until it is first needed.
class QComboBox;
class QWidget;

namespace tav {

// A new combo box with an editable text field and Qt's default completer, as
// QComboBox::setEditable(true) makes it, but without the drop-down list's popup window, which
// QComboBox builds at once in setEditable and otherwise only when the list first drops down.
// That popup (a list view with its scroll bars) is most of the cost of an editable box.
// Its list presents its entries to assistive technology only while dropped down (see
// drop_down_accessibility.h).
QComboBox* newEditableComboBox(QWidget* parent);

}  // namespace tav
