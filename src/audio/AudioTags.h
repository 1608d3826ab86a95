#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Where a chapter of a file begins, in seconds of its sound, and what it is called.
struct TAudioChapter
{
    double Start = 0;
    QString Title;
};

// What an output file says about itself, so that players list it by its title
// rather than as an unknown track, and a book player shows its cover.
struct TAudioTags
{
    TAudioTags(const QString &title = {}, const QString &artist = {}, const QString &album = {}, int track = 0)
        : Title(title), Artist(artist), Album(album), Track(track)
    {
    }

    QString Title;
    QString Artist; // the book's author, else the voice that reads it
    QString Album;
    int Track = 0; // none when 0
    QString Genre = QStringLiteral("Audiobook");
    QByteArray Cover; // a JPEG or PNG picture, or none

    // The ID3v2 tag that goes at the front of an MP3 file, naming this program as
    // the software that made it.
    QByteArray Render() const;
    // The same with the chapters (CHAP frames and their table of contents) of a
    // sound `seconds` long, padded to `size` bytes when it is smaller.
    QByteArray Render(const std::vector<TAudioChapter> &chapters, double seconds, int size) const;
    // The program and its version, as the files name their maker.
    static QString Software();
    // What a picture's bytes are: "image/jpeg", "image/png", or empty.
    static QString PictureMime(const QByteArray &picture);
};
