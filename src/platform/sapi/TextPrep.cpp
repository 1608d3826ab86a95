#include "platform/sapi/TextPrep.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

class Builder
{
public:
    explicit Builder(PreparedText &out) : m_Out(out) {}

    void Append(char32_t cp, int origin)
    {
        char buf[4];
        int n = 0;
        if (cp < 0x80) {
            buf[n++] = static_cast<char>(cp);
        } else if (cp < 0x800) {
            buf[n++] = static_cast<char>(0xC0 | (cp >> 6));
            buf[n++] = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            buf[n++] = static_cast<char>(0xE0 | (cp >> 12));
            buf[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            buf[n++] = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            buf[n++] = static_cast<char>(0xF0 | (cp >> 18));
            buf[n++] = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            buf[n++] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            buf[n++] = static_cast<char>(0x80 | (cp & 0x3F));
        }
        m_Out.markup.append(buf, n);
        m_Out.positions.push_back(origin);
    }

    void AppendAscii(const char *text, int origin)
    {
        for (; *text; ++text)
            Append(static_cast<unsigned char>(*text), origin);
    }

    // A character of the user's text, made safe for the markup. Every character
    // points at the start of the run of non-blank characters it belongs to (blanks at
    // the run before them), so that whatever the synthesiser reports inside a run —
    // the parts of a number, the words it reads for a symbol — lands on its start.
    void AppendText(char32_t cp, int origin)
    {
        if (IsControl(cp))
            cp = ' ';
        const bool blank = cp == ' ' || cp == '\t' || cp == '\n' || cp == '\r' || cp == 0x3000 ||
                           cp == 0xA0 || (cp >= 0x2000 && cp <= 0x200B);
        if (blank) {
            m_InRun = false;
            if (m_RunStart >= 0)
                origin = m_RunStart;
        } else if (!m_InRun) {
            m_InRun = true;
            m_RunStart = origin;
        } else {
            origin = m_RunStart;
        }
        AppendSafe(cp, origin);
    }

    // The start of the current run, for text that replaces a whole word.
    void StartRun(int origin)
    {
        m_InRun = true;
        m_RunStart = origin;
    }
    int RunStart() const { return m_RunStart; }

    void AppendSafe(char32_t cp, int origin)
    {
        switch (cp) {
        case '&': AppendAscii("&amp;", origin); return;
        case '<': AppendAscii("&lt;", origin); return;
        case '>': AppendAscii("&gt;", origin); return;
        default: break;
        }
        if (IsControl(cp))
            cp = ' ';
        Append(cp, origin);
    }

    void OpenProsody(const Prosody &p, const Prosody &base, int origin)
    {
        const int percent = std::max(1, static_cast<int>(100.0 * p.rate / base.rate + 0.5));
        const std::string tag = "<prosody pitch=\"" + std::to_string(p.pitch) + "\" rate=\"" +
                                std::to_string(percent) + "%\">";
        AppendAscii(tag.c_str(), origin);
    }

private:
    // Control characters (one could start an engine command), lone surrogates and
    // non-characters are not text.
    static bool IsControl(char32_t cp)
    {
        return (cp < 0x20 && cp != '\n' && cp != '\t') || cp == 0x7F || (cp >= 0x80 && cp < 0xA0) ||
               (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0xFFFE || cp == 0xFFFF;
    }

    PreparedText &m_Out;
    bool m_InRun = false;
    int m_RunStart = -1;
};

bool IsWordChar(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == QLatin1Char('\''); }

char32_t CodePointAt(const QString &text, int i, int *units)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    }
    *units = 1;
    return c.unicode();
}

} // namespace

int PreparedText::OriginalIndex(int codePointPosition) const
{
    const int i = codePointPosition - 1;
    if (i < 0 || i >= static_cast<int>(positions.size()))
        return -1;
    return std::min(positions[static_cast<size_t>(i)], originalLength);
}

int TextPrep::ReadTag(const QString &text, int pos, Prosody &prosody)
{
    // \Pit=N\ or \Spd=N\ (letters in any case).
    if (pos + 6 > text.size() || text.at(pos) != QLatin1Char('\\') ||
        text.at(pos + 4) != QLatin1Char('='))
        return 0;
    const QString name = text.mid(pos + 1, 3).toLower();
    if (name != QStringLiteral("pit") && name != QStringLiteral("spd"))
        return 0;
    int end = pos + 5;
    while (end < text.size() && text.at(end).isDigit() && end - pos < 16)
        ++end;
    if (end == pos + 5 || end >= text.size() || text.at(end) != QLatin1Char('\\'))
        return 0;
    const int value = text.mid(pos + 5, end - pos - 5).toInt();
    if (name == QStringLiteral("pit"))
        prosody.pitch = std::clamp(value, 0, 100);
    else
        prosody.rate = std::clamp(value, 80, 450);
    return end - pos + 1;
}

PreparedText TextPrep::Prepare(const QString &text, bool tagged, const Prosody &base,
                               const LexiconTable *lexicon, Prosody *last,
                               const Prosody *start)
{
    PreparedText out;
    out.originalLength = static_cast<int>(text.size());
    out.markup.reserve(static_cast<size_t>(text.size()) + 64);
    out.positions.reserve(static_cast<size_t>(text.size()) + 64);
    Builder b(out);
    b.AppendAscii("<speak>", 0);

    Prosody current = start ? *start : base;
    bool prosodyOpen = false;
    if (current.pitch != base.pitch || current.rate != base.rate) {
        b.OpenProsody(current, base, 0);
        prosodyOpen = true;
    }
    int i = 0;
    const int n = static_cast<int>(text.size());
    while (i < n) {
        if (tagged && text.at(i) == QLatin1Char('\\')) {
            Prosody next = current;
            if (const int length = ReadTag(text, i, next)) {
                if (prosodyOpen)
                    b.AppendAscii("</prosody>", i);
                b.OpenProsody(next, base, i);
                prosodyOpen = true;
                current = next;
                i += length;
                continue;
            }
        }
        // Words start a lookup where they start; symbols ("++", ".NET") anywhere.
        const QChar c = text.at(i);
        if (lexicon && !lexicon->isEmpty() && !c.isSpace() &&
            (!IsWordChar(c) || i == 0 || !IsWordChar(text.at(i - 1)))) {
            QString respelling;
            const int end = lexicon->Match(text, i, &respelling);
            if (end > i) {
                if (i == 0 || text.at(i - 1).isSpace() || b.RunStart() < 0)
                    b.StartRun(i);
                // All of a respelling, blanks included, belongs to its word.
                for (int k = 0; k < respelling.size();) {
                    int units = 1;
                    b.AppendSafe(CodePointAt(respelling, k, &units), b.RunStart());
                    k += units;
                }
                i = end;
                continue;
            }
        }
        int units = 1;
        b.AppendText(CodePointAt(text, i, &units), i);
        i += units;
    }
    if (prosodyOpen)
        b.AppendAscii("</prosody>", n);
    b.AppendAscii("</speak>", n);
    if (last)
        *last = current;
    return out;
}

std::vector<std::pair<int, int>> TextPrep::SentencePieces(const QString &text, int from, int longest)
{
    std::vector<std::pair<int, int>> pieces;
    QTextBoundaryFinder sentences(QTextBoundaryFinder::Sentence, text);
    sentences.setPosition(std::clamp(from, 0, int(text.size())));
    int start = from;
    while (start < text.size()) {
        int end = int(sentences.toNextBoundary());
        if (end <= start)
            end = int(text.size());
        // A very long sentence is cut at the last space that keeps its piece short.
        while (end - start > longest) {
            int cut = int(text.lastIndexOf(QLatin1Char(' '), start + longest));
            if (cut <= start)
                cut = start + longest;
            pieces.emplace_back(start, cut - start);
            start = cut + (cut < end && text.at(cut) == QLatin1Char(' ') ? 1 : 0);
        }
        // Sent and lit without the blanks after it.
        int last = end;
        while (last > start && text.at(last - 1).isSpace())
            --last;
        if (last > start)
            pieces.emplace_back(start, last - start);
        start = end;
    }
    return pieces;
}
