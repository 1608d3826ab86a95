#pragma once

#include "audio/AudioWriter.h"
#include "audio/TimedText.h"
#include "core/ReadState.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QTimer;
class TEncodeJobs;
class TReadAlongBook;
class TMemoEntry;
class TProgramCore;
class TTTS;
class TTTSForm;

// Reads articles aloud or into WAV and MP3 files, one after another, driven by the
// speech component's events. It owns the run; what a window shows of it, it says
// through its signals.
class TReadingSession : public QObject
{
    Q_OBJECT
public:
    explicit TReadingSession(TProgramCore &core, QObject *parent = nullptr);
    ~TReadingSession() override;

    TReadState State() const { return m_State; }
    // Where the run in progress (or the last one) sends its speech.
    TReadTarget RunTarget() const { return m_RunTarget; }
    // The article being read, if any.
    TMemoEntry *CurrentArticle() const { return m_CurrentArticle; }
    // The last word heard of the article being read aloud (-1 before the first).
    int LastWordHeard() const { return m_LastWord; }
    TEncodeJobs &EncodeJobs() const { return *m_EncodeJobs; }
    // A voice test or help topic is being spoken (no article, nothing to skip to).
    bool Testing() const { return m_Testing; }

    // The commands.
    void ReadAloud();
    void ReadToFile();
    void TogglePause();
    void Skip();
    void Stop();
    // Reads `article` aloud from the word at `caret` (or where its reading
    // stopped, for -1), then the articles after it.
    void ReadFromHere(TMemoEntry *article, int caret);
    // While reading aloud: starts again at the previous (-1) or next (+1) sentence.
    void JumpSentence(int direction);
    // The sleep timer: the reading stops after `minutes` (at the end of a
    // sentence), at the end of the article (-1), or never (0).
    void SetSleepTimer(int minutes);
    // Reads one article (the current one when none is given); `ownButton`: from the
    // article's own button, which first ends any other article's reading.
    void ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton = false);
    void SpeakTest(const QString &text, const QString &voice);

    // The status line: `text`, or what the run is doing when it is blank.
    void ShowStatus(const QString &text);
    void ResetStatus();
    // The exit: the place read to is kept, the run and its encodings end.
    void BeginExit();
    // An exit that could not save the articles: the program goes on, idle.
    void CancelExit();
    // The program ends: the speech stops where it is.
    void StopSpeech();

    // Where each article's reading stopped, kept beside the saved articles.
    void RememberPlace(TMemoEntry *article, int place);
    void SavePlaces();
    // Gives the articles their places; what went wrong with the file, or nothing.
    QString ApplyPlaces();

    // The speech file being written by a file run.
    QString SpeechFileName() const { return m_SpeechFileName; }
    // Tests put the reading into a state directly.
    void SetState(TReadState state);

    // Tests shorten the sleep timer's minutes by this much.
    static inline int SleepTimerScale = 1;

signals:
    void StateChanged(TReadState state);
    // The state or the article being read changed (after StateChanged).
    void ReadingChanged();
    // The status line's text, and the short one for small places.
    void StatusChanged(const QString &longText, const QString &shortText);
    void ProgressRange(int maximum);
    void Progress(int value);
    void ProgressShown(bool shown);
    void PauseChanged(bool paused);
    // An article's reading began, or went on after a pause.
    void ArticleStarted(TMemoEntry *article);
    // The words from `start` to `end` of the article are being spoken (or its
    // reading place is there, when they are the same).
    void WordReached(TMemoEntry *article, int start, int end);
    // A file cannot be made of the article until it has a title.
    void ArticleNeedsTitle(TMemoEntry *article);


private:
    TTTSForm *Voices() const;
    // Traced, and told to whatever shows the status.
    void Tell(const QString &longText, const QString &shortText);
    bool Stopped() const { return m_State == rsIdle || m_State == rsExiting; }
    void ConnectTextDone(void (TReadingSession::*handler)());
    void SoundDeviceLost();
    void EngineFailed();
    // Runs a call into the engine from a handler; a failure is shown and ends the
    // run (false).
    bool EngineCall(const std::function<void()> &call);
    // Ends a run after a failure: everything unlocked, the engine off, idle.
    void EndRun();
    // Reads the list from its first article to m_ReadTarget.
    void StartRun();
    // Tells the user when the output folder is missing.
    bool OutputDirectoryExists();
    bool RefusedForFiles(TMemoEntry *article);
    bool PrepareOutput(TMemoEntry *article, TReadTarget target);
    // A read-along book: begun before its first article is read, a chapter an
    // article, written once the last chapter's sound is made.
    bool BeginBook(TMemoEntry *first);
    bool PrepareChapter(TMemoEntry *article);
    void WriteBook();
    void DropBook();
    // `from`: where in the article's text the reading begins (a word's start).
    void StartReading(TMemoEntry *article, TReadTarget target, int from = 0);
    void RunTextDone();
    // Reads the article at this position of a run (after preparing its file).
    void ContinueRun(int position);
    void SingleTextDone();
    void TestTextDone();
    // The end of a run or of a single reading once its MP3 files are made.
    void FinishRun();
    // Closes the output and makes the MP3; false when the file could not be
    // finished (the user was told), which ends the run.
    bool FinishOutput(bool abort);
    bool PutWavInPlace();
    void WriteTimedText(const QString &path, const QByteArray &text);
    void EncodeJobEnded(const QString &mp3File, const QString &speechFile, bool ok, const QString &failure);
    // Goes on with a run that waited for a worker, or ends one whose MP3 files are made.
    void EncodeWorkerFreed();
    // `byteLength`: the sentence a voice that tells no words is speaking.
    void WordPosition(TTTS *sender, quint64 timeStamp, quint32 byteOffset, quint32 byteLength = 0);
    void ShowWordPosition(quint32 byteOffset, quint32 byteLength = 0);
    void SetProgress(int maximum, int value);
    QString SleepText() const;
    // Where the sentences around the last word heard start.
    std::vector<int> SentencesNearWord() const;
    // What the status line adds about the files being encoded.
    QString EncodingText() const;
    // "Converting to MP3 format: ", or the format being made.
    QString ConvertingText() const;
    // The name of the file being made.
    QString OutputName() const;

    TProgramCore &m_Core;
    TReadState m_State = rsIdle;
    TReadTarget m_ReadTarget = rtSpeakers;
    TReadTarget m_RunTarget = rtSpeakers;
    TMemoEntry *m_CurrentArticle = nullptr;
    bool m_Testing = false;
    QString m_SpeechFileName;
    QString m_Mp3FileName;
    QString m_WavFileName; // where a WAV file's speech goes when it is complete
    // The encoded files of file runs, made on worker threads while the reading goes on.
    TEncodeJobs *m_EncodeJobs = nullptr;
    // Speech into a file: the word the caret goes to at the next tick, -1 for none.
    QTimer *m_WordTimer = nullptr;
    qint64 m_PendingWord = -1;
    quint32 m_PendingLength = 0;
    // A run's next article while every worker is making an MP3 file, else 0.
    int m_NextArticle = 0;
    // The reading is over; the run ends when its MP3 files are made.
    bool m_EncodingToEnd = false;
    // The MP3 files of a multiple-files run are numbered as tracks.
    int m_RunTrack = 0;
    // Reading aloud: where in the article the speech began, the last word heard,
    // where to start again after a sentence jump.
    int m_ReadFrom = 0;
    int m_LastWord = -1;
    int m_RestartAt = -1;
    // The sleep timer: when it runs out (or at the article's end); once due, the
    // reading ends at the next sentence's start.
    QTimer *m_SleepTimer = nullptr;
    bool m_SleepAtArticleEnd = false;
    int m_SleepStopAt = -1;
    // The output being spoken goes on to an encoded file (MP3, M4B, Opus), or is
    // a WAV file; a single file's chapters: where each article begins in it.
    TOutputFormat m_OutputFormat = TOutputFormat::Wav;
    std::vector<TAudioChapter> m_Chapters;
    // The text timed to the speech of the output being spoken, and that of files
    // still being encoded, written beside each when it is in place.
    TSubtitleFormat m_Subtitles = TSubtitleFormat::None;
    TTimedText m_Timed;
    QHash<QString, std::pair<QString, QByteArray>> m_PendingTimedText; // sound file: where, what
    // The read-along book being made, and where it goes.
    std::unique_ptr<TReadAlongBook> m_Book;
    QString m_BookPath;
};
