#include "articles/Sentences.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

// Words that end in a full stop inside a sentence. Compared without the stop, in
// lower case. Those that often close a sentence ("etc.", "p.m.", "usw.") are not
// here: before a word in lower case no sentence ends anyway.
const QSet<QString> &Abbreviations(const QString &language)
{
    static const QHash<QString, QSet<QString>> lists{
        {QStringLiteral("en"),
         {"mr", "mrs", "ms", "dr", "prof", "st", "jr", "sr", "vs", "e.g", "i.e", "jan", "feb", "mar", "apr", "jun",
          "jul", "aug", "sep", "sept", "oct", "nov", "dec", "no", "nos", "fig", "figs", "approx", "inc", "ltd",
          "co", "corp", "mt", "gen", "col", "lt", "sgt", "capt", "gov", "sen", "rep", "rev", "ave", "blvd", "dept", "est",
          "vol", "pp", "ch", "ed", "u.s", "u.k", "ph.d", "cf", "al"}},
        {QStringLiteral("de"),
         {"z.b", "nr", "dr", "hr", "fr", "bzw", "ca", "s", "vgl", "d.h", "u.a", "u.ä", "z.t", "o.ä", "evtl", "ggf",
          "inkl", "bzgl", "prof", "str", "abs", "abb", "jh", "jhd", "mio", "mrd", "tel", "geb", "gest", "st", "dt", "sog",
          "z.zt", "m.e", "i.d.r", "v.a", "n.chr", "v.chr"}},
        {QStringLiteral("fr"),
         {"m", "mm", "mme", "mmes", "mlle", "dr", "pr", "p.ex", "av", "bd", "st", "ste", "n°", "no", "cf", "env",
          "éd", "vol", "chap", "p", "pp", "j.-c", "apr", "janv", "févr", "avr", "juil", "sept", "oct", "nov", "déc"}},
        {QStringLiteral("es"),
         {"sr", "sra", "srta", "sres", "dr", "dra", "ud", "uds", "p.ej", "pág", "págs", "núm", "n.º", "av", "avda",
          "c", "cía", "s.a", "ee.uu", "aprox", "lic", "ing", "prof", "vol", "cap", "d", "dña", "ene", "feb", "abr", "jun",
          "jul", "ago", "sept", "oct", "nov", "dic"}},
        {QStringLiteral("ru"),
         {"г", "гг", "т.е", "др", "им", "ул", "стр", "см", "руб", "тыс", "млн", "млрд", "коп", "проф",
          "акад", "пр", "д", "кв", "обл", "р", "в", "вв", "т", "н.э", "до н.э", "и.о", "зам", "ок", "напр", "рис", "табл"}},
    };
    static const QSet<QString> none;
    const auto it = lists.constFind(language);
    return it == lists.constEnd() ? none : *it;
}

bool IsCloser(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char(')') || c == QLatin1Char(']') ||
           c == QChar(0x201d) || c == QChar(0x2019) || c == QChar(0x00bb) || c == QChar(0x300d) || c == QChar(0x300f) ||
           c == QChar(0xff09);
}

bool IsEndMark(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QChar(0x2026);
}

// The word before `end` (the end mark's position + 1 excluded), with inner stops.
QString WordBefore(const QString &text, int end)
{
    int from = end;
    while (from > 0 && !text.at(from - 1).isSpace() && text.at(from - 1) != QLatin1Char('(') &&
           text.at(from - 1) != QLatin1Char('"') && text.at(from - 1) != QChar(0x201c) && text.at(from - 1) != QChar(0x00ab))
        --from;
    return text.mid(from, end - from);
}

QString NextWord(const QString &text, int from)
{
    int to = from;
    while (to < text.size() && text.at(to).isLetterOrNumber())
        ++to;
    return text.mid(from, to - from);
}

// Whether the break ICU found at `at` (the next sentence's first character) is none
// a reader would make.
bool KeepTogether(const QString &text, int at, const QString &language)
{
    int mark = at - 1;
    while (mark >= 0 && text.at(mark).isSpace())
        --mark;
    if (mark < 0)
        return false;
    // Quotes and brackets closing on the end mark, French ones after a space.
    int closers = mark;
    while (closers >= 0 && (IsCloser(text.at(closers)) || (closers < mark && text.at(closers) == QLatin1Char(' '))))
        --closers;
    if (closers < 0)
        return false;
    const QChar end = text.at(closers);
    const QChar next = at < text.size() ? text.at(at) : QChar();
    // "'Stop!' she said." and "…and then? he asked": what follows goes on in lower case.
    if (IsEndMark(end) && next.isLower())
        return true;
    if (end != QLatin1Char('.') || closers != mark)
        return false;
    const QString word = WordBefore(text, closers); // without its final stop
    if (word.isEmpty())
        return false;
    // Initials: "J. R. R. Tolkien", "George W. Bush".
    if (word.size() == 1 && word.at(0).isUpper() && next.isUpper())
        return true;
    if (Abbreviations(language).contains(word.toLower()))
        return true;
    // German ordinals: "am 5. Mai", "der 3. Versuch" (a page or a year closing a
    // sentence, "auf S. 12.", "im Jahr 1990.", stays an end).
    static const QRegularExpression day(QStringLiteral("^\\d{1,2}$"));
    if (language == QLatin1String("de") && day.match(word).hasMatch()) {
        static const QStringList months{"Januar", "Jänner", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
                                        "September", "Oktober", "November", "Dezember"};
        static const QStringList before{"am", "im", "vom", "zum", "zur", "beim", "bis", "ab", "seit", "der", "die",
                                        "das", "den", "dem", "des", "ein", "eine", "jeder", "jede", "jedes"};
        const QString following = NextWord(text, at);
        const int wordStart = closers - int(word.size());
        const QString previous = WordBefore(text, std::max(0, wordStart - 1));
        return !following.isEmpty() &&
               (following.at(0).isLower() || months.contains(following) || before.contains(previous.toLower()));
    }
    return false;
}

// A break the library put before a quote or bracket that closes the sentence
// ("Venez vite ! » cria-t-il"): the sentence ends after it.
int PastClosers(const QString &text, int at, int end)
{
    int mark = at - 1;
    while (mark >= 0 && text.at(mark).isSpace())
        --mark;
    if (mark < 0 || !IsEndMark(text.at(mark)))
        return at;
    int p = at;
    bool closed = false;
    for (; p < end; ++p) {
        const QChar c = text.at(p);
        if (IsCloser(c) && c != QLatin1Char('"') && c != QLatin1Char('\''))
            closed = true;
        else if (!c.isSpace())
            break;
    }
    return closed ? p : at;
}

QString LanguageOf(const QString &language)
{
    const QString base = language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    return base.isEmpty() ? QStringLiteral("en") : base;
}

} // namespace

std::vector<int> Sentences::Starts(const QString &text, const QString &language)
{
    const QString lang = LanguageOf(language);
    UErrorCode status = U_ZERO_ERROR;
    // Where we keep a list of the language's abbreviations it is used; elsewhere the
    // library's own (which, for German, also swallows the ends of ordinary sentences).
    const QString name = Abbreviations(lang).isEmpty() ? lang + QStringLiteral("@ss=standard") : lang;
    const icu::Locale locale(name.toLatin1().constData());
    std::unique_ptr<icu::BreakIterator> breaks(icu::BreakIterator::createSentenceInstance(locale, status));
    if (U_FAILURE(status))
        breaks.reset();
    std::vector<int> starts{0};
    const auto add = [&](int at) {
        while (at < text.size() && text.at(at).isSpace())
            ++at;
        if (at < text.size() && at > starts.back())
            starts.push_back(at);
    };
    // A line (or paragraph) always ends a sentence; the lines are taken one by one.
    int lineStart = 0;
    while (lineStart < text.size()) {
        int lineEnd = lineStart;
        while (lineEnd < text.size() && text.at(lineEnd) != QLatin1Char('\n') && text.at(lineEnd) != QChar::ParagraphSeparator)
            ++lineEnd;
        if (breaks && lineEnd > lineStart) {
            const icu::UnicodeString line(false, reinterpret_cast<const char16_t *>(text.utf16()) + lineStart,
                                          lineEnd - lineStart);
            breaks->setText(line);
            for (int32_t at = breaks->next(); at != icu::BreakIterator::DONE && lineStart + at < lineEnd; at = breaks->next()) {
                const int start = PastClosers(text, lineStart + at, lineEnd);
                if (!KeepTogether(text, start, lang))
                    add(start);
            }
        }
        add(lineEnd + 1);
        lineStart = lineEnd + 1;
    }
    return starts;
}
