#include "platform/sapi/Lexicon.h"

#include "platform/shell/ProgramPaths.h"

#include <QFile>
#include <QSaveFile>

QString Lexicon::FilePath()
{
    return ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), QStringLiteral("Lexicon.txt"));
}

QList<Lexicon::Entry> Lexicon::Load()
{
    QList<Entry> entries;
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    // A pronunciation list is small; anything huge is not ours.
    const QByteArray data = file.read(4 * 1024 * 1024);
    for (const QString &line : QString::fromUtf8(data).split(QLatin1Char('\n'))) {
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0)
            continue;
        const QString word = line.left(tab).trimmed();
        const QString soundsLike = line.mid(tab + 1).trimmed();
        if (Valid(word, soundsLike))
            entries.append({word, soundsLike});
    }
    return entries;
}

bool Lexicon::Save(const QList<Entry> &entries)
{
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    for (const Entry &e : entries)
        file.write((e.first + QLatin1Char('\t') + e.second + QLatin1Char('\n')).toUtf8());
    return file.commit();
}

QHash<QString, QString> Lexicon::Table(const QList<Entry> &entries)
{
    QHash<QString, QString> table;
    for (const Entry &e : entries)
        table.insert(e.first.toLower(), e.second);
    return table;
}

bool Lexicon::Valid(const QString &word, const QString &soundsLike)
{
    if (word.isEmpty() || soundsLike.trimmed().isEmpty() || soundsLike.contains(QLatin1Char('\t')) ||
        soundsLike.contains(QLatin1Char('\n')))
        return false;
    for (QChar c : word) {
        if (!c.isLetterOrNumber() && !c.isMark() && c != QLatin1Char('\''))
            return false;
    }
    return true;
}
