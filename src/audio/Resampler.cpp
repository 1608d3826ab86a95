#include "audio/Resampler.h"

#include <soxr.h>

TResampler::TResampler(quint32 from, quint32 to) : m_Ratio(double(to) / double(from))
{
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    io.flags |= SOXR_NO_DITHER; // the same samples however the sound is cut into pieces
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_t soxr = soxr_create(from, to, 1, &error, &io, &quality, nullptr);
    m_Soxr = error ? nullptr : soxr;
}

TResampler::~TResampler() { soxr_delete(static_cast<soxr_t>(m_Soxr)); }

bool TResampler::Suits(const TPcmFormat &source, const TPcmFormat &target)
{
    return source.BitsPerSample == 16 && source.Channels == 1 && target.BitsPerSample == 16 && target.Channels == 1 &&
           source.SamplesPerSec != target.SamplesPerSec && source.SamplesPerSec > 0 && target.SamplesPerSec > 0;
}

const std::vector<int16_t> &TResampler::Process(const int16_t *in, size_t count)
{
    m_Out.resize(size_t(double(count) * m_Ratio) + 1024);
    size_t total = 0;
    for (;;) {
        size_t used = 0, made = 0;
        if (!m_Soxr || soxr_process(static_cast<soxr_t>(m_Soxr), in, count, &used, m_Out.data() + total,
                                    m_Out.size() - total, &made) != nullptr)
            break;
        total += made;
        if (in) {
            in += used;
            count -= used;
        }
        const bool full = total == m_Out.size();
        if (full)
            m_Out.resize(m_Out.size() * 2);
        // Input all taken (or, at the end, nothing more held back).
        if (!full && (in ? count == 0 : made == 0))
            break;
    }
    m_Out.resize(total);
    return m_Out;
}
