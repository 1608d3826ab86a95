#pragma once

#include "platform/sapi/CentralBase.h"
#include "platform/sapi/EspeakEngine.h"

#include <QString>

#include <deque>
#include <memory>
#include <vector>

class QObject;
class QTimer;

// One voice of speech-dispatcher, opened for reading aloud. A text goes to the
// server a sentence at a time (the next one queued before the current one ends),
// as SSML with a mark before each word named by the word's place in the text; the
// marks the server reports back are the words heard. A module that reports no
// marks is heard sentence by sentence. The server pauses only at marks, so Pause
// stops and Resume speaks again from the last word or sentence heard.
class SpeechdCentral : public CentralBase
{
public:
    static HRESULT Create(const EspeakMode &mode, std::shared_ptr<IAudio> destination,
                          std::shared_ptr<ITTSCentral> *central);
    SpeechdCentral(const EspeakMode &mode, std::shared_ptr<IAudio> destination);
    ~SpeechdCentral() override;

    HRESULT TextData(quint32 charSet, quint32 flags, SDATA text,
                     std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &sinkId) override;
    HRESULT Inject(const QString &tags) override;
    HRESULT Phoneme(quint32 charSet, quint32 flags, SDATA text, QByteArray *phonemes) override;
    HRESULT AudioPause() override;
    HRESULT AudioResume() override;
    HRESULT AudioReset() override;
    QString FailureReason() const override { return m_Failure; }

    HRESULT AboutDlg(QWidget *parent, const QString &title) override;
    HRESULT LexiconDlg(QWidget *, const QString &) override { return E_NOTIMPL; }
    HRESULT GeneralDlg(QWidget *, const QString &) override { return E_NOTIMPL; }
    HRESULT TranslateDlg(QWidget *, const QString &) override { return E_NOTIMPL; }

    // The SSML of a piece of `text` (UTF-16 indexes from `start`, `length` long):
    // escaped, with a mark before each word named by the word's index.
    static QByteArray Markup(const QString &text, int start, int length, bool tagged);
    // Our speed (words a minute) and pitch (0–100) on the server's −100…100 scales.
    static int RateOf(int wordsPerMinute);
    static int PitchOf(int pitch);

private:
    struct Job
    {
        QString text;
        bool tagged = false;
        std::shared_ptr<ITTSBufNotifySink> sink;
        std::vector<std::pair<int, int>> pieces;
        size_t next = 0;     // the first piece not sent yet
        bool started = false;
        int lastWord = -1;   // the last word (or sentence) heard
    };
    struct Sent
    {
        size_t id = 0;
        int start = 0, length = 0;
    };

    void Pump();
    void OnEvent(size_t id, int type, int mark);
    void Unwatch();
    void Silence();
    void Lost(const QString &reason);

    EspeakMode m_Mode;
    QString m_Module, m_Voice, m_Variant;
    bool m_File = false;
    std::deque<Job> m_Jobs;
    std::deque<Sent> m_InFlight;
    bool m_Paused = false;
    QString m_Failure;
    std::unique_ptr<QObject> m_Context;
    QTimer *m_Watch = nullptr;
};
