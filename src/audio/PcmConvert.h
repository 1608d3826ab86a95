#pragma once

#include <QtGlobal>

// The PCM format record of a RIFF WAVE file (WAVEFORMATEX, 18 bytes little-endian).
struct TPcmFormat
{
    quint16 FormatTag = 0;
    quint16 Channels = 0;
    quint32 SamplesPerSec = 0;
    quint32 AvgBytesPerSec = 0;
    quint16 BlockAlign = 0;
    quint16 BitsPerSample = 0;
    quint16 ExtraSize = 0;
};

constexpr quint16 WAVE_FORMAT_PCM = 1;

// PCM, 8 or 16 bits, 1 or 2 channels, 4000 to 100000 samples per second.
bool IsConvertiblePcm(const TPcmFormat *format);
void BuildPcmFormat(TPcmFormat &format, quint16 bits, quint16 channels, qint32 sampleRate);
// The output size for inputBytes of source data (one frame more can come out of a
// short input); -1 when a format is not one the converter knows.
qint32 PcmConvertedSize(qint32 inputBytes, const TPcmFormat &source, const TPcmFormat &target);
// Converts sample format, channels and rate (frames repeated or dropped, no
// filtering); returns the bytes written, inputBytes itself when it is 0 or less,
// -1 for an unknown format.
qint32 PcmConvert(qint32 inputBytes, const void *input, const TPcmFormat &source, void *output,
                  const TPcmFormat &target);
// Both 16-bit mono at two rates: a change the band-limited resampler makes.
bool RateChangeOnly(const TPcmFormat &source, const TPcmFormat &target);
