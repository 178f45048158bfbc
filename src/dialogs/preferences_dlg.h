#pragma once
// The Configure Tavrin dialog: the class style (classic or modern) and the modern profile's
// namespace, header guard, file extensions, indentation, author and licence; and the folders
// where the headers of base classes are looked for.
#include "dialogs/tav_dialog.h"
#include "style/class_style.h"

class QPlainTextEdit;

class TPreferencesDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TPreferencesDlg(tav::Platform& platform);

    QRadioButton* Classic;
    QRadioButton* Modern;
    QLineEdit* Namespace;
    QRadioButton* PragmaOnce;
    QRadioButton* IncludeGuard;
    QComboBox* HeaderExtension;
    QComboBox* SourceExtension;
    QComboBox* Indent;
    QLineEdit* Author;
    QLineEdit* License;
    QPlainTextEdit* IncludePaths;

    void setValue(const tav::ClassStyle& style);
    // The style the fields describe; the year stays the given style's.
    tav::ClassStyle value(const tav::ClassStyle& from) const;
    // One folder a line; blank lines are left out.
    void setIncludePaths(const QStringList& folders);
    QStringList includePaths() const;

private:
    // The modern fields are on only while Modern is chosen; the indent serves both.
    void showProfile();
};
