#pragma once

#include "audio/PcmConvert.h"

#include <cstdint>
#include <vector>

// Speech comes at 22,050 or 16,000 samples a second and MP3 players want 44,100.
// Repeating and dropping samples would mirror the voice above its own band (up to
// 22 kHz, heard as a hiss and a metallic edge); this band-limited resampler adds
// nothing there. It keeps state from one piece to the next.
class TResampler
{
public:
    TResampler(quint32 from, quint32 to);
    ~TResampler();
    TResampler(const TResampler &) = delete;
    TResampler &operator=(const TResampler &) = delete;

    // It does the rate change between these formats: both 16-bit mono, at two rates.
    static bool Suits(const TPcmFormat &source, const TPcmFormat &target);

    // Resamples `count` samples; none (a null pointer) ends the sound and gives what
    // is still held back. The result lasts until the next call.
    const std::vector<int16_t> &Process(const int16_t *in, size_t count);

private:
    void *m_Soxr = nullptr;
    double m_Ratio = 1;
    std::vector<int16_t> m_Out;
};
