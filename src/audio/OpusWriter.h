#pragma once

#include "audio/AudioWriter.h"

#include <QByteArray>

#include <ogg/ogg.h>

#include <deque>
#include <future>
#include <vector>

// An Opus file (in Ogg) with tags, cover and chapters. The chapters are comments
// in the header ahead of the sound, known only at the end: the header keeps room
// for them and is written again, at the same size, when the sound is complete.
//
// One stream is encoded on every core: the sound is cut into segments at pauses,
// each segment is encoded by its own encoder, and the packets are joined in order.
// A cut falls on a frame boundary inside a pause, so the joined stream has every
// sample where a single encoder would have put it.
class TOpusWriter : public TAudioWriter
{
public:
    TOpusWriter(const QString &fileName, const TAudioTags &tags);
    ~TOpusWriter() override;

    // Opus takes 24 kHz as it is: the speech's 22,050 Hz loses nothing on the way.
    int Rate(int) const override { return EncodeRate; }
    bool Write(const int16_t *samples, qint64 count) override;

    static constexpr int EncodeRate = 24000;
    // Mono speech, bits a second; how hard the encoder tries (0-10).
    static constexpr int BitRate = 32000;
    static constexpr int Complexity = 1;
    // A segment is cut at the first pause once it holds this much sound.
    qint64 SegmentSamples = 30 * EncodeRate;

    struct TPackets
    {
        std::vector<QByteArray> Packets;
        QString Failure;
    };

protected:
    bool Begin() override;
    bool End(const std::vector<TAudioChapter> &chapters) override;

private:
    void Submit(std::vector<int16_t> samples, bool last);
    // Writes the encoded segments out in order, waiting until at most `keep` are left.
    bool Collect(size_t keep);
    bool PutPages(bool flush);
    QByteArray Comments(const std::vector<TAudioChapter> &chapters) const;
    QByteArray HeadPacket() const;

    ogg_stream_state m_Ogg{};
    bool m_OggOpen = false;
    int m_Serial = 0;
    int m_Lookahead = 0;       // the encoder's delay, in samples at EncodeRate
    ogg_int64_t m_Granule = 0; // at 48 kHz, as Ogg counts Opus
    ogg_int64_t m_PacketNo = 0;
    qint64 m_Input = 0;            // samples handed to the encoders
    std::vector<int16_t> m_Buffer; // not yet in a segment
    qint64 m_Searched = 0;         // the buffer has no pause for a cut before this
    bool m_Ending = false;
    std::deque<std::future<TPackets>> m_Pending;
    size_t m_Parallel = 1;
    // Where the comment pages are in the file and how big their packet is.
    qint64 m_CommentsAt = 0;
    qint64 m_CommentsPages = 0;
    int m_CommentsSize = 0;
};
