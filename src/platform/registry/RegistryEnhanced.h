#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

enum TRootKey {
    hkClassesRoot,
    hkCurrentConfig,
    hkCurrentUser,
    hkDynData,
    hkLocalMachine,
    hkPerformanceData,
    hkUsers
};

enum TRegAccess { kRead, kWrite, kExecute, kAllAccess };

// A registry of keys and named values, kept per user in one INI file per root key
// under $XDG_CONFIG_HOME/BrivantaTech/. Key paths use backslashes; key and value
// names are matched without regard to case and keep the case they were created with.
//
// Values are text (REG_SZ) or 32-bit numbers (REG_DWORD). In the file a number is
// written "dword:0000002a" and binary data "hex:01,02"; text that would look like
// either is written behind "sz:". Anything else is plain text.
class TRegistryEnhanced
{
public:
    TRootKey RootKey = hkCurrentUser;
    TRegAccess Access = kAllAccess;
    // The current key below the root; one leading and one trailing backslash are ignored.
    QString Key;

    // Opens (creating as needed) the key and writes the value. Text is written as
    // REG_SZ, integers as REG_DWORD, booleans as REG_DWORD 0/1, floating-point
    // numbers and dates as 8 bytes of binary data. A name may hold backslashes: the
    // part before the last one names further subkeys. False when nothing was written.
    bool WriteValue(const QString &name, const QVariant &value);

    // Text for REG_SZ, an integer for REG_DWORD; the default for a missing key or
    // value, binary data, or a failed read. Never creates anything.
    QVariant ReadValueDef(const QString &name, const QVariant &defaultValue) const;

    bool ValueExists(const QString &name) const;
    bool DeleteValue(const QString &name);

    // The value names of the current key; names that are decimal numbers come in
    // numeric order ("0", "1", …, "10").
    QStringList GetValueNames() const;

    // Deletes a key (backslash path below the root) with all its subkeys.
    bool DeleteKey(const QString &path);
    bool KeyExists(const QString &path) const;

    // Groups many calls: they share one open store and the file is written once,
    // when the outermost batch ends.
    class Batch
    {
    public:
        Batch();
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
    };

    // The file that holds a root key.
    static QString StoreFile(TRootKey root);

    // Where problems with the store (a damaged or unreadable file, a failed write)
    // are reported. They are never shown to the user.
    using ProblemHandler = std::function<void(const QString &)>;
    static void SetProblemHandler(ProblemHandler handler);
};
