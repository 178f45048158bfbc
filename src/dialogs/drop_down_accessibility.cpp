#include "dialogs/drop_down_accessibility.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>

namespace {

// One entry of a dropped-down list: its row of the list's model, read when asked.
class DropDownEntry : public QAccessibleInterface {
public:
    DropDownEntry(QListView* view, int row) : view_(view), row_(row) {}

    bool isValid() const override {
        return view_ && view_->model() && row_ < view_->model()->rowCount(view_->rootIndex());
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return view_ ? QAccessible::queryAccessibleInterface(view_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override {
        if (!isValid() || kind != QAccessible::Name) return {};
        return index().data(Qt::DisplayRole).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect box = view_->visualRect(index());
        return QRect(view_->viewport()->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const QModelIndex at = index();
        state.selectable = true;
        state.focusable = true;
        if (view_->selectionModel() && view_->selectionModel()->isSelected(at))
            state.selected = true;
        if (view_->currentIndex() == at && view_->hasFocus()) state.focused = true;
        if (!view_->isVisible()) state.invisible = true;
        if (!view_->viewport()->rect().intersects(view_->visualRect(at))) state.offscreen = true;
        return state;
    }

    int row() const { return row_; }
    QListView* view() const { return view_; }

private:
    QModelIndex index() const {
        return view_->model()->index(row_, view_->modelColumn(), view_->rootIndex());
    }

    QPointer<QListView> view_;
    int row_;
};

// A combo box's list: its entries while it is shown, none while it is folded up.
class DropDownList : public QAccessibleWidget {
public:
    explicit DropDownList(QListView* view)
        : QAccessibleWidget(view, QAccessible::List), watcher_(new Watcher(this)) {
        view->installEventFilter(watcher_.get());
    }

    int childCount() const override {
        QListView* v = view();
        if (!v->isVisible() || !v->model()) return 0;
        watch(v->model());
        return v->model()->rowCount(v->rootIndex());
    }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        const auto known = entries_.find(index);
        if (known != entries_.end()) return QAccessible::accessibleInterface(known->second);
        auto* entry = new DropDownEntry(view(), index);
        entries_.emplace(index, QAccessible::registerAccessibleInterface(entry));
        return entry;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        // An entry knows its row: no search through the entries (a client asks each entry for
        // its place in the list).
        const auto* entry = dynamic_cast<const DropDownEntry*>(child);
        if (!entry || entry->view() != view() || !entry->isValid()) return -1;
        const auto known = entries_.find(entry->row());
        return known != entries_.end() && QAccessible::accessibleInterface(known->second) == entry
                   ? entry->row()
                   : -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        QListView* v = view();
        if (!v->isVisible()) return nullptr;
        const QModelIndex at = v->indexAt(v->viewport()->mapFromGlobal(QPoint(x, y)));
        return at.isValid() ? child(at.row()) : nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        QListView* v = view();
        if (!v->hasFocus() || !v->currentIndex().isValid()) return nullptr;
        return child(v->currentIndex().row());
    }

    // Without a name of its own the list is named as its combo box, so that a user who drops it
    // down hears which field's entries these are.
    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            for (QWidget* up = view()->parentWidget(); up; up = up->parentWidget()) {
                if (auto* combo = qobject_cast<QComboBox*>(up)) return combo->accessibleName();
            }
        }
        return text;
    }

private:
    // Drops the entries when the list folds up or its model changes: they are made anew when
    // asked for again.
    class Watcher : public QObject {
    public:
        explicit Watcher(DropDownList* list) : list_(list) {}
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Hide) list_->forgetEntries();
            return QObject::eventFilter(watched, event);
        }

    private:
        DropDownList* list_;
    };

    QListView* view() const { return static_cast<QListView*>(widget()); }

    void watch(QAbstractItemModel* model) const {
        if (model == model_) return;
        if (model_) QObject::disconnect(model_, nullptr, watcher_.get(), nullptr);
        model_ = model;
        const auto forget = [this] { const_cast<DropDownList*>(this)->forgetEntries(); };
        QObject::connect(model, &QAbstractItemModel::modelReset, watcher_.get(), forget);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, watcher_.get(), forget);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, watcher_.get(), forget);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, watcher_.get(), forget);
        QObject::connect(model, &QAbstractItemModel::rowsMoved, watcher_.get(), forget);
    }

    void forgetEntries() {
        const auto entries = std::move(entries_);
        entries_.clear();
        for (const auto& [row, id] : entries) QAccessible::deleteAccessibleInterface(id);
    }

    std::unique_ptr<Watcher> watcher_;
    mutable QPointer<QAbstractItemModel> model_;
    mutable std::unordered_map<int, QAccessible::Id> entries_;
};

QAccessibleInterface* dropDownFactory(const QString& className, QObject* object) {
    // The list view that QComboBox makes for its drop-down list.
    if (className == QLatin1String("QComboBoxListView")) {
        if (auto* view = qobject_cast<QListView*>(object)) return new DropDownList(view);
    }
    return nullptr;
}

}  // namespace

namespace tav {

void installDropDownAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(dropDownFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tav
