#pragma once

#include "audio/AudioWriter.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct TLibAv;

// An audiobook file: AAC in MP4 (as book players want it), with chapters, tags and
// a cover. The speech goes in at its own rate (it has nothing above half of it).
//
// The AAC comes from libavcodec (loaded when first needed); the container is written here, because
// its index can only go after the sound and a general muxer keeps tens of bytes a packet for it
// until then. This one keeps two bytes a packet: the memory a book needs hardly depends on its
// length.
class TM4bWriter : public TAudioWriter
{
public:
    TM4bWriter(const QString &fileName, const TAudioTags &tags);
    ~TM4bWriter() override;

    bool Write(const int16_t *samples, qint64 count) override;

    // What the encoder is asked for: mono, bits a second.
    static constexpr int BitRate = 56000;

protected:
    bool Begin() override;
    bool End(const std::vector<TAudioChapter> &chapters) override;

private:
    bool Encode(AVFrame *frame);
    bool LibraryFailed(const char *what, int error);
    // The index, but for the packets' sizes, which go between its two parts; the
    // chapter titles' samples are where and as large as End wrote them.
    std::pair<QByteArray, QByteArray> Movie(const std::vector<TAudioChapter> &chapters, qint64 chaptersAt,
                                            const std::vector<int> &chapterSizes) const;
    std::pair<QByteArray, QByteArray> AudioTrack(qint64 movieDuration, bool chapterTrack) const;
    QByteArray Tags(const std::vector<TAudioChapter> &chapters) const;

    const TLibAv *m_Av = nullptr; // libavcodec, loaded by the first book
    AVCodecContext *m_Codec = nullptr;
    AVFrame *m_Frame = nullptr;
    AVPacket *m_Packet = nullptr;
    int m_Filled = 0; // samples in m_Frame

    qint64 m_MediaAt = 0;          // where the sound's box starts
    std::vector<uint16_t> m_Sizes; // of each AAC packet (at most 768 bytes for mono)
    std::vector<std::pair<uint32_t, uint32_t>> m_Durations; // runs of packets: count, samples each
    std::vector<qint64> m_Chunks; // where each run of chunkPackets packets starts
    qint64 m_MediaSamples = 0;    // the encoder's priming included
};
