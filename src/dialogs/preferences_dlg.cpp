#include "dialogs/preferences_dlg.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/pictures.h"

namespace {

constexpr int kHelpContextPreferences = 100;

const QStringList kIndents{QStringLiteral("2 spaces"), QStringLiteral("4 spaces"),
                           QStringLiteral("8 spaces"), QStringLiteral("Tab")};

QString indentName(const std::string& indent) {
    if (indent == "\t") return kIndents[3];
    return QStringLiteral("%1 spaces").arg(indent.size());
}

std::string indentOf(const QString& name) {
    if (name == kIndents[3]) return "\t";
    const int width = name.section(QLatin1Char(' '), 0, 0).toInt();
    return std::string(static_cast<std::size_t>(width > 0 && width <= 16 ? width : 4), ' ');
}

// The two buttons of one choice exclude each other, not the other choice's.
void keepApart(QRadioButton* first, QRadioButton* second) {
    auto* group = new QButtonGroup(first->parent());
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
}

}  // namespace

TPreferencesDlg::TPreferencesDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("Configure Tavrin"), QSize(300, 352), Layer::Normal) {
    setObjectName(QStringLiteral("PreferencesDlg"));
    setWindowIcon(tav::appIcon());

    QLabel* style = addLabel("StyleLabel", QStringLiteral("Style"), {16, 8});
    Classic = addRadioButton("Classic", QStringLiteral("Classic"), {16, 24, 80, 17}, true);
    Modern = addRadioButton("Modern", QStringLiteral("Modern"), {104, 24, 80, 17}, false);
    keepApart(Classic, Modern);
    QLabel* nameSpace = addLabel("NamespaceLabel", QStringLiteral("Namespace:"), {16, 52});
    Namespace = addEdit("Namespace", QString(), {120, 48, 164, 21});
    QLabel* guard = addLabel("GuardLabel", QStringLiteral("Header guard"), {16, 80});
    PragmaOnce =
        addRadioButton("PragmaOnce", QStringLiteral("#pragma once"), {120, 78, 90, 17}, true);
    IncludeGuard =
        addRadioButton("IncludeGuard", QStringLiteral("Include guard"), {210, 78, 90, 17}, false);
    keepApart(PragmaOnce, IncludeGuard);
    QLabel* header =
        addLabel("HeaderExtensionLabel", QStringLiteral("Header extension:"), {16, 108});
    HeaderExtension = addComboBox(
        "HeaderExtension", QStringLiteral(".h"),
        {QStringLiteral(".h"), QStringLiteral(".hpp"), QStringLiteral(".hh")}, {120, 104, 80, 21});
    QLabel* source =
        addLabel("SourceExtensionLabel", QStringLiteral("Source extension:"), {16, 136});
    SourceExtension =
        addComboBox("SourceExtension", QStringLiteral(".cpp"),
                    {QStringLiteral(".cpp"), QStringLiteral(".cc"), QStringLiteral(".cxx")},
                    {120, 132, 80, 21});
    QLabel* indent = addLabel("IndentLabel", QStringLiteral("Indent:"), {16, 164});
    Indent = addComboBox("Indent", kIndents[1], kIndents, {120, 160, 80, 21});
    QLabel* author = addLabel("AuthorLabel", QStringLiteral("Author:"), {16, 192});
    Author = addEdit("Author", QString(), {120, 188, 164, 21});
    QLabel* license = addLabel("LicenseLabel", QStringLiteral("License:"), {16, 220});
    License = addEdit("License", QString(), {120, 216, 80, 21});
    QLabel* includes = addLabel("IncludePathsLabel", QStringLiteral("Include paths:"), {16, 248});
    IncludePaths = new QPlainTextEdit(this);
    IncludePaths->setObjectName(QStringLiteral("IncludePaths"));
    IncludePaths->setGeometry(120, 244, 164, 60);
    IncludePaths->setLineWrapMode(QPlainTextEdit::NoWrap);
    IncludePaths->setTabChangesFocus(true);
    IncludePaths->setToolTip(
        QStringLiteral("Folders with the headers of base classes, one a line"));
    QPushButton* cancel = addButton("Cancel", QStringLiteral("Cancel"), {64, 316, 60, 25});
    QPushButton* help = addButton("Help", QStringLiteral("Help"), {136, 316, 60, 25});
    QPushButton* ok = addButton("OK", QStringLiteral("OK"), {208, 316, 60, 25});
    connectButtons(cancel, ok, help, kHelpContextPreferences);

    labelField(nameSpace, Namespace);
    labelField(header, HeaderExtension);
    labelField(source, SourceExtension);
    labelField(indent, Indent);
    labelField(author, Author);
    labelField(license, License);
    labelField(includes, IncludePaths);
    Classic->setAccessibleDescription(style->text());
    Modern->setAccessibleDescription(style->text());
    PragmaOnce->setAccessibleDescription(guard->text());
    IncludeGuard->setAccessibleDescription(guard->text());
    setTabChain({Classic, Modern, Namespace, PragmaOnce, IncludeGuard, HeaderExtension,
                 SourceExtension, Indent, Author, License, IncludePaths, cancel, help, ok});
    connect(Modern, &QRadioButton::toggled, this, &TPreferencesDlg::showProfile);
    showProfile();
}

void TPreferencesDlg::showProfile() {
    for (QWidget* field :
         std::initializer_list<QWidget*>{Namespace, PragmaOnce, IncludeGuard, HeaderExtension,
                                         SourceExtension, Author, License})
        field->setEnabled(Modern->isChecked());
}

void TPreferencesDlg::setValue(const tav::ClassStyle& style) {
    (style.modern() ? Modern : Classic)->setChecked(true);
    Namespace->setText(QString::fromStdString(style.nameSpace));
    (style.guard == tav::HeaderGuard::PragmaOnce ? PragmaOnce : IncludeGuard)->setChecked(true);
    HeaderExtension->setEditText(QString::fromStdString(style.headerExtension));
    SourceExtension->setEditText(QString::fromStdString(style.sourceExtension));
    Indent->setEditText(indentName(style.indent));
    Author->setText(QString::fromStdString(style.author));
    License->setText(QString::fromStdString(style.license));
    showProfile();
}

tav::ClassStyle TPreferencesDlg::value(const tav::ClassStyle& from) const {
    tav::ClassStyle style = from;
    style.profile = Modern->isChecked() ? tav::StyleProfile::Modern : tav::StyleProfile::Classic;
    style.nameSpace = Namespace->text().trimmed().toStdString();
    style.guard =
        PragmaOnce->isChecked() ? tav::HeaderGuard::PragmaOnce : tav::HeaderGuard::IncludeGuard;
    const auto extension = [](const QComboBox* box, const char* fallback) {
        QString text = box->currentText().trimmed();
        if (text.isEmpty()) return std::string(fallback);
        if (!text.startsWith(QLatin1Char('.'))) text.prepend(QLatin1Char('.'));
        return text.toStdString();
    };
    style.headerExtension = extension(HeaderExtension, ".h");
    style.sourceExtension = extension(SourceExtension, ".cpp");
    style.indent = indentOf(Indent->currentText());
    style.author = Author->text().trimmed().toStdString();
    style.license = License->text().trimmed().toStdString();
    return style;
}

void TPreferencesDlg::setIncludePaths(const QStringList& folders) {
    IncludePaths->setPlainText(folders.join(QLatin1Char('\n')));
}

QStringList TPreferencesDlg::includePaths() const {
    QStringList folders;
    for (const QString& line : IncludePaths->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) folders.append(line.trimmed());
    }
    return folders;
}
