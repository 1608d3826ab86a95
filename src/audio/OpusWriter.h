#pragma once

#include "audio/AudioWriter.h"

#include <QByteArray>

struct OggOpusEnc;

// An Opus file (in Ogg) with tags, cover and chapters. The chapters are comments
// in the header ahead of the sound, known only at the end: the header keeps room
// for them and is written again, at the same size, when the sound is complete.
class TOpusWriter : public TAudioWriter
{
public:
    TOpusWriter(const QString &fileName, const TAudioTags &tags);
    ~TOpusWriter() override;

    bool Write(const int16_t *samples, qint64 count) override;

    // Mono speech, bits a second; how hard the encoder tries (0-10).
    static constexpr int BitRate = 32000;
    static constexpr int Complexity = 3;

protected:
    bool Begin() override;
    bool End(const std::vector<TAudioChapter> &chapters) override;

private:
    static int WriteOut(void *user, const unsigned char *data, int size);
    static int CloseOut(void *user);
    QByteArray Comments(const std::vector<TAudioChapter> &chapters) const;

    OggOpusEnc *m_Encoder = nullptr;
    // The header's pages as written (the comments may be written over them), and
    // where in them the comment packet lies.
    QByteArray m_Head;
    bool m_HeadDone = false;
    int m_Pages = 0;
    QByteArray m_Vendor;
};
