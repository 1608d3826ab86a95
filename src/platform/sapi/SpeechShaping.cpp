#include "platform/sapi/SpeechShaping.h"

#include <QStringList>
#include <QTextBoundaryFinder>

#include <sonic.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <mutex>

namespace {

std::mutex pausesMutex;
PauseLengths currentPauses;

// Softer than this a sample is silence (about -42 dB): what the engines leave between
// sentences is near zero, their quietest consonants are well above it.
constexpr int Quiet = 256;
// A word's mark may come this long after the silence before it: some voices start a
// word with a faint breath or click before the place they mark (samples).
constexpr qint64 Window = SynthRate * 20 / 1000;
// A silence shorter than this (2 ms: a wave crossing zero) is a pause only if a
// sentence's first word is marked inside it.
constexpr qint64 ShortestPause = SynthRate * 2 / 1000;

qint64 Samples(int milliseconds, double speed)
{
    return qint64(std::llround(double(milliseconds) * SynthRate / 1000.0 / speed));
}

// Makes the sound faster by a factor with its pitch kept; marks move with it.
class Stretch : public SynthTarget
{
public:
    Stretch(std::shared_ptr<SynthTarget> inner, double factor)
        : m_Inner(std::move(inner)), m_Factor(factor), m_Stream(sonicCreateStream(SynthRate, 1))
    {
        sonicSetSpeed(m_Stream, float(factor));
        sonicSetQuality(m_Stream, 1);
    }
    ~Stretch() override { sonicDestroyStream(m_Stream); }

    bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
    {
        // The library takes the samples without changing them.
        if (count > 0 && !sonicWriteShortToStream(m_Stream, const_cast<short *>(samples), count))
            return false;
        for (SynthMark m : marks) {
            m.sample = std::llround(double(m.sample) / m_Factor);
            m_Marks.push_back(m);
        }
        return Drain(false);
    }
    void Finished(bool completed) override
    {
        if (completed) {
            sonicFlushStream(m_Stream);
            completed = Drain(true);
        }
        m_Inner->Finished(completed);
    }

private:
    bool Drain(bool all)
    {
        const int available = sonicSamplesAvailable(m_Stream);
        m_Out.resize(size_t(std::max(available, 0)));
        const int got = available > 0 ? sonicReadShortFromStream(m_Stream, m_Out.data(), available) : 0;
        m_Made += got;
        std::vector<SynthMark> ready;
        while (!m_Marks.empty() && (all || m_Marks.front().sample < m_Made)) {
            ready.push_back(m_Marks.front());
            ready.back().sample = std::min(ready.back().sample, m_Made);
            m_Marks.pop_front();
        }
        if (got <= 0 && ready.empty())
            return true;
        return m_Inner->Audio(m_Out.data(), std::max(got, 0), ready);
    }

    std::shared_ptr<SynthTarget> m_Inner;
    double m_Factor;
    sonicStream m_Stream;
    std::vector<qint16> m_Out;
    std::deque<SynthMark> m_Marks; // at their places in the faster sound
    qint64 m_Made = 0;
};

// Sets the silences at sentence and paragraph starts, before the first word and after
// the last to the chosen lengths; every other silence (a comma's, a stop consonant's)
// is left as the engine made it. A silence is held back until the sound after it
// shows whether a sentence starts there.
class PauseShaper : public SynthTarget
{
public:
    PauseShaper(std::shared_ptr<SynthTarget> inner, const QString &text, bool tagged, int rate,
                const PauseLengths &pauses)
        : m_Inner(std::move(inner)), m_Boundaries(SpeechShaping::Boundaries(text))
    {
        // A speed set by a tag in the text holds from there on.
        Prosody prosody{50, rate};
        int i = 0;
        const auto speedAt = [&](int upTo) {
            for (; tagged && i < upTo; ++i) {
                if (const int length = TextPrep::ReadTag(text, i, prosody); length > 0)
                    i += length - 1;
            }
            return double(std::max(prosody.rate, 1)) / SpeechShaping::NormalRate;
        };
        for (const SpeechShaping::Boundary &b : m_Boundaries)
            m_Pauses.push_back(Samples(b.paragraph ? pauses.paragraph : pauses.sentence, speedAt(b.from)));
        m_Article = Samples(pauses.article, speedAt(int(text.size())));
    }

    bool Audio(const qint16 *samples, int count, const std::vector<SynthMark> &marks) override
    {
        m_Buffer.insert(m_Buffer.end(), samples, samples + count);
        m_InEnd += count;
        for (const SynthMark &m : marks) {
            auto at = std::upper_bound(m_Marks.begin(), m_Marks.end(), m.sample,
                                       [](qint64 s, const SynthMark &k) { return s < k.sample; });
            m_Marks.insert(at, m);
        }
        return Pump(false);
    }
    void Finished(bool completed) override
    {
        if (completed)
            completed = Pump(true);
        m_Inner->Finished(completed);
    }

private:
    bool IsQuiet(qint64 at) const { return std::abs(int(m_Buffer[size_t(at - m_BufferStart)])) < Quiet; }

    // The sentence that starts with the word at `index` and has not had its pause;
    // -1: none.
    int BoundaryAt(int index) const
    {
        const auto it = std::upper_bound(m_Boundaries.begin(), m_Boundaries.end(), index,
                                         [](int i, const SpeechShaping::Boundary &b) { return i < b.from; });
        if (it == m_Boundaries.begin())
            return -1;
        const int found = int(it - 1 - m_Boundaries.begin());
        return index <= m_Boundaries[size_t(found)].upTo && found > m_LastBoundary ? found : -1;
    }
    // Its pause, which it has had from now on.
    qint64 TakePause(int boundary)
    {
        m_LastBoundary = boundary;
        return m_Pauses[size_t(boundary)];
    }
    // The longest silence from `from` to `to`.
    qint64 LongestSilence(qint64 from, qint64 to) const
    {
        qint64 longest = 0, run = 0;
        for (qint64 i = from; i < to; ++i) {
            run = IsQuiet(i) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }

    void Copy(qint64 from, qint64 to)
    {
        const auto first = m_Buffer.begin() + (from - m_BufferStart);
        m_Out.insert(m_Out.end(), first, first + (to - from));
    }
    // Sound from m_Pos to `to`: copied, with a pause put in where a sentence starts
    // without one.
    void Loud(qint64 to)
    {
        while (!m_Marks.empty() && m_Marks.front().sample < to) {
            const SynthMark m = m_Marks.front();
            m_Marks.pop_front();
            const qint64 at = std::max(m.sample, m_Pos);
            Copy(m_Pos, at);
            m_Spoke = m_Spoke || at > m_Pos;
            m_Pos = at;
            if (m_Spoke && at > m_HandledUpTo) {
                if (const int boundary = BoundaryAt(m.index); boundary >= 0) {
                    const qint64 pause = TakePause(boundary);
                    m_Out.insert(m_Out.end(), size_t(pause), 0);
                    m_Delta += pause;
                }
            }
            m_OutMarks.push_back(m);
            m_OutMarks.back().sample = at + m_Delta;
        }
        Copy(m_Pos, to);
        m_Spoke = m_Spoke || to > m_Pos;
        m_Pos = to;
    }

    // The silence from m_Pos to `end` becomes the pause it is.
    void Silence(qint64 end, bool last)
    {
        const qint64 length = end - m_Pos;
        qint64 target = length;
        if (!m_Spoke) {
            target = 0;
        } else if (last) {
            target = m_Article;
        } else if (length >= ShortestPause || (!m_Marks.empty() && m_Marks.front().sample < end)) {
            // The pause of a sentence marked in it or just after it, unless a longer
            // silence comes before that mark.
            for (const SynthMark &m : m_Marks) {
                if (m.sample > end + Window)
                    break;
                const int boundary = BoundaryAt(m.index);
                if (boundary >= 0 && (m.sample <= end || LongestSilence(end, std::min(m.sample + 1, m_InEnd)) <= length)) {
                    target = TakePause(boundary);
                    m_HandledUpTo = end + Window;
                    break;
                }
            }
        }
        const qint64 outStart = m_Pos + m_Delta;
        Copy(m_Pos, m_Pos + std::min(length, target));
        if (target > length)
            m_Out.insert(m_Out.end(), size_t(target - length), 0);
        // A word that starts in the silence keeps its distance from the sound after it.
        while (!m_Marks.empty() && m_Marks.front().sample < end) {
            m_OutMarks.push_back(m_Marks.front());
            m_OutMarks.back().sample = outStart + std::max<qint64>(0, target - (end - m_Marks.front().sample));
            m_Marks.pop_front();
        }
        m_Delta += target - length;
        m_Pos = end;
        m_Ended = last;
    }

    bool Pump(bool final)
    {
        for (;;) {
            if (m_RunEnd >= 0) {
                if (!final && m_InEnd - m_RunEnd < Window)
                    break;
                Silence(m_RunEnd, false);
                m_RunEnd = -1;
                m_InRun = false;
                continue;
            }
            qint64 i = std::max(m_Scanned, m_Pos);
            if (m_InRun) {
                while (i < m_InEnd && IsQuiet(i))
                    ++i;
                m_Scanned = i;
                if (i < m_InEnd) {
                    m_RunEnd = i;
                    continue;
                }
                if (final) {
                    Silence(m_InEnd, true);
                    m_InRun = false;
                }
                break;
            }
            while (i < m_InEnd && !IsQuiet(i))
                ++i;
            Loud(i);
            m_Scanned = i;
            if (i == m_InEnd)
                break;
            m_InRun = true;
        }
        if (final) {
            if (m_Spoke && !m_Ended) {
                m_Out.insert(m_Out.end(), size_t(m_Article), 0);
                m_Delta += m_Article;
            }
            for (SynthMark m : m_Marks) {
                m.sample = std::min(m.sample, m_InEnd) + m_Delta;
                m_OutMarks.push_back(m);
            }
            m_Marks.clear();
        }
        // What is kept is what is still held back: the open silence.
        m_Buffer.erase(m_Buffer.begin(), m_Buffer.begin() + (m_Pos - m_BufferStart));
        m_BufferStart = m_Pos;
        if (m_Out.empty() && m_OutMarks.empty())
            return true;
        const bool go = m_Inner->Audio(m_Out.data(), int(m_Out.size()), m_OutMarks);
        m_Out.clear();
        m_OutMarks.clear();
        return go;
    }

    std::shared_ptr<SynthTarget> m_Inner;
    std::vector<SpeechShaping::Boundary> m_Boundaries;
    std::vector<qint64> m_Pauses; // samples, a boundary each
    qint64 m_Article = 0;

    std::vector<qint16> m_Buffer; // the sound from m_BufferStart on, not yet passed on
    qint64 m_BufferStart = 0;
    qint64 m_InEnd = 0;   // the sound received
    qint64 m_Pos = 0;     // passed on up to here
    qint64 m_Delta = 0;   // a place passed on is this much later in what is passed on
    qint64 m_Scanned = 0; // looked at up to here
    bool m_InRun = false; // a silence starts at m_Pos
    qint64 m_RunEnd = -1; // ... and ends here; waiting for the sound after it
    qint64 m_HandledUpTo = -1;
    int m_LastBoundary = -1;
    bool m_Spoke = false;
    bool m_Ended = false;
    std::deque<SynthMark> m_Marks; // by their places in the sound received

    std::vector<qint16> m_Out;
    std::vector<SynthMark> m_OutMarks;
};

} // namespace

PauseLengths PauseLengths::Of(Preset preset)
{
    switch (preset) {
    case Short:
        return {120, 250, 450};
    case Long:
        return {600, 1000, 1600};
    case Normal:
    case Custom:
        break;
    }
    return {};
}

PauseLengths::Preset PauseLengths::Named() const
{
    for (const Preset preset : {Short, Normal, Long}) {
        if (*this == Of(preset))
            return preset;
    }
    return Custom;
}

QString PauseLengths::ToString() const
{
    return QStringLiteral("%1,%2,%3").arg(sentence).arg(paragraph).arg(article);
}

PauseLengths PauseLengths::FromString(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return {};
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > Longest)
            return {};
    }
    return {values[0], values[1], values[2]};
}

namespace SpeechShaping {

void SetPauses(const PauseLengths &pauses)
{
    std::lock_guard lock(pausesMutex);
    currentPauses = pauses;
}

PauseLengths Pauses()
{
    std::lock_guard lock(pausesMutex);
    return currentPauses;
}

std::shared_ptr<SynthTarget> Shape(std::shared_ptr<SynthTarget> target, const QString &text, bool tagged, int rate,
                                   int fastest, const PauseLengths &pauses)
{
    target = std::make_shared<PauseShaper>(std::move(target), text, tagged, rate, pauses);
    if (rate > fastest)
        target = std::make_shared<Stretch>(std::move(target), double(rate) / fastest);
    return target;
}

bool EndsSentence(QChar c)
{
    return QStringView(u".!?\u2026\u3002\uFF01\uFF1F:;\"'\u201D\u2019\u00BB)]").contains(c);
}

std::vector<Boundary> Boundaries(const QString &text)
{
    std::vector<Boundary> found;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Sentence, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size(); at = finder.toNextBoundary()) {
        int from = int(at);
        while (from < text.size() && text.at(from).isSpace())
            ++from;
        if (from >= text.size() || (!found.empty() && found.back().from == from))
            continue;
        int upTo = from;
        while (upTo < text.size() && upTo < from + 4 && !text.at(upTo).isLetterOrNumber())
            ++upTo;
        if (upTo >= text.size() || !text.at(upTo).isLetterOrNumber())
            upTo = from;
        // A line that ends without ending its sentence (a text wrapped by hand) goes
        // on; a line break after a sentence's end, or an empty line, ends a paragraph.
        int breaks = 0;
        int before = from - 1;
        for (; before >= 0 && text.at(before).isSpace(); --before)
            breaks += text.at(before) == QLatin1Char('\n') || text.at(before) == QChar::ParagraphSeparator;
        const bool ended = before < 0 || EndsSentence(text.at(before));
        if (breaks == 1 && !ended)
            continue;
        found.push_back({from, upTo, breaks > 0});
    }
    return found;
}

} // namespace SpeechShaping
