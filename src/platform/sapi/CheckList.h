#pragma once

#include <QAccessible>
#include <QListWidget>

// A list of things to check, as a screen reader meets it: every row says whether it
// is checked, and its "Toggle" action checks or unchecks it, as Space does. (The
// toolkit's rows take Toggle as selecting the row, which in a list of one current
// row does nothing a user can hear, and name a row by its place among those shown,
// which a search changes.) Rows keep their place while some are hidden.
class CheckList : public QListWidget
{
    Q_OBJECT
public:
    explicit CheckList(QWidget *parent = nullptr);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    void Announce(QAccessible::Event type, const QModelIndex &index);
};
