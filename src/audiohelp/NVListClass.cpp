#include "audiohelp/NVListClass.h"

void NVListClass::Clear()
{
    Names.clear();
    Values.clear();
    m_Index.clear();
}

void NVListClass::SetValue(const QString &name, const QString &value)
{
    const QString key = name.toCaseFolded();
    const auto found = m_Index.constFind(key);
    if (found != m_Index.cend()) {
        Values[*found] = value;
        return;
    }
    m_Index.insert(key, Names.size());
    Names << name;
    Values << value;
}

QString NVListClass::GetValue(const QString &name) const
{
    const auto found = m_Index.constFind(name.toCaseFolded());
    return found == m_Index.cend() ? QString() : Values.at(*found);
}

void NVListClass::GetIndexedList(const QString &countName, const QString &prefix, QStringList &list) const
{
    list.clear();
    bool number = false;
    const int count = std::min(GetValue(countName).toInt(&number, 10), MaxIndexedEntries);
    if (!number)
        return;
    for (int i = 0; i < count; ++i)
        list << GetValue(prefix + QString::number(i));
}
