#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Name/value pairs in the order the names were first given; names are the same
// whatever their letter case.
class NVListClass
{
public:
    QStringList Names;
    QStringList Values;

    void Clear();
    // Replaces the value of a name equal to `name` in any letter case, or appends it.
    void SetValue(const QString &name, const QString &value);
    // Empty when there is no such name.
    QString GetValue(const QString &name) const;
    // The values of prefix0 … prefixN-1, N being the value of `countName` as a
    // decimal number (0 when it is missing or not a number); a missing one is empty.
    void GetIndexedList(const QString &countName, const QString &prefix, QStringList &list) const;

    // More entries than this make no sense; a larger count is taken as this many.
    static constexpr int MaxIndexedEntries = 100000;

private:
    QHash<QString, qsizetype> m_Index; // case-folded name -> position
};
