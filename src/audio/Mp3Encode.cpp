#include "audio/Mp3Encode.h"

#include "audio/MMWave.h"
#include "audio/SpeechFiles.h"
#include "log/UtilsClass.h"
#include "platform/mp3enc/BladeEnc.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

bool Mp3AbortRequested = false;

namespace {

// Shown, or handed to the caller who asked for it.
QString *failureOut = nullptr;

void Fail(const QString &message)
{
    UtilsClass::Trace(message);
    if (failureOut)
        *failureOut = message;
    else
        Messages::ShowError(message);
}

// The samples to encode: the "data" chunk of a wave file, or the whole file when
// it is not one.
void SampleRange(QFile &file, qint64 &start, qint64 &length)
{
    start = 0;
    length = file.size();
    try {
        const TWaveFileInfo info = TWaveFileInfo::Parse(file, file.size());
        start = info.DataStart;
        length = info.DataLength;
    } catch (const EMMWaveError &) {
        // Not a wave file: raw 16-bit samples.
    }
}

} // namespace

TMp3Writer::TMp3Writer(const QString &mp3FileName, const TAudioTags &tags) : TAudioWriter(mp3FileName, tags) {}

TMp3Writer::~TMp3Writer()
{
    if (m_Open)
        beCloseStream(m_Stream);
}

bool TMp3Writer::Begin()
{
    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.dwConfig = BE_CONFIG_MP3;
    config.dwSampleRate = 44100;
    config.byMode = BE_MP3_MODE_MONO;
    config.wBitrate = 64;
    uint32_t bufferSize = 0;
    const BE_ERR init = beInitStream(&config, &m_SamplesPerChunk, &bufferSize, &m_Stream);
    if (init != BE_ERR_SUCCESSFUL)
        return Fail(
            QCoreApplication::translate("Audio", "Error opening encoding stream %1").arg(init));
    m_Open = true;
    const bool tagged = !m_Tags.Title.isEmpty() || !m_Tags.Artist.isEmpty() || !m_Tags.Album.isEmpty();
    QByteArray tag;
    if (tagged) {
        tag = m_Tags.Render();
        // Room for the chapters that are to come, and some more than planned.
        if (!PlannedChapters.empty()) {
            std::vector<TAudioChapter> room = PlannedChapters;
            room.resize(room.size() + 16, {0, QString(24, QLatin1Char('x'))});
            m_TagRoom = int(m_Tags.Render(room, 0, 0).size()) + 1024;
            tag = m_Tags.Render({}, 0, m_TagRoom);
        }
    }
    if (!Put(tag.constData(), tag.size()))
        return false;
    m_SoundStart = tag.size();
    m_Output.resize(bufferSize);
    m_Pending.reserve(m_SamplesPerChunk);
    return true;
}

bool TMp3Writer::EncodeChunk(const int16_t *samples, uint32_t count)
{
    uint32_t produced = 0;
    const BE_ERR err = beEncodeChunk(m_Stream, count, samples, m_Output.data(), &produced);
    if (err != BE_ERR_SUCCESSFUL)
        return Fail(QStringLiteral("beEncodeChunk failed ") + QString::number(err));
    m_Samples += count;
    return Put(reinterpret_cast<const char *>(m_Output.data()), produced);
}

bool TMp3Writer::Write(const int16_t *samples, qint64 count)
{
    // Whole chunks go straight to the encoder; the rest waits for more.
    while (count > 0) {
        if (m_Pending.empty() && count >= m_SamplesPerChunk) {
            if (!EncodeChunk(samples, m_SamplesPerChunk))
                return false;
            samples += m_SamplesPerChunk;
            count -= m_SamplesPerChunk;
            continue;
        }
        const qint64 take = std::min<qint64>(count, m_SamplesPerChunk - m_Pending.size());
        m_Pending.insert(m_Pending.end(), samples, samples + take);
        samples += take;
        count -= take;
        if (m_Pending.size() == m_SamplesPerChunk) {
            if (!EncodeChunk(m_Pending.data(), m_SamplesPerChunk))
                return false;
            m_Pending.clear();
        }
    }
    return true;
}

bool TMp3Writer::End(const std::vector<TAudioChapter> &chapters)
{
    if (!m_Pending.empty() && !EncodeChunk(m_Pending.data(), static_cast<uint32_t>(m_Pending.size())))
        return false;
    m_Pending.clear();
    uint32_t produced = 0;
    BE_ERR err = beDeinitStream(m_Stream, m_Output.data(), &produced);
    if (err != BE_ERR_SUCCESSFUL)
        return Fail(QStringLiteral("beExitStream failed ") + QString::number(err));
    if (!Put(reinterpret_cast<const char *>(m_Output.data()), produced))
        return false;
    // The info frame, now that the sound's length is known, over the empty one
    // the encoder left for it.
    err = beInfoFrame(m_Stream, m_Output.data(), uint32_t(m_Output.size()), &produced);
    if (err != BE_ERR_SUCCESSFUL)
        return Fail(QStringLiteral("beInfoFrame failed ") + QString::number(err));
    if (produced > 0 && !PutAt(m_SoundStart, QByteArray(reinterpret_cast<const char *>(m_Output.data()), produced)))
        return false;
    if (!chapters.empty() && m_TagRoom > 0) {
        const QByteArray tag = m_Tags.Render(chapters, double(m_Samples) / m_Rate, m_TagRoom);
        // More chapters than there was room for (articles added while the file
        // was made): the file keeps its tag without them.
        if (tag.size() == m_TagRoom && !PutAt(0, tag))
            return false;
    }
    return true;
}

bool EncodeMp3File(const QString &waveFileName, const QString &mp3FileName,
                   const std::function<void(int percent)> &progress, QString *failure)
{
    failureOut = failure;
    const auto reset = qScopeGuard([] { failureOut = nullptr; });
    UtilsClass::Trace(QStringLiteral("Starting MP3 conversion"));
    QFile wave(waveFileName);
    const auto readError = [&] {
        return QCoreApplication::translate("Audio", "Read Error\r\r%1: %2")
            .arg(waveFileName, wave.errorString());
    };
    if (!wave.open(QIODevice::ReadOnly)) {
        Fail(readError());
        return false;
    }
    qint64 start = 0, size = 0;
    SampleRange(wave, start, size);
    if (!wave.seek(start)) {
        Fail(readError());
        return false;
    }
    TMp3Writer mp3(mp3FileName);
    if (!mp3.Open(44100)) {
        Fail(mp3.Failure());
        return false;
    }
    std::vector<int16_t> input(BeSamplesPerChunk);
    const qint64 chunkBytes = qint64(input.size()) * 2;
    qint64 done = 0;
    if (progress)
        progress(0);
    while (done != size) {
        const qint64 bytes = done + chunkBytes < size ? chunkBytes : size - done;
        if (wave.read(reinterpret_cast<char *>(input.data()), bytes) != bytes) {
            Fail(readError());
            return false;
        }
        if (!mp3.Write(input.data(), bytes / 2)) {
            Fail(mp3.Failure());
            return false;
        }
        // Stopped by the exit command: a shorter but complete file.
        if (Mp3AbortRequested)
            break;
        done += bytes;
        if (progress)
            progress(static_cast<int>(std::nearbyint(double(done) * 100.0 / double(size) + 0.5)));
        QCoreApplication::processEvents();
    }
    if (!mp3.Finish()) {
        Fail(mp3.Failure());
        return false;
    }
    return true;
}
