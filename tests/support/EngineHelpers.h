#pragma once

#include "platform/sapi/Sapi.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// Records what an engine reports about the texts it was given.
class RecordingBufSink : public ITTSBufNotifySink
{
public:
    struct Event
    {
        enum Kind { Started, Word, Done, BookMark, Sentence, Voice } kind;
        quint32 value = 0;
        qint64 at = 0; // ms since the sink was made
        quint64 stamp = 0; // the engine's: written to a file, the place in its sound in bytes
    };

    RecordingBufSink() { m_Clock.start(); }
    HRESULT TextDataStarted(quint64) override { return Add(Event::Started, 0); }
    HRESULT BookMark(quint64, quint32 mark) override { return Add(Event::BookMark, mark); }
    HRESULT WordPosition(quint64 stamp, quint32 offset) override { return Add(Event::Word, offset, stamp); }
    HRESULT SentencePosition(quint64 stamp, quint32 offset, quint32 length) override
    {
        sentenceLengths << int(length / 2);
        return Add(Event::Sentence, offset, stamp);
    }
    HRESULT VoiceChange(quint64 stamp, quint32 offset, const QUuid &mode) override
    {
        voices << mode;
        return Add(Event::Voice, offset, stamp);
    }
    HRESULT TextDataDone(quint64, quint32 flags) override
    {
        doneFlags = flags;
        return Add(Event::Done, 0);
    }

    int Count(Event::Kind kind) const
    {
        int n = 0;
        for (const Event &e : events)
            n += e.kind == kind;
        return n;
    }
    // Character indexes of the words (or sentences) reported (byte offsets halved).
    QList<int> WordIndexes(Event::Kind kind = Event::Word) const
    {
        QList<int> indexes;
        for (const Event &e : events)
            if (e.kind == kind)
                indexes << static_cast<int>(e.value / 2);
        return indexes;
    }

    QList<Event> events;
    QList<int> sentenceLengths;
    QList<QUuid> voices; // each change of voice's
    quint32 doneFlags = 0;
    std::function<void(const Event &)> onEvent;

private:
    HRESULT Add(Event::Kind kind, quint32 value, quint64 stamp = 0)
    {
        events.append({kind, value, m_Clock.elapsed(), stamp});
        if (onEvent)
            onEvent(events.last());
        return S_OK;
    }
    QElapsedTimer m_Clock;
};

// Runs the event loop until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()> &condition, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

inline void Pump(int ms)
{
    WaitUntil([] { return false; }, ms);
}

// A text as the speech component hands it over: UTF-16 with its terminator.
struct WideText
{
    explicit WideText(const QString &text) : utf16(text) {}
    SDATA Data() const
    {
        return {utf16.utf16(), static_cast<quint32>(utf16.size() * 2 + 2)};
    }
    QString utf16;
};

// The samples of a 16-bit mono WAV file, checking its header on the way.
struct WaveData
{
    bool valid = false;
    int rate = 0;
    QList<qint16> samples;
    double Seconds() const { return rate ? double(samples.size()) / rate : 0; }
};
WaveData ReadWave(const QString &path);
// How long the sound is heard, its silences (softer than -42 dB) left out: the
// length of the speech itself, whatever pauses it was given.
double SpokenSeconds(const WaveData &wave);
// The median fundamental frequency of the voiced parts, in Hz (0 if none).
double MedianPitch(const WaveData &wave);

// What a sink of the test sound server played while `during` ran, as 22,050 Hz
// mono samples (empty when it could not be recorded).
QList<qint16> RecordSink(const QString &sink, const std::function<void()> &during);
// The samples loud enough to be speech in such a recording: how many, the first, the last (-1 without any).
struct Audible
{
    qsizetype count = 0, first = -1, last = -1;
};
Audible Heard(const QList<qint16> &samples);
