#pragma once

#include "audio/AudioWriter.h"

struct AVFormatContext;
struct AVCodecContext;
struct AVStream;
struct AVFrame;
struct AVPacket;
struct AVIOContext;

// An audiobook file: AAC in MP4 (as book players want it), with chapters, tags and
// a cover. The speech goes in at its own rate (it has nothing above half of it).
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
    static int WriteOut(void *opaque, uint8_t *data, int size);
    static int64_t SeekOut(void *opaque, int64_t offset, int whence);

    AVFormatContext *m_Format = nullptr;
    AVCodecContext *m_Codec = nullptr;
    AVStream *m_Stream = nullptr;
    AVIOContext *m_Io = nullptr;
    AVFrame *m_Frame = nullptr;
    AVPacket *m_Packet = nullptr;
    int m_Filled = 0; // samples in m_Frame
    bool m_HeaderWritten = false;
};
