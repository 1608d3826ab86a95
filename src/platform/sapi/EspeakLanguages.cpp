#include "platform/sapi/EspeakLanguages.h"

#include "platform/registry/RegistryEnhanced.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/EspeakWorker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>
#include <atomic>

QString EspeakLanguage::Display() const
{
    if (NativeName.isEmpty() || NativeName.compare(Name, Qt::CaseInsensitive) == 0)
        return Name;
    return NativeName + QStringLiteral(" – ") + Name;
}

namespace EspeakLanguages {
namespace {

const QString storeKey = QStringLiteral("Software\\Parlewind Speech");
const QString storeValue = QStringLiteral("Languages");

QLocale LocaleOf(const QString &code) { return QLocale(QString(code).replace(QLatin1Char('-'), QLatin1Char('_'))); }

bool Known(QLocale::Language language) { return language != QLocale::C && language != QLocale::AnyLanguage; }

// The dictionary a voice uses: its "dictionary" line, else its first language
// without the region. The library checks a dictionary only when it loads it, and
// may crash on a damaged one, so it is checked here first the way the library
// reads it: a hash table of 1024 entries and a rule section of sensible length.
QString DictionaryProblem(const QString &dataPath, const QString &identifier)
{
    QFile voiceFile(dataPath + QStringLiteral("/lang/") + identifier);
    if (!voiceFile.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Languages", "its voice file cannot be read");
    QString dictionary;
    QString language;
    while (!voiceFile.atEnd()) {
        const QStringList words = QString::fromUtf8(voiceFile.readLine()).simplified().split(QLatin1Char(' '));
        if (words.size() < 2)
            continue;
        if (words[0] == QLatin1String("dictionary"))
            dictionary = words[1];
        else if (words[0] == QLatin1String("language") && language.isEmpty())
            language = words[1].section(QLatin1Char('-'), 0, 0);
    }
    if (dictionary.isEmpty())
        dictionary = language;
    QFile dict(dataPath + QLatin1Char('/') + dictionary + QStringLiteral("_dict"));
    if (!dict.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Languages", "its dictionary %1 cannot be read")
            .arg(dict.fileName());
    const QByteArray head = dict.read(8);
    const auto word = [&](int at) {
        return quint32(quint8(head[at])) | quint32(quint8(head[at + 1])) << 8 | quint32(quint8(head[at + 2])) << 16 |
               quint32(quint8(head[at + 3])) << 24;
    };
    if (head.size() < 8 || dict.size() <= 1024 + 8 || word(0) != 1024 || word(4) == 0 || word(4) > 0x8000000)
        return QCoreApplication::translate("Languages", "its dictionary %1 is damaged")
            .arg(dict.fileName());
    return {};
}

bool ForeignDesktop()
{
    const QLocale::Language language = QLocale::system().language();
    return language != QLocale::English && Known(language);
}

struct Catalogue
{
    std::vector<EspeakLanguage> languages;
    QStringList problems;
    QString desktop;
};

Catalogue Build()
{
    Catalogue c;
    EspeakWorker &worker = EspeakWorker::Instance();
    if (!worker.Available())
        return c;
    const QString dataPath = worker.DataPath();
    const QLocale desktop = QLocale::system();
    const QString desktopCode = desktop.name().section(QLatin1Char('_'), 0, 0).toLower();
    const bool foreignDesktop = ForeignDesktop();
    for (const EspeakVoice &voice : worker.Voices()) {
        if (voice.languages.isEmpty() || voice.identifier.startsWith(QStringLiteral("mb/")))
            continue;
        const QString problem = DictionaryProblem(dataPath, voice.identifier);
        if (!problem.isEmpty()) {
            c.problems << QCoreApplication::translate("Languages",
                                                      "The language %1 (%2) is not offered: %3.")
                              .arg(voice.name, voice.identifier, problem);
            continue;
        }
        EspeakLanguage language;
        language.Identifier = voice.identifier;
        language.Code = voice.languages.constFirst();
        language.Name = QString(voice.name).replace(QLatin1Char('_'), QLatin1Char(' ')).trimmed();
        // A language Qt knows by another of its codes ("cmn" is "zh-cmn" and "zh").
        QLocale locale = LocaleOf(language.Code);
        for (const QString &code : voice.languages) {
            if (!Known(locale.language()))
                locale = LocaleOf(code);
        }
        if (Known(locale.language())) {
            language.LanguageId = static_cast<quint16>(locale.language());
            language.NativeName = locale.nativeLanguageName();
            if (!language.NativeName.isEmpty())
                language.NativeName[0] = language.NativeName[0].toUpper();
        }
        // The desktop's language keeps the name its voices have always had.
        if (foreignDesktop && c.desktop.isEmpty() && voice.languages.contains(desktopCode)) {
            c.desktop = voice.identifier;
            language.Name = QLocale::languageToString(desktop.language());
        }
        c.languages.push_back(language);
    }
    std::sort(c.languages.begin(), c.languages.end(), [](const EspeakLanguage &a, const EspeakLanguage &b) {
        return QString::localeAwareCompare(a.Name, b.Name) < 0;
    });
    // Two voices of one name would give two modes of one name.
    for (size_t i = 1; i < c.languages.size(); ++i) {
        if (c.languages[i].Name == c.languages[i - 1].Name)
            c.languages[i].Name += QStringLiteral(" (") + c.languages[i].Code + QLatin1Char(')');
    }
    return c;
}

// Built when first asked for: an English desktop with no language chosen never needs it.
std::atomic<bool> built{false};

const Catalogue &TheCatalogue()
{
    static const Catalogue catalogue = [] {
        Catalogue c = Build();
        built = true;
        return c;
    }();
    return catalogue;
}

UsageQuery &Query()
{
    static UsageQuery query;
    return query;
}

} // namespace

const std::vector<EspeakLanguage> &Available() { return TheCatalogue().languages; }

QStringList Problems() { return TheCatalogue().problems; }

const EspeakLanguage *Find(const QString &identifier)
{
    const auto &all = Available();
    const auto it = std::find_if(all.begin(), all.end(), [&](const EspeakLanguage &l) { return l.Identifier == identifier; });
    return it == all.end() ? nullptr : &*it;
}

bool Listed() { return built; }

QString DesktopLanguage() { return ForeignDesktop() ? TheCatalogue().desktop : QString(); }

QStringList Checked()
{
    TRegistryEnhanced reg;
    reg.Key = storeKey;
    const QVariant stored = reg.ReadValueDef(storeValue, QVariant());
    if (!stored.isValid())
        return DesktopLanguage().isEmpty() ? QStringList() : QStringList{DesktopLanguage()};
    QStringList checked;
    for (const QString &identifier : stored.toString().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        // A language no longer there (or no longer sound) is passed over.
        if (Find(identifier.trimmed()))
            checked << identifier.trimmed();
    }
    return checked;
}

bool SetChecked(const QStringList &identifiers)
{
    TRegistryEnhanced reg;
    reg.Key = storeKey;
    const bool stored = reg.WriteValue(storeValue, identifiers.join(QLatin1Char(',')));
    EspeakEngine::RebuildModes();
    return stored;
}

void SetUsageQuery(UsageQuery query) { Query() = std::move(query); }

QStringList Usage(const QStringList &modeNames) { return Query() ? Query()(modeNames) : QStringList(); }

QStringList ModeNames(const EspeakLanguage &language)
{
    return {QStringLiteral("Mary (%1)").arg(language.Name), QStringLiteral("Mike (%1)").arg(language.Name)};
}

} // namespace EspeakLanguages
