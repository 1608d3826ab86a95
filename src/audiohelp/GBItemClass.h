#pragma once

#include "audiohelp/NVListClass.h"

#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

// One item of a help-topic file: the root, or a key element ("<key name=Value>
// … </key>") with its plain elements ("<Name>value</Name>") and its nested keys.
class GBItemClass
{
public:
    GBItemClass() = default;
    ~GBItemClass();
    GBItemClass(const GBItemClass &) = delete;
    GBItemClass &operator=(const GBItemClass &) = delete;

    // The text parsed into this item: a view of the text handed to the root's
    // Parse, which must stay unchanged while the tree is used.
    QStringView Text;
    QString Value;
    QString AttributeName;
    GBItemClass *Parent = nullptr;
    int Level = 0;
    std::vector<std::unique_ptr<GBItemClass>> Children;
    NVListClass Values;

    void Parse(QStringView text, const QString &parentPath, int level, GBItemClass *parent,
               const QString &attributeName, const QString &value);
    // "/" for the root, "/" + Value below it, the parent's path + "/" + Value deeper
    // down. Made when asked for, so that deep nesting does not fill the memory
    // with ever longer copies of the same paths.
    QString Path() const;
    // Whether Path() is `path`, found without making it.
    bool HasPath(QStringView path) const;
    void Clear();
    // This item or the first below it, depth first, whose path is `path` exactly;
    // "/" stands for this item's own path.
    GBItemClass *FindItem(const QString &path);
    QString GetValue(const QString &name) const;
    void GetIndexedList(const QString &countName, QStringList &list) const;

    // Keys nested deeper than this are not read (their content is lost, as that of
    // a key that is never closed): nobody writes help that deep, and a file that
    // does would make every path in it enormous.
    static constexpr int MaxLevel = 4096;

private:
    // The path of an item parsed on its own (its parent's path was handed in);
    // items parsed inside it derive theirs.
    QString m_OwnPath;
    bool m_OwnPathSet = false;
    struct KeyEnds;
    void ParseElements(const KeyEnds &ends, std::vector<GBItemClass *> &pending);
};
