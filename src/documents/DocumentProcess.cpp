#include "documents/DocumentProcess.h"

#include "documents/Recognition.h"
#include "platform/shell/ChildRecords.h"
#include "platform/shell/Confinement.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

// The child writes records to its standard output (ChildRecords), each payload
// written with QDataStream.
//   'P' progress: qint32 done, qint32 total
//   'R' pages recognised: qint32 done, qint32 total
//   'D' document: qint64 peak memory, title, chapter count, then title and text of
//       each (UTF-8), then author (UTF-8), cover, language and note (UTF-8)
//   'E' refused:  qint64 peak memory, the reason (UTF-8, naming the file)
//   'M' out of memory
namespace {

TDocumentProcess::TLimits limits;
QString program;

// More text than any book: a child that hands back more is not believed.
constexpr qsizetype maxReceived = 512 * 1024 * 1024;

QString Megabytes(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024));
}

} // namespace

TDocumentProcess::TDocumentProcess(QObject *parent) : QObject(parent)
{
    m_Quiet.setSingleShot(true);
    m_Whole.setSingleShot(true);
    connect(&m_Quiet, &QTimer::timeout, this, [this] {
        End(TResult::Failed,
            QStringLiteral("took too long to read (a step of it went on for more than %1 seconds)")
                .arg(m_RecognitionPages > 0 ? limits.RecognitionQuietSeconds : limits.QuietSeconds));
    });
    connect(&m_Whole, &QTimer::timeout, this, [this] {
        End(TResult::Failed,
            QStringLiteral("took too long to read (more than %1 seconds)").arg(m_Allowed));
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

void TDocumentProcess::SetProgram(const QString &path)
{
    program = path;
}

void TDocumentProcess::Start(const QString &path)
{
    m_Path = path;
    m_Received.clear();
    m_Document = TDocument();
    m_Error.clear();
    m_PeakMemory = 0;
    m_Result = TResult::Reading;
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
            End(TResult::Failed, QStringLiteral("could not be read: the reader did not start (%1)")
                                     .arg(m_Process->errorString()));
    });
    m_Quiet.start(limits.QuietSeconds * 1000);
    m_Allowed = limits.Seconds;
    m_RecognitionPages = 0;
    m_Whole.start(limits.Seconds * 1000);
    // The child's processor time allows for the most pages it may recognise; the
    // time it is given here grows only with the pages it says it has.
    const int processorSeconds = limits.Seconds + limits.SecondsPerRecognisedPage * Recognition::MaxFrames;
    m_Process->start(program.isEmpty() ? QCoreApplication::applicationFilePath() : program,
                     {QLatin1String(ChildOption), QString::number(limits.MemoryBytes),
                      QString::number(processorSeconds), path, m_Language});
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
        End(TResult::Failed, QStringLiteral("holds more text than can be read as articles"));
        return;
    }
    qsizetype at = 0;
    char type = 0;
    QByteArray payload;
    while (m_Result == TResult::Reading && ChildRecords::Next(m_Received, &at, &type, &payload)) {
        if (!TakeRecord(type, payload))
            End(TResult::Failed,
                QStringLiteral("could not be read (the reader answered nonsense)"));
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
        QByteArray title;
        quint32 count = 0;
        in >> m_PeakMemory >> title >> count;
        m_Document.Title = QString::fromUtf8(title);
        for (quint32 k = 0; k < count && in.status() == QDataStream::Ok; ++k) {
            QByteArray chapterTitle, text;
            in >> chapterTitle >> text;
            m_Document.Chapters.push_back(
                {QString::fromUtf8(chapterTitle), QString::fromUtf8(text)});
        }
        QByteArray author, language, note;
        in >> author >> m_Document.Cover >> language >> note;
        m_Document.Author = QString::fromUtf8(author);
        m_Document.Language = QString::fromUtf8(language);
        m_Document.Note = QString::fromUtf8(note);
        if (in.status() == QDataStream::Ok && !m_Document.Chapters.empty())
            End(TResult::Read);
    } else if (type == 'E') {
        QByteArray why;
        in >> m_PeakMemory >> why;
        if (in.status() == QDataStream::Ok) {
            m_Error = QString::fromUtf8(why);
            End(TResult::Failed);
        }
    } else if (type == 'M') {
        End(TResult::Failed, QStringLiteral("needs more than %1 MB of memory to read")
                                 .arg(Megabytes(limits.MemoryBytes)));
    }
    return in.status() == QDataStream::Ok && (type == 'P' || type == 'R' || m_Result != TResult::Reading);
}

void TDocumentProcess::ChildEnded()
{
    Take();
    if (m_Result != TResult::Reading)
        return;
    // Ended without a word: a limit of the system's, or a fault in a library.
    End(TResult::Failed,
        m_Process->exitStatus() == QProcess::CrashExit
            ? QStringLiteral(
                  "could not be read (the reader failed on it; the file may be damaged, or "
                  "need more than %1 MB of memory or %2 seconds)")
                  .arg(Megabytes(limits.MemoryBytes))
                  .arg(m_Allowed)
            : QStringLiteral("could not be read (the reader ended without an answer)"));
}

void TDocumentProcess::End(TResult result, const QString &why)
{
    m_Quiet.stop();
    m_Whole.stop();
    m_Result = result;
    if (!why.isEmpty())
        m_Error = m_Path + QLatin1Char(' ') + why + QStringLiteral("; it was not opened.");
    if (result != TResult::Read)
        m_Document = TDocument();
    m_Received.clear();
    if (m_Process) {
        m_Process->disconnect(this);
        if (m_Process->state() != QProcess::NotRunning) {
            m_Process->kill();
            m_Process->waitForFinished(1000);
        }
        m_Process->deleteLater();
        m_Process = nullptr;
    }
    emit Finished();
}

int TDocumentProcess::ChildMain(const QStringList &arguments)
{
    if (arguments.size() != 4)
        return 2;
    QFile out;
    if (!out.open(1, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        return 2;
    const auto send = [&out](char type, const QByteArray &payload) {
        ChildRecords::Write(out, type, payload);
    };
    const auto record = [](const auto &...fields) {
        QByteArray payload;
        QDataStream stream(&payload, QIODevice::WriteOnly);
        (stream << ... << fields);
        return payload;
    };
    const QString path = arguments[2];
    QByteArray bytes;
    QString error;
    // The one file it is given is read before the process is shut in.
    bool read = DocumentReader::Load(path, &bytes, &error);
    // Processor time counts on every core that recognises a page.
    const Confinement::TLimits confined{arguments[0].toLongLong(), arguments[1].toInt() * std::max(1, QThread::idealThreadCount())};
    QString why;
    if (read && !Confinement::Apply(confined, &why)) {
        error = path + QStringLiteral(" could not be read safely (") + why +
                QStringLiteral("); it was not opened.");
        read = false;
    }
    TDocument document;
    try {
        QElapsedTimer told;
        told.start();
        DocumentReader::TRecognition recognition;
        // The language of the voice for new articles, then English.
        recognition.Languages << Recognition::TesseractName(arguments[3]) << QStringLiteral("eng");
        recognition.Progress = [&](int done, int total) {
            send('R', record(qint32(done), qint32(total)));
            return true;
        };
        read = read &&
               DocumentReader::ReadBytes(bytes, path, &document, &error, [&](int done, int total) {
                   // Often enough to show and to tell that it is alive; no more.
                   if (told.elapsed() >= 20) {
                       send('P', record(qint32(done), qint32(total)));
                       told.restart();
                   }
                   return true;
               }, recognition);
        QByteArray().swap(bytes);
        if (read) {
            QByteArray payload = record(Confinement::PeakMemory(), document.Title.toUtf8(),
                                        quint32(document.Chapters.size()));
            QDataStream stream(&payload, QIODevice::Append);
            for (const TDocument::TChapter &chapter : document.Chapters)
                stream << chapter.Title.toUtf8() << chapter.Text.toUtf8();
            stream << document.Author.toUtf8() << document.Cover << document.Language.toUtf8() << document.Note.toUtf8();
            send('D', payload);
        } else {
            send('E', record(Confinement::PeakMemory(), error.toUtf8()));
        }
    } catch (const std::bad_alloc &) {
        send('M', {});
    }
    // Nothing of this process is needed any more; no clean-up may touch what a
    // document left behind.
    std::_Exit(0);
}
