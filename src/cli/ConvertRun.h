#pragma once

#include "articles/LanguageRange.h"
#include "audio/AudioTags.h"
#include "audio/TimedText.h"
#include "cli/ConvertOptions.h"
#include "cli/ProgressBar.h"

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <csignal>
#include <memory>
#include <vector>

class TEncodeJobs;
class TPreferences;
class TReadAlongBook;
class TTTSForm;

// A conversion from the command line: reads the inputs, names the outputs, and
// speaks each into its file with the window's voice manager, while earlier ones
// are made into MP3 files on the other cores. Every failure is told with the
// input it concerns; the others are still written.
class TConvertRun : public QObject
{
    Q_OBJECT
public:
    // What the run's exit status says.
    enum TResult { AllWritten = 0, SomeFailed = 1, BadUsage = 2 };

    TConvertRun(const TConvertOptions &options, TPreferences &prefs, TTTSForm &voices, QObject *parent = nullptr);
    ~TConvertRun() override;

    // Reads the inputs and checks the options against the voices. BadUsage (told
    // on standard error) ends the run before anything is written.
    TResult Prepare();
    // Starts the conversion; Done follows, also when nothing is left to do.
    void Start();
    // Stops at once for a signal (Ctrl+C by default), leaving no unfinished file
    // under a final name; the exit status is 128 + the signal's number.
    void Stop(int signalNumber = SIGINT);

signals:
    void Done(int result);

private:
    // One file to write, from one text or (into a single file) several.
    struct TOutput
    {
        QString Path;
        QStringList Sources;
        QStringList Texts;
        QStringList Titles; // each text's, for its chapter
        std::vector<TLanguageRanges> Languages; // each text's parts in other languages, as its document says
        std::vector<TAudioChapter> Chapters; // where each text begins, as spoken
        TTimedText Timed;
        double SpeechEnd = 0; // seconds of speech in its file
        QString Voice;
        QString Language; // a book's own, or empty
        TAudioTags Tags;
        QString Speech; // the speech file being written
        qint64 Chars = 0;
        qint64 SpeechBytes = 0;
        int TextsSpoken = 0;
        bool SpeechDone = false;
        bool Finished = false;
        bool EngineFailed = false; // its speech is unfinished
        bool Made = false; // its encoded file is complete
    };

    TResult AddTextInput(const QString &input);
    TResult AddDocument(const QString &file);
    TResult AddArticles(const QString &file);
    TResult CheckVoices();
    bool MakeOutDir();
    void NameOutputs();
    // A read-along book: its name and what it says of itself.
    void NameBook();
    void FinishBook();
    bool Book() const { return m_Options.Format == TOutputFormat::Epub && !m_Options.Text; }
    void Fail(const QString &source, const QString &reason);
    static QString AlreadyThere(const QString &path);
    void Next();
    void Begin(TOutput &output);
    void TextDone();
    void SpeechFinished(TOutput &output);
    void WriteText(TOutput &output);
    void PutInPlace(TOutput &output);
    void WriteTimedText(TOutput &output);
    void JobEnded(const QString &mp3, const QString &speech, bool ok, const QString &failure);
    void Finish();
    void Tick();
    // What a failure of this output names: its input, or the single file of many.
    QString Source(const TOutput &output) const;
    QString RecordedMessages() const;

    const TConvertOptions m_Options;
    TPreferences &m_Prefs;
    TTTSForm &m_Voices;
    TEncodeJobs *m_Jobs;
    TProgressBar m_Bar;
    QTimer m_Ticker;
    QElapsedTimer m_Clock;
    std::vector<TOutput> m_Outputs; // into a book: its chapters
    std::unique_ptr<TReadAlongBook> m_Book;
    QString m_BookPath;
    size_t m_Next = 0;
    TOutput *m_Speaking = nullptr;
    double m_SpokenFraction = 0; // of the text being spoken
    int m_Failures = 0;
    bool m_Stopped = false;
    bool m_Ended = false;
};
