#pragma once

#include <QString>

// The per-user log-in start entry of a program, by name.
namespace AutoStart {

// The file that holds the entry of that name.
QString EntryPath(const QString &name);
bool Exists(const QString &name);
// Writes (or replaces) the entry; `command` is a complete command line.
bool Write(const QString &name, const QString &command);
bool Remove(const QString &name);

} // namespace AutoStart
