#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

// The user's pronunciations: words and how they sound, kept in the program's
// directory ("Lexicon.txt", one "word<TAB>sounds like" per line, UTF-8).
class Lexicon
{
public:
    using Entry = QPair<QString, QString>;

    static QString FilePath();
    // Entries in file order; a missing or unreadable file gives none.
    static QList<Entry> Load();
    // Writes all entries at once (replacing the file atomically).
    static bool Save(const QList<Entry> &entries);
    // Lower-case word → respelling, for the synthesiser.
    static QHash<QString, QString> Table(const QList<Entry> &entries);
    // A usable entry: one word of letters, digits and apostrophes, and a respelling.
    static bool Valid(const QString &word, const QString &soundsLike);
};
