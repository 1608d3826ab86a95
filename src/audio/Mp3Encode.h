#pragma once

#include <QByteArray>
#include <QSaveFile>
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
// in, so the same samples always give the same bytes. The file appears under its
// name only when Finish succeeds; dropping the writer before leaves nothing.
class TMp3Writer
{
public:
    explicit TMp3Writer(const QString &mp3FileName);
    ~TMp3Writer();
    TMp3Writer(const TMp3Writer &) = delete;
    TMp3Writer &operator=(const TMp3Writer &) = delete;

    // `tag`: an ID3v2 tag written ahead of the sound.
    bool Open(const QByteArray &tag = {});
    // A file that has the name when the MP3 is finished (one made meanwhile
    // included) is kept, and Finish fails, rather than being replaced.
    bool KeepExisting = false;
    bool Write(const int16_t *samples, qint64 count);
    bool Finish();
    // Why the last call failed, in the words the user is shown.
    const QString &Failure() const { return m_Failure; }

private:
    bool EncodeChunk(const int16_t *samples, uint32_t count);
    bool Fail(const QString &message);

    QString m_FileName;
    QSaveFile m_File;
    QString m_Apart; // where the MP3 waits for its name when an existing file is kept
    uint32_t m_Stream = 0;
    bool m_Open = false;
    uint32_t m_SamplesPerChunk = 0;
    std::vector<uint8_t> m_Output;
    std::vector<int16_t> m_Pending;
    QString m_Failure;
};
