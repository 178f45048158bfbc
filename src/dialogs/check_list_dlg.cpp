#include "dialogs/check_list_dlg.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/pictures.h"

TCheckListDlg::TCheckListDlg(tav::Platform& platform, const char* objectName,
                             const QString& caption, const QString& label,
                             const QStringList& columns, int helpContext)
    : TTavDialog(platform, caption, QSize(440, 300), Layer::StaysOnTop) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowIcon(tav::appIcon());
    ListLabel = addLabel("ListLabel", label, {16, 8});
    List = new QTreeWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(16, 26, 408, 224);
    List->setRootIsDecorated(false);
    // Left and Right move between a row's boxes, Space checks the one at the cursor.
    List->setSelectionBehavior(QAbstractItemView::SelectItems);
    List->setColumnCount(static_cast<int>(columns.size()));
    List->setHeaderLabels(columns);
    List->header()->setStretchLastSection(false);
    List->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < columns.size(); ++column)
        List->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    labelField(ListLabel, List);
    Button1 = addButton("Button1", QStringLiteral("Cancel"), {16, 264, 75, 25});
    Button3 = addButton("Button3", QStringLiteral("Help"), {182, 264, 75, 25});
    Button2 = addButton("Button2", QStringLiteral("OK"), {349, 264, 75, 25});
    connectButtons(Button1, Button2, Button3, helpContext);
    setTabChain({List, Button1, Button3, Button2});
}

void TCheckListDlg::setRows(const QList<Row>& rows) {
    List->clear();
    for (const Row& row : rows) {
        auto* item = new QTreeWidgetItem(List);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        for (int column = 0; column < row.size(); ++column) {
            item->setText(column, row[column].text);
            if (row[column].checked)
                item->setCheckState(column, *row[column].checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    if (List->topLevelItemCount() > 0) List->setCurrentItem(List->topLevelItem(0));
}

QList<QList<bool>> TCheckListDlg::checks() const {
    QList<QList<bool>> result;
    for (int i = 0; i < List->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = List->topLevelItem(i);
        QList<bool> row;
        for (int column = 0; column < List->columnCount(); ++column)
            row.append(item->data(column, Qt::CheckStateRole).isValid() &&
                       item->checkState(column) == Qt::Checked);
        result.append(row);
    }
    return result;
}
