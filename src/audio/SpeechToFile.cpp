#include "audio/SpeechToFile.h"

#include "audio/MMWave.h"
#include "platform/resample/Resampler.h"
#include "platform/shell/GrowingFile.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>

#include <memory>
#include <vector>

namespace {

// How long to wait for the engine to write more when the encoder has caught up.
constexpr int followMs = 5;
constexpr qint64 releaseStep = 32 * 1024 * 1024;

} // namespace

bool TSpeechToFile::Fail(const QString &message)
{
    m_Failure = message;
    return false;
}

bool TSpeechToFile::Run()
{
    // Unbuffered: every read asks the file itself, which keeps growing.
    QFile speech(SpeechFile);
    const auto readError = [&] {
        return QCoreApplication::translate("Audio", "Read Error\r\r%1: %2")
            .arg(SpeechFile, speech.errorString());
    };
    // Space is given back only through a handle that may write.
    if (!speech.open((FreeAsEncoded > 0 ? QIODevice::ReadWrite : QIODevice::ReadOnly) | QIODevice::Unbuffered))
        return Fail(readError());

    // The header is there once the engine has written it; its sizes only at the end.
    TWaveFileInfo info;
    for (;;) {
        if (IsCancelled())
            return false;
        const bool complete = IsSpeechComplete();
        try {
            info = TWaveFileInfo::Parse(speech, speech.size());
            break;
        } catch (const EMMWaveError &error) {
            if (complete)
                return Fail(error.Message());
        }
        QThread::msleep(followMs);
    }
    if (!IsConvertiblePcm(&info.Format))
        return Fail(
            QCoreApplication::translate("Audio", "This wave file is not valid for conversion"));
    const std::unique_ptr<TAudioWriter> writer = TAudioWriter::Make(Format, OutFile, Tags);
    if (!writer)
        return Fail(ProgramPaths::CouldNotCreate(OutFile));
    writer->KeepExisting = KeepExisting;
    writer->PlannedChapters = PlannedChapters;
    const int rate = writer->Rate(int(info.Format.SamplesPerSec));
    TPcmFormat target;
    BuildPcmFormat(target, 16, 1, quint32(rate));
    // Speech (16-bit mono) changes rate through the band-limited resampler.
    std::unique_ptr<TResampler> resampler;
    if (RateChangeOnly(info.Format, target)) {
        resampler = TResampler::Make(info.Format.SamplesPerSec, target.SamplesPerSec);
        if (resampler)
            target = info.Format;
    }
    if (!writer->Open(rate))
        return Fail(writer->Failure());
    const auto write = [&](const int16_t *samples, qint32 count) {
        if (!resampler)
            return writer->Write(samples, count);
        const std::vector<int16_t> &resampled = resampler->Process(samples, size_t(count));
        return resampled.empty() || writer->Write(resampled.data(), qint32(resampled.size()));
    };
    const qint64 chunk = ConversionChunkBytes(info.Format);
    std::vector<char> in(static_cast<size_t>(chunk));
    std::vector<int16_t> out(static_cast<size_t>(ConvertedChunkBytes(info.Format, target)) / 2 + 1);
    if (!speech.seek(info.DataStart))
        return Fail(readError());
    qint64 done = 0;
    qint64 total = -1; // known once the speech is complete
    qint64 released = info.DataStart; // the header stays
    for (;;) {
        if (IsCancelled())
            return false;
        if (total < 0 && IsSpeechComplete()) {
            // The final header says where the sound ends.
            try {
                total = TWaveFileInfo::Parse(speech, speech.size()).DataLength;
            } catch (const EMMWaveError &error) {
                return Fail(error.Message());
            }
            if (!speech.seek(info.DataStart + done))
                return Fail(readError());
        }
        const qint64 written = total >= 0 ? total : speech.size() - info.DataStart;
        const qint64 available = written - done;
        if (total < 0 && available < chunk) {
            QThread::msleep(followMs);
            continue;
        }
        if (available <= 0)
            break;
        const qint64 bytes = std::min(chunk, available);
        if (speech.read(in.data(), bytes) != bytes)
            return Fail(readError());
        done += bytes;
        const qint32 converted = PcmConvert(static_cast<qint32>(bytes), in.data(), info.Format, out.data(), target);
        if (converted < 0)
            return Fail(
                QCoreApplication::translate("Audio", "This wave file is not valid for conversion"));
        if (converted > 0 && !write(out.data(), converted / 2))
            return Fail(writer->Failure());
        // Some megabytes at a time (each release costs the file system a flush):
        // the engine may go on, the disk has them back.
        if (FreeAsEncoded > 0 && info.DataStart + done - released >= releaseStep) {
            GrowingFile::Read(SpeechFile, info.DataStart + done);
            GrowingFile::Release(speech, released, info.DataStart + done);
            released = info.DataStart + done;
        }
        m_Percent.store(static_cast<int>(done * 100 / std::max<qint64>(written, 1)), std::memory_order_relaxed);
    }
    std::vector<TAudioChapter> chapters;
    {
        std::lock_guard lock(m_ChaptersMutex);
        chapters = m_Chapters;
    }
    if ((resampler && !write(nullptr, 0)) || !writer->Finish(chapters))
        return Fail(writer->Failure());
    m_Percent.store(100, std::memory_order_relaxed);
    return true;
}
