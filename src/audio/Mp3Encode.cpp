#include "audio/Mp3Encode.h"

#include "audio/MMWave.h"
#include "log/UtilsClass.h"
#include "platform/mp3enc/BladeEnc.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>

#include <cmath>
#include <cstring>
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

bool EncodeMp3File(const QString &waveFileName, const QString &mp3FileName,
                   const std::function<void(int percent)> &progress, QString *failure)
{
    failureOut = failure;
    const auto reset = qScopeGuard([] { failureOut = nullptr; });
    UtilsClass::Trace(QStringLiteral("Starting MP3 conversion"));
    QFile wave(waveFileName);
    const auto readError = [&] {
        return QStringLiteral("Read Error\r\r") + waveFileName + QStringLiteral(": ") + wave.errorString();
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

    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.dwConfig = BE_CONFIG_MP3;
    config.dwSampleRate = 44100;
    config.byMode = BE_MP3_MODE_MONO;
    config.wBitrate = 64;
    uint32_t samplesPerChunk = 0, bufferSize = 0;
    HBE_STREAM stream = 0;
    const BE_ERR init = beInitStream(&config, &samplesPerChunk, &bufferSize, &stream);
    if (init != BE_ERR_SUCCESSFUL) {
        // An existing file of that name stays as it is.
        Fail(QStringLiteral("Error opening encoding stream ") + QString::number(init));
        return false;
    }

    // Written beside the target and put in its place only when finished.
    QSaveFile mp3(mp3FileName);
    if (!mp3.open(QIODevice::WriteOnly)) {
        beCloseStream(stream);
        Fail(QStringLiteral("Unable to create ") + ProgramPaths::WhereAndWhy(mp3FileName, mp3.errorString()));
        return false;
    }
    std::vector<uint8_t> output(bufferSize);
    std::vector<int16_t> input(samplesPerChunk);
    const qint64 chunkBytes = qint64(samplesPerChunk) * 2;
    bool ok = true;
    qint64 done = 0;
    if (progress)
        progress(0);
    while (done != size) {
        const qint64 bytes = done + chunkBytes < size ? chunkBytes : size - done;
        if (wave.read(reinterpret_cast<char *>(input.data()), bytes) != bytes) {
            Fail(readError());
            ok = false;
            break;
        }
        uint32_t produced = 0;
        const BE_ERR err = beEncodeChunk(stream, static_cast<uint32_t>(bytes / 2), input.data(), output.data(), &produced);
        if (err != BE_ERR_SUCCESSFUL) {
            Fail(QStringLiteral("beEncodeChunk failed ") + QString::number(err));
            ok = false;
            break;
        }
        if (mp3.write(reinterpret_cast<const char *>(output.data()), produced) != qint64(produced)) {
            Fail(QStringLiteral("Write Error (1)\r\r") + ProgramPaths::WhereAndWhy(mp3FileName, mp3.errorString()));
            ok = false;
            break;
        }
        if (Mp3AbortRequested)
            break;
        done += bytes;
        if (progress)
            progress(static_cast<int>(std::nearbyint(double(done) * 100.0 / double(size) + 0.5)));
        QCoreApplication::processEvents();
    }
    if (ok) {
        uint32_t produced = 0;
        const BE_ERR err = beDeinitStream(stream, output.data(), &produced);
        if (err != BE_ERR_SUCCESSFUL) {
            Fail(QStringLiteral("beExitStream failed ") + QString::number(err));
            ok = false;
        } else if (mp3.write(reinterpret_cast<const char *>(output.data()), produced) != qint64(produced) ||
                   !mp3.commit()) {
            Fail(QStringLiteral("Write error (2)\r\r") + ProgramPaths::WhereAndWhy(mp3FileName, mp3.errorString()));
            ok = false;
        }
    }
    beCloseStream(stream);
    if (!ok)
        mp3.cancelWriting();
    wave.close();
    return ok;
}
