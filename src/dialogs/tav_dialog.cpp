#include "dialogs/tav_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "dialogs/editable_combo.h"
#include "platform/screen_area.h"

QFont TTavDialog::dialogFont() {
    // The dialogs' fixed sizes were made for a narrow font: prefer narrow sans-serif fonts
    // where "MS Sans Serif" is missing, so that every caption fits its control.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans Condensed")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

TTavDialog::TTavDialog(tav::Platform& platform, const QString& caption, QSize clientSize,
                       Layer layer)
    : QDialog(nullptr), platform_(platform) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (layer == Layer::StaysOnTop) flags |= Qt::WindowStaysOnTopHint;
    setWindowFlags(flags);
    setWindowTitle(caption);
    setAccessibleName(caption);
    // The font first, so that every control created afterwards inherits it and sizes its
    // caption with it.
    setFont(dialogFont());
    setFixedSize(clientSize);
}

void TTavDialog::reject() { done(tav::ModalCancel); }

void TTavDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            event->accept();
            return;
        default:
            break;
    }
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TTavDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    tav::keepOnScreen(this);
}

QLabel* TTavDialog::addLabel(const char* name, const QString& text, QPoint topLeft) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleName(text);
    label->move(topLeft);
    label->adjustSize();
    return label;
}

namespace {
template <typename Control>
Control* placed(Control* control, const char* name, const QString& accessibleName,
                const QRect& geometry) {
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessibleName);
    control->setGeometry(geometry);
    return control;
}
}  // namespace

QPushButton* TTavDialog::addButton(const char* name, const QString& text, const QRect& geometry) {
    auto* button = placed(new QPushButton(text, this), name, text, geometry);
    // No button is a default button: Enter presses nothing.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QRadioButton* TTavDialog::addRadioButton(const char* name, const QString& text,
                                         const QRect& geometry, bool checked) {
    auto* radio = placed(new QRadioButton(text, this), name, text, geometry);
    radio->setChecked(checked);
    return radio;
}

QCheckBox* TTavDialog::addCheckBox(const char* name, const QString& text, const QRect& geometry) {
    return placed(new QCheckBox(text, this), name, text, geometry);
}

QLineEdit* TTavDialog::addEdit(const char* name, const QString& text, const QRect& geometry) {
    auto* edit = placed(new QLineEdit(text, this), name, QString::fromLatin1(name), geometry);
    return edit;
}

QComboBox* TTavDialog::addComboBox(const char* name, const QString& text, const QStringList& items,
                                   const QRect& geometry) {
    auto* combo = placed(tav::newEditableComboBox(this), name, QString::fromLatin1(name), geometry);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Without a completer nothing is completed while typing and a typed text is never replaced
    // by a list entry that differs from it in letter case.
    combo->setCompleter(nullptr);
    combo->addItems(items);
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        combo->setCurrentIndex(index);
    else
        combo->setEditText(text);
    return combo;
}

void TTavDialog::labelField(QLabel* label, QWidget* field) {
    label->setBuddy(field);
    const QString caption = QString(label->text()).remove(u'&');
    if (auto* combo = qobject_cast<QComboBox*>(field))
        tav::nameComboBox(combo, caption);
    else
        field->setAccessibleName(caption);
}

void TTavDialog::setTabChain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) setTabOrder(previous, control);
        previous = control;
    }
}

void TTavDialog::connectButtons(QPushButton* cancel, QPushButton* ok, QPushButton* help,
                                int helpContext) {
    connect(cancel, &QPushButton::clicked, this, [this] { done(tav::ModalCancel); });
    connect(ok, &QPushButton::clicked, this, [this] {
        if (acceptsInput()) done(tav::ModalOk);
    });
    connect(help, &QPushButton::clicked, this, [this, helpContext] { openHelp(helpContext); });
    // F1, the key users press for help, opens the same topic wherever the focus is in the dialog.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, [this, helpContext] { openHelp(helpContext); });
}

tav::Access TTavDialog::accessFrom(const QRadioButton* privateButton,
                                   const QRadioButton* protectedButton) {
    if (privateButton->isChecked()) return tav::Access::Private;
    if (protectedButton->isChecked()) return tav::Access::Protected;
    return tav::Access::Public;
}

void TTavDialog::openHelp(int helpContext) {
    platform_.help(this, tav::kHelpFileName, tav::HelpContext, helpContext);
}
