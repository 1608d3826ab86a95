#include "platform/flite/FliteText.h"

#include "platform/sapi/Lexicon.h"

#include <QChar>

namespace {

// Characters whose decomposition does not lead to ASCII, as a reader would say them.
const char *Spelled(char32_t c)
{
    switch (c) {
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x201B:
    case 0x2032:
    case 0x02BC:
        return "'";
    case 0x201C:
    case 0x201D:
    case 0x201E:
    case 0x201F:
    case 0x2033:
    case 0x00AB:
    case 0x00BB:
        return "\"";
    case 0x2010:
    case 0x2011:
        return "-";
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
        return " - ";
    case 0x2026:
        return "...";
    case 0x00DF:
        return "ss";
    case 0x00E6:
        return "ae";
    case 0x00C6:
        return "AE";
    case 0x0153:
        return "oe";
    case 0x0152:
        return "OE";
    case 0x00F8:
        return "o";
    case 0x00D8:
        return "O";
    case 0x0111:
    case 0x00F0:
        return "d";
    case 0x0110:
    case 0x00D0:
        return "D";
    case 0x0142:
        return "l";
    case 0x0141:
        return "L";
    case 0x00FE:
        return "th";
    case 0x00DE:
        return "Th";
    case 0x20AC:
        return " euros ";
    case 0x00A3:
        return " pounds ";
    case 0x00A9:
        return " copyright ";
    case 0x00B0:
        return " degrees ";
    case 0x00BD:
        return " one half ";
    default:
        return nullptr;
    }
}

class Folder
{
public:
    explicit Folder(FoldedText &out) : m_Out(out) {}

    // One character of the original at `origin`. Every byte of a run of non-blank
    // characters points at the run's start, so that whatever the library reads
    // for it (the words of a number, of an amount) lands on the word.
    void Add(char32_t c, int origin)
    {
        if (c < 0x80) {
            Byte(char(c), origin);
            return;
        }
        if (const char *spelled = Spelled(c)) {
            for (; *spelled; ++spelled)
                Byte(*spelled, origin);
            return;
        }
        bool any = false;
        const QString decomposed =
            QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD);
        for (const QChar part : decomposed) {
            if (part.unicode() < 0x80) {
                Byte(char(part.unicode()), origin);
                any = true;
            } else if (const char *spelled = Spelled(part.unicode())) {
                for (; *spelled; ++spelled)
                    Byte(*spelled, origin);
                any = true;
            }
        }
        // Letters of other scripts, emoji, symbols: a blank between the words around them.
        if (!any)
            Byte(' ', origin);
    }

    void Byte(char c, int origin)
    {
        const bool blank =
            c == ' ' || c == '\t' || c == '\n' || c == '\r' || (c >= 0 && c < 0x20) || c == 0x7F;
        if (blank) {
            c = c == '\n' ? '\n' : ' ';
            m_Run = m_Digits = m_RunTotal = 0;
        } else {
            if (m_RunTotal++ >= FliteText::MaxRun)
                return;
            if (m_Run == 0)
                m_RunStart = origin;
            const bool digit = c >= '0' && c <= '9';
            // Cut runs that would cost the library too much (see MaxToken).
            if (m_Run >= FliteText::MaxToken || (digit && m_Digits >= FliteText::MaxDigits)) {
                Put(' ', m_RunStart);
                m_Run = m_Digits = 0;
            }
            m_Digits = digit ? m_Digits + 1 : 0;
            ++m_Run;
            origin = m_RunStart;
        }
        Put(c, origin);
    }

    void Put(char c, int origin)
    {
        m_Out.ascii.append(c);
        m_Out.source.push_back(origin);
    }

    // What replaces a whole word: every byte points at the word.
    void Respelled(const QString &respelling, int origin)
    {
        m_Run = m_RunTotal = 0;
        for (const char32_t c : respelling.toUcs4())
            Add(c, origin);
        m_Run = m_RunTotal = 0;
    }

private:
    FoldedText &m_Out;
    int m_Run = 0;
    int m_Digits = 0;
    int m_RunStart = 0;
    int m_RunTotal = 0; // of the run of non-blanks, cuts included
};

} // namespace

namespace FliteText {

FoldedText Fold(const QString &text, bool tagged, const Prosody &base, const LexiconTable *lexicon)
{
    FoldedText out;
    out.ascii.reserve(text.size());
    out.source.reserve(size_t(text.size()));
    Folder folder(out);
    Prosody prosody = base;
    const auto wordStart = [&text](int i) { return i == 0 || !text.at(i - 1).isLetterOrNumber(); };
    for (int i = 0; i < text.size();) {
        if (tagged && text.at(i) == QLatin1Char('\\')) {
            const Prosody before = prosody;
            if (const int length = TextPrep::ReadTag(text, i, prosody)) {
                if (before.pitch != prosody.pitch || before.rate != prosody.rate)
                    out.changes.push_back({int(out.ascii.size()), prosody});
                folder.Byte(' ', i);
                i += length;
                continue;
            }
        }
        QString respelling;
        if (lexicon && wordStart(i)) {
            const int end = lexicon->Match(text, i, &respelling);
            if (end > i) {
                folder.Respelled(respelling, i);
                i = end;
                continue;
            }
        }
        char32_t c = text.at(i).unicode();
        int width = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            width = 2;
        }
        folder.Add(c, i);
        i += width;
    }
    return out;
}

} // namespace FliteText
