#include "audio/TimedText.h"

#include "articles/Sentences.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

std::vector<int> TTimedText::SentenceStarts(const QString &text, const QString &language)
{
    return Sentences::Starts(text, language);
}

namespace {

QString Clock(double seconds, QChar separator)
{
    const qint64 ms = std::llround(std::max(0.0, seconds) * 1000);
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(separator)
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

// LRC: minutes (past 59 too), seconds and hundredths.
QString LrcClock(double seconds)
{
    const qint64 cs = std::llround(std::max(0.0, seconds) * 100);
    return QStringLiteral("[%1:%2.%3]")
        .arg(cs / 6000, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

void TTimedText::BeginText(const QString &text, double seconds, const QString &language)
{
    CloseText(seconds);
    m_Text = text;
    m_Language = language;
}

void TTimedText::Word(int index, double seconds)
{
    if (index >= 0 && index < m_Text.size() && (m_Words.empty() || index > m_Words.back().Index))
        m_Words.push_back({index, seconds});
}

void TTimedText::End(double seconds) { CloseText(seconds); }

void TTimedText::CloseText(double seconds)
{
    if (KeepSpans && !m_Text.isEmpty())
        m_Spans.push_back(TextSpans(seconds));
    if (!m_Words.empty()) {
        const std::vector<int> starts = SentenceStarts(m_Text, m_Language);
        struct TPart
        {
            int From;
            double Start;
        };
        std::vector<TPart> parts;
        int sentence = -1;
        for (const TWord &word : m_Words) {
            const int s = int(std::upper_bound(starts.begin(), starts.end(), word.Index) - starts.begin()) - 1;
            if (s != sentence) {
                // A sentence's cue holds what comes before its first word (an opening quote).
                parts.push_back({sentence < 0 ? 0 : starts[size_t(s)], word.Start});
                sentence = s;
            } else if (word.Start - parts.back().Start > LongestCue) {
                parts.push_back({word.Index, word.Start});
            }
        }
        for (size_t k = 0; k < parts.size(); ++k) {
            const bool last = k + 1 == parts.size();
            const int to = last ? int(m_Text.size()) : parts[k + 1].From;
            const QString text = m_Text.mid(parts[k].From, to - parts[k].From).simplified();
            const double end = last ? std::max(seconds, parts[k].Start) : parts[k + 1].Start;
            if (!text.isEmpty())
                m_Cues.push_back({parts[k].Start, end, text});
            else if (!m_Cues.empty())
                m_Cues.back().End = end;
        }
    }
    m_Words.clear();
    m_Text.clear();
}

TTimedText::TTextSpans TTimedText::TextSpans(double seconds) const
{
    TTextSpans spans;
    const std::vector<int> starts = SentenceStarts(m_Text, m_Language);
    // Up to the end of its line (every line ends a sentence) or the next sentence,
    // without the spaces after it.
    const auto stretch = [&](int from, int to) {
        const int line = int(m_Text.indexOf(QLatin1Char('\n'), from));
        to = line >= 0 ? std::min(to, line) : to;
        while (to > from && m_Text.at(to - 1).isSpace())
            --to;
        return to;
    };
    int sentence = -1;
    for (size_t k = 0; k < m_Words.size(); ++k) {
        const TWord &word = m_Words[k];
        const double end = k + 1 < m_Words.size() ? m_Words[k + 1].Start : std::max(seconds, word.Start);
        if (KeepWords) {
            int to = word.Index;
            while (to < m_Text.size() && !m_Text.at(to).isSpace())
                ++to;
            spans.Words.push_back({word.Index, to, word.Start, end});
        }
        const int s = int(std::upper_bound(starts.begin(), starts.end(), word.Index) - starts.begin()) - 1;
        if (s != sentence) {
            sentence = s;
            const int next = size_t(s + 1) < starts.size() ? starts[size_t(s + 1)] : int(m_Text.size());
            if (!spans.Sentences.empty())
                spans.Sentences.back().End = word.Start;
            spans.Sentences.push_back({starts[size_t(s)], stretch(starts[size_t(s)], next), word.Start, end});
        }
    }
    if (!spans.Sentences.empty())
        spans.Sentences.back().End = std::max(seconds, spans.Sentences.back().Start);
    return spans;
}

QByteArray TTimedText::Render(TSubtitleFormat format) const
{
    QString out;
    if (format == TSubtitleFormat::Vtt)
        out += QStringLiteral("WEBVTT\n\n");
    int number = 0;
    for (size_t k = 0; k < m_Cues.size(); ++k) {
        const TCue &cue = m_Cues[k];
        switch (format) {
        case TSubtitleFormat::Srt:
            out += QStringLiteral("%1\n%2 --> %3\n%4\n\n")
                       .arg(++number)
                       .arg(Clock(cue.Start, QLatin1Char(',')), Clock(cue.End, QLatin1Char(',')), cue.Text);
            break;
        case TSubtitleFormat::Vtt:
            out += QStringLiteral("%1 --> %2\n%3\n\n")
                       .arg(Clock(cue.Start, QLatin1Char('.')), Clock(cue.End, QLatin1Char('.')), cue.Text);
            break;
        case TSubtitleFormat::Lrc:
            // No end times: an empty line where a pause (and the sound) begins.
            out += LrcClock(cue.Start) + cue.Text + QLatin1Char('\n');
            if (k + 1 == m_Cues.size() || m_Cues[k + 1].Start > cue.End)
                out += LrcClock(cue.End) + QLatin1Char('\n');
            break;
        case TSubtitleFormat::None:
            break;
        }
    }
    return out.toUtf8();
}

QString TTimedText::Extension(TSubtitleFormat format)
{
    switch (format) {
    case TSubtitleFormat::Srt:
        return QStringLiteral(".srt");
    case TSubtitleFormat::Vtt:
        return QStringLiteral(".vtt");
    case TSubtitleFormat::Lrc:
        return QStringLiteral(".lrc");
    case TSubtitleFormat::None:
        break;
    }
    return {};
}

TSubtitleFormat TTimedText::FromSetting(int value)
{
    return value >= 1 && value <= 3 ? static_cast<TSubtitleFormat>(value) : TSubtitleFormat::None;
}

TSubtitleFormat TTimedText::FromName(const QString &name)
{
    for (const TSubtitleFormat format : {TSubtitleFormat::Srt, TSubtitleFormat::Vtt, TSubtitleFormat::Lrc}) {
        if (QLatin1Char('.') + name.toLower() == Extension(format))
            return format;
    }
    return TSubtitleFormat::None;
}

QString TTimedText::FileFor(const QString &soundFile, TSubtitleFormat format)
{
    const QFileInfo info(soundFile);
    return QDir(info.path()).filePath(info.completeBaseName() + Extension(format));
}
