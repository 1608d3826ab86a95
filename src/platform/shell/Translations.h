#pragma once

#include <QString>
#include <QStringList>

// The interface in the user's language: the program's own translation and Qt's
// (the standard buttons and dialogs), found beside the help pages.
namespace Translations {

// The languages the interface is shipped in besides English, by their codes
// ("de", "pt_BR"), sorted.
QStringList Shipped();
// The language to show the interface in: `chosen` when it is shipped, else the first
// of the user's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that is; empty for
// English (the user prefers it, or nothing they prefer is shipped).
QString Pick(const QString &chosen = {});
// Installs the translations of `language` on the application, whose layout then
// follows the language's direction (right to left for Arabic); what an earlier call
// installed gives way. False for English and for a language not shipped (the
// interface is then English).
bool Install(const QString &language);
// In a child of the program: installs the language its parent installed.
bool InstallInherited();
// The language's name in itself ("Deutsch"), for choosing it.
QString NativeName(const QString &language);

} // namespace Translations
