#pragma once

#include "settings/BaseRegClass.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

class QWidget;

// A set of named settings stored under HKEY_CURRENT_USER\Software\BrivantaTech
// (and its AppName subkey). Subclasses declare the items with their defaults; Load
// fills them from the store, Save writes them all back.
class TBaseRegistryClass
{
public:
    static const QString MakerKey; // "Software\BrivantaTech"

    TBaseRegistryClass();
    virtual ~TBaseRegistryClass();
    TBaseRegistryClass(const TBaseRegistryClass &) = delete;
    TBaseRegistryClass &operator=(const TBaseRegistryClass &) = delete;

    std::vector<std::unique_ptr<BaseRegClass>> Items;
    QString AppName = QStringLiteral("change this");

    virtual QString GetVersion() const { return QStringLiteral("0.0"); }

    // Kind codes outside 0-4 create nothing and answer nullptr.
    BaseRegClass *AddItem(const QString &name, quint8 scope, int kind,
                          const QVariant &defaultValue, const QString &altName = {});
    // The first item whose name matches without regard to the case of a-z; when
    // there is none the user is told and nullptr comes back.
    BaseRegClass *FindItem(const QString &name) const;
    // Whether an item of that name exists; nobody is told either way.
    bool HasItem(const QString &name) const;
    QVariant GetValue(const QString &name) const;
    void SetValue(const QString &name, const QVariant &value);

    void Load();
    // Only the items of these names.
    void Load(const QStringList &names);
    void Save();

    // The stored position, size and maximised state of a top-level window, keyed by
    // the program file's name and the window's object name.
    static void RestorePlacement(QWidget *window);
    static void SavePlacement(QWidget *window);
    static QString PlacementKey(const QWidget *window);

private:
    QString BaseKey(const BaseRegClass &item) const;
};
