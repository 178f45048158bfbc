// The New Class dialog's directory list, its label and the drive box.
#include <QAccessible>
#include <QDir>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/directory_list.h"
#include "dialogs_test_support.h"

namespace tav::testing {
namespace {

QTreeWidgetItem* findItem(QTreeWidget* tree, const QString& text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

class NewClassDialog : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        ASSERT_TRUE(driveA.isValid() && driveB.isValid());
        ASSERT_TRUE(QDir(driveA.path()).mkpath("src/deep"));
        ASSERT_TRUE(QDir(driveA.path()).mkpath("docs"));
        dlg = dialogs().NewClassDlg;
    }

    // The directory the label shows: its tip, and what a screen reader announces as its name.
    QString labelPath() const {
        const QString tip = dlg->DirLabel->toolTip();
        EXPECT_EQ(QAccessible::queryAccessibleInterface(dlg->DirLabel)->text(QAccessible::Name),
                  tip);
        return tip;
    }

    QTemporaryDir driveA;
    QTemporaryDir driveB;
    TNewClassDlg* dlg = nullptr;
};

TEST_F(NewClassDialog, StartsAtTheCurrentDirectoryOnTheCurrentDrive) {
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    EXPECT_EQ(dlg->selectedDirectory(), current);
    EXPECT_EQ(labelPath(), current);

    ASSERT_GE(dlg->Drive->count(), 1);
    EXPECT_EQ(dlg->Drive->itemText(0), QDir::toNativeSeparators(QDir::rootPath()));
    QStringList others;
    for (int i = 1; i < dlg->Drive->count(); ++i) others.append(dlg->Drive->itemData(i).toString());
    QStringList sortedUnique = others;
    sortedUnique.removeDuplicates();
    sortedUnique.sort();
    EXPECT_EQ(others, sortedUnique);
    EXPECT_FALSE(others.contains(QDir::rootPath()));
    EXPECT_EQ(dlg->Drive->currentData().toString(),
              QDir::cleanPath(QStorageInfo(QDir::currentPath()).rootPath()));
}

TEST_F(NewClassDialog, ChoosingAnotherDriveMovesTheListAndTheLabel) {
    dlg->setDrives({driveA.path(), driveB.path()});
    const QString before = dlg->selectedDirectory();
    EXPECT_EQ(dlg->selectedDirectory(), before) << "filling the drive box moves nothing";

    dlg->Drive->setCurrentIndex(1);
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveB.path()));
    EXPECT_EQ(labelPath(), QDir::toNativeSeparators(driveB.path()));

    dlg->Drive->setCurrentIndex(0);
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path()));
    EXPECT_EQ(labelPath(), QDir::toNativeSeparators(driveA.path()));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(NewClassDialog, ADriveThatCannotBeReadIsReportedAndNothingMoves) {
    const QString missing = driveB.path() + "/no-such-drive";
    dlg->setDrives({driveA.path(), missing});
    dlg->setDirectory(driveA.path() + "/docs");

    dlg->Drive->setCurrentIndex(1);

    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].owner, dlg);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(platform.messages[0].caption, kMessageCaption);
    EXPECT_TRUE(platform.messages[0].text.contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path() + "/docs"));
    EXPECT_EQ(dlg->Drive->currentIndex(), 0);
}

TEST_F(NewClassDialog, OpeningAFolderMovesTheLabelButNotTheDrive) {
    dlg->setDrives({driveA.path(), driveB.path()});
    dlg->Drive->setCurrentIndex(1);
    dlg->setDirectory(driveA.path());
    dlg->show();

    // Enter on a subfolder opens it and does not end the dialog.
    QTreeWidgetItem* src = findItem(dlg->Dir, "src");
    ASSERT_NE(src, nullptr);
    ASSERT_NE(findItem(dlg->Dir, "docs"), nullptr);
    dlg->Dir->setFocus();
    dlg->Dir->setCurrentItem(src);
    QTest::keyClick(dlg->Dir, Qt::Key_Return);
    const QString srcPath = QDir::toNativeSeparators(driveA.path() + "/src");
    EXPECT_EQ(dlg->selectedDirectory(), srcPath);
    EXPECT_EQ(labelPath(), srcPath);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_NE(findItem(dlg->Dir, "deep"), nullptr);
    EXPECT_EQ(findItem(dlg->Dir, "docs"), nullptr);

    // A double click on the folder above goes back up.
    QTreeWidgetItem* up = findItem(dlg->Dir, QDir(driveA.path()).dirName());
    ASSERT_NE(up, nullptr);
    const QPoint at = dlg->Dir->visualItemRect(up).center();
    QTest::mouseClick(dlg->Dir->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dlg->selectedDirectory(), srcPath) << "a single click only selects";
    QTest::mouseDClick(dlg->Dir->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path()));

    EXPECT_EQ(dlg->Drive->currentIndex(), 1);
    dlg->hide();
}

TEST_F(NewClassDialog, TheDirectoryIsKeptBetweenUses) {
    dlg->setDirectory(driveA.path() + "/src/deep");
    dlg->done(ModalCancel);
    dlg->show();
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path() + "/src/deep"));
    dlg->hide();
}

TEST_F(NewClassDialog, ARootIsShownWithItsSeparator) {
    dlg->setDirectory(QDir::rootPath());
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(QDir::rootPath()));
    dlg->setDirectory(driveA.path() + "/src/");
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path() + "/src"));
}

TEST_F(NewClassDialog, OkRefusesABlankNameAndKeepsTheValues) {
    dlg->show();
    dlg->VirtualBase->click();
    dlg->setDirectory(driveA.path());
    for (const QString& blank : {QString(), QStringLiteral(" \t ")}) {
        dlg->Name->setText(blank);
        dlg->setResult(0);
        dlg->Button2->click();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), 0);
        EXPECT_EQ(dlg->Name->text(), blank);
    }
    EXPECT_TRUE(dlg->VirtualBase->isChecked());
    EXPECT_EQ(dlg->selectedDirectory(), QDir::toNativeSeparators(driveA.path()));
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text, "Enter a class name");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(platform.messages[0].owner, dlg);

    // Any other text is taken as typed.
    dlg->Name->setText(QStringLiteral(" Two words"));
    dlg->Button2->click();
    EXPECT_EQ(dlg->result(), ModalOk);
    EXPECT_EQ(dlg->value().name, " Two words");
    EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace tav::testing
