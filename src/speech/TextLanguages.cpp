#include "speech/TextLanguages.h"

#include "log/UtilsClass.h"

#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>
#include <QThread>

#include <libexttextcat/textcat.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace {

// The languages in Latin letters worth telling apart, each with voices of espeak-ng:
// near kin of a language (Scots beside English) would only be mistaken for it.
const char *const Identified[] = {"en", "de", "fr", "es", "it", "pt", "nl", "sv", "da", "nb", "fi", "pl",
                                  "cs", "sk", "hu", "ro", "tr", "hr", "sl", "ca", "et", "lv", "lt", "is",
                                  "ga", "cy", "eu", "id", "ms", "sw", "af", "la", "eo", "sq", "vi"};
const char *const ModelFolder = "/usr/share/libexttextcat/";
constexpr int FewestWords = 6;

// The identifier, made once; textcat is not safe to share between threads.
struct Identifier
{
    std::mutex mutex;
    void *handle = nullptr;

    Identifier()
    {
        // Its list of languages is a file: ours, written for the moment it is read.
        QTemporaryFile list;
        if (!list.open())
            return;
        for (const char *code : Identified)
            list.write(QByteArray(code) + ".lm " + code + '\n');
        list.flush();
        handle = special_textcat_Init(list.fileName().toLocal8Bit().constData(), ModelFolder);
        if (!handle)
            UtilsClass::Trace(QStringLiteral("No language identification: the models in %1 could not be read")
                              .arg(QLatin1String(ModelFolder)));
    }
    ~Identifier()
    {
        if (handle)
            textcat_Done(handle);
    }
};

// One identifier a core, made when first wanted (reading the models takes some
// milliseconds): a long text's sentences are identified on every core at once.
constexpr int MostIdentifiers = 4;

Identifier &TheIdentifier(int k = 0)
{
    static std::unique_ptr<Identifier> identifiers[MostIdentifiers];
    static std::mutex making;
    std::lock_guard lock(making);
    if (!identifiers[k])
        identifiers[k] = std::make_unique<Identifier>();
    return *identifiers[k];
}

QString Classified(Identifier &identifier, const QString &sentence)
{
    std::lock_guard lock(identifier.mutex);
    if (!identifier.handle)
        return {};
    const QByteArray utf8 = sentence.toUtf8();
    const char *result = textcat_Classify(identifier.handle, utf8.constData(), size_t(utf8.size()));
    // "[de]" alone; several candidates ("[de][nl]"), "SHORT" or "UNKNOWN": not sure.
    const QByteArrayView answer(result ? result : "");
    if (answer.size() < 3 || !answer.startsWith('[') || !answer.endsWith(']'))
        return {};
    const QByteArrayView code = answer.sliced(1, answer.size() - 2);
    const bool letters =
        std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
    return letters ? QString::fromLatin1(code) : QString();
}

bool IsWordLetter(QChar c) { return c.isLetterOrNumber() || c.isMark(); }

int Words(const QString &text, int from, int to)
{
    int words = 0;
    bool in = false;
    for (int i = from; i < to; ++i) {
        const bool letter = IsWordLetter(text.at(i));
        words += letter && !in;
        in = letter;
    }
    return words;
}

// The part of [from, to) from its first letter to its last.
std::pair<int, int> Trimmed(const QString &text, int from, int to)
{
    while (from < to && !IsWordLetter(text.at(from)))
        ++from;
    while (to > from && !IsWordLetter(text.at(to - 1)))
        --to;
    return {from, to};
}

bool Overlaps(const QList<TLanguageRange> &ranges, int from, int to)
{
    return std::any_of(ranges.begin(), ranges.end(),
                       [&](const TLanguageRange &r) { return r.Start < to && from < r.Start + r.Length; });
}

} // namespace

QString TTextLanguages::Primary(const QString &language)
{
    return language.section(QRegularExpression(QStringLiteral("[-_]")), 0, 0).toLower();
}

QString TTextLanguages::OfScript(QChar::Script script)
{
    switch (script) {
    case QChar::Script_Cyrillic: return QStringLiteral("ru");
    case QChar::Script_Greek: return QStringLiteral("el");
    case QChar::Script_Arabic: return QStringLiteral("ar");
    case QChar::Script_Hebrew: return QStringLiteral("he");
    case QChar::Script_Han: return QStringLiteral("zh");
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana: return QStringLiteral("ja");
    case QChar::Script_Hangul: return QStringLiteral("ko");
    case QChar::Script_Devanagari: return QStringLiteral("hi");
    case QChar::Script_Bengali: return QStringLiteral("bn");
    case QChar::Script_Gurmukhi: return QStringLiteral("pa");
    case QChar::Script_Gujarati: return QStringLiteral("gu");
    case QChar::Script_Tamil: return QStringLiteral("ta");
    case QChar::Script_Telugu: return QStringLiteral("te");
    case QChar::Script_Kannada: return QStringLiteral("kn");
    case QChar::Script_Malayalam: return QStringLiteral("ml");
    case QChar::Script_Sinhala: return QStringLiteral("si");
    case QChar::Script_Thai: return QStringLiteral("th");
    case QChar::Script_Lao: return QStringLiteral("lo");
    case QChar::Script_Myanmar: return QStringLiteral("my");
    case QChar::Script_Khmer: return QStringLiteral("km");
    case QChar::Script_Georgian: return QStringLiteral("ka");
    case QChar::Script_Armenian: return QStringLiteral("hy");
    case QChar::Script_Ethiopic: return QStringLiteral("am");
    default: return {};
    }
}

QString TTextLanguages::Identify(const QString &sentence)
{
    return Classified(TheIdentifier(), sentence);
}

QList<TLanguageRange> TTextLanguages::Find(const QString &text, const QString &base,
                                           const QList<TLanguageRange> &known,
                                           const std::function<bool()> &stopped)
{
    const QString ours = Primary(base);
    QList<TLanguageRange> found = known;
    // Runs of another script, spaces and punctuation between its letters included;
    // Chinese characters among kana are Japanese.
    const auto family = [](QChar::Script script) {
        return script == QChar::Script_Hiragana || script == QChar::Script_Katakana ? QChar::Script_Han : script;
    };
    for (int i = 0; i < text.size();) {
        const QChar::Script script = family(text.at(i).script());
        if (!text.at(i).isLetter() || OfScript(script).isEmpty()) {
            ++i;
            continue;
        }
        int end = i + 1;
        bool kana = false;
        for (int j = i; j < text.size(); ++j) {
            const QChar c = text.at(j);
            const QChar::Script s = c.script();
            if (family(s) == script) {
                kana = kana || s != script;
                end = j + 1;
            } else if (c.isLetter() && s != QChar::Script_Common && s != QChar::Script_Inherited) {
                break;
            }
        }
        const QString language = kana ? QStringLiteral("ja") : OfScript(script);
        if (language != ours && !(script == QChar::Script_Han && ours == QLatin1String("ja")) && !Overlaps(found, i, end))
            found.append({i, end - i, language});
        i = end;
    }
    // Sentences in Latin letters (they do not overlap one another: only the ranges
    // found so far can cover one).
    std::vector<std::pair<int, int>> latin;
    QTextBoundaryFinder sentences(QTextBoundaryFinder::Sentence, text);
    for (qsizetype from = 0, to = sentences.toNextBoundary(); to > 0; from = to, to = sentences.toNextBoundary()) {
        const auto [start, end] = Trimmed(text, int(from), int(to));
        if (end > start && !Overlaps(found, start, end) && Words(text, start, end) >= FewestWords)
            latin.emplace_back(start, end);
    }
    // Each sentence takes the identifier some 150 µs: a long text's are shared
    // among the cores, each with an identifier of its own.
    std::vector<QString> languages(latin.size());
    const auto identify = [&](int k, size_t first, size_t last) {
        Identifier &identifier = TheIdentifier(k);
        for (size_t i = first; i < last && !(stopped && stopped()); ++i)
            languages[i] =
                Classified(identifier, text.mid(latin[i].first, latin[i].second - latin[i].first));
    };
    constexpr size_t SentencesEach = 64;
    const int helpers =
        int(std::min<size_t>(std::clamp(QThread::idealThreadCount(), 1, MostIdentifiers) - 1,
                             latin.size() / SentencesEach));
    std::vector<std::thread> threads;
    const size_t share = latin.size() / size_t(helpers + 1);
    for (int k = 1; k <= helpers; ++k) {
        const size_t first = share * size_t(k),
                     last = k == helpers ? latin.size() : share * size_t(k + 1);
        try {
            threads.emplace_back(identify, k, first, last);
        } catch (const std::system_error &) {
            identify(k, first, last); // no thread to be had: here, then
        }
    }
    identify(0, 0, helpers > 0 ? share : latin.size());
    for (std::thread &thread : threads)
        thread.join();
    for (size_t i = 0; i < latin.size(); ++i) {
        if (!languages[i].isEmpty() && languages[i] != ours)
            found.append({latin[i].first, latin[i].second - latin[i].first, languages[i]});
    }
    std::sort(found.begin(), found.end(), [](const TLanguageRange &a, const TLanguageRange &b) { return a.Start < b.Start; });
    return found;
}
