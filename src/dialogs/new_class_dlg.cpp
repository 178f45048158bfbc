#include "dialogs/new_class_dlg.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStorageInfo>

#include "dialogs/directory_list.h"
#include "dialogs/editable_combo.h"
#include "members/class_name.h"

namespace {
constexpr int kHelpContextNewClass = 20;
// The label under "Class Directory" may use the dialog's width inside its margins.
constexpr int kDirLabelWidth = 202 - 2 * 16;
constexpr QSize kClassicSize(202, 270);
constexpr QSize kModernSize(202, 350);
constexpr int kClassicButtonTop = 232;
constexpr int kModernButtonTop = 312;
}  // namespace

QStringList mountedDriveRoots() {
    const QString systemRoot = QDir::rootPath();
    QStringList others;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid()) continue;
        const QString root = QDir::cleanPath(volume.rootPath());
        if (root.isEmpty() || root == QDir::cleanPath(systemRoot) || others.contains(root))
            continue;
        others.append(root);
    }
    others.sort();
    others.prepend(systemRoot);
    return others;
}

TNewClassDlg::TNewClassDlg(tav::Platform& platform)
    : TTavDialog(platform, QStringLiteral("New Class"), kClassicSize, Layer::StaysOnTop) {
    setObjectName(QStringLiteral("NewClassDlg"));
    move(222, 119);

    Label3 = addLabel("Label3", QStringLiteral("Class Type"), {16, 8});
    Normal = addRadioButton("Normal", QStringLiteral("Normal"), {16, 24, 65, 17}, true);
    VirtualBase =
        addRadioButton("VirtualBase", QStringLiteral("Virtual Base"), {88, 24, 89, 17}, false);
    Label1 = addLabel("Label1", QStringLiteral("Class Name"), {16, 48});
    Name = addEdit("Name", QStringLiteral("TNewClass"), {16, 64, 169, 21});
    Label2 = addLabel("Label2", QStringLiteral("Class Directory"), {16, 96});

    DirLabel = new QLabel(this);
    DirLabel->setObjectName(QStringLiteral("DirLabel"));
    DirLabel->setCursor(Qt::ArrowCursor);
    DirLabel->move(16, 112);

    Dir = new TDirectoryList(this);
    Dir->setObjectName(QStringLiteral("Dir"));
    Dir->setGeometry(16, 128, 169, 57);

    Drive = new QComboBox(this);
    Drive->setObjectName(QStringLiteral("Drive"));
    // No label names the drive box: it is described, not only announced by the drive it shows.
    tav::describeComboBox(Drive, QStringLiteral("Drive of the class directory"));
    Drive->setGeometry(16, 192, 169, 19);

    BaseClassLabel = addLabel("BaseClassLabel", QStringLiteral("Base class:"), {16, 220});
    BaseClass = addEdit("BaseClass", QString(), {16, 236, 169, 21});
    BaseHeaderLabel = addLabel("BaseHeaderLabel", QStringLiteral("Base header:"), {16, 264});
    BaseHeader = addEdit("BaseHeader", QString(), {16, 280, 169, 21});

    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 232, 50, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {72, 232, 50, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {128, 232, 50, 25});
    connectButtons(Button1, Button2, Button3, kHelpContextNewClass);

    // Each field is announced with its label ("labelled by"; the directory list, whose accessible
    // interface has no such relation, by its name); the directory label's accessible name is the
    // whole directory it shows, which its text may shorten.
    labelField(Label1, Name);
    labelField(Label2, Dir);
    labelField(BaseClassLabel, BaseClass);
    labelField(BaseHeaderLabel, BaseHeader);

    setTabChain(
        {Normal, VirtualBase, Name, Dir, Drive, BaseClass, BaseHeader, Button1, Button3, Button2});
    setModernProfile(false);

    connect(Dir, &TDirectoryList::directoryChanged, this, &TNewClassDlg::showDirectory);
    Dir->setDirectory(QDir::currentPath());

    setDrives(mountedDriveRoots());
    // The current drive: the file system that holds the current directory.
    const QString currentRoot = QDir::cleanPath(QStorageInfo(QDir::currentPath()).rootPath());
    const int current = Drive->findData(currentRoot);
    if (current >= 0) {
        const QSignalBlocker block(Drive);
        Drive->setCurrentIndex(current);
        shownDrive_ = current;
    }
    connect(Drive, &QComboBox::currentIndexChanged, this, &TNewClassDlg::DriveChange);
}

QString TNewClassDlg::selectedDirectory() const {
    return QDir::toNativeSeparators(Dir->directory());
}

void TNewClassDlg::setDirectory(const QString& path) { Dir->setDirectory(path); }

void TNewClassDlg::setModernProfile(bool modern) {
    modern_ = modern;
    nameRule = modern ? tav::ClassNameRule::Identifier : tav::ClassNameRule::AnyText;
    for (QWidget* field :
         std::initializer_list<QWidget*>{BaseClassLabel, BaseClass, BaseHeaderLabel, BaseHeader})
        field->setVisible(modern);
    for (QPushButton* button : {Button1, Button3, Button2})
        button->move(button->x(), modern ? kModernButtonTop : kClassicButtonTop);
    setFixedSize(modern ? kModernSize : kClassicSize);
}

tav::NewClassInput TNewClassDlg::value() const {
    tav::NewClassInput input{
        Normal->isChecked() ? tav::ClassKind::Normal : tav::ClassKind::VirtualBase,
        Name->text().toStdString(),
        selectedDirectory().toStdString(),
        {}};
    if (modern_) {
        input.base.name = BaseClass->text().trimmed().toStdString();
        input.base.header = BaseHeader->text().trimmed().toStdString();
    }
    return input;
}

bool TNewClassDlg::acceptsInput() {
    std::optional<std::string> problem =
        tav::classNameProblem(Name->text().toStdString(), nameRule);
    QLineEdit* wrong = Name;
    if (!problem && modern_) {
        problem = tav::baseClassProblem(BaseClass->text().trimmed().toStdString(),
                                        Name->text().toStdString());
        wrong = BaseClass;
    }
    if (!problem) return true;
    platform_.message(this, QString::fromStdString(*problem), tav::MessageIcon::Warning);
    wrong->setFocus();
    return false;
}

void TNewClassDlg::setDrives(const QStringList& roots) {
    const QSignalBlocker block(Drive);
    Drive->clear();
    for (const QString& root : roots) Drive->addItem(QDir::toNativeSeparators(root), root);
    Drive->setCurrentIndex(roots.isEmpty() ? -1 : 0);
    shownDrive_ = Drive->currentIndex();
}

void TNewClassDlg::DriveChange() {
    const int index = Drive->currentIndex();
    if (index < 0 || index == shownDrive_) return;
    const QString root = Drive->itemData(index).toString();
    const QFileInfo info(root);
    if (!info.isDir() || !QDir(root).isReadable() || !Dir->setDirectory(root)) {
        platform_.message(
            this, QStringLiteral("Drive %1 cannot be read.").arg(QDir::toNativeSeparators(root)),
            tav::MessageIcon::Error);
        const QSignalBlocker block(Drive);
        Drive->setCurrentIndex(shownDrive_);
        return;
    }
    shownDrive_ = index;
}

void TNewClassDlg::showDirectory(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    DirLabel->setToolTip(shown);
    DirLabel->setAccessibleName(shown);
    DirLabel->setText(
        QFontMetrics(DirLabel->font()).elidedText(shown, Qt::ElideMiddle, kDirLabelWidth));
    DirLabel->adjustSize();
}
