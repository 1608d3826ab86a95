#include "articles/ReadingPlaces.h"

#include "articles/SavedArticles.h"
#include "platform/shell/ProgramPaths.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace ReadingPlaces {

QByteArray Key(const QString &title, const QString &text)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(title.toUtf8());
    hash.addData(QByteArrayView("\x1f", 1));
    hash.addData(text.toUtf8());
    return hash.result().toHex();
}

QHash<QByteArray, int> Load(const QString &file, QString *problem)
{
    QHash<QByteArray, int> places;
    QByteArray text;
    // A few lines an article at most: anything larger is not ours.
    if (ProgramPaths::ReadSideFile(file, 16 * 1024 * 1024, &text, problem) != ProgramPaths::TSideRead::Read)
        return places;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.trimmed().split('\t');
        bool ok = false;
        const int index = fields.value(1).toInt(&ok);
        if (fields.size() == 2 && fields[0].size() == 40 && ok && index >= 0)
            places.insert(fields[0], index);
    }
    return places;
}

bool Save(const QString &file, const QHash<QByteArray, int> &places)
{
    QByteArray text;
    for (auto it = places.begin(); it != places.end(); ++it)
        text += it.key() + '\t' + QByteArray::number(it.value()) + '\n';
    return SaveBeside(file, text);
}

bool SaveBeside(const QString &file, const QByteArray &text)
{
    if (text.isEmpty())
        return !QFile::exists(file) || QFile::remove(file);
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(text) == text.size() && out.commit();
}

} // namespace ReadingPlaces

QString ReadingPlaces::File() { return ProgramPaths::JoinPath(QFileInfo(SavedArticles::File()).path(), QStringLiteral("PWPlaces.txt")); }
