#include "platform/resample/Resampler.h"

#include "platform/shell/LibraryFunctions.h"

#include <soxr.h>

namespace {

// libsoxr's functions, found once, when the first resampler is made.
struct Soxr
{
    decltype(&soxr_io_spec) ioSpec = nullptr;
    decltype(&soxr_quality_spec) qualitySpec = nullptr;
    decltype(&soxr_create) create = nullptr;
    decltype(&soxr_process) process = nullptr;
    decltype(&soxr_delete) destroy = nullptr;
};

const Soxr &Library()
{
    static const Soxr soxr = [] {
        Soxr found;
        QLibrary library(QStringLiteral("soxr"), 0);
        if (!(Resolve(library, "soxr_io_spec", &found.ioSpec) &&
              Resolve(library, "soxr_quality_spec", &found.qualitySpec) &&
              Resolve(library, "soxr_create", &found.create) &&
              Resolve(library, "soxr_process", &found.process) &&
              Resolve(library, "soxr_delete", &found.destroy))) {
            found.create = nullptr;
            qWarning("libsoxr could not be loaded (%s): speech changes its rate without filtering",
                     qPrintable(library.errorString()));
        }
        return found;
    }();
    return soxr;
}

} // namespace

TResampler::TResampler(quint32 from, quint32 to) : m_Ratio(double(to) / double(from))
{
    const Soxr &soxr = Library();
    if (!soxr.create)
        return;
    soxr_io_spec_t io = soxr.ioSpec(SOXR_INT16_I, SOXR_INT16_I);
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr.qualitySpec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    soxr_t made = soxr.create(from, to, 1, &error, &io, &quality, nullptr);
    m_Soxr = error ? nullptr : made;
}

TResampler::~TResampler()
{
    if (m_Soxr)
        Library().destroy(static_cast<soxr_t>(m_Soxr));
}

std::unique_ptr<TResampler> TResampler::Make(quint32 from, quint32 to)
{
    auto resampler = std::make_unique<TResampler>(from, to);
    if (!resampler->m_Soxr)
        resampler.reset();
    return resampler;
}

const std::vector<int16_t> &TResampler::Process(const int16_t *in, size_t count)
{
    m_Out.resize(size_t(double(count) * m_Ratio) + 1024);
    size_t total = 0;
    for (;;) {
        size_t used = 0, made = 0;
        if (!m_Soxr ||
            Library().process(static_cast<soxr_t>(m_Soxr), in, count, &used, m_Out.data() + total,
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

std::vector<int16_t> TResampler::Whole(const std::vector<int16_t> &in, quint32 from, quint32 to)
{
    TResampler resampler(from, to);
    std::vector<int16_t> out = resampler.Process(in.data(), in.size());
    const std::vector<int16_t> &rest = resampler.Process(nullptr, 0);
    out.insert(out.end(), rest.begin(), rest.end());
    return out;
}
