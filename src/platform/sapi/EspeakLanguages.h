#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A language the engine can speak: one voice of the library, whose data is there
// and sound.
struct EspeakLanguage
{
    QString Identifier; // the library's voice, "gmw/de"
    QString Code;       // "de"
    QString Name;       // in English, as the modes are named: "German"
    QString NativeName; // in itself, "Deutsch"; empty when not known
    quint16 LanguageId = 0;

    // "Deutsch – German", or the English name alone.
    QString Display() const;
};

// The languages offered besides English, and which of them the user has chosen:
// each chosen language gives the modes "Mary (<Name>)" and "Mike (<Name>)". The
// choice is kept in the settings store; without one, the desktop's language is
// chosen when the library speaks it.
namespace EspeakLanguages {

// Every usable language, by English name. A language whose data is missing or
// damaged is left out (it could bring the library down) and named in Problems.
const std::vector<EspeakLanguage> &Available();
QStringList Problems();
// Whether the languages have been looked at yet (Available and Problems would look now).
bool Listed();
const EspeakLanguage *Find(const QString &identifier);

// The desktop's language, or an empty string when it is English or not spoken.
QString DesktopLanguage();

QStringList Checked();
// Stores the choice and rebuilds the engine's modes; false when it could not be stored.
bool SetChecked(const QStringList &identifiers);

// The program's answer to "who uses these voices?": one line per article or
// setting, shown before the voices' languages are unchecked.
using UsageQuery = std::function<QStringList(const QStringList &modeNames)>;
void SetUsageQuery(UsageQuery query);
QStringList Usage(const QStringList &modeNames);

// The two mode names a language gives.
QStringList ModeNames(const EspeakLanguage &language);

} // namespace EspeakLanguages
