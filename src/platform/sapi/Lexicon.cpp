#include "platform/sapi/Lexicon.h"

#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace {

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('\''); }

// Lower case with every run of blanks folded to one blank.
QString Folded(const QString &text) { return text.simplified().toLower(); }

// What a match starts with: the word at its start, or its first symbol.
QString FirstToken(const QString &text, int i)
{
    if (!IsWordChar(text.at(i)))
        return text.mid(i, 1).toLower();
    int end = i;
    while (end < text.size() && IsWordChar(text.at(end)))
        ++end;
    return text.mid(i, end - i).toLower();
}

} // namespace

void LexiconTable::Insert(const QString &word, const QString &soundsLike)
{
    const QString folded = Folded(word);
    if (folded.isEmpty())
        return;
    if (std::all_of(folded.begin(), folded.end(), IsWordChar)) {
        m_Words.insert(folded, soundsLike);
        return;
    }
    QList<Phrase> &bucket = m_Phrases[FirstToken(folded, 0)];
    bucket.removeIf([&](const Phrase &p) { return p.Text == folded; });
    const auto at = std::find_if(bucket.begin(), bucket.end(),
                                 [&](const Phrase &p) { return p.Text.size() < folded.size(); });
    bucket.insert(at, Phrase{folded, soundsLike});
}

int LexiconTable::Match(const QString &text, int i, QString *respelling) const
{
    const int n = static_cast<int>(text.size());
    if (i >= n)
        return -1;
    const QString token = FirstToken(text, i);
    if (!m_Phrases.isEmpty()) {
        const auto bucket = m_Phrases.constFind(token);
        if (bucket != m_Phrases.constEnd()) {
            for (const Phrase &phrase : *bucket) {
                int t = i;
                int k = 0;
                for (; k < phrase.Text.size() && t < n; ++k) {
                    const QChar p = phrase.Text.at(k);
                    if (p == QLatin1Char(' ')) {
                        if (!text.at(t).isSpace())
                            break;
                        while (t < n && text.at(t).isSpace())
                            ++t;
                    } else if (text.at(t).toLower() == p) {
                        ++t;
                    } else {
                        break;
                    }
                }
                // A phrase ending in a letter must end where the word does.
                if (k == phrase.Text.size() && (!IsWordChar(phrase.Text.back()) || t >= n || !IsWordChar(text.at(t)))) {
                    *respelling = phrase.SoundsLike;
                    return t;
                }
            }
        }
    }
    if (!IsWordChar(text.at(i)))
        return -1;
    const auto found = m_Words.constFind(token);
    if (found == m_Words.constEnd())
        return -1;
    *respelling = found.value();
    return i + static_cast<int>(token.size());
}

QString Lexicon::FilePath()
{
    return ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), QStringLiteral("Lexicon.txt"));
}

Lexicon::Contents Lexicon::Read()
{
    Contents contents;
    QFile file(FilePath());
    if (!file.exists())
        return contents;
    if (!file.open(QIODevice::ReadOnly)) {
        contents.Error = file.errorString();
        return contents;
    }
    if (file.size() > MaxBytes) {
        contents.Error = QCoreApplication::translate("Lexicon", "the file is larger than 64 MB");
        return contents;
    }
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        contents.Error = file.errorString();
        return contents;
    }
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        QByteArray raw = data.mid(start, end - start);
        start = end + 1;
        QByteArray line = raw;
        if (line.endsWith('\r'))
            line.chop(1);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(line);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        const QString word = tab > 0 ? text.left(tab).trimmed() : QString();
        const QString soundsLike = tab > 0 ? text.mid(tab + 1).trimmed() : QString();
        if (!utf8.hasError() && Valid(word, soundsLike))
            contents.Entries.append({word, soundsLike});
        else if (!raw.isEmpty())
            contents.Kept.append(raw);
    }
    return contents;
}

bool Lexicon::Save(const QList<Entry> &entries, const QList<QByteArray> &kept)
{
    QSaveFile file(FilePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray data;
    for (const Entry &e : entries)
        data += (e.first + QLatin1Char('\t') + e.second + QLatin1Char('\n')).toUtf8();
    for (const QByteArray &line : kept)
        data += line + '\n';
    file.write(data);
    return file.commit();
}

LexiconTable Lexicon::Table(const QList<Entry> &entries)
{
    LexiconTable table;
    for (const Entry &e : entries)
        table.Insert(e.first, e.second);
    return table;
}

std::shared_ptr<const LexiconTable> Lexicon::CurrentTable()
{
    static QMutex mutex;
    static std::shared_ptr<const LexiconTable> table;
    static QString path;
    static qint64 size = -1;
    static QDateTime modified;
    const QMutexLocker lock(&mutex);
    const QFileInfo info(FilePath());
    const qint64 nowSize = info.exists() ? info.size() : -1;
    const QDateTime nowModified = info.exists() ? info.lastModified() : QDateTime();
    if (!table || path != info.absoluteFilePath() || size != nowSize || modified != nowModified) {
        table = std::make_shared<const LexiconTable>(Table(Load()));
        path = info.absoluteFilePath();
        size = nowSize;
        modified = nowModified;
    }
    return table;
}

bool Lexicon::Valid(const QString &word, const QString &soundsLike)
{
    const auto lineSafe = [](const QString &text) {
        return !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')) &&
               !text.contains(QLatin1Char('\r'));
    };
    return !word.trimmed().isEmpty() && !soundsLike.trimmed().isEmpty() && lineSafe(word) && lineSafe(soundsLike);
}
