#include "speech/TTSForm.h"

#include "audio/MMWave.h"
#include "log/UtilsClass.h"
#include "platform/piper/PiperEngine.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/EspeakLanguages.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/speechd/Speechd.h"
#include "platform/waveout/WaveOut.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocale>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>

#include <map>
#include <utility>

namespace {

const QString favPrefix = QStringLiteral("FAV_");
const QString spdPrefix = QStringLiteral("SPD_");
const QString pitPrefix = QStringLiteral("PIT_");

// The program's own voices by their families; the voices of the programs the
// user has installed (speech-dispatcher, Piper) all.
bool IsOutside(const TTSMODEINFO &mode)
{
    return mode.szProductName == Speechd::ProductName || mode.szProductName == PiperEngine::ProductName;
}

bool IsOffered(const TTSMODEINFO &mode)
{
    if (IsOutside(mode))
        return true;
    const QString &name = mode.szModeName;
    if (name.contains(QStringLiteral("Telephone")))
        return false;
    for (const char *family : {"Mary", "Mike", "Sam", "RoboSoft", "Flite"}) {
        if (name.contains(QLatin1String(family)))
            return true;
    }
    return false;
}

bool IsStandard(const QString &name)
{
    const QString trimmed = TrimControls(name);
    return trimmed == QStringLiteral("Mary") || trimmed == QStringLiteral("Mike") ||
           trimmed == QStringLiteral("Sam");
}

void ShowFailure(const std::exception &error) { Messages::ShowError(ErrorMessage(error)); }

void VoiceMissing(const QString &name)
{
    Messages::ShowError(TTTSForm::tr("Voice %1 does not exist").arg(name));
}

} // namespace

QString TTTSForm::NoSoundDevice()
{
    return tr("No sound device was found. Reading aloud needs a sound server (PulseAudio or PipeWire); "
              "reading to files works without one.");
}

QString TTTSForm::AloudOnlyMessage(const QString &voice)
{
    return tr("%1 can only read aloud: speech-dispatcher gives no sound back to programs. "
              "Choose another voice for files.")
        .arg(voice);
}

std::vector<TTTSForm::TVoiceSource> TTTSForm::VoiceSources() const
{
    std::map<QString, int> counts;
    for (const TTSMODEINFO &mode : ListModes()) {
        if (IsOffered(mode))
            ++counts[mode.szProductName];
    }
    const auto voices = [](int n) {
        return n == 0 ? tr("no voices found") : n == 1 ? tr("1 voice") : tr("%n voices", nullptr, n);
    };
    std::vector<TVoiceSource> sources;
    const int espeak = counts[EspeakEngine::ProductName];
    sources.push_back({QStringLiteral("espeak-ng"), espeak > 0 ? voices(espeak) : tr("not installed"), {}});
    const int flite = counts[QStringLiteral("Flite")];
    sources.push_back({QStringLiteral("Flite"), flite > 0 ? voices(flite) : tr("not installed"), {}});
    const Speechd::TSummary speechd = Speechd::Summary();
    switch (speechd.state) {
    case Speechd::TState::NotListed:
        sources.push_back({Speechd::ProductName, tr("looking for voices…"), {}});
        break;
    case Speechd::TState::NotInstalled:
        sources.push_back({Speechd::ProductName, tr("not installed"), {}});
        break;
    case Speechd::TState::NotRunning:
        sources.push_back({Speechd::ProductName, tr("not reached"), speechd.problem});
        break;
    case Speechd::TState::Listed:
        sources.push_back({Speechd::ProductName, tr("%1, read aloud only").arg(voices(speechd.voices)),
                           tr("Modules: %1").arg(speechd.modules.join(QStringLiteral(", ")))});
        break;
    }
    const PiperEngine::TSummary piper = PiperEngine::Summary();
    sources.push_back({PiperEngine::ProductName, piper.program.isEmpty() ? tr("not installed") : voices(piper.voices),
                       piper.program.isEmpty() ? tr("No piper program on the PATH or where chosen.")
                                               : tr("Program: %1").arg(piper.program)});
    return sources;
}

void TTTSForm::SetPiper(const QString &program, const QStringList &folders)
{
    m_Prefs.PIPER_Program = program;
    m_Prefs.PIPER_Folders = folders;
    PiperEngine::Configure(program, folders);
    Reinitialize();
}

TTTSForm::TTTSForm(TPreferences &prefs, QObject *parent)
    : QObject(parent), TTS1(std::make_unique<TTTS>()), TTSFilter(prefs), m_Prefs(prefs)
{
    setObjectName(QStringLiteral("TTSForm"));
    // Piper voices the user keeps elsewhere, or a piper program of their choice.
    if (!m_Prefs.PIPER_Program.isEmpty() || !m_Prefs.PIPER_Folders.isEmpty())
        PiperEngine::Configure(m_Prefs.PIPER_Program, m_Prefs.PIPER_Folders);
    TTS1->Tag = 0;
    HasStandardVoices = false;
    try {
        TTS1->SetAudioDeviceID(m_Prefs.TTS_AudioDeviceID);
    } catch (const std::exception &error) {
        ShowFailure(error);
    }
}

TTTSForm::~TTTSForm() = default;

void TTTSForm::Initialize()
{
    UtilsClass::Trace(QStringLiteral("Entering TTSForm.Initialize"));
    std::unique_ptr<TTTS> probe;
    try {
        probe = std::make_unique<TTTS>();
    } catch (const std::exception &) {
        UtilsClass::Trace(QStringLiteral("Error creating temporary TTS object"));
        Messages::ShowMessage(QCoreApplication::translate(
            "TTTSForm", "TTSForm initialization error - error creating TmpTTS"));
        return;
    }
    const std::vector<TTSMODEINFO> modes = ListModes();
    // Languages the engine leaves out for damaged data are traced once, once it
    // has looked at them.
    static bool problemsTraced = false;
    if (EspeakLanguages::Listed() && !std::exchange(problemsTraced, true)) {
        for (const QString &problem : EspeakLanguages::Problems())
            UtilsClass::Trace(problem);
    }

    Voices.clear();
    int standard = 0;
    for (const TTSMODEINFO &mode : modes) {
        if (!IsOffered(mode))
            continue;
        const QString name = mode.szModeName;
        if (IsStandard(name))
            ++standard;
        auto voice = std::make_unique<TVoiceEntry>();
        voice->Name = name;
        voice->ModeID = mode.gModeID;
        voice->AloudOnly = (mode.dwEngineFeatures & TTSENGINEFEATURE_ALOUDONLY) != 0;
        voice->FixedPitch = (mode.dwEngineFeatures & TTSENGINEFEATURE_NOPITCH) != 0;
        m_Known.insert(name);
        if (!m_Prefs.HasItem(favPrefix + name)) {
            // The voices of other programs are many: they are the user's to pick,
            // not dealt out to new articles until made favourites.
            m_Prefs.AddItem(favPrefix + name, 2, rkBool, !IsOutside(mode));
            m_Prefs.AddItem(spdPrefix + name, 2, rkInt, 0);
            m_Prefs.AddItem(pitPrefix + name, 2, rkInt, 0);
        }
        Voices.push_back(std::move(voice));
        UtilsClass::Trace(QStringLiteral("Loaded voice ") + name);
    }

    if (!Voices.empty()) {
        QString &defaultVoice = m_Prefs.TTS_DefaultVoiceName;
        if (!defaultVoice.trimmed().isEmpty() && !FindVoice(defaultVoice))
            defaultVoice.clear();
        if (defaultVoice.trimmed().isEmpty())
            defaultVoice = Voices.front()->Name;
    }
    if (standard == 3)
        HasStandardVoices = true;
    probe->SetActive(false);
}

void TTTSForm::Reinitialize()
{
    // The values in use, which may not have been stored yet, go to the items;
    // a voice seen for the first time reads its own from the store.
    SaveVoiceSettings();
    std::map<QString, TVoiceEntry> kept;
    for (const auto &voice : Voices)
        kept[voice->Name] = *voice;
    const QSet<QString> seen = m_Known;
    Initialize();
    for (const auto &voice : Voices) {
        const auto it = kept.find(voice->Name);
        if (it != kept.end()) {
            const QUuid mode = voice->ModeID;
            *voice = it->second;
            voice->ModeID = mode;
            continue;
        }
        if (!seen.contains(voice->Name))
            m_Prefs.Load({favPrefix + voice->Name, spdPrefix + voice->Name, pitPrefix + voice->Name});
        LoadVoiceSetting(*voice);
    }
}

void TTTSForm::ListOtherVoices(std::function<void()> listed)
{
    QPointer<TTTSForm> self = this;
    Speechd::StartListing([self, listed = std::move(listed)](const QString &problem) {
        if (!problem.isEmpty()) {
            UtilsClass::Trace(QStringLiteral("No speech-dispatcher voices: ") + problem);
            return;
        }
        const Speechd::TSummary summary = Speechd::Summary();
        UtilsClass::Trace(QStringLiteral("speech-dispatcher: %1 voices of %2").arg(summary.voices).arg(summary.modules.join(QStringLiteral(", "))));
        if (self && summary.voices > 0 && listed)
            listed();
    });
}

void TTTSForm::LoadVoiceSettings()
{
    for (const auto &voice : Voices)
        LoadVoiceSetting(*voice);
}

void TTTSForm::LoadVoiceSetting(TVoiceEntry &voice)
{
    voice.Favorite = m_Prefs.GetValue(favPrefix + voice.Name).toBool();
    voice.Speed = m_Prefs.GetValue(spdPrefix + voice.Name).toInt();
    voice.Pitch = m_Prefs.GetValue(pitPrefix + voice.Name).toInt();
}

void TTTSForm::SaveVoiceSettings()
{
    for (const auto &voice : Voices) {
        m_Prefs.SetValue(favPrefix + voice->Name, voice->Favorite);
        m_Prefs.SetValue(spdPrefix + voice->Name, voice->Speed);
        m_Prefs.SetValue(pitPrefix + voice->Name, voice->Pitch);
    }
}

TVoiceEntry *TTTSForm::FindVoice(const QString &name) const
{
    for (const auto &voice : Voices) {
        if (voice->Name == name)
            return voice.get();
    }
    return nullptr;
}

void TTTSForm::FillVoiceRanges(TVoiceEntry &voice)
{
    TTTS probe;
    probe.SetAudioDeviceID(-1);
    QTemporaryDir scratch;
    probe.SetActive(false);
    SelectQuietOutput(probe, scratch);
    probe.SetModeID(voice.ModeID);
    probe.SetActive(true);
    voice.MinPitch = probe.MinPitch();
    voice.MaxPitch = probe.MaxPitch();
    voice.DefaultPitch = probe.Pitch();
    voice.MinSpeed = static_cast<qint32>(probe.MinSpeed());
    voice.MaxSpeed = static_cast<qint32>(probe.MaxSpeed());
    voice.DefaultSpeed = static_cast<qint32>(probe.Speed());
    probe.SetActive(false);
    if (voice.Pitch <= 0)
        voice.Pitch = voice.DefaultPitch;
    if (voice.Speed <= 0)
        voice.Speed = voice.DefaultSpeed;
}

int TTTSForm::TestWaveOutDevice(int deviceId) { return ::TestWaveOutDevice(deviceId); }

bool TTTSForm::SoundCardReady()
{
    int result = TestWaveOutDevice(TTS1->AudioDeviceID());
    // A sound server that ended and came back is reconnected to within seconds:
    // a reading started meanwhile waits for that rather than failing.
    if (result < 0 && WaveOutPresent && waveOutGetNumDevs() > 0) {
        UtilsClass::Trace(QStringLiteral("Waiting for the sound server"));
        const QDeadlineTimer deadline(4000);
        while (result < 0 && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
            QThread::msleep(50);
            result = TestWaveOutDevice(TTS1->AudioDeviceID());
        }
    }
    // A sound server may also have come since the program started, or gone.
    QString problem;
    if (result < 0 && waveOutGetNumDevs() == 0) {
        WaveOutPresent = false;
        problem = NoSoundDevice();
    } else if (result == 1) {
        problem = tr("Sound card is busy.  Wait and try again.");
    } else if (result != 0) {
        problem = tr("Error accessing sound card");
    }
    if (problem.isEmpty()) {
        WaveOutPresent = true;
        return true;
    }
    UtilsClass::Trace(QStringLiteral("Sound card check failed: ") + problem);
    Messages::ShowError(problem);
    return false;
}

// Opens the component with the voice's own pitch and speed (the engine clamps
// them). A failure to open is shown, and raised again when the caller wants it.
bool TTTSForm::OpenVoice(TVoiceEntry &voice, bool raise, const QString &file)
{
    // A pitch of 0 means "none chosen" just like a speed of 0; handing it to the
    // engine would read at its lowest pitch.
    try {
        if (voice.Speed < 1 || voice.Pitch < 1)
            FillVoiceRanges(voice);
        SpeechShaping::SetPauses(PauseLengths::FromString(m_Prefs.TTS_Pauses));
        m_OpenVoice.clear();
        TTS1->SetModeID(voice.ModeID);
        TTS1->SetActive(true);
        TTS1->SetPitch(static_cast<quint16>(voice.Pitch));
        TTS1->SetSpeed(static_cast<quint32>(voice.Speed));
        m_OpenVoice = voice.Name;
    } catch (const std::exception &error) {
        if (file.isEmpty()) {
            ShowFailure(error);
        } else {
            Messages::ShowError(ErrorMessage(error) + QStringLiteral("\r\r") + ProgramPaths::WhereAndWhy(file));
        }
        if (raise)
            throw;
        return false;
    }
    return true;
}

void TTTSForm::SelectOutput(TOutputDest dest, const QString &file)
{
    TTS1->SetOutputDest(dest);
    TTS1->SetOutputFile(file);
}

bool TTTSForm::Play(const QString &text, const QString &voiceName, const QList<TLanguageRange> &languages)
{
    TTS1->SetActive(false);
    SelectOutput(odAudioDevice, QString());
    TVoiceEntry *voice = FindVoice(voiceName);
    if (!SoundCardReady())
        return false;
    WAVEOUTCAPS caps;
    PlayingDevice = waveOutGetDevCaps(TTS1->AudioDeviceID(), caps) == MMSYSERR_NOERROR ? caps.szPname : QString();
    if (!voice) {
        VoiceMissing(voiceName);
        return false;
    }
    if (!OpenVoice(*voice, false))
        return false;
    const QString filtered = TTSFilter.Filter(text);
    std::shared_ptr<ITTSCentral::LaterVoiceParts> later;
    std::vector<ITTSCentral::VoicePart> parts = VoiceParts(filtered, *voice, languages, &later);
    TTS1->Speak(filtered, std::move(parts), std::move(later));
    return true;
}

bool TTTSForm::PlayToFileInit(const QString &voiceName, const QString &fileName, const QString &shownName)
{
    TTS1->SetActive(false);
    SelectOutput(odFile, fileName);
    TVoiceEntry *voice = FindVoice(voiceName);
    if (!voice) {
        VoiceMissing(voiceName);
        return false;
    }
    // Files need no sound card.
    return OpenVoice(*voice, true, shownName.isEmpty() ? fileName : shownName);
}

bool TTTSForm::SpeakText(const QString &text, const QList<TLanguageRange> &languages)
{
    try {
        const QString filtered = TTSFilter.Filter(text);
        const TVoiceEntry *voice = FindVoice(m_OpenVoice);
        std::shared_ptr<ITTSCentral::LaterVoiceParts> later;
        std::vector<ITTSCentral::VoicePart> parts =
            voice ? VoiceParts(filtered, *voice, languages, &later)
                  : std::vector<ITTSCentral::VoicePart>{};
        TTS1->Speak(filtered, std::move(parts), std::move(later));
    } catch (const std::exception &error) {
        ShowFailure(error);
    }
    return true;
}

void TTTSForm::SetPitchTag(qint32 value)
{
    if (TTS1->Active())
        TTS1->Inject(QStringLiteral("\\Pit=") + QString::number(value) + QLatin1Char('\\'));
}

void TTTSForm::SetSpeedTag(qint32 value)
{
    if (TTS1->Active())
        TTS1->Inject(QStringLiteral("\\Spd=") + QString::number(value) + QLatin1Char('\\'));
}

bool TTTSForm::AudioDeviceCheck(qint32 deviceId)
{
    const qint32 saved = TTS1->AudioDeviceID();
    bool result = false;
    std::exception_ptr refused;
    try {
        TTS1->SetAudioDeviceID(deviceId);
        SelectOutput(odAudioDevice, QString());
        try {
            TTS1->SetActive(true);
        } catch (const std::exception &error) {
            ShowFailure(error);
        }
    } catch (...) {
        refused = std::current_exception();
    }

    if (TTS1->Active()) {
        result = true;
    } else {
        Messages::ShowMessage(tr("Audio device check failed. \r"
                                 "Verify that the device you have selected is a valid audio device\r\r"
                                 "Please contact Brivanta Support if you're having problems"));
    }
    TTS1->SetActive(false);
    TTS1->SetAudioDeviceID(saved);
    if (refused)
        std::rethrow_exception(refused);
    return result;
}

bool TTTSForm::LanguagesDialog(QWidget *parent, const QString &title,
                               const std::function<QStringList(const QStringList &)> &usage)
{
    if (TTS1->Active())
        return false;
    QStringList before;
    ListModeNames(before);
    QTemporaryDir scratch;
    EspeakLanguages::SetUsageQuery(usage);
    try {
        SelectQuietOutput(*TTS1, scratch);
        TTS1->SetActive(true);
        TTS1->ShowDlg(parent, QStringLiteral("General"), title);
    } catch (const std::exception &error) {
        ShowFailure(error);
    }
    EspeakLanguages::SetUsageQuery({});
    TTS1->SetActive(false);
    SelectOutput(odAudioDevice, QString());
    QStringList after;
    ListModeNames(after);
    if (after == before)
        return false;
    Reinitialize();
    return true;
}

void TTTSForm::SelectQuietOutput(TTTS &tts, const QTemporaryDir &scratch)
{
    // Opened only to be asked: on the sound output when there is one, else on a
    // file nothing is spoken into (speech into files alone needs no sound output).
    tts.SetOutputDest(WaveOutPresent ? odAudioDevice : odFile);
    tts.SetOutputFile(WaveOutPresent ? QString() : scratch.filePath(QStringLiteral("probe.wav")));
}

void TTTSForm::LexiconDialog(QWidget *parent, const QString &title)
{
    if (TTS1->Active())
        return;
    TVoiceEntry *voice = FindVoice(m_Prefs.TTS_DefaultVoiceName);
    SelectOutput(odAudioDevice, QString());
    try {
        // Without the default voice the component's current voice edits the list.
        if (voice)
            TTS1->SetModeID(voice->ModeID);
        TTS1->SetActive(true);
        if (voice) {
            TTS1->SetPitch(static_cast<quint16>(voice->Pitch));
            TTS1->SetSpeed(static_cast<quint32>(voice->Speed));
        }
        TTS1->ShowLexiconDlg(parent, title);
    } catch (const std::exception &error) {
        ShowFailure(error);
    }
    TTS1->SetActive(false);
}

bool TTTSForm::ConvertWaveFile(const QString &inFile, const QString &outFile, quint16 bits, quint16 channels,
                               qint32 sampleRate)
{
    UtilsClass::Trace(QStringLiteral("Entered ConvertWaveFile [%1 %2 %3]").arg(bits).arg(channels).arg(sampleRate));
    UtilsClass::Trace(QStringLiteral("Infile: ") + inFile);
    UtilsClass::Trace(QStringLiteral("OutFile: ") + outFile);
    try {
        TMMWaveFile waveFile(this);
        // Opening a missing or damaged file is reported like any other failure.
        waveFile.Wave.SetFileName(inFile);
        TPcmFormat format;
        BuildPcmFormat(format, bits, channels, sampleRate);
        waveFile.Wave.ConvertToFile(outFile, &format);
    } catch (const EMMWaveError &error) {
        UtilsClass::Trace(error.Message());
        Messages::ShowError(error.Message());
        return false;
    } catch (const std::exception &error) {
        UtilsClass::Trace(ErrorMessage(error));
        Messages::ShowError(ErrorMessage(error));
        return false;
    }
    return true;
}

namespace {

// A voice of ours that can read a part of another voice's text (one that does not
// play its speech itself), or none.
const EspeakMode *TakingOver(const TVoiceEntry &voice)
{
    const EspeakMode *mode = EspeakEngine::FindMode(voice.ModeID);
    return mode && !mode->open ? mode : nullptr;
}

QString SpokenLanguage(const EspeakMode &mode)
{
    if (mode.info.language == 0)
        return {};
    return QLocale::languageToCode(QLocale::Language(mode.info.language), QLocale::ISO639Part1);
}

} // namespace

std::vector<TTTSForm::TLanguageVoices> TTTSForm::LanguageChoices() const
{
    std::vector<TLanguageVoices> found;
    for (const auto &voice : Voices) {
        const EspeakMode *mode = TakingOver(*voice);
        const QString language = mode ? SpokenLanguage(*mode) : QString();
        if (language.isEmpty())
            continue;
        auto it = std::find_if(found.begin(), found.end(), [&](const TLanguageVoices &l) { return l.Language == language; });
        if (it == found.end())
            it = found.insert(found.end(), {language, {}, voice->Name});
        it->Voices << voice->Name;
    }
    // A choice of a voice that is gone, or that speaks another language, is passed over.
    for (const QString &line : m_Prefs.TTS_LanguageVoices.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString language = line.section(QLatin1Char('='), 0, 0);
        const QString voice = line.section(QLatin1Char('='), 1);
        for (TLanguageVoices &l : found) {
            if (l.Language == language && l.Voices.contains(voice))
                l.Chosen = voice;
        }
    }
    return found;
}

void TTTSForm::ChooseLanguageVoice(const QString &language, const QString &voice)
{
    QStringList lines;
    for (const QString &line : m_Prefs.TTS_LanguageVoices.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.section(QLatin1Char('='), 0, 0) != language)
            lines << line;
    }
    for (const TLanguageVoices &l : LanguageChoices()) {
        if (l.Language == language && l.Voices.indexOf(voice) > 0)
            lines << language + QLatin1Char('=') + voice;
    }
    m_Prefs.TTS_LanguageVoices = lines.join(QLatin1Char('\n'));
}

namespace {

// Where the first part of a long text ends for finding its languages: at a line break
// (else a sentence's end) some thousands of letters in, outside the document's own
// language ranges. The text's length for a text too short to be worth it.
int FirstLanguagesEnd(const QString &text, const QList<TLanguageRange> &known)
{
    constexpr int first = 4000;
    const int length = int(text.size());
    if (length < 2 * first)
        return length;
    const auto outside = [&](int cut) {
        return std::none_of(known.begin(), known.end(), [cut](const TLanguageRange &r) {
            return r.Start < cut && cut < r.Start + r.Length;
        });
    };
    for (const bool lineBreak : {true, false}) {
        for (int i = first; i + 1 < std::min(length, 4 * first); ++i) {
            const QChar c = text.at(i);
            if (lineBreak ? (c != QLatin1Char('\n') && c != QChar::ParagraphSeparator)
                          : !(SpeechShaping::EndsSentence(c) && text.at(i + 1).isSpace()))
                continue;
            int cut = i + 1;
            while (cut < length && text.at(cut).isSpace())
                ++cut;
            if (cut < length && outside(cut))
                return cut;
        }
    }
    return length;
}

// The ranges of `ranges` between `from` and `to`, counted from `from`.
QList<TLanguageRange> RangesWithin(const QList<TLanguageRange> &ranges, int from, int to)
{
    QList<TLanguageRange> within;
    for (const TLanguageRange &r : ranges) {
        const int start = std::max(r.Start, from), end = std::min(r.Start + r.Length, to);
        if (end > start)
            within.push_back({start - from, end - start, r.Language});
    }
    return within;
}

} // namespace

std::vector<ITTSCentral::VoicePart>
TTTSForm::VoiceParts(const QString &text, const TVoiceEntry &voice,
                     const QList<TLanguageRange> &languages,
                     std::shared_ptr<ITTSCentral::LaterVoiceParts> *later) const
{
    const EspeakMode *own = TakingOver(voice);
    if (m_Prefs.TTS_OwnVoiceOnly || !own)
        return {};
    // The document's places are in the text before the filter spelt out links.
    QList<TLanguageRange> known;
    const auto filtered = [&](int at) {
        int low = at, high = int(text.size());
        while (low < high) {
            const int middle = (low + high) / 2;
            if (TTSFilter.MapPosition(middle) < at)
                low = middle + 1;
            else
                high = middle;
        }
        return std::min(low, int(text.size()));
    };
    for (const TLanguageRange &range : languages) {
        const int start = filtered(range.Start);
        const int end = filtered(range.Start + range.Length);
        if (end > start)
            known.push_back({start, end - start, range.Language});
    }
    QString base = SpokenLanguage(*own);
    if (base.isEmpty())
        base = LanguageOf(voice.Name);
    // A long text's first part is looked at now and the rest on another thread while
    // the first is read: the first sound need not wait for every sentence of a book.
    const int cut = later ? FirstLanguagesEnd(text, known) : int(text.size());
    // The search ends when nobody waits for its answer any more (the reading ended).
    if (cut < text.size()) {
        *later = std::make_shared<ITTSCentral::LaterVoiceParts>(cut);
        QThreadPool::globalInstance()->start(
            [self = QPointer<TTTSForm>(const_cast<TTTSForm *>(this)),
             wanted = std::weak_ptr(*later), cut, part = text.mid(cut), base,
             ranges = RangesWithin(known, cut, int(text.size())), voice = voice.ModeID,
             gender = own->info.wGender] {
                QList<TLanguageRange> found = TTextLanguages::Find(
                    part, base, ranges, [&wanted] { return wanted.expired(); });
                QCoreApplication *application = QCoreApplication::instance();
                if (wanted.expired() || !application)
                    return;
                for (TLanguageRange &range : found)
                    range.Start += cut;
                QMetaObject::invokeMethod(application, [self, wanted, found, base, voice, gender] {
                    if (const auto rest = wanted.lock())
                        rest->Deliver(self ? self->PartsOf(found, base, voice, gender)
                                           : std::vector<ITTSCentral::VoicePart>{});
                });
            });
    }
    return PartsOf(TTextLanguages::Find(text.left(cut), base, RangesWithin(known, 0, cut)), base,
                   voice.ModeID, own->info.wGender);
}

std::vector<ITTSCentral::VoicePart> TTTSForm::PartsOf(const QList<TLanguageRange> &ranges,
                                                      const QString &base, const QUuid &voice,
                                                      quint16 gender) const
{
    const std::vector<TLanguageVoices> choices = LanguageChoices();
    std::vector<ITTSCentral::VoicePart> parts;
    for (const TLanguageRange &range : ranges) {
        const QString language = TTextLanguages::Primary(range.Language);
        if (language == base)
            continue;
        // The voice chosen for the language, else the first listed for it, else
        // espeak-ng's voice of that language (of the text's voice's sex).
        const auto chosen = std::find_if(choices.begin(), choices.end(), [&](const TLanguageVoices &l) { return l.Language == language; });
        const TVoiceEntry *listed = chosen != choices.end() ? FindVoice(chosen->Chosen) : nullptr;
        const EspeakMode *engines =
            listed ? nullptr : EspeakEngine::LanguageMode(range.Language, gender);
        const QUuid mode = listed ? listed->ModeID : engines ? engines->info.gModeID : QUuid();
        if (!mode.isNull() && mode != voice)
            parts.push_back({range.Start, range.Length, mode});
    }
    return parts;
}

QString TTTSForm::LanguageOf(const QString &voice)
{
    if (!voice.endsWith(QLatin1Char(')')) || !voice.contains(QLatin1String(" (")) || !EspeakLanguages::Listed())
        return QStringLiteral("en");
    // A language's name may have parentheses of its own: "Mary (French (France))".
    for (const EspeakLanguage &language : EspeakLanguages::Available()) {
        if (voice.endsWith(QStringLiteral(" (%1)").arg(language.Name)))
            return language.Code;
    }
    return QStringLiteral("en");
}
