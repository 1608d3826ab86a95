#pragma once

#include "audio/AudioWriter.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

// Set by the exit command: an encoding in progress stops after its current chunk
// and still finishes a complete (shorter) file.
extern bool Mp3AbortRequested;

// Encodes the samples of a 44100 Hz mono 16-bit wave file into an MP3 file of
// 64 kbit/s. Progress (0-100) is reported after every chunk. Failures are traced
// and shown to the user, or handed to the caller in `failure` when it is given;
// the MP3 file is only replaced by a finished one. True when it was written.
bool EncodeMp3File(const QString &waveFileName, const QString &mp3FileName,
                   const std::function<void(int percent)> &progress = {}, QString *failure = nullptr);

// One MP3 file being written: 44100 Hz mono 16-bit samples in, 64 kbit/s out. The
// samples are handed to the encoder in its own chunks, whatever sizes they come
// in, so the same samples always give the same bytes. An info frame ahead of the
// sound tells players the encoder's delay, so that what they play lines up with
// the samples given to the sample. Tagged unless the tags are empty.
class TMp3Writer : public TAudioWriter
{
public:
    TMp3Writer(const QString &mp3FileName, const TAudioTags &tags = {});
    ~TMp3Writer() override;

    int Rate(int) const override { return 44100; }
    bool Write(const int16_t *samples, qint64 count) override;

protected:
    bool Begin() override;
    bool End(const std::vector<TAudioChapter> &chapters) override;

private:
    bool EncodeChunk(const int16_t *samples, uint32_t count);

    uint32_t m_Stream = 0;
    bool m_Open = false;
    uint32_t m_SamplesPerChunk = 0;
    std::vector<uint8_t> m_Output;
    std::vector<int16_t> m_Pending;
    qint64 m_SoundStart = 0; // where the info frame is, after the tag
    int m_TagRoom = 0; // the tag's size, room for the chapters included
};
