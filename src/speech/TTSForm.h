#pragma once

#include "speech/TTS.h"
#include "speech/TTSFilter.h"
#include "speech/TextLanguages.h"
#include "speech/VoiceEntry.h"

#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QTemporaryDir;
class QWidget;
class TPreferences;

// The voice manager: decides which installed voices are offered, keeps each
// voice's favourite mark, pitch and speed, and prepares the one long-lived speech
// component for every reading, aloud or into a WAV file. Every text passes through
// its filter on the way to the engine.
class TTTSForm : public QObject
{
    Q_OBJECT
public:
    // Reads the stored sound device; a device the engine refuses is reported and
    // the system's default is used instead.
    explicit TTTSForm(TPreferences &prefs, QObject *parent = nullptr);
    ~TTTSForm() override;

    // Builds the voice list from the installed voices. Engine failures while
    // listing them reach the caller.
    void Initialize();
    // The voice list built anew after the installed voices changed; the values of
    // voices still there are kept, those of voices back again are read from the store.
    void Reinitialize();
    // Lists the voices of other programs the user has installed (speech-dispatcher)
    // in the background; `listed` runs when new voices are there to be offered:
    // Reinitialize then offers them. What went wrong is traced, nothing more.
    void ListOtherVoices(std::function<void()> listed);
    void LoadVoiceSettings();
    void SaveVoiceSettings();

    TVoiceEntry *FindVoice(const QString &name) const;
    // Opens the voice once to learn its limits and initial pitch and speed.
    void FillVoiceRanges(TVoiceEntry &voice);

    // 0 the device can be opened, 1 it is busy, -1 it cannot be used.
    virtual int TestWaveOutDevice(int deviceId);

    // `languages`: the parts of the text in other languages that its document named.
    bool Play(const QString &text, const QString &voiceName, const QList<TLanguageRange> &languages = {});
    static QString NoSoundDevice();
    // Why a voice that is only heard cannot read into a file.
    static QString AloudOnlyMessage(const QString &voice);

    // Where voices come from, and what each source offers now.
    struct TVoiceSource
    {
        QString Name;    // "espeak-ng", "Flite", "speech-dispatcher", "Piper"
        QString State;   // "not installed", "no voices found", "3 voices", …
        QString Details; // modules, the program found
    };
    std::vector<TVoiceSource> VoiceSources() const;
    // The Piper program (empty: the one on the PATH) and the folders the user
    // added: stored, looked in, and the voice list built anew.
    void SetPiper(const QString &program, const QStringList &folders);
    // The language a voice speaks, as a code ("de"): that of "Mary (German)"; English
    // for the voices named after no language.
    static QString LanguageOf(const QString &voice);
    // The sound device that Play last spoke on, by the name the user knows.
    QString PlayingDevice;
    // Speech goes into fileName; a failure names shownName (the file the user asked
    // for) when the speech is written beside it.
    bool PlayToFileInit(const QString &voiceName, const QString &fileName, const QString &shownName = QString());
    bool SpeakText(const QString &text, const QList<TLanguageRange> &languages = {});
    // A language with voices that can read a part of a text (a code, "de"), those
    // voices (the first is the language's default) and the one that does: the
    // user's choice (TTS_LanguageVoices), else the default.
    struct TLanguageVoices
    {
        QString Language;
        QStringList Voices;
        QString Chosen;
    };
    std::vector<TLanguageVoices> LanguageChoices() const;
    // The user's choice of a voice for a language, stored; the default voice
    // is no choice.
    void ChooseLanguageVoice(const QString &language, const QString &voice);
    // The parts of `text` (as the filter gave it) that other voices read: those in
    // other languages, with the voice of each. Given `later`, those past the first
    // part of a long text are found on another thread and handed over there.
    std::vector<ITTSCentral::VoicePart>
    VoiceParts(const QString &text, const TVoiceEntry &voice,
               const QList<TLanguageRange> &languages,
               std::shared_ptr<ITTSCentral::LaterVoiceParts> *later = nullptr) const;
    void SetPitchTag(qint32 value);
    void SetSpeedTag(qint32 value);
    bool AudioDeviceCheck(qint32 deviceId);
    void LexiconDialog(QWidget *parent, const QString &title);
    // The engine's languages; true when the voices changed (the list is then
    // built anew). `usage` names what uses the given voices, asked before their
    // language is unchecked.
    bool LanguagesDialog(QWidget *parent, const QString &title,
                         const std::function<QStringList(const QStringList &voices)> &usage);
    // Converts a wave file to the given PCM format; failures are shown and traced
    // and give false. The input file stays.
    bool ConvertWaveFile(const QString &inFile, const QString &outFile, quint16 bits, quint16 channels,
                         qint32 sampleRate);

    int VoiceCount() const { return static_cast<int>(Voices.size()); }

    const std::unique_ptr<TTTS> TTS1;
    std::vector<std::unique_ptr<TVoiceEntry>> Voices;
    TTTSFilter TTSFilter;
    bool HasStandardVoices = false;

private:
    // The voices that read the ranges of other languages than `base` in a text read
    // by `voice` (of `gender`).
    std::vector<ITTSCentral::VoicePart> PartsOf(const QList<TLanguageRange> &ranges,
                                                const QString &base, const QUuid &voice,
                                                quint16 gender) const;
    // Shows the busy or failure message for a device test; true when free.
    bool SoundCardReady();
    // `file`: the file the voice is opened to write, named with the reason when
    // opening fails.
    bool OpenVoice(TVoiceEntry &voice, bool raise, const QString &file = QString());
    void SelectOutput(TOutputDest dest, const QString &file);
    static void SelectQuietOutput(TTTS &tts, const QTemporaryDir &scratch);
    void LoadVoiceSetting(TVoiceEntry &voice);

    // The voice the text of the next Speak is read with, by name: the voice list
    // may be built anew between two texts of one run.
    QString m_OpenVoice;

    TPreferences &m_Prefs;
    // Every voice whose stored values have been declared this run.
    QSet<QString> m_Known;
};
