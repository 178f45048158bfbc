#pragma once
// A dialog that lists what a class-aware command could write (functions of the base classes,
// data members) with check boxes, one row an entry: Implement Base Functions, Generate Accessors
// and Constructor from Members use it.
#include <QList>
#include <QStringList>
#include <optional>

#include "dialogs/tav_dialog.h"

class QTreeWidget;

class TCheckListDlg : public TTavDialog {
    Q_OBJECT

public:
    // A row's text and check box in each column; a column without a box holds text only.
    struct Cell {
        QString text;
        std::optional<bool> checked;
    };
    using Row = QList<Cell>;

    // columns: the list's column titles; label: the caption above the list.
    TCheckListDlg(tav::Platform& platform, const char* objectName, const QString& caption,
                  const QString& label, const QStringList& columns, int helpContext);

    void setRows(const QList<Row>& rows);
    // Each row's check states, one a column (false where a column has no box).
    QList<QList<bool>> checks() const;

    QLabel* ListLabel;
    QTreeWidget* List;
    QPushButton* Button1;
    QPushButton* Button3;
    QPushButton* Button2;
};
