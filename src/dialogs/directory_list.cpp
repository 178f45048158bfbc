#include "dialogs/directory_list.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QStyle>

namespace {
constexpr int kPathRole = Qt::UserRole;
}  // namespace

TDirectoryList::TDirectoryList(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(10);
    // Every entry is shown expanded: no branch marks to open or close one.
    setStyleSheet(QStringLiteral("QTreeView::branch { image: none; border-image: none; }"));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (item) setDirectory(item->data(0, kPathRole).toString());
    });
}

bool TDirectoryList::setDirectory(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isDir()) return false;
    directory_ = QDir::cleanPath(info.absoluteFilePath());
    rebuild();
    emit directoryChanged(directory_);
    return true;
}

void TDirectoryList::rebuild() {
    clear();
    // The chain from the root down to the open directory.
    QStringList chain;
    QDir dir(directory_);
    chain.prepend(dir.absolutePath());
    while (!dir.isRoot() && dir.cdUp()) chain.prepend(dir.absolutePath());

    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& path : chain) {
        const QString text =
            QDir(path).isRoot() ? QDir::toNativeSeparators(path) : QFileInfo(path).fileName();
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, text);
        item->setIcon(0, openIcon);
        item->setData(0, kPathRole, path);
        parentItem = item;
    }
    QTreeWidgetItem* current = parentItem;

    const QFileInfoList children =
        QDir(directory_)
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& child : children) {
        auto* item = new QTreeWidgetItem(current);
        item->setText(0, child.fileName());
        item->setIcon(0, closedIcon);
        item->setData(0, kPathRole, QDir::cleanPath(child.absoluteFilePath()));
    }
    expandAll();
    setCurrentItem(current);
    scrollToItem(current);
}
