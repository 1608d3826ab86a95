#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

#include <memory>

// How the user's pronunciations are looked up while a text is prepared: single
// words by a hash; phrases ("New York") and words with symbols ("e-mail", "C++")
// by their first word or symbol, longest first.
class LexiconTable
{
public:
    void Insert(const QString &word, const QString &soundsLike);
    bool isEmpty() const { return m_Words.isEmpty() && m_Phrases.isEmpty(); }
    // The entry that matches `text` at `i`, where a word or a symbol starts: its
    // end in `text` and its respelling; -1 when none matches.
    int Match(const QString &text, int i, QString *respelling) const;
    // The respelling of a single word (any case), or an empty string.
    QString value(const QString &word) const { return m_Words.value(word.toLower()); }

private:
    struct Phrase
    {
        QString Text; // lower case, blanks folded to one
        QString SoundsLike;
    };
    QHash<QString, QString> m_Words;
    QHash<QString, QList<Phrase>> m_Phrases;
};

// The user's pronunciations: words and how they sound, kept in the program's
// directory ("Lexicon.txt", one "word<TAB>sounds like" per line, UTF-8).
class Lexicon
{
public:
    using Entry = QPair<QString, QString>;

    // What the file holds: the usable entries in file order, and every other line
    // byte for byte, so that saving gives them back unchanged.
    struct Contents
    {
        QList<Entry> Entries;
        QList<QByteArray> Kept;
        // Empty, or why the file could not be read (it is then not to be replaced).
        QString Error;
    };

    static QString FilePath();
    static Contents Read();
    // Entries in file order; a missing or unreadable file gives none.
    static QList<Entry> Load() { return Read().Entries; }
    // Writes all entries, then the kept lines (replacing the file atomically).
    static bool Save(const QList<Entry> &entries, const QList<QByteArray> &kept = {});
    // The lookup for the synthesiser; the file is read again only when it changed.
    static std::shared_ptr<const LexiconTable> CurrentTable();
    static LexiconTable Table(const QList<Entry> &entries);
    // A usable entry: a word or phrase (no tabs or line breaks, something to say)
    // and a respelling.
    static bool Valid(const QString &word, const QString &soundsLike);

    // Larger files are not pronunciation lists.
    static constexpr qint64 MaxBytes = 64 * 1024 * 1024;
};
