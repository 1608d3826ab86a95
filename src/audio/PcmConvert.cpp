#include "audio/PcmConvert.h"

#include <cstring>

namespace {

enum Kind { Mono8 = 0, Stereo8 = 1, Mono16 = 2, Stereo16 = 3, Invalid = -1 };

Kind KindOf(const TPcmFormat &f)
{
    if (f.FormatTag != WAVE_FORMAT_PCM || (f.Channels != 1 && f.Channels != 2))
        return Invalid;
    if (f.BitsPerSample == 8)
        return f.Channels == 1 ? Mono8 : Stereo8;
    if (f.BitsPerSample == 16)
        return f.Channels == 1 ? Mono16 : Stereo16;
    return Invalid;
}

constexpr int frameBytes[4] = {1, 2, 2, 4};

inline qint16 S16(const quint8 *p) { return static_cast<qint16>(quint16(p[0]) | quint16(p[1]) << 8); }
inline quint8 High(int s) { return static_cast<quint8>(((s >> 8) + 128) & 0xFF); }
inline qint16 Widen(int u) { return static_cast<qint16>((u - 128) * 256); }

// A frame as the target stores it: l (and r for stereo targets).
struct Frame
{
    int l = 0;
    int r = 0;
};

// Frame readers: (source kind, target kind).
template <int S, int T>
inline Frame Read(const quint8 *p)
{
    if constexpr (S == Mono8) {
        const int u = p[0];
        if constexpr (T == Mono8 || T == Stereo8)
            return {u, u};
        else
            return {Widen(u), Widen(u)};
    } else if constexpr (S == Stereo8) {
        const int l = p[0], r = p[1];
        if constexpr (T == Mono8) {
            const int m = (l + r) >> 1;
            return {m, m};
        } else if constexpr (T == Stereo8) {
            return {l, r};
        } else if constexpr (T == Mono16) {
            const int m = Widen((l + r) >> 1);
            return {m, m};
        } else {
            return {Widen(l), Widen(r)};
        }
    } else if constexpr (S == Mono16) {
        const int s = S16(p);
        if constexpr (T == Mono8 || T == Stereo8)
            return {High(s), High(s)};
        else
            return {s, s};
    } else {
        const int l = S16(p), r = S16(p + 2);
        if constexpr (T == Mono8) {
            const int m = (((l + 32768) + (r + 32768)) >> 1) >> 8;
            return {m, m};
        } else if constexpr (T == Stereo8) {
            return {High(l), High(r)};
        } else if constexpr (T == Mono16) {
            const int m = (((l + 32768) + (r + 32768)) >> 1) - 32768;
            return {m, m};
        } else {
            return {l, r};
        }
    }
}

template <int T>
inline quint8 *Write(quint8 *out, Frame f)
{
    if constexpr (T == Mono8) {
        *out = static_cast<quint8>(f.l);
        return out + 1;
    } else if constexpr (T == Stereo8) {
        out[0] = static_cast<quint8>(f.l);
        out[1] = static_cast<quint8>(f.r);
        return out + 2;
    } else if constexpr (T == Mono16) {
        out[0] = static_cast<quint8>(f.l & 0xFF);
        out[1] = static_cast<quint8>((f.l >> 8) & 0xFF);
        return out + 2;
    } else {
        out[0] = static_cast<quint8>(f.l & 0xFF);
        out[1] = static_cast<quint8>((f.l >> 8) & 0xFF);
        out[2] = static_cast<quint8>(f.r & 0xFF);
        out[3] = static_cast<quint8>((f.r >> 8) & 0xFF);
        return out + 4;
    }
}

// The whole conversion for one pair of kinds: reader and writer are fixed at
// compile time, so the loop does no format tests.
template <int S, int T>
qint32 Convert(quint32 frames, const quint8 *in, quint8 *out, quint32 srcRate, quint32 dstRate)
{
    quint8 *const start = out;
    if (srcRate > dstRate) {
        quint32 acc = srcRate >> 1;
        for (quint32 i = 0; i < frames; ++i, in += frameBytes[S]) {
            if (acc >= dstRate) {
                acc -= dstRate;
                continue;
            }
            acc = acc - dstRate + srcRate;
            out = Write<T>(out, Read<S, T>(in));
        }
    } else if (srcRate == dstRate) {
        for (quint32 i = 0; i < frames; ++i, in += frameBytes[S])
            out = Write<T>(out, Read<S, T>(in));
    } else {
        quint32 acc = dstRate >> 1;
        for (quint32 i = 0; i < frames; ++i, in += frameBytes[S]) {
            const Frame f = Read<S, T>(in);
            for (;;) {
                out = Write<T>(out, f);
                if (acc >= srcRate) {
                    acc -= srcRate;
                    continue;
                }
                acc = acc - srcRate + dstRate;
                break;
            }
        }
    }
    return static_cast<qint32>(out - start);
}

using ConvertFn = qint32 (*)(quint32, const quint8 *, quint8 *, quint32, quint32);

template <int S>
constexpr ConvertFn Row[4] = {Convert<S, Mono8>, Convert<S, Stereo8>, Convert<S, Mono16>, Convert<S, Stereo16>};

constexpr const ConvertFn *Table[4] = {Row<Mono8>, Row<Stereo8>, Row<Mono16>, Row<Stereo16>};

} // namespace

bool IsConvertiblePcm(const TPcmFormat *format)
{
    return format && format->FormatTag == WAVE_FORMAT_PCM &&
           (format->BitsPerSample == 8 || format->BitsPerSample == 16) &&
           (format->Channels == 1 || format->Channels == 2) && format->SamplesPerSec >= 4000 &&
           format->SamplesPerSec <= 100000;
}

void BuildPcmFormat(TPcmFormat &format, quint16 bits, quint16 channels, qint32 sampleRate)
{
    format.FormatTag = WAVE_FORMAT_PCM;
    format.Channels = channels;
    format.SamplesPerSec = static_cast<quint32>(sampleRate);
    format.BlockAlign = static_cast<quint16>(quint32(channels) * bits / 8);
    format.AvgBytesPerSec = quint32(format.BlockAlign) * format.SamplesPerSec;
    format.BitsPerSample = bits;
    format.ExtraSize = 0;
}

qint32 PcmConvertedSize(qint32 inputBytes, const TPcmFormat &source, const TPcmFormat &target)
{
    const Kind s = KindOf(source), t = KindOf(target);
    if (s == Invalid || t == Invalid || source.SamplesPerSec == 0)
        return -1;
    const qint64 frames = inputBytes / frameBytes[s];
    return static_cast<qint32>(frames * target.SamplesPerSec / source.SamplesPerSec * frameBytes[t]);
}

qint32 PcmConvert(qint32 inputBytes, const void *input, const TPcmFormat &source, void *output,
                  const TPcmFormat &target)
{
    const Kind s = KindOf(source), t = KindOf(target);
    if (s == Invalid || t == Invalid)
        return -1;
    if (inputBytes <= 0)
        return inputBytes;
    const auto frames = static_cast<quint32>(inputBytes / frameBytes[s]);
    return Table[s][t](frames, static_cast<const quint8 *>(input), static_cast<quint8 *>(output),
                       source.SamplesPerSec, target.SamplesPerSec);
}

bool RateChangeOnly(const TPcmFormat &source, const TPcmFormat &target)
{
    return source.BitsPerSample == 16 && source.Channels == 1 && target.BitsPerSample == 16 &&
           target.Channels == 1 && source.SamplesPerSec != target.SamplesPerSec &&
           source.SamplesPerSec > 0 && target.SamplesPerSec > 0;
}
