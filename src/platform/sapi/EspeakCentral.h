#pragma once

#include "platform/sapi/CentralBase.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/Lexicon.h"

#include <QHash>
#include <QObject>

#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>

class PcmPlayer;
class WaveFileWriter;
struct PlayEvent;
struct LaterVoices;

// Hands events from the synthesis thread to the UI thread, until closed.
class EventPoster
{
public:
    explicit EventPoster(QObject *context) : m_Context(context) {}
    void Post(std::function<void()> call);
    void Close();

private:
    std::mutex m_Mutex;
    QObject *m_Context;
};

// A part of a text read by another voice, with that voice.
using OtherVoice = std::pair<ITTSCentral::VoicePart, EspeakMode>;

// One opened voice: speaks queued texts to a sound device or into a WAV file.
// Lives on the UI thread; every notification reaches the sinks there.
class EspeakCentral : public CentralBase
{
public:
    static HRESULT Create(const EspeakMode &mode, std::shared_ptr<IAudio> destination,
                          std::shared_ptr<ITTSCentral> *central);
    EspeakCentral(const EspeakMode &mode, std::shared_ptr<IAudio> destination);
    ~EspeakCentral() override;

    HRESULT TextData(quint32 charSet, quint32 flags, SDATA text,
                     std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &sinkId) override;
    HRESULT Inject(const QString &tags) override;
    HRESULT Phoneme(quint32 charSet, quint32 flags, SDATA text, QByteArray *phonemes) override;
    HRESULT AudioPause() override;
    HRESULT AudioResume() override;
    HRESULT AudioReset() override;

    void NextTextVoices(std::vector<VoicePart> parts,
                        std::shared_ptr<LaterVoiceParts> later) override;
    QString FailureReason() const override { return m_Mode.synthesizer ? m_Mode.synthesizer->LastFailure() : QString(); }

    HRESULT AboutDlg(QWidget *parent, const QString &title) override;
    HRESULT LexiconDlg(QWidget *parent, const QString &title) override;
    HRESULT GeneralDlg(QWidget *parent, const QString &title) override;
    HRESULT TranslateDlg(QWidget *parent, const QString &title) override;

private:
    struct Job
    {
        quint64 serial = 0;
        QString text;
        bool tagged = false;
        int from = 0; // where synthesis (re)starts in the text
        std::shared_ptr<ITTSBufNotifySink> sink;
        std::shared_ptr<std::atomic<bool>> abort;
        bool started = false;
        int lastWord = -1;
        // Parts read by other voices (in the whole text), with their voices.
        std::vector<OtherVoice> voices;
        // Those past the ones above, while they are being found.
        std::shared_ptr<LaterVoices> later;
    };

    HRESULT Open();
    QString EspeakVoice() const;
    void Submit(Job &job);
    void OnEvent(const PlayEvent &event);
    void AudioLost();
    void Restart();
    // The parts of other voices found for a job past its first ones (on this thread).
    void LaterVoicesFound(quint64 serial, const std::weak_ptr<LaterVoices> &later,
                          const std::vector<VoicePart> &parts);
    // Which of `parts` this engine reads with a voice of its own other than this one.
    std::vector<OtherVoice> OtherVoices(const std::vector<VoicePart> &parts) const;

    EspeakMode m_Mode;
    std::shared_ptr<IAudio> m_Destination;
    std::shared_ptr<WaveFileWriter> m_File;
    PcmPlayer *m_Player = nullptr;
    std::unique_ptr<QObject> m_Context;
    std::shared_ptr<EventPoster> m_Poster;
    std::deque<Job> m_Jobs;
    std::shared_ptr<const LexiconTable> m_Lexicon;
    std::vector<OtherVoice> m_NextVoices;
    std::shared_ptr<LaterVoiceParts> m_NextLater;
};
