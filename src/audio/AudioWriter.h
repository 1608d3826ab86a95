#pragma once

#include "audio/AudioTags.h"

#include <QSaveFile>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// The kinds of file speech is read into; the numbers are those the settings keep.
// A read-along book (an EPUB) is made of a sound file a chapter, MP3 or AAC
// (written as M4B is) and the text timed to it.
enum class TOutputFormat { Wav = 0, Mp3 = 1, M4b = 2, Opus = 3, Epub = 4 };

namespace OutputFormats {
// ".wav", ".mp3", ".m4b", ".opus", ".epub"
QString Extension(TOutputFormat format);
// As the settings keep it; an unknown number is WAV.
TOutputFormat FromSetting(int value);
} // namespace OutputFormats

// One encoded file being written from 16-bit mono samples. The file appears under
// its name only when Finish succeeds; dropping the writer before leaves nothing.
class TAudioWriter
{
public:
    TAudioWriter(const QString &fileName, const TAudioTags &tags);
    virtual ~TAudioWriter();
    TAudioWriter(const TAudioWriter &) = delete;
    TAudioWriter &operator=(const TAudioWriter &) = delete;

    // A file that has the name when the file is finished (one made meanwhile
    // included) is kept, and Finish fails, rather than being replaced.
    bool KeepExisting = false;
    // The chapters the file will have, as far as they are known when it is opened
    // (the times do not matter): a format whose chapters go ahead of the sound
    // keeps room for them.
    std::vector<TAudioChapter> PlannedChapters;

    // The rate the samples are to come at, for speech made at `speechRate`.
    virtual int Rate(int speechRate) const { return speechRate; }
    bool Open(int rate);
    virtual bool Write(const int16_t *samples, qint64 count) = 0;
    // The sound is complete; the chapters (in order) go into the file.
    bool Finish(const std::vector<TAudioChapter> &chapters = {});
    // Why the last call failed, in the words the user is shown.
    const QString &Failure() const { return m_Failure; }

    static std::unique_ptr<TAudioWriter> Make(TOutputFormat format, const QString &fileName, const TAudioTags &tags);

protected:
    virtual bool Begin() = 0;
    virtual bool End(const std::vector<TAudioChapter> &chapters) = 0;
    bool Fail(const QString &message);
    // Writes to the file, or fails saying where and why.
    bool Put(const char *data, qint64 size);
    bool PutAt(qint64 position, const QByteArray &bytes);
    QSaveFile &File() { return m_File; }
    const QString &FileName() const { return m_FileName; }

    const TAudioTags m_Tags;
    int m_Rate = 0;
    qint64 m_Samples = 0; // written so far (at m_Rate)

private:
    QString m_FileName;
    QSaveFile m_File;
    QString m_Apart; // where the file waits for its name when an existing file is kept
    QString m_Failure;
};
