#pragma once

#include <QtGlobal>

#include <cstdint>
#include <memory>
#include <vector>

// Speech comes at 16,000 or 22,050 samples a second (and a Piper voice's own rate)
// and players want 22,050 or 44,100. Repeating and dropping samples would mirror the
// voice above its own band (heard as a hiss and a metallic edge); this band-limited
// resampler (libsoxr, high quality, 16-bit mono, no dither: the same samples however
// the sound is cut into pieces) adds nothing there. It keeps state from one piece to
// the next.
class TResampler
{
public:
    TResampler(quint32 from, quint32 to);
    ~TResampler();
    TResampler(const TResampler &) = delete;
    TResampler &operator=(const TResampler &) = delete;

    // None when libsoxr could not be loaded or set up (said once on standard error):
    // the caller then changes the rate the plain way.
    static std::unique_ptr<TResampler> Make(quint32 from, quint32 to);

    // Resamples `count` samples; none (a null pointer) ends the sound and gives what
    // is still held back. The result lasts until the next call; empty on a failure.
    const std::vector<int16_t> &Process(const int16_t *in, size_t count);

    // All of a sound at once.
    static std::vector<int16_t> Whole(const std::vector<int16_t> &in, quint32 from, quint32 to);

private:
    void *m_Soxr = nullptr;
    double m_Ratio = 1;
    std::vector<int16_t> m_Out;
};
