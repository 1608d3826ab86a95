#include "documents/DocumentProcess.h"

#include "documents/Recognition.h"
#include "platform/shell/ChildRecords.h"
#include "platform/shell/Confinement.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>
#include <cstdlib>
#include <new>

// The reader's side of TDocumentProcess: the records it writes are described there.
int TDocumentProcess::ChildMain(const QStringList &arguments)
{
    if (arguments.size() != 6)
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
    const Confinement::TLimits confined{
        arguments[0].toLongLong(), arguments[1].toInt() * std::max(1, QThread::idealThreadCount())};
    QString why;
    if (read && !Confinement::Apply(confined, &why)) {
        error = DocumentReader::NotOpened(
            path,
            QCoreApplication::translate("Documents", "could not be read safely (%1)").arg(why));
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
        const DocumentReader::TPageOptions page{arguments[4] == QLatin1String("whole"),
                                                arguments[5].toLatin1()};
        read = read && DocumentReader::ReadBytes(
                           bytes, path, &document, &error,
                           [&](int done, int total) {
                               // Often enough to show and to tell that it is alive; no more.
                               if (told.elapsed() >= 20) {
                                   send('P', record(qint32(done), qint32(total)));
                                   told.restart();
                               }
                               return true;
                           },
                           recognition, page);
        QByteArray().swap(bytes);
        if (read) {
            QByteArray payload = record(Confinement::PeakMemory(), document.Title.toUtf8(),
                                        quint32(document.Chapters.size()));
            QDataStream stream(&payload, QIODevice::Append);
            for (const TDocument::TChapter &chapter : document.Chapters)
                stream << chapter.Title.toUtf8() << chapter.Text.toUtf8();
            stream << document.Author.toUtf8() << document.Cover << document.Language.toUtf8()
                   << document.Note.toUtf8() << document.Next.toUtf8();
            for (const TDocument::TChapter &chapter : document.Chapters)
                stream << LanguageRanges::ToText(chapter.Languages);
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
