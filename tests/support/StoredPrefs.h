#pragma once

#include "platform/registry/RegistryEnhanced.h"

#include <QString>

// The program's preferences as they stand in the settings file, for tests that
// prepare or inspect it behind the program's back.
namespace StoredPrefs {

inline const QString Key = QStringLiteral("Software\\BrivantaTech\\Parlewind");

inline void Store(const QString &name, const QString &value)
{
    TRegistryEnhanced reg;
    reg.Key = Key;
    reg.WriteValue(name, value);
}

inline QString Stored(const QString &name)
{
    TRegistryEnhanced reg;
    reg.Key = Key;
    return reg.ReadValueDef(name, QStringLiteral("<missing>")).toString();
}

inline int Count()
{
    TRegistryEnhanced reg;
    reg.Key = Key;
    return static_cast<int>(reg.GetValueNames().size());
}

} // namespace StoredPrefs
