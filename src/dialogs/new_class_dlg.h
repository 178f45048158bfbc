#pragma once
// The New Class dialog: the class's kind, its name and the directory it is written to.
#include <QStringList>

#include "dialogs/directory_list.h"
#include "dialogs/tav_dialog.h"
#include "members/class_name.h"
#include "members/skeleton.h"

class TNewClassDlg : public TTavDialog {
    Q_OBJECT

public:
    explicit TNewClassDlg(tav::Platform& platform);

    QLabel* Label3;
    QRadioButton* Normal;
    QRadioButton* VirtualBase;
    QLabel* Label1;
    QLineEdit* Name;
    QLabel* Label2;
    QLabel* DirLabel;
    TDirectoryList* Dir;
    QComboBox* Drive;
    // Modern profile only (hidden in the classic one).
    QLabel* BaseClassLabel;
    QLineEdit* BaseClass;
    QLabel* BaseHeaderLabel;
    QLineEdit* BaseHeader;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;

    // The full path of the directory that Dir shows (native separators, no trailing separator
    // except at a root): the class directory.
    QString selectedDirectory() const;
    void setDirectory(const QString& path);

    // What the controls hold: the class's kind, its name as typed and selectedDirectory(), and
    // in the modern profile its base (trimmed).
    tav::NewClassInput value() const;

    // The modern profile asks for an identifier and offers a base class and its header; the
    // classic dialog is the program's own.
    void setModernProfile(bool modern);

    // Replaces the drive list by roots (directory paths), selecting the first without moving
    // Dir. Start-up fills it with the machine's mounted file systems.
    void setDrives(const QStringList& roots);

    // Moves Dir to the root of the drive selected in Drive; a drive that cannot be read is
    // reported and Dir and Drive stay where they were.
    void DriveChange();

    // What a name must be: any text but blank (classic), or a C++ identifier that is not a
    // keyword (modern, whose output must compile).
    tav::ClassNameRule nameRule = tav::ClassNameRule::AnyText;

protected:
    // A blank class name is refused with a message.
    bool acceptsInput() override;

private:
    void showDirectory(const QString& path);

    int shownDrive_ = -1;
    bool modern_ = false;
};

// The roots of the mounted file systems: the file system root first, the others unique and
// sorted after it.
QStringList mountedDriveRoots();
