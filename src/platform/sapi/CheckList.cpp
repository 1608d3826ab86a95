#include "platform/sapi/CheckList.h"

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace {

class CheckListRow : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CheckListRow(CheckList *list, int row) : m_List(list), m_Row(row) {}

    int Row() const { return m_Row; }

    bool isValid() const override { return m_List && m_Row < m_List->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_List ? m_List->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_List); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text which) const override
    {
        if (!isValid())
            return {};
        return which == QAccessible::Name ? Item()->text() : which == QAccessible::Description ? Item()->toolTip() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = m_List->visualItemRect(Item());
        return {m_List->viewport()->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const QListWidgetItem *item = Item();
        s.focusable = s.selectable = s.checkable = true;
        s.checked = item->checkState() == Qt::Checked;
        s.selected = item->isSelected();
        s.focused = m_List->hasFocus() && m_List->currentItem() == item;
        s.invisible = item->isHidden();
        s.offscreen = item->isHidden() || !m_List->viewport()->rect().intersects(m_List->visualItemRect(item));
        s.disabled = !(item->flags() & Qt::ItemIsEnabled);
        return s;
    }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {toggleAction()}; }
    QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == toggleAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }
    void doAction(const QString &action) override
    {
        if (action != toggleAction() || !isValid() || !(Item()->flags() & Qt::ItemIsEnabled))
            return;
        QListWidgetItem *item = Item();
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }

private:
    QListWidgetItem *Item() const { return m_List->item(m_Row); }

    QPointer<CheckList> m_List;
    int m_Row;
};

class CheckListAccessible : public QAccessibleWidget
{
public:
    explicit CheckListAccessible(CheckList *list) : QAccessibleWidget(list, QAccessible::List) {}
    ~CheckListAccessible() override
    {
        for (const QAccessible::Id id : m_Rows) {
            if (id)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return List()->count(); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= List()->count())
            return nullptr;
        if (static_cast<size_t>(index) >= m_Rows.size())
            m_Rows.resize(index + 1, 0);
        if (!m_Rows[index])
            m_Rows[index] = QAccessible::registerAccessibleInterface(new CheckListRow(List(), index));
        return QAccessible::accessibleInterface(m_Rows[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const auto *row = dynamic_cast<const CheckListRow *>(child);
        return row && row->parent() && row->parent()->object() == List() ? row->Row() : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = List()->viewport()->mapFromGlobal(QPoint(x, y));
        const QModelIndex index = List()->indexAt(point);
        return index.isValid() ? child(index.row()) : nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        return List()->hasFocus() && List()->currentRow() >= 0 ? child(List()->currentRow()) : nullptr;
    }

private:
    CheckList *List() const { return static_cast<CheckList *>(widget()); }

    mutable std::vector<QAccessible::Id> m_Rows;
};

QAccessibleInterface *Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("CheckList") && object && object->isWidgetType())
        return new CheckListAccessible(static_cast<CheckList *>(object));
    return nullptr;
}

} // namespace

CheckList::CheckList(QWidget *parent) : QListWidget(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
    connect(this, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (!QAccessible::isActive())
            return;
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(this);
        if (QAccessibleInterface *row = list ? list->child(this->row(item)) : nullptr) {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(row, changed);
            QAccessible::updateAccessibility(&event);
        }
    });
}

void CheckList::Announce(QAccessible::Event type, const QModelIndex &index)
{
    QAccessibleEvent event(this, type);
    event.setChild(index.row());
    QAccessible::updateAccessibility(&event);
}

// The list view would announce these by the row's place among those shown.
void CheckList::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (QAccessible::isActive() && current.isValid() && hasFocus())
        Announce(QAccessible::Focus, current);
    QAbstractItemView::currentChanged(current, previous);
}

void CheckList::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (QAccessible::isActive()) {
        if (const QModelIndex index = selected.indexes().value(0); index.isValid())
            Announce(QAccessible::SelectionAdd, index);
        if (const QModelIndex index = deselected.indexes().value(0); index.isValid())
            Announce(QAccessible::SelectionRemove, index);
    }
    QAbstractItemView::selectionChanged(selected, deselected);
}
