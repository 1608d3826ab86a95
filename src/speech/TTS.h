#pragma once

#include "platform/sapi/Sapi.h"
#include "speech/SpeechComponent.h"
#include "speech/SpeechError.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class TTSNotifySink;
class TTSBufNotifySink;

enum TOutputDest { odAudioDevice = 0, odFile = 1, odDirect = 2, odOther = 3 };
enum TChrSet { csText = 0, csIPAPhonetic = 1, csEnginePhonetic = 2 };
enum TCtrlTags { ctNone = 0, ctTagged = 1 };

// Wraps one voice (mode) of the speech engine: chooses it, opens it on a sound
// device or a WAV file, speaks text, changes pitch and speed, pauses and resets,
// and passes the engine's notifications on as events.
class TTTS : public TSpeechComponent
{
public:
    TTTS();
    ~TTTS() override;
    TTTS(const TTTS &) = delete;
    TTTS &operator=(const TTTS &) = delete;

    std::shared_ptr<void> EngineUnknown() const override;
    void Loaded() override;

    // Stored properties.
    qint32 AudioDeviceID() const;
    void SetAudioDeviceID(qint32 id);
    QString ModeName();
    void SetModeName(const QString &name);
    QString OutputFile() const { return m_OutputFile; }
    void SetOutputFile(const QString &file);
    TOutputDest OutputDest() const { return m_OutputDest; }
    void SetOutputDest(TOutputDest dest) { m_OutputDest = dest; }
    bool Active() const { return m_Active; }
    void SetActive(bool active);
    TChrSet CharacterSet() const { return m_CharacterSet; }
    void SetCharacterSet(TChrSet set);
    TCtrlTags ControlTags() const { return m_ControlTags; }
    void SetControlTags(TCtrlTags tags);

    // Run-time properties and operations.
    void SetModeID(const QUuid &id);
    QUuid ModeID() const { return m_ModeId; }
    int Pitch();
    void SetPitch(quint16 pitch);
    quint32 Speed();
    void SetSpeed(quint32 speed);
    int MinPitch();
    int MaxPitch();
    quint32 MinSpeed();
    quint32 MaxSpeed();
    bool AudioPaused() const { return m_AudioPaused; }
    void SetAudioPaused(bool paused);
    void AudioReset();
    void Inject(const QString &text);
    // `voices`: parts of the text read by other voices of the engine.
    virtual void Speak(const QString &text, std::vector<ITTSCentral::VoicePart> voices = {},
                       std::shared_ptr<ITTSCentral::LaterVoiceParts> later = {});
    virtual void ConvertToPhoneme(TChrSet charSet, quint32 flags, const QString &text);
    QByteArray PhonemeResult() const { return m_Phonemes; }
    QString PhonemeText() const;
    void ShowLexiconDlg(QWidget *parent, const QString &title);
    void ShowDlg(QWidget *parent, const QString &kind, const QString &title);
    TTSMODEINFO ModeInfo() const;
    // Why the voice's last text ended unfinished, when its engine says more than that it failed.
    QString FailureReason() const { return m_Central ? m_Central->FailureReason() : QString(); }

    // Events.
    std::function<void(TTTS *, quint64)> OnTextDataStarted;
    std::function<void(TTTS *, quint64, quint32)> OnTextDataDone;
    std::function<void(TTTS *, quint64, quint32)> OnBookMark;
    std::function<void(TTTS *, quint64, quint32)> OnWordPosition;
    // A voice that tells sentences, not words: the sentence's start and length in bytes.
    std::function<void(TTTS *, quint64, quint32, quint32)> OnSentencePosition;
    // Another voice reads on from the byte offset (a part in another language).
    std::function<void(TTTS *, quint64, quint32, const QUuid &)> OnVoiceChange;
    std::function<void(TTTS *, quint32)> OnAttribChanged;
    std::function<void(TTTS *, quint64)> OnAudioStart;
    std::function<void(TTTS *, quint64)> OnAudioStop;
    std::function<void(TTTS *, quint64, QChar, QChar, quint32, const TTSMOUTH &)> OnVisual;
    std::function<void(TTTS *, std::shared_ptr<IAudio> &)> OnMakeOtherDest;

    qintptr Tag = 0;

    // The decision whether an engine failure reaches the caller: some codes become
    // messages of their own; while loading, nothing does.
    void HandleSpeechError(const ESpeechError &error, const QString &operation);

protected:
    virtual std::shared_ptr<IAudio> MakeAudioDest();

private:
    void Guard(const QString &name) const;
    void InactiveGuard(const QString &name) const;
    void CheckUnlessLoading(HRESULT hr) const;
    void Activate();
    void Deactivate();
    void Release();
    static QString CharSetName(TChrSet set);

    bool m_Active = false;
    qint32 m_AudioDeviceId = -1;
    QString m_ModeNameText;
    std::unique_ptr<TTSMODEINFO> m_Mode;
    QUuid m_ModeId;
    TOutputDest m_OutputDest = odAudioDevice;
    QString m_OutputFile;
    TChrSet m_CharacterSet = csText;
    TCtrlTags m_ControlTags = ctNone;
    bool m_AudioPaused = false;
    std::shared_ptr<ITTSCentral> m_Central;
    std::shared_ptr<ITTSAttributes> m_Attributes;
    std::shared_ptr<ITTSDialogs> m_Dialogs;
    std::shared_ptr<TTSNotifySink> m_NotifySink;
    quint32 m_NotifyKey = 0;
    std::shared_ptr<TTSBufNotifySink> m_BufSink;
    std::shared_ptr<IAudio> m_Destination;
    QByteArray m_Phonemes;
};
