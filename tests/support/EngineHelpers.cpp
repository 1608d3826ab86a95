#include "support/EngineHelpers.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

WaveData ReadWave(const QString &path)
{
    WaveData wave;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return wave;
    const QByteArray data = file.readAll();
    if (data.size() < 44 || !data.startsWith("RIFF") || data.mid(8, 8) != "WAVEfmt ")
        return wave;
    const char *p = data.constData();
    if (qFromLittleEndian<quint16>(p + 20) != 1 || qFromLittleEndian<quint16>(p + 22) != 1 ||
        qFromLittleEndian<quint16>(p + 34) != 16 || data.mid(36, 4) != "data")
        return wave;
    const quint32 riffSize = qFromLittleEndian<quint32>(p + 4);
    const quint32 dataSize = qFromLittleEndian<quint32>(p + 40);
    if (riffSize != static_cast<quint32>(data.size() - 8) || dataSize != static_cast<quint32>(data.size() - 44))
        return wave;
    wave.rate = static_cast<int>(qFromLittleEndian<quint32>(p + 24));
    for (quint32 i = 0; i < dataSize / 2; ++i)
        wave.samples << qFromLittleEndian<qint16>(p + 44 + 2 * i);
    wave.valid = true;
    return wave;
}

double SpokenSeconds(const WaveData &wave)
{
    qsizetype loud = 0;
    for (qint16 sample : wave.samples)
        loud += std::abs(sample) >= 256;
    return wave.rate ? double(loud) / wave.rate : 0;
}

double MedianPitch(const WaveData &wave)
{
    // Autocorrelation over 40 ms frames of loud (voiced) sound, 70-400 Hz.
    const int frame = wave.rate / 25;
    const int minLag = wave.rate / 400;
    const int maxLag = wave.rate / 70;
    std::vector<double> pitches;
    for (int start = 0; start + frame + maxLag < wave.samples.size(); start += frame / 2) {
        double energy = 0;
        for (int i = 0; i < frame; ++i)
            energy += double(wave.samples[start + i]) * wave.samples[start + i];
        if (energy / frame < 1e6)
            continue;
        int bestLag = 0;
        double best = 0;
        for (int lag = minLag; lag <= maxLag; ++lag) {
            double sum = 0, e2 = 0;
            for (int i = 0; i < frame; ++i) {
                sum += double(wave.samples[start + i]) * wave.samples[start + i + lag];
                e2 += double(wave.samples[start + i + lag]) * wave.samples[start + i + lag];
            }
            const double r = sum / std::sqrt(energy * e2 + 1);
            if (r > best) {
                best = r;
                bestLag = lag;
            }
        }
        if (best > 0.6)
            pitches.push_back(double(wave.rate) / bestLag);
    }
    if (pitches.empty())
        return 0;
    std::nth_element(pitches.begin(), pitches.begin() + pitches.size() / 2, pitches.end());
    return pitches[pitches.size() / 2];
}

Audible Heard(const QList<qint16> &samples)
{
    Audible heard;
    for (qsizetype i = 0; i < samples.size(); ++i) {
        if (std::abs(int(samples[i])) > 500) {
            heard.first = heard.first < 0 ? i : heard.first;
            heard.last = i;
            ++heard.count;
        }
    }
    return heard;
}

QList<qint16> RecordSink(const QString &sink, const std::function<void()> &during)
{
    QProcess rec;
    rec.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=5"), QStringLiteral("-d"), sink + QStringLiteral(".monitor"),
                                        QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                        QStringLiteral("--channels=1"), QStringLiteral("--rate=22050")});
    if (!rec.waitForStarted(5000))
        return {};
    during();
    rec.terminate();
    rec.waitForFinished(5000);
    const QByteArray pcm = rec.readAllStandardOutput();
    QList<qint16> samples;
    samples.reserve(pcm.size() / 2);
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        samples << qFromLittleEndian<qint16>(pcm.constData() + i);
    return samples;
}
