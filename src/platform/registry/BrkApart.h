#pragma once

#include <QString>
#include <QStringList>

// Breaks BaseString at every occurrence of BreakString into StringList.
class TBrkApart
{
public:
    QString BaseString;
    QString BreakString;
    bool AllowEmptyString = false;
    QStringList StringList;

    void BreakApart();
};
