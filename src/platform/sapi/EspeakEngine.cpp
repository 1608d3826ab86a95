#include "platform/sapi/EspeakEngine.h"

#include "platform/sapi/AudioDestinations.h"
#include "platform/sapi/EspeakCentral.h"
#include "platform/sapi/EspeakLanguages.h"

#include <QLocale>

#include <deque>

#include <algorithm>
#include <optional>

namespace EspeakEngine {
namespace {

const QUuid nameSpace{QStringLiteral("{5d1b6f7e-3c1a-4f0e-9a51-7a3e2c9b8d40}")};

} // namespace

EspeakMode MakeMode(const QString &name, const QString &voice, quint16 gender, quint16 language,
                    const QString &dialect, Prosody defaults)
{
    EspeakMode mode;
    mode.voice = voice;
    mode.defaults = defaults;
    TTSMODEINFO &info = mode.info;
    info.gEngineID = QUuid::createUuidV5(nameSpace, ProductName);
    info.szMfgName = MfgName;
    info.szProductName = ProductName;
    info.gModeID = QUuid::createUuidV5(nameSpace, name);
    info.szModeName = name;
    info.language = language;
    info.szDialect = dialect;
    info.szSpeaker = name;
    info.szStyle = QStringLiteral("Normal");
    info.wGender = gender;
    info.wAge = 30;
    info.dwFeatures = TTSFEATURE_TAGGED;
    info.dwInterfaces = TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS;
    return mode;
}

namespace {

quint16 LanguageId(QLocale::Language language)
{
    return static_cast<quint16>(language);
}

bool HasVoice(const std::vector<EspeakVoice> &voices, const QStringList &variants,
              const QString &voice)
{
    const int plus = voice.indexOf(QLatin1Char('+'));
    const QString base = plus < 0 ? voice : voice.left(plus);
    const QString variant = plus < 0 ? QString() : voice.mid(plus + 1);
    const bool baseFound = std::any_of(voices.begin(), voices.end(), [&](const EspeakVoice &v) {
        return v.identifier == base;
    });
    return baseFound && (variant.isEmpty() || variants.contains(variant));
}

std::vector<ModeSource> &Sources()
{
    static std::vector<ModeSource> sources;
    return sources;
}


std::vector<EspeakMode> BuildModes()
{
    EspeakWorker &worker = EspeakWorker::Instance();
    const auto voices = worker.Voices();
    const QStringList variants = worker.Variants();
    std::vector<EspeakMode> modes;
    const auto add = [&](const QString &name, const QString &voice, quint16 gender,
                         quint16 language, const QString &dialect, Prosody defaults) {
        if (HasVoice(voices, variants, voice))
            modes.push_back(MakeMode(name, voice, gender, language, dialect, defaults));
    };
    const quint16 english = LanguageId(QLocale::English);
    add(QStringLiteral("Mary"), QStringLiteral("gmw/en-US+f3"), 1, english,
        QStringLiteral("American"), {55, 175});
    add(QStringLiteral("Mike"), QStringLiteral("gmw/en-US+m3"), 2, english,
        QStringLiteral("American"), {45, 170});
    add(QStringLiteral("Sam"), QStringLiteral("gmw/en+m1"), 2, english,
        QStringLiteral("British"), {50, 165});
    const char *numbers[] = {"One", "Two", "Three", "Four", "Five", "Six"};
    for (int i = 0; i < 6; ++i) {
        const QString variant = i == 0 ? QStringLiteral("robosoft")
                                       : QStringLiteral("robosoft%1").arg(i + 1);
        add(QStringLiteral("RoboSoft ") + QLatin1String(numbers[i]),
            QStringLiteral("gmw/en-US+") + variant, 2, english, QStringLiteral("American"),
            {50, 175});
    }
    for (const ModeSource source : Sources()) {
        const std::vector<EspeakMode> more = source();
        modes.insert(modes.end(), more.begin(), more.end());
    }

    // A female and a male voice for every language the user has chosen (the
    // desktop's own until a choice is made), in the order of their names.
    const QStringList checked = EspeakLanguages::Checked();
    // Nothing chosen: the languages need not even be looked at.
    if (checked.isEmpty())
        return modes;
    for (const EspeakLanguage &language : EspeakLanguages::Available()) {
        if (!checked.contains(language.Identifier))
            continue;
        const QStringList names = EspeakLanguages::ModeNames(language);
        add(names[0], language.Identifier + QStringLiteral("+f3"), 1, language.LanguageId, language.Name, {55, 175});
        add(names[1], language.Identifier + QStringLiteral("+m3"), 2, language.LanguageId, language.Name, {45, 170});
    }
    return modes;
}

int Score(const TTSMODEINFO &want, const TTSMODEINFORANK &rank, const TTSMODEINFO &mode)
{
    const auto same = [](const QString &a, const QString &b) {
        return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) == 0;
    };
    int score = 0;
    score += (!want.gEngineID.isNull() && want.gEngineID == mode.gEngineID) * rank.dwEngineID;
    score += same(want.szMfgName, mode.szMfgName) * rank.dwMfgName;
    score += same(want.szProductName, mode.szProductName) * rank.dwProductName;
    score += (!want.gModeID.isNull() && want.gModeID == mode.gModeID) * rank.dwModeID;
    score += same(want.szModeName, mode.szModeName) * rank.dwModeName;
    score += (want.language != 0 && want.language == mode.language) * rank.dwLanguage;
    score += same(want.szDialect, mode.szDialect) * rank.dwDialect;
    score += same(want.szSpeaker, mode.szSpeaker) * rank.dwSpeaker;
    score += same(want.szStyle, mode.szStyle) * rank.dwStyle;
    score += (want.wGender != 0 && want.wGender == mode.wGender) * rank.dwGender;
    score += (want.wAge != 0 && want.wAge == mode.wAge) * rank.dwAge;
    score += (want.dwFeatures != 0 && (mode.dwFeatures & want.dwFeatures) == want.dwFeatures) *
             rank.dwFeatures;
    score += (want.dwInterfaces != 0 &&
              (mode.dwInterfaces & want.dwInterfaces) == want.dwInterfaces) *
             rank.dwInterfaces;
    return score;
}

class Enumerator : public ITTSEnum, public ITTSFind
{
public:
    HRESULT Reset() override
    {
        m_Next = 0;
        return S_OK;
    }

    HRESULT Next(quint32 count, TTSMODEINFO *modes, quint32 *fetched) override
    {
        if (!modes && count > 0)
            return E_POINTER;
        const auto &all = Modes();
        quint32 n = 0;
        while (n < count && m_Next < all.size())
            modes[n++] = all[m_Next++].info;
        if (fetched)
            *fetched = n;
        return n == count ? S_OK : S_FALSE;
    }

    HRESULT Skip(quint32 count) override
    {
        m_Next = std::min(Modes().size(), m_Next + count);
        return m_Next < Modes().size() ? S_OK : S_FALSE;
    }

    HRESULT Select(const QUuid &modeId, std::shared_ptr<ITTSCentral> *central,
                   std::shared_ptr<IAudio> destination) override
    {
        if (!central)
            return E_POINTER;
        const EspeakMode *mode = FindMode(modeId);
        if (!mode)
            return TTSERR_NOENGINE;
        if (!destination)
            return E_INVALIDARG;
        if (mode->open)
            return mode->open(*mode, std::move(destination), central);
        return EspeakCentral::Create(*mode, std::move(destination), central);
    }

    HRESULT Find(const TTSMODEINFO &wanted, const TTSMODEINFORANK *rank,
                 TTSMODEINFO *found) override
    {
        const auto &all = Modes();
        if (!found)
            return E_POINTER;
        if (all.empty())
            return TTSERR_NOENGINE;
        TTSMODEINFORANK equal;
        if (!rank) {
            // No weights given: every field that the request fills counts once.
            equal = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
            rank = &equal;
        }
        size_t best = 0;
        int bestScore = -1;
        for (size_t i = 0; i < all.size(); ++i) {
            const int score = Score(wanted, *rank, all[i].info);
            if (score > bestScore) {
                best = i;
                bestScore = score;
            }
        }
        *found = all[best].info;
        return S_OK;
    }

private:
    size_t m_Next = 0;
};

} // namespace

namespace {
// Built when first asked for, not before.
std::optional<std::vector<EspeakMode>> &ModeStore()
{
    static std::optional<std::vector<EspeakMode>> modes;
    return modes;
}
} // namespace

const std::vector<EspeakMode> &Modes()
{
    if (!ModeStore())
        ModeStore() = BuildModes();
    return *ModeStore();
}

void AddModeSource(ModeSource source)
{
    if (std::find(Sources().begin(), Sources().end(), source) != Sources().end())
        return;
    Sources().push_back(source);
    // Modes listed already are listed again with the new ones; otherwise they are
    // built once, when first asked for.
    if (ModeStore())
        RebuildModes();
}

void RebuildModes() { ModeStore() = BuildModes(); }

namespace {

// The voices made for languages that are not listed; they stay while the program runs.
std::deque<EspeakMode> &UnlistedModes()
{
    static std::deque<EspeakMode> modes;
    return modes;
}

} // namespace

const EspeakMode *FindMode(const QUuid &modeId)
{
    for (const EspeakMode &m : Modes()) {
        if (m.info.gModeID == modeId)
            return &m;
    }
    for (const EspeakMode &m : UnlistedModes()) {
        if (m.info.gModeID == modeId)
            return &m;
    }
    return nullptr;
}

const EspeakMode *LanguageMode(const QString &language, quint16 gender)
{
    if (!EspeakWorker::Instance().Available())
        return nullptr;
    // The dialect asked for where there is one ("fr-BE"), else the language's main
    // one ("fr-FR" for "fr-CA"), else the first.
    const QLocale wanted(language);
    const QLocale::Territory main = QLocale(wanted.language()).territory();
    const EspeakLanguage *found = nullptr;
    int best = 0;
    for (const EspeakLanguage &l : EspeakLanguages::Available()) {
        const auto primary = [](const QString &code) { return code.section(u'-', 0, 0).toLower(); };
        if (l.LanguageId != static_cast<quint16>(wanted.language()) && primary(l.Code) != primary(language))
            continue;
        const QLocale own(l.Code);
        const int score = l.Code.compare(language, Qt::CaseInsensitive) == 0    ? 4
                          : own.territory() == wanted.territory()               ? 3
                          : own.territory() == main || !l.Code.contains(u'-') ? 2
                                                                                 : 1;
        if (score > best) {
            best = score;
            found = &l;
        }
    }
    if (!found)
        return nullptr;
    const bool male = gender == 2;
    const QString name = EspeakLanguages::ModeNames(*found)[male ? 1 : 0];
    const QUuid id = QUuid::createUuidV5(nameSpace, name);
    if (const EspeakMode *known = FindMode(id))
        return known;
    UnlistedModes().push_back(MakeMode(name, found->Identifier + (male ? QStringLiteral("+m3") : QStringLiteral("+f3")),
                                       male ? 2 : 1, found->LanguageId, found->Name,
                                       male ? Prosody{45, 170} : Prosody{55, 175}));
    return &UnlistedModes().back();
}

HRESULT CreateEnumerator(std::shared_ptr<ITTSEnum> *enumerator, std::shared_ptr<ITTSFind> *find)
{
    if (!EspeakWorker::Instance().Available() || Modes().empty())
        return REGDB_E_CLASSNOTREG;
    auto object = std::make_shared<Enumerator>();
    if (enumerator)
        *enumerator = object;
    if (find)
        *find = object;
    return S_OK;
}

} // namespace EspeakEngine

namespace {
TTSEnumeratorFactory &Factory()
{
    static TTSEnumeratorFactory factory;
    return factory;
}
} // namespace

void SetTTSEnumeratorFactory(TTSEnumeratorFactory factory) { Factory() = std::move(factory); }

HRESULT CreateTTSEnumerator(std::shared_ptr<ITTSEnum> *enumerator, std::shared_ptr<ITTSFind> *find)
{
    if (Factory())
        return Factory()(enumerator, find);
    return EspeakEngine::CreateEnumerator(enumerator, find);
}

HRESULT CreateAudioMultiMediaDevice(std::shared_ptr<IAudioMultiMediaDevice> *device)
{
    if (!device)
        return E_POINTER;
    *device = std::make_shared<MultiMediaDeviceDest>();
    return S_OK;
}

HRESULT CreateAudioFile(std::shared_ptr<IAudioFile> *file)
{
    if (!file)
        return E_POINTER;
    *file = std::make_shared<AudioFileDest>();
    return S_OK;
}

HRESULT CreateAudioDirect(std::shared_ptr<IAudioDirect> *direct)
{
    if (!direct)
        return E_POINTER;
    *direct = std::make_shared<AudioDirectDest>();
    return S_OK;
}
