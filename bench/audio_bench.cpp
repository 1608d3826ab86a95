// One conversion or encoding, timed, with the peak memory of the process:
//   parlewind_audio_bench convert IN.wav OUT.wav    (ConvertWaveFile to 44100 Hz mono 16-bit)
//   parlewind_audio_bench encode IN.wav OUT.mp3     (EncodeMp3File)
#include "BenchSupport.h"
#include "audio/MMWave.h"
#include "audio/Mp3Encode.h"
#include "audio/PcmConvert.h"
#include "platform/mp3enc/BladeEnc.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s convert|band-limited|encode IN OUT\n", argv[0]);
        return 2;
    }
    const QByteArray what = argv[1];
    const QString in = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    const long before = StatusKb("VmHWM:");
    QElapsedTimer timer;
    bool ok = false;
    if (what == "convert") {
        TPreferences prefs;
        TTTSForm voices(prefs);
        timer.start();
        ok = voices.ConvertWaveFile(in, out, 16, 1, 44100);
    } else if (what == "band-limited") {
        // As a file run resamples before encoding its MP3.
        TMMWave wave;
        wave.SetFileName(in);
        wave.BandLimited = true;
        TPcmFormat format;
        BuildPcmFormat(format, 16, 1, 44100);
        timer.start();
        wave.ConvertToFile(out, &format);
        ok = QFile(out).size() > 44;
    } else if (what == "encode") {
        timer.start();
        ok = EncodeMp3File(in, out);
    }
    const qint64 ms = timer.elapsed();
    std::printf("%s %lld ms, peak memory %ld kB (%ld kB at start)\n", ok ? "ok" : "FAILED", ms, StatusKb("VmHWM:"), before);
    return ok ? 0 : 1;
}
