#pragma once
// Editable combo boxes that leave their drop-down list until it is first needed.
class QComboBox;
class QString;
class QWidget;

namespace tav {

// A new combo box with an editable text field and Qt's default completer, as
// QComboBox::setEditable(true) makes it, but without the drop-down list's popup window, which
// QComboBox builds at once in setEditable and otherwise only when the list first drops down.
// That popup (a list view with its scroll bars) is most of the cost of an editable box.
// Its list presents its entries to assistive technology only while dropped down (see
// drop_down_accessibility.h).
QComboBox* newEditableComboBox(QWidget* parent);

// Names a combo box for assistive technology: the box, its edit field (which a client reaches as
// an object of its own) and its drop-down list, which takes the box's name when it is read. On
// Linux the toolkit announces the box itself by the text it shows and by its "labelled by"
// label, not by this name.
void nameComboBox(QComboBox* combo, const QString& name);
// For a box that no label names: as nameComboBox, and name is also the box's description, which
// a screen reader announces after the box's text, so that the box is told by more than the text
// it happens to show.
void describeComboBox(QComboBox* combo, const QString& name);

}  // namespace tav
