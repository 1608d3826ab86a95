#pragma once

#include "documents/Document.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QProcess;

// Reads a file from outside (a text file or a document) in a child process of
// this program's own executable: the child reads the one file, then is shut in
// (a memory and processor-time limit, no files written, no connections) before it
// makes sense of it, and hands back the chapters as text. Whatever a file does to
// the reader, this process only ever sees a document or a reason; a child that
// goes quiet or takes too long is ended.
class TDocumentProcess : public QObject
{
    Q_OBJECT

public:
    enum class TResult
    {
        Reading,
        Read,
        Failed,
        Stopped
    };

    struct TLimits
    {
        qint64 MemoryBytes = qint64(2) * 1024 * 1024 * 1024;
        int Seconds = 120;     // the whole reading
        int QuietSeconds = 10; // one step of it (a page): a longer one never ends
        int SecondsPerRecognisedPage = 5; // added to the whole for each page of pictures
        int RecognitionQuietSeconds = 40; // a step while recognising: a dense page on a slow core
    };

    explicit TDocumentProcess(QObject *parent = nullptr);
    ~TDocumentProcess() override;

    // Pictures of pages are recognised in this language ("de", "pt-BR") when they
    // do not say their own, else in English. Set before Start.
    void SetLanguage(const QString &code) { m_Language = code; }
    // Starts reading `path`; Progress is told as it goes, Finished once at the end.
    void Start(const QString &path);
    // Ends the reading at once: Stopped, nothing read.
    void Cancel();
    // Lets events run until the reading has finished.
    TResult Wait();

    TResult Result() const { return m_Result; }
    const TDocument &Document() const { return m_Document; }
    // Why it failed, naming the file.
    const QString &Error() const { return m_Error; }
    // The most memory the child used, as it said (0 when it did not get to say).
    qint64 PeakMemory() const { return m_PeakMemory; }

    static void SetLimits(const TLimits &limits);
    static TLimits Limits();
    // The executable started as the child: this program's own, unless another
    // program (a benchmark) hosts the reader.
    static void SetProgram(const QString &path);

    // The child's side: `arguments` are those after "--read-document". Writes the
    // result to standard output; returns the exit status.
    static int ChildMain(const QStringList &arguments);
    static constexpr const char *ChildOption = "--read-document";

signals:
    void Progress(int done, int total);
    // Pages of pictures recognised so far.
    void Recognising(int done, int total);
    void Finished();

private:
    void Take();
    bool TakeRecord(char type, const QByteArray &payload);
    void End(TResult result, const QString &why = {});
    void ChildEnded();

    QProcess *m_Process = nullptr;
    QTimer m_Quiet;
    QTimer m_Whole;
    QString m_Path;
    QString m_Language;
    QByteArray m_Received;
    TResult m_Result = TResult::Stopped;
    TDocument m_Document;
    QString m_Error;
    qint64 m_PeakMemory = 0;
    int m_Allowed = 0; // seconds the whole reading may take
    int m_RecognitionPages = 0; // pages of pictures it said it recognises
};
