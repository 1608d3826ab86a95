#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Where the reading of each article stopped, kept beside the saved articles (not
// in them, so that their file stays as it is). An article is known by its title and
// its whole text: one edited since, or another in its place, is not sent to a
// place that no longer fits it.
namespace ReadingPlaces {

// Beside the saved articles ("PWPlaces.txt").
QString File();

QByteArray Key(const QString &title, const QString &text);
// Article key to the index of the word reached; empty when there is no file or it is damaged.
QHash<QByteArray, int> Load(const QString &file, QString *problem = nullptr);
bool Save(const QString &file, const QHash<QByteArray, int> &places);
// Writes a file kept beside the saved articles whole or not at all; with nothing to
// keep, the file goes.
bool SaveBeside(const QString &file, const QByteArray &text);

} // namespace ReadingPlaces
