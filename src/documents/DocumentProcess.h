#pragma once

#include "documents/Document.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QTimer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QProcess;
class QTemporaryFile;

// Reads a file from outside (a text file or a document) in a child process, the
// program's reader (parlewind-reader: it alone loads the libraries of the formats,
// so the window starts without them). The child reads the one file, then is shut in
// (a memory and processor-time limit, no files written, no connections) before it
// makes sense of it, and hands back the chapters as text. Whatever a file does to
// the reader, this process only ever sees a document or a reason; a child that
// goes quiet or takes too long is ended.
//
// A web address is fetched here (the child never connects): http and https,
// redirects followed, no cookies kept, the charset the server gives; the page is
// then read like a file, and a page in parts that links its next part
// (rel="next") is read as one.
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
        int FetchSeconds = 20; // a web server that says nothing for longer is not waited for
        int MaxRedirects = 10;
        int MaxParts = 20; // of a page in parts
    };

    explicit TDocumentProcess(QObject *parent = nullptr);
    ~TDocumentProcess() override;

    // Pictures of pages are recognised in this language ("de", "pt-BR") when they
    // do not say their own, else in English. Set before Start.
    void SetLanguage(const QString &code) { m_Language = code; }
    // A web page is read whole, not only its main text. Set before Start.
    void SetWholePage(bool whole) { m_WholePage = whole; }
    // Starts reading `path`, a file or a web address; Progress is told as it goes,
    // Finished once at the end.
    void Start(const QString &path);
    // The text is an http or https address, and nothing else.
    static bool IsAddress(const QString &text);
    // What a document read from `path` is called when it has no title of its own:
    // a file's name without its extension, an address's last part or its site.
    static QString FallbackTitle(const QString &path);
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
    // The reader's side (its main): `arguments` are those it was started with.
    // Writes the result to standard output; returns the exit status.
    static int ChildMain(const QStringList &arguments);

signals:
    void Progress(int done, int total);
    // Pages of pictures recognised so far.
    void Recognising(int done, int total);
    // A web page's part (1, 2…) is being fetched.
    void Fetching(int part);
    void Finished();

private:
    void StartChild(const QString &file, const QByteArray &charset);
    void Fetch(const QUrl &url);
    void Fetched();
    void PartRead(TDocument part);
    void PartFailed(const QString &why);
    void Take();
    bool TakeRecord(char type, const QByteArray &payload);
    void End(TResult result, const QString &why = {});
    // The child reading a part is stopped (if it still runs) and let go.
    void DropChild();
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
    bool m_WholePage = false;
    // A web page: where it is (after redirects), its parts fetched, the one being
    // fetched and the file the child reads it from.
    QNetworkAccessManager *m_Network = nullptr;
    QNetworkReply *m_Reply = nullptr;
    QUrl m_Url;
    QSet<QUrl> m_Seen;
    int m_Parts = 0;
    QByteArray m_Page;
    std::unique_ptr<QTemporaryFile> m_File;
};
