#include "speech/TTS.h"

#include <QCoreApplication>

#include "platform/waveout/WaveOut.h"
#include "speech/SpTools.h"

// The notification sinks hold their component by plain pointer; the component
// detaches them when it lets the engine go, so a late call reaches nobody.
class TTSBufNotifySink : public ITTSBufNotifySink
{
public:
    explicit TTSBufNotifySink(TTTS *owner) : m_Owner(owner) {}
    void Detach() { m_Owner = nullptr; }
    HRESULT TextDataDone(quint64 ts, quint32 flags) override
    {
        if (m_Owner && m_Owner->OnTextDataDone)
            m_Owner->OnTextDataDone(m_Owner, ts, flags);
        return S_OK;
    }
    HRESULT TextDataStarted(quint64 ts) override
    {
        if (m_Owner && m_Owner->OnTextDataStarted)
            m_Owner->OnTextDataStarted(m_Owner, ts);
        return S_OK;
    }
    HRESULT BookMark(quint64 ts, quint32 mark) override
    {
        if (m_Owner && m_Owner->OnBookMark)
            m_Owner->OnBookMark(m_Owner, ts, mark);
        return S_OK;
    }
    HRESULT WordPosition(quint64 ts, quint32 offset) override
    {
        if (m_Owner && m_Owner->OnWordPosition)
            m_Owner->OnWordPosition(m_Owner, ts, offset);
        return S_OK;
    }
    HRESULT SentencePosition(quint64 ts, quint32 offset, quint32 length) override
    {
        if (m_Owner && m_Owner->OnSentencePosition)
            m_Owner->OnSentencePosition(m_Owner, ts, offset, length);
        else if (m_Owner && m_Owner->OnWordPosition)
            m_Owner->OnWordPosition(m_Owner, ts, offset);
        return S_OK;
    }
    HRESULT VoiceChange(quint64 ts, quint32 offset, const QUuid &modeId) override
    {
        if (m_Owner && m_Owner->OnVoiceChange)
            m_Owner->OnVoiceChange(m_Owner, ts, offset, modeId);
        return S_OK;
    }

private:
    TTTS *m_Owner;
};

class TTSNotifySink : public ITTSNotifySink
{
public:
    explicit TTSNotifySink(TTTS *owner) : m_Owner(owner) {}
    void Detach() { m_Owner = nullptr; }
    HRESULT AttribChanged(quint32 attribute) override
    {
        if (m_Owner && m_Owner->OnAttribChanged)
            m_Owner->OnAttribChanged(m_Owner, attribute);
        return S_OK;
    }
    HRESULT AudioStart(quint64 ts) override
    {
        if (m_Owner && m_Owner->OnAudioStart)
            m_Owner->OnAudioStart(m_Owner, ts);
        return S_OK;
    }
    HRESULT AudioStop(quint64 ts) override
    {
        if (m_Owner && m_Owner->OnAudioStop)
            m_Owner->OnAudioStop(m_Owner, ts);
        return S_OK;
    }
    HRESULT Visual(quint64 ts, QChar ipa, QChar engine, quint32 hints, const TTSMOUTH &mouth) override
    {
        if (m_Owner && m_Owner->OnVisual)
            m_Owner->OnVisual(m_Owner, ts, ipa, engine, hints, mouth);
        return S_OK;
    }

private:
    TTTS *m_Owner;
};

namespace {

const QString defaultName = QStringLiteral("Default"); // string 62324

QString Format(const QString &text, const QString &a, const QString &b = QString())
{
    QString result = text;
    const int first = static_cast<int>(result.indexOf(QStringLiteral("%s")));
    if (first >= 0)
        result.replace(first, 2, a);
    const int second = static_cast<int>(result.indexOf(QStringLiteral("%s")));
    if (second >= 0)
        result.replace(second, 2, b);
    return result;
}

const QString s62300 = QStringLiteral("The Active property must be FALSE before you can set the %s property");
const QString s62301 = QStringLiteral("The value specified for the AudioDeviceID is outside the range of available IDs");
const QString s62302 = QStringLiteral("The value assigned to the ModeName property is invalid");
const QString s62303 = QStringLiteral("Couldn''t create attributes Interface: Is engine registered?");
const QString s62304 = QStringLiteral("%s is not implemented in the %s engine");
const QString s62305 = QStringLiteral("The Active property must be TRUE before the %s method can be called");
const QString s62307 = QStringLiteral("Could''t create TTSDialogs Object. Is it registered?");
const char *const s62314 = QT_TRANSLATE_NOOP("TTS", "Speak method failed. ");
const QString s62320 = QStringLiteral("ConvertToPhoneme method failed. ");

// UTF-16 with its terminator, as the engine takes text.
struct Wide
{
    explicit Wide(const QString &text, int maxChars = -1)
        : text(maxChars >= 0 ? text.left(maxChars) : text)
    {
    }
    SDATA Data() const { return {text.utf16(), static_cast<quint32>(text.size() * 2 + 2)}; }
    QString text;
};

// The first installed mode that matches; string 62302 when none does.
TTSMODEINFO FirstMode(ITTSEnum &enumerator, const std::function<bool(const TTSMODEINFO &)> &match)
{
    CheckSpeechResult(enumerator.Reset());
    for (;;) {
        TTSMODEINFO mode;
        quint32 fetched = 0;
        const HRESULT hr = enumerator.Next(1, &mode, &fetched);
        if (fetched == 0)
            break;
        CheckSpeechResult(hr);
        if (match(mode))
            return mode;
    }
    throw EOleError(s62302);
}

} // namespace

TTTS::TTTS() : m_ModeNameText(defaultName), m_Mode(std::make_unique<TTSMODEINFO>())
{
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
    SpeechApiPresent = SUCCEEDED(CreateTTSEnumerator(&enumerator, &find)) && find;
    if (!SpeechApiPresent)
        return;
    TTSMODEINFO first;
    quint32 fetched = 0;
    if (enumerator) {
        enumerator->Reset();
        enumerator->Next(1, &first, &fetched);
    }
    TtsEnginePresent = fetched == 1;
    if (!TtsEnginePresent)
        return;
    TTSMODEINFO found;
    if (find->Find(TTSMODEINFO{}, nullptr, &found) == S_OK) {
        *m_Mode = found;
        m_ModeId = found.gModeID;
    }
}

TTTS::~TTTS()
{
    m_Mode.reset();
    m_Phonemes.clear();
    Release();
}

std::shared_ptr<void> TTTS::EngineUnknown() const { return m_Central; }

void TTTS::Loaded()
{
    TSpeechComponent::Loaded();
    if (m_Mode)
        m_ModeId = m_Mode->gModeID;
}

void TTTS::Guard(const QString &name) const
{
    if (!m_Active || !m_Central)
        throw EOleError(Format(s62305, name));
}

void TTTS::InactiveGuard(const QString &name) const
{
    if (m_Active)
        throw EOleError(Format(s62300, name));
}

void TTTS::CheckUnlessLoading(HRESULT hr) const
{
    if (hr != S_OK && !Loading())
        throw ESpeechError(QString(), hr);
}

QString TTTS::CharSetName(TChrSet set)
{
    switch (set) {
    case csText: return QStringLiteral("csText");
    case csIPAPhonetic: return QStringLiteral("csIPAPhonetic");
    case csEnginePhonetic: return QStringLiteral("csEnginePhonetic");
    }
    return QStringLiteral("csText");
}

void TTTS::HandleSpeechError(const ESpeechError &error, const QString &operation)
{
    if (Loading())
        return;
    const QString product = m_Mode ? m_Mode->szProductName : QString();
    switch (static_cast<quint32>(error.ErrorCode())) {
    case 0x80004001:
    case 0x80040208:
        throw EOleError(Format(s62304, operation, product));
    case 0x80040801: throw EOleError(QStringLiteral("Lexicon error - Invalid Text Character"));
    case 0x80040802: throw EOleError(QStringLiteral("Lexicon error - Invalid Sense"));
    case 0x80040803: throw EOleError(QStringLiteral("Lexicon error - Lexicon not found in dictionary"));
    case 0x80040804: throw EOleError(QStringLiteral("Lexicon error - Out of Disk Space"));
    case 0x80040805: throw EOleError(QStringLiteral("Lexicon error - Invalid Pronouncation error"));
    case 0x00040806: throw EOleError(QStringLiteral("Lexicon error - Lexicon already in dictionary"));
    case 0x80040807: throw EOleError(QStringLiteral("Lexicon error - Pronounce buffer to small"));
    case 0x80040808: throw EOleError(QStringLiteral("Lexicon error - Engine info buffer to small"));
    default: throw error;
    }
}

qint32 TTTS::AudioDeviceID() const
{
    // Without sound outputs (speech into files alone) there is nothing to check against.
    if (!WaveOutPresent)
        return m_AudioDeviceId;
    const qint32 count = static_cast<qint32>(waveOutGetNumDevs());
    return m_AudioDeviceId < -1 || m_AudioDeviceId > count ? -1 : m_AudioDeviceId;
}

void TTTS::SetAudioDeviceID(qint32 id)
{
    if (!WaveOutPresent)
        return;
    InactiveGuard(QStringLiteral("AudioDeviceID"));
    // The default output is always there: the devices are not counted for it.
    if (id < -1 || (id != -1 && id > static_cast<qint32>(waveOutGetNumDevs())))
        throw EOleError(s62301);
    m_AudioDeviceId = id;
}

QString TTTS::ModeName()
{
    if (!m_Mode)
        return {};
    if (m_ModeNameText != defaultName)
        m_ModeNameText = m_Mode->szModeName;
    return m_ModeNameText;
}

void TTTS::SetModeName(const QString &value)
{
    if (value.isEmpty() || !SpeechApiPresent || !TtsEnginePresent)
        return;
    InactiveGuard(QStringLiteral("ModeName"));
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
    CheckSpeechResult(CreateTTSEnumerator(&enumerator, &find));
    TTSMODEINFO want;
    if (value != defaultName)
        want.szModeName = value.left(TTSI_NAMELEN - 1);
    TTSMODEINFORANK rank;
    rank.dwModeName = 10;
    TTSMODEINFO found;
    CheckSpeechResult(find->Find(want, &rank, &found));
    if (value == defaultName && !found.szModeName.isEmpty()) {
        *m_Mode = found;
        m_ModeNameText = defaultName;
        return;
    }
    const TTSMODEINFO mode = FirstMode(*enumerator, [&](const TTSMODEINFO &m) {
        return m.szModeName == value;
    });
    *m_Mode = mode;
    m_ModeNameText = value == defaultName ? defaultName : mode.szModeName;
}

void TTTS::SetModeID(const QUuid &id)
{
    InactiveGuard(QStringLiteral("ModeID"));
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
    CheckSpeechResult(CreateTTSEnumerator(&enumerator, &find));
    TTSMODEINFO want;
    want.gModeID = id;
    TTSMODEINFORANK rank;
    rank.dwModeID = 10;
    TTSMODEINFO found;
    CheckSpeechResult(find->Find(want, &rank, &found));
    if (found.gModeID == id) {
        *m_Mode = found;
        m_ModeId = id;
        m_ModeNameText = found.szModeName;
        return;
    }
    *m_Mode = FirstMode(*enumerator, [&](const TTSMODEINFO &m) { return m.gModeID == id; });
    m_ModeId = id;
}

void TTTS::SetActive(bool active)
{
    if (active == m_Active)
        return;
    if (active)
        Activate();
    else
        Deactivate();
}

std::shared_ptr<IAudio> TTTS::MakeAudioDest()
{
    m_Destination.reset();
    switch (m_OutputDest) {
    case odAudioDevice: {
        std::shared_ptr<IAudioMultiMediaDevice> device;
        CheckSpeechResult(CreateAudioMultiMediaDevice(&device));
        if (!WaveOutPresent)
            throw EOleError(
                QCoreApplication::translate("TTS", "No wave out devices available on system."));
        CheckSpeechResult(device->DeviceNumSet(m_AudioDeviceId));
        return device;
    }
    case odFile: {
        std::shared_ptr<IAudioFile> file;
        CheckSpeechResult(CreateAudioFile(&file));
        if (m_OutputFile.isEmpty())
            throw EOleError(QStringLiteral("OutputDest of odFile requres a valid path and file name "
                                           "in the OutputFile property"));
        CheckSpeechResult(file->Set(m_OutputFile, 1));
        return file;
    }
    case odDirect: {
        std::shared_ptr<IAudioDirect> direct;
        CheckSpeechResult(CreateAudioDirect(&direct));
        direct->Init();
        return direct;
    }
    case odOther: {
        if (!OnMakeOtherDest)
            throw EOleError(QStringLiteral("An OnMakeOtherDest event must be defined to use an "
                                           "OutputDest of odOther."));
        std::shared_ptr<IAudio> other;
        OnMakeOtherDest(this, other);
        if (!other)
            throw EOleError(QStringLiteral("OnMakeOtherDest must assign DestInterface parameter"));
        return other;
    }
    }
    return nullptr;
}

void TTTS::Activate()
{
    try {
        std::shared_ptr<ITTSEnum> enumerator;
        const HRESULT created = CreateTTSEnumerator(&enumerator, nullptr);
        if (FAILED(created) || !enumerator)
            throw EOleError(ESpeechError::SystemText(created));
        std::shared_ptr<IAudio> destination = MakeAudioDest();
        if (!destination)
            return;
        m_Destination = destination;
        CheckSpeechResult(enumerator->Select(m_Mode->gModeID, &m_Central, destination));
        if (m_OutputDest != odFile)
            m_Destination.reset();
        if (m_Mode->dwInterfaces & TTSI_ITTSATTRIBUTES) {
            if (FAILED(m_Central->QueryAttributes(&m_Attributes)) || !m_Attributes)
                throw EOleError(s62303);
        }
        m_NotifySink = std::make_shared<TTSNotifySink>(this);
        if (FAILED(m_Central->Register(m_NotifySink, SapiIds::IID_ITTSNotifySink, &m_NotifyKey))) {
            m_NotifySink->Detach();
            m_NotifySink.reset();
        }
        m_BufSink = std::make_shared<TTSBufNotifySink>(this);
        if (FAILED(m_Central->QueryDialogs(&m_Dialogs)) || !m_Dialogs)
            throw EOleError(s62307);
        m_Active = true;
    } catch (...) {
        Release();
        m_Active = false;
        throw;
    }
}

void TTTS::Deactivate()
{
    // The component is off whatever closing the file answers; a failure to finish
    // the file is reported after that, so that it can be opened again.
    HRESULT flushed = S_OK;
    if (m_OutputDest == odFile) {
        if (auto file = std::dynamic_pointer_cast<IAudioFile>(m_Destination))
            flushed = file->Flush();
        m_Destination.reset();
    }
    Release();
    m_Active = false;
    CheckSpeechResult(flushed);
}

void TTTS::Release()
{
    m_Attributes.reset();
    m_Dialogs.reset();
    if (m_Central && m_NotifySink)
        m_Central->UnRegister(m_NotifyKey);
    if (m_NotifySink) {
        m_NotifySink->Detach();
        m_NotifySink.reset();
    }
    if (m_BufSink) {
        m_BufSink->Detach();
        m_BufSink.reset();
    }
    m_Destination.reset();
    m_Central.reset();
}

void TTTS::Speak(const QString &text, std::vector<ITTSCentral::VoicePart> voices,
                 std::shared_ptr<ITTSCentral::LaterVoiceParts> later)
{
    Guard(QStringLiteral("Speak"));
    const Wide wide(text);
    try {
        if (m_Central)
            m_Central->NextTextVoices(std::move(voices), std::move(later));
        CheckUnlessLoading(m_Central->TextData(m_CharacterSet, m_ControlTags, wide.Data(), m_BufSink,
                                               SapiIds::IID_ITTSBufNotifySink));
    } catch (const ESpeechError &e) {
        HandleSpeechError(e, CharSetName(m_CharacterSet) + QLatin1Char(' ') +
                                 QCoreApplication::translate("TTS", s62314));
    }
}

void TTTS::Inject(const QString &text)
{
    Guard(QStringLiteral("Inject"));
    try {
        CheckUnlessLoading(m_Central->Inject(text.left(255)));
    } catch (const ESpeechError &e) {
        HandleSpeechError(e, QStringLiteral("The Inject function"));
    }
}

int TTTS::Pitch()
{
    if (!m_Attributes)
        return -1;
    quint16 pitch = 0;
    const HRESULT hr = m_Attributes->PitchGet(&pitch);
    if (hr != S_OK && hr != E_NOTIMPL)
        throw ESpeechError(QString(), hr);
    return pitch;
}

void TTTS::SetPitch(quint16 pitch)
{
    if (!m_Attributes)
        throw EOleError(Format(s62305, QStringLiteral("Pitch")));
    const HRESULT hr = m_Attributes->PitchSet(pitch);
    if (hr != S_OK && hr != E_NOTIMPL && !Loading())
        HandleSpeechError(ESpeechError(QString(), hr), QStringLiteral("Pitch attribute"));
}

quint32 TTTS::Speed()
{
    if (!m_Attributes)
        return 0; // no engine to ask: the caller takes its default
    quint32 speed = 0;
    const HRESULT hr = m_Attributes->SpeedGet(&speed);
    if (hr != S_OK && hr != E_NOTIMPL)
        throw ESpeechError(QString(), hr);
    return speed;
}

void TTTS::SetSpeed(quint32 speed)
{
    if (!m_Attributes)
        throw EOleError(Format(s62305, QStringLiteral("Speed")));
    const HRESULT hr = m_Attributes->SpeedSet(speed);
    if (hr != S_OK && hr != E_NOTIMPL && !Loading())
        HandleSpeechError(ESpeechError(QString(), hr), QStringLiteral("Speed attribute"));
}

// The engine's limit: set an extreme value, read back what it clamped to, and put the
// old value back. Without the attribute (or when the engine cannot tell) the fallback.
template <typename T>
static T Probe(ITTSAttributes *attributes, HRESULT (ITTSAttributes::*get)(T *),
               HRESULT (ITTSAttributes::*set)(T), T extreme, T fallback)
{
    T saved = 0;
    if (!attributes || (attributes->*get)(&saved) == E_NOTIMPL)
        return fallback;
    T value = 0;
    (attributes->*set)(extreme);
    (attributes->*get)(&value);
    (attributes->*set)(saved);
    return value;
}

int TTTS::MinPitch()
{
    return Probe<quint16>(m_Attributes.get(), &ITTSAttributes::PitchGet, &ITTSAttributes::PitchSet, 0, 0);
}

int TTTS::MaxPitch()
{
    return Probe<quint16>(m_Attributes.get(), &ITTSAttributes::PitchGet, &ITTSAttributes::PitchSet,
                          0xFFFF, 100);
}

quint32 TTTS::MinSpeed()
{
    return Probe<quint32>(m_Attributes.get(), &ITTSAttributes::SpeedGet, &ITTSAttributes::SpeedSet, 0, 0);
}

quint32 TTTS::MaxSpeed()
{
    return Probe<quint32>(m_Attributes.get(), &ITTSAttributes::SpeedGet, &ITTSAttributes::SpeedSet,
                          0xFFFFFFFF, 100);
}

void TTTS::SetAudioPaused(bool paused)
{
    if (paused == m_AudioPaused)
        return;
    Guard(QStringLiteral("AudioPaused"));
    CheckSpeechResult(paused ? m_Central->AudioPause() : m_Central->AudioResume());
    m_AudioPaused = paused;
}

void TTTS::AudioReset()
{
    Guard(QStringLiteral("AudioReset"));
    m_AudioPaused = false;
    CheckSpeechResult(m_Central->AudioReset());
}

void TTTS::SetCharacterSet(TChrSet set)
{
    const TChrSet old = m_CharacterSet;
    m_CharacterSet = set;
    if (!m_Active || !m_Central)
        return;
    static const char zero = 0;
    try {
        CheckUnlessLoading(m_Central->TextData(set, 0, SDATA{&zero, 1}, nullptr,
                                               SapiIds::IID_ITTSBufNotifySink));
    } catch (const ESpeechError &e) {
        m_CharacterSet = old;
        HandleSpeechError(e, CharSetName(set));
    }
}

void TTTS::SetControlTags(TCtrlTags tags)
{
    if (tags != ctTagged) {
        m_ControlTags = ctNone;
        return;
    }
    if (!m_Mode)
        return;
    if (m_Mode->dwFeatures & TTSFEATURE_TAGGED) {
        m_ControlTags = ctTagged;
        return;
    }
    m_ControlTags = ctNone;
    throw EOleError(Format(s62304, QStringLiteral("Control Tagging"), m_Mode->szProductName));
}

void TTTS::SetOutputFile(const QString &file)
{
    m_OutputFile = file;
    if (m_Active && m_OutputDest == odFile) {
        if (auto dest = std::dynamic_pointer_cast<IAudioFile>(m_Destination))
            CheckSpeechResult(dest->Set(file.left(255), 1));
    }
}

void TTTS::ShowLexiconDlg(QWidget *parent, const QString &title)
{
    ShowDlg(parent, QStringLiteral("Lexicon"), title);
}

void TTTS::ShowDlg(QWidget *parent, const QString &kind, const QString &title)
{
    Guard(QStringLiteral("Show") + kind + QStringLiteral("Dlg"));
    const QString shortTitle = title.left(255);
    HRESULT hr = S_OK;
    const QChar k = kind.isEmpty() ? QChar() : kind.at(0).toUpper();
    if (k == QLatin1Char('A'))
        hr = m_Dialogs->AboutDlg(parent, shortTitle);
    else if (k == QLatin1Char('G'))
        hr = m_Dialogs->GeneralDlg(parent, shortTitle);
    else if (k == QLatin1Char('T'))
        hr = m_Dialogs->TranslateDlg(parent, shortTitle);
    else if (k == QLatin1Char('L'))
        hr = m_Dialogs->LexiconDlg(parent, shortTitle);
    try {
        CheckUnlessLoading(hr);
    } catch (const ESpeechError &e) {
        HandleSpeechError(e, QStringLiteral("The Show") + kind + QStringLiteral("Dlg function"));
    }
}

void TTTS::ConvertToPhoneme(TChrSet charSet, quint32 flags, const QString &text)
{
    Guard(QStringLiteral("ConvertToPhoneme"));
    m_Phonemes.clear();
    const Wide wide(text);
    try {
        CheckUnlessLoading(m_Central->Phoneme(charSet, flags, wide.Data(), &m_Phonemes));
    } catch (const ESpeechError &e) {
        HandleSpeechError(e, CharSetName(charSet) + QLatin1Char(' ') + s62320);
    }
}

QString TTTS::PhonemeText() const
{
    if (m_Phonemes.size() < 2)
        return {};
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(m_Phonemes.constData()),
                              m_Phonemes.size() / 2)
        .section(QChar(0), 0, 0);
}

TTSMODEINFO TTTS::ModeInfo() const { return m_Mode ? *m_Mode : TTSMODEINFO{}; }
