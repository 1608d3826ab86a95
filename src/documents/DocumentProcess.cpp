#include "documents/DocumentProcess.h"

#include "articles/TextFile.h"
#include "documents/Recognition.h"
#include "platform/shell/ChildRecords.h"
#include "platform/shell/Confinement.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QProcess>
#include <QTemporaryFile>

#include <algorithm>
#include <climits>

// The child writes records to its standard output (ChildRecords), each payload
// written with QDataStream.
//   'P' progress: qint32 done, qint32 total
//   'R' pages recognised: qint32 done, qint32 total
//   'D' document: qint64 peak memory, title, chapter count, then title and text of
//       each (UTF-8), then author (UTF-8), cover, language, note and next part (UTF-8)
//   'E' refused:  qint64 peak memory, the reason (UTF-8, naming the file)
//   'M' out of memory
namespace {

TDocumentProcess::TLimits limits;

// More text than any book: a child that hands back more is not believed.
constexpr qsizetype maxReceived = 512 * 1024 * 1024;

QString Megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

// A web page's cookies are neither kept nor sent.
class TNoCookies : public QNetworkCookieJar
{
public:
    using QNetworkCookieJar::QNetworkCookieJar;
    bool setCookiesFromUrl(const QList<QNetworkCookie> &, const QUrl &) override { return false; }
    QList<QNetworkCookie> cookiesForUrl(const QUrl &) const override { return {}; }
};

} // namespace

TDocumentProcess::TDocumentProcess(QObject *parent) : QObject(parent)
{
    m_Quiet.setSingleShot(true);
    m_Whole.setSingleShot(true);
    connect(&m_Quiet, &QTimer::timeout, this, [this] {
        if (m_Reply)
            End(TResult::Failed, QCoreApplication::translate(
                                     "Documents", "could not be reached (no answer for %1 seconds)")
                                     .arg(limits.FetchSeconds));
        else
            End(TResult::Failed,
                QCoreApplication::translate(
                    "Documents",
                    "took too long to read (a step of it went on for more than %1 seconds)")
                    .arg(m_RecognitionPages > 0 ? limits.RecognitionQuietSeconds
                                                : limits.QuietSeconds));
    });
    connect(&m_Whole, &QTimer::timeout, this, [this] {
        End(TResult::Failed,
            m_Reply ? QCoreApplication::translate("Documents", "could not be fetched in %1 seconds")
                          .arg(m_Allowed)
                    : QCoreApplication::translate("Documents",
                                                  "took too long to read (more than %1 seconds)")
                          .arg(m_Allowed));
    });
}

TDocumentProcess::~TDocumentProcess()
{
    if (m_Result == TResult::Reading)
        End(TResult::Stopped);
}

void TDocumentProcess::SetLimits(const TLimits &value)
{
    limits = value;
}

TDocumentProcess::TLimits TDocumentProcess::Limits()
{
    return limits;
}

bool TDocumentProcess::IsAddress(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!(trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
          trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) ||
        std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isSpace(); }))
        return false;
    const QUrl url(trimmed, QUrl::StrictMode);
    return url.isValid() && !url.host().isEmpty();
}

QString TDocumentProcess::FallbackTitle(const QString &path)
{
    // A name may hold line breaks and other controls; a title is one line.
    if (!IsAddress(path))
        return QFileInfo(path).completeBaseName().simplified();
    const QUrl url(path.trimmed());
    const QString name = QFileInfo(url.fileName()).completeBaseName().simplified();
    return name.isEmpty() ? url.host() : name;
}

void TDocumentProcess::Start(const QString &path)
{
    m_Path = path;
    m_Received.clear();
    m_Document = TDocument();
    m_Error.clear();
    m_PeakMemory = 0;
    m_Result = TResult::Reading;
    m_Allowed = limits.Seconds;
    m_RecognitionPages = 0;
    m_Parts = 0;
    m_Seen.clear();
    if (IsAddress(path)) {
        m_Path = path.trimmed();
        Fetch(QUrl(m_Path));
        return;
    }
    StartChild(path, {});
}

void TDocumentProcess::StartChild(const QString &file, const QByteArray &charset)
{
    m_Process = new QProcess(this);
    // What goes wrong in the child is reported through its records; its own
    // complaints (a sanitizer's, say) go where this program's go.
    m_Process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_Process->setStandardInputFile(QProcess::nullDevice());
    m_Process->setChildProcessModifier(Confinement::EndsWithParent());
    // Text recognition runs a page on each core; the library's own threads would
    // only compete with them.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("OMP_THREAD_LIMIT"), QStringLiteral("1"));
    m_Process->setProcessEnvironment(environment);
    connect(m_Process, &QProcess::readyReadStandardOutput, this, &TDocumentProcess::Take);
    connect(m_Process, &QProcess::finished, this, &TDocumentProcess::ChildEnded);
    connect(m_Process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            End(TResult::Failed,
                QCoreApplication::translate("Documents",
                                            "could not be read: the reader did not start (%1)")
                    .arg(m_Process->errorString()));
    });
    m_Quiet.start(limits.QuietSeconds * 1000);
    m_Allowed = limits.Seconds;
    m_RecognitionPages = 0;
    m_Whole.start(limits.Seconds * 1000);
    // The child's processor time allows for the most pages it may recognise; the
    // time it is given here grows only with the pages it says it has.
    const int processorSeconds = limits.Seconds + limits.SecondsPerRecognisedPage * Recognition::MaxFrames;
    const QString reader = ProgramPaths::HelperProgram(QStringLiteral("parlewind-reader"));
    m_Process->start(reader.isEmpty() ? QStringLiteral("parlewind-reader") : reader,
                     {QString::number(limits.MemoryBytes), QString::number(processorSeconds), file,
                      m_Language, m_WholePage ? QStringLiteral("whole") : QStringLiteral("main"),
                      QString::fromLatin1(charset)});
}

void TDocumentProcess::Fetch(const QUrl &url)
{
    if (!m_Network) {
        m_Network = new QNetworkAccessManager(this);
        m_Network->setCookieJar(new TNoCookies(m_Network));
        m_Network->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    }
    m_Url = url;
    m_Seen.insert(url.adjusted(QUrl::RemoveFragment));
    m_Page.clear();
    emit Fetching(++m_Parts);
    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(limits.MaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Parlewind/1 (text-to-speech reader)"));
    request.setRawHeader("Accept", "text/html,application/xhtml+xml,text/plain;q=0.9,*/*;q=0.1");
    m_Reply = m_Network->get(request);
    connect(m_Reply, &QNetworkReply::readyRead, this, [this] {
        m_Quiet.start(limits.FetchSeconds * 1000);
        m_Page += m_Reply->readAll();
        if (m_Page.size() > TextFile::MaxTextFileBytes)
            End(TResult::Failed,
                QCoreApplication::translate(
                    "Documents", "is too large to be read as an article (more than 64 MB)"));
    });
    connect(m_Reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (total > 0)
            emit Progress(int(std::min(received, total) / 1024), int(total / 1024));
    });
    connect(m_Reply, &QNetworkReply::finished, this, &TDocumentProcess::Fetched);
    m_Quiet.start(limits.FetchSeconds * 1000);
    if (m_Parts == 1)
        m_Whole.start(limits.Seconds * 1000);
}

void TDocumentProcess::Fetched()
{
    QNetworkReply *reply = std::exchange(m_Reply, nullptr);
    reply->deleteLater();
    m_Quiet.stop();
    m_Page += reply->readAll();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QString contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    const QString kind = contentType.section(QLatin1Char(';'), 0, 0).trimmed().toLower();
    QString why;
    if (status >= 400) {
        why = QCoreApplication::translate("Documents", "answered %1 %2")
                  .arg(status)
                  .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute)
                           .toString()
                           .simplified());
    } else if (reply->error() == QNetworkReply::TooManyRedirectsError) {
        why = QCoreApplication::translate(
                  "Documents", "could not be reached (it sends the reader on more than %1 times)")
                  .arg(limits.MaxRedirects);
    } else if (reply->error() == QNetworkReply::InsecureRedirectError) {
        why = QCoreApplication::translate(
            "Documents",
            "could not be reached (it sends the reader from a secure address to an insecure one)");
    } else if (reply->error() != QNetworkReply::NoError) {
        why = QCoreApplication::translate("Documents", "could not be reached (%1)")
                  .arg(reply->errorString());
    } else if (m_Page.size() > TextFile::MaxTextFileBytes) {
        why = QCoreApplication::translate(
            "Documents", "is too large to be read as an article (more than 64 MB)");
    } else if (!kind.isEmpty() && kind != QLatin1String("text/html") && kind != QLatin1String("application/xhtml+xml") &&
               kind != QLatin1String("text/plain")) {
        why = QCoreApplication::translate("Documents", "is not a web page (%1)").arg(kind);
    }
    if (!why.isEmpty()) {
        PartFailed(why);
        return;
    }
    m_Url = reply->url();
    // The reader reads files only: the page goes to one only this user can read,
    // removed once it has been read.
    const QString suffix = kind == QLatin1String("text/plain") ? QStringLiteral(".txt") : QStringLiteral(".html");
    m_File = std::make_unique<QTemporaryFile>(QDir::tempPath() + QStringLiteral("/parlewind-page-XXXXXX") + suffix);
    if (!m_File->open() || m_File->write(m_Page) != m_Page.size() || !m_File->flush()) {
        End(TResult::Failed,
            QCoreApplication::translate("Documents", "could not be kept to be read (%1)")
                .arg(m_File->errorString()));
        return;
    }
    m_File->close();
    QByteArray().swap(m_Page);
    QByteArray charset;
    for (const QString &parameter : contentType.split(QLatin1Char(';')).mid(1))
        if (parameter.trimmed().startsWith(QLatin1String("charset="), Qt::CaseInsensitive))
            charset = parameter.trimmed().mid(8).remove(QLatin1Char('"')).toLatin1();
    StartChild(m_File->fileName(), charset);
}

void TDocumentProcess::PartFailed(const QString &why)
{
    // A later part that fails leaves the parts read so far.
    if (m_Parts > 1) {
        m_Document.Note =
            QCoreApplication::translate("Documents", "part %1 %2; the parts before it were read")
                .arg(m_Parts)
                .arg(why);
        End(TResult::Read);
    } else {
        End(TResult::Failed, why);
    }
}

void TDocumentProcess::PartRead(TDocument part)
{
    if (m_Parts == 0) {
        m_Document = std::move(part);
        End(TResult::Read);
        return;
    }
    const QUrl next = part.Next.isEmpty() ? QUrl() : m_Url.resolved(QUrl(part.Next));
    if (m_Parts == 1) {
        m_Document = std::move(part);
    } else {
        // A part repeats the page's headline: its text goes on the last chapter's.
        for (TDocument::TChapter &chapter : part.Chapters) {
            TDocument::TChapter &last = m_Document.Chapters.back();
            if (chapter.Title.isEmpty() || chapter.Title == last.Title) {
                if (!chapter.Title.isEmpty() && chapter.Text.startsWith(chapter.Title)) {
                    const int cut = int(std::min(chapter.Title.size() + 1, chapter.Text.size()));
                    chapter.Text.remove(0, cut);
                    chapter.Languages.removeIf([cut](const TLanguageRange &r) { return r.Start < cut; });
                    for (TLanguageRange &r : chapter.Languages)
                        r.Start -= cut;
                }
                if (!chapter.Text.isEmpty()) {
                    LanguageRanges::Append(last.Languages, chapter.Languages, int(last.Text.size()) + 1);
                    last.Text += QLatin1Char('\n') + chapter.Text;
                }
            } else {
                m_Document.Chapters.push_back(std::move(chapter));
            }
        }
    }
    if (m_Parts >= limits.MaxParts || !next.isValid() || (next.scheme() != QLatin1String("http") && next.scheme() != QLatin1String("https")) ||
        m_Seen.contains(next.adjusted(QUrl::RemoveFragment))) {
        End(TResult::Read);
        return;
    }
    // The child of this part is done with; the next part is fetched.
    m_Quiet.stop();
    DropChild();
    m_File.reset();
    Fetch(next);
}

void TDocumentProcess::Cancel()
{
    if (m_Result == TResult::Reading)
        End(TResult::Stopped);
}

TDocumentProcess::TResult TDocumentProcess::Wait()
{
    if (m_Result != TResult::Reading)
        return m_Result;
    QEventLoop loop;
    connect(this, &TDocumentProcess::Finished, &loop, &QEventLoop::quit);
    loop.exec();
    return m_Result;
}

void TDocumentProcess::Take()
{
    m_Received += m_Process->readAllStandardOutput();
    if (m_Received.size() > maxReceived) {
        End(TResult::Failed, QCoreApplication::translate(
                                 "Documents", "holds more text than can be read as articles"));
        return;
    }
    qsizetype at = 0;
    char type = 0;
    QByteArray payload;
    while (m_Result == TResult::Reading && ChildRecords::Next(m_Received, &at, &type, &payload)) {
        if (!TakeRecord(type, payload))
            End(TResult::Failed,
                QCoreApplication::translate("Documents",
                                            "could not be read (the reader answered nonsense)"));
    }
    if (m_Result == TResult::Reading)
        m_Received.remove(0, at);
}

bool TDocumentProcess::TakeRecord(char type, const QByteArray &payload)
{
    QDataStream in(payload);
    m_Quiet.start((type == 'R' ? limits.RecognitionQuietSeconds : limits.QuietSeconds) * 1000);
    if (type == 'P') {
        qint32 done = 0, total = 0;
        in >> done >> total;
        if (in.status() == QDataStream::Ok)
            emit Progress(done, total);
    } else if (type == 'R') {
        qint32 done = 0, total = 0;
        in >> done >> total;
        if (in.status() != QDataStream::Ok)
            return false;
        // A long scan is given time by its pages, each no longer than a step.
        if (total > m_RecognitionPages && total <= Recognition::MaxFrames) {
            const int more = (total - m_RecognitionPages) * limits.SecondsPerRecognisedPage;
            m_RecognitionPages = total;
            m_Allowed += more;
            m_Whole.start(int(std::min<qint64>(m_Whole.remainingTime() + qint64(more) * 1000, INT_MAX)));
        }
        emit Recognising(done, total);
    } else if (type == 'D') {
        TDocument part;
        QByteArray title;
        quint32 count = 0;
        in >> m_PeakMemory >> title >> count;
        part.Title = QString::fromUtf8(title);
        for (quint32 k = 0; k < count && in.status() == QDataStream::Ok; ++k) {
            QByteArray chapterTitle, text;
            in >> chapterTitle >> text;
            part.Chapters.push_back({QString::fromUtf8(chapterTitle), QString::fromUtf8(text), {}});
        }
        QByteArray author, language, note, next;
        in >> author >> part.Cover >> language >> note >> next;
        part.Author = QString::fromUtf8(author);
        part.Language = QString::fromUtf8(language);
        part.Note = QString::fromUtf8(note);
        part.Next = QString::fromUtf8(next);
        for (TDocument::TChapter &chapter : part.Chapters) {
            QByteArray languages;
            in >> languages;
            chapter.Languages = LanguageRanges::FromText(languages, int(chapter.Text.size()));
        }
        if (in.status() == QDataStream::Ok && !part.Chapters.empty()) {
            PartRead(std::move(part));
            return true;
        }
    } else if (type == 'E') {
        QByteArray why;
        in >> m_PeakMemory >> why;
        if (in.status() == QDataStream::Ok) {
            QString error = QString::fromUtf8(why);
            // The reason names the file the page was kept in, which means nothing to the user.
            if (m_File) {
                error.replace(m_File->fileName(), m_Path);
                if (m_Parts > 1) {
                    PartFailed(error.mid(m_Path.size())
                                   .section(DocumentReader::NotOpened(QString(), QString())
                                                .trimmed()
                                                .chopped(1),
                                            0, 0)
                                   .trimmed());
                    return true;
                }
            }
            m_Error = error;
            End(TResult::Failed);
        }
    } else if (type == 'M') {
        End(TResult::Failed,
            QCoreApplication::translate("Documents", "needs more than %1 MB of memory to read")
                .arg(Megabytes(limits.MemoryBytes)));
    }
    return in.status() == QDataStream::Ok && (type == 'P' || type == 'R' || m_Result != TResult::Reading);
}

void TDocumentProcess::ChildEnded()
{
    QProcess *ended = m_Process;
    Take();
    // Read, or done with and the next part of a page being fetched.
    if (m_Result != TResult::Reading || m_Process != ended)
        return;
    // Ended without a word: a limit of the system's, or a fault in a library.
    End(TResult::Failed,
        m_Process->exitStatus() == QProcess::CrashExit
            ? QCoreApplication::translate(
                  "Documents",
                  "could not be read (the reader failed on it; the file may be damaged, or "
                  "need more than %1 MB of memory or %2 seconds)")
                  .arg(Megabytes(limits.MemoryBytes))
                  .arg(m_Allowed)
            : QCoreApplication::translate(
                  "Documents", "could not be read (the reader ended without an answer)"));
}

void TDocumentProcess::End(TResult result, const QString &why)
{
    m_Quiet.stop();
    m_Whole.stop();
    m_Result = result;
    if (!why.isEmpty())
        m_Error = DocumentReader::NotOpened(m_Path, why);
    if (result != TResult::Read)
        m_Document = TDocument();
    m_Received.clear();
    if (m_Reply) {
        m_Reply->disconnect(this);
        m_Reply->abort();
        m_Reply->deleteLater();
        m_Reply = nullptr;
    }
    m_File.reset();
    m_Page.clear();
    DropChild();
    emit Finished();
}

void TDocumentProcess::DropChild()
{
    if (!m_Process)
        return;
    m_Process->disconnect(this);
    if (m_Process->state() != QProcess::NotRunning) {
        m_Process->kill();
        m_Process->waitForFinished(1000);
    }
    m_Process->deleteLater();
    m_Process = nullptr;
}
