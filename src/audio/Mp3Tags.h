#pragma once

#include <QByteArray>
#include <QString>

// What an MP3 file says about itself, so that players list it by its title
// rather than as an unknown track.
struct TMp3Tags
{
    QString Title;
    QString Artist; // the voice that reads it
    QString Album;
    int Track = 0; // none when 0

    // The ID3v2 tag that goes at the front of the file, naming this program as
    // the software that made it.
    QByteArray Render() const;
};
