#pragma once

#include "audiohelp/GBItemClass.h"

#include <QString>
#include <QStringList>

// Reads a help-topic file into a tree of items. Its lines are trimmed and joined
// with nothing between them, so a text's words carry their blanks inside the lines.
class GrabBaseClass
{
public:
    QString FileName;
    QString Text;
    GBItemClass Root;

    // Reads the file. A missing file leaves the tree empty with `errorText`
    // "File:<name> Not Found."; one that cannot be read, or is far too large to be
    // help, leaves it empty and says why. False in both cases.
    bool Load(const QString &fileName, QString &errorText);
    // Reads the bytes of a file as Load does: lines trimmed, joined, parsed.
    void Parse(const QByteArray &bytes);
    // The indexed list `countName`0 … of the item at `path`; empty without one.
    void GetList(const QString &path, const QString &countName, QStringList &list);
    QString GetValue(const QString &path, const QString &name);

    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
};
