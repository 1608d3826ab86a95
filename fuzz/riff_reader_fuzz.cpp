// libFuzzer target for the RIFF WAVE reader and the converter behind it: every
// input is parsed, and what parses is converted to 44.1 kHz and read back.
//   build-fuzz/fuzz/riff_reader_fuzz -max_total_time=300 -detect_leaks=0 fuzz/corpus/riff_reader
#include "audio/MMWave.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    TWaveFileInfo info;
    try {
        info = TWaveFileInfo::Parse(bytes, bytes.size());
    } catch (const EMMWaveError &) {
        return 0;
    }
    if (info.DataStart < 0 || info.DataLength < 0 || info.DataStart + info.DataLength > qint64(size))
        std::abort();
    if (info.Format.BlockAlign && info.DataLength % info.Format.BlockAlign)
        std::abort();
    // Conversions of long inputs take time without finding more.
    if (!IsConvertiblePcm(&info.Format) || info.DataLength > (1 << 20))
        return 0;
    const QString in = dir.path() + QStringLiteral("/in.wav");
    const QString out = dir.path() + QStringLiteral("/out.wav");
    {
        QFile file(in);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(bytes);
    }
    TMMWave wave;
    wave.SetFileName(in);
    TPcmFormat target;
    BuildPcmFormat(target, 16, 1, 44100);
    wave.ConvertToFile(out, &target);
    const TWaveFileInfo converted = TWaveFileInfo::Read(out);
    // Each one-second chunk starts its rate accumulator afresh, which can add up to
    // about one output frame per input frame's worth of the ratio.
    const qint64 rate = info.Format.SamplesPerSec;
    const qint64 frames = info.Format.BlockAlign ? info.DataLength / info.Format.BlockAlign : 0;
    const qint64 expected = frames * 44100 / rate;
    const qint64 chunks = frames / rate + 1;
    if (converted.Format.SamplesPerSec != 44100 || converted.Format.Channels != 1 ||
        std::llabs(converted.DataLength / 2 - expected) > chunks * (44100 / rate + 2))
        std::abort();
    return 0;
}
