#include "app/DocumentOpen.h"

#include "documents/DocumentProcess.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QTemporaryFile>
#include <QTimer>

#include <algorithm>

namespace {

int showAfter = 500;
QPointer<TDocumentProcess> current;

} // namespace

namespace DocumentOpen {

void SetShowAfter(int ms)
{
    showAfter = ms;
}

bool Busy()
{
    return !current.isNull();
}

void Cancel()
{
    if (current)
        current->Cancel();
}

namespace {

// Reads `path` in the child process, showing "Opening <name>…" with Cancel when
// it takes a while; `reading` holds the outcome.
void Read(QWidget *parent, const QString &path, const QString &name, const QString &language,
          TDocumentProcess &reading)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const bool pages =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;

    QProgressDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Parlewind MP3"));
    dialog.setCancelButtonText(QCoreApplication::translate("DocumentOpen", "Cancel"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setRange(0, 0); // busy until the reader tells how far it is
    dialog.setLabelText(QCoreApplication::translate("DocumentOpen", "Opening %1…").arg(name));
    dialog.hide();

    current = &reading;
    QEventLoop loop;
    QObject::connect(&reading, &TDocumentProcess::Finished, &loop, &QEventLoop::quit);
    QObject::connect(&reading, &TDocumentProcess::Progress, &dialog, [&](int done, int total) {
        if (total <= 0)
            return;
        dialog.setLabelText(
            pages ? QCoreApplication::translate("DocumentOpen", "Opening %1: page %2 of %3…").arg(name).arg(done + 1).arg(total)
                  : QCoreApplication::translate("DocumentOpen", "Opening %1: %2 %…").arg(name).arg(qint64(done) * 100 / total));
        dialog.setMaximum(total);
        if (dialog.isVisible())
            dialog.setValue(done);
    });
    QObject::connect(&reading, &TDocumentProcess::Recognising, &dialog, [&](int done, int total) {
        dialog.setLabelText(QCoreApplication::translate("DocumentOpen", "Recognising page %1 of %2…").arg(std::min(done + 1, total)).arg(total));
        dialog.setMaximum(total);
        if (dialog.isVisible())
            dialog.setValue(done);
    });
    QObject::connect(&reading, &TDocumentProcess::Fetching, &dialog, [&](int part) {
        dialog.setLabelText(part == 1 ? QCoreApplication::translate("DocumentOpen", "Fetching %1…").arg(name)
                                      : QCoreApplication::translate("DocumentOpen", "Fetching part %1 of %2…").arg(part).arg(name));
        dialog.setRange(0, 0);
    });
    QObject::connect(&dialog, &QProgressDialog::canceled, &reading, &TDocumentProcess::Cancel);
    QObject::connect(&dialog, &QDialog::rejected, &reading, &TDocumentProcess::Cancel);
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &loop, &QEventLoop::quit);
    reading.SetLanguage(language);
    reading.Start(path);
    // A short reading is over before anything shows; until then the window only
    // redraws itself (what the user does is handled after it).
    show.start(showAfter);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (reading.Result() == TDocumentProcess::TResult::Reading) {
        dialog.show();
        loop.exec();
    }
    dialog.hide();
}

} // namespace

TResult Articles(QWidget *parent, const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles,
                 QString *error, TDocument *document, const QString &language, bool wholePage)
{
    TDocumentProcess reading;
    reading.SetWholePage(wholePage);
    Read(parent, path, TDocumentProcess::IsAddress(path) ? path.trimmed() : QFileInfo(path).fileName(), language, reading);
    const QString base = TDocumentProcess::FallbackTitle(path);
    switch (reading.Result()) {
    case TDocumentProcess::TResult::Read:
        *articles = DocumentReader::Articles(reading.Document(), base, chapters);
        if (document) {
            document->Title = reading.Document().Name(base);
            document->Author = reading.Document().Author;
            document->Cover = reading.Document().Cover;
            document->Language = reading.Document().Language;
            document->Note = reading.Document().Note;
        }
        return TResult::Read;
    case TDocumentProcess::TResult::Failed:
        *error = reading.Error();
        return TResult::Failed;
    default:
        return TResult::Stopped;
    }
}

TResult Picture(QWidget *parent, const QImage &picture, const QString &language, QString *text, QString *error,
                QString *note)
{
    // The reader only opens files: the picture goes to one only this user can read,
    // removed as soon as it has been read.
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/parlewind-picture-XXXXXX.png"));
    if (!file.open() || !picture.save(&file, "PNG") || !file.flush()) {
        *error = QCoreApplication::translate("DocumentOpen", "The copied picture could not be read: %1.").arg(file.errorString());
        return TResult::Failed;
    }
    file.close();
    TDocumentProcess reading;
    Read(parent, file.fileName(), QCoreApplication::translate("DocumentOpen", "the copied picture"), language, reading);
    switch (reading.Result()) {
    case TDocumentProcess::TResult::Read:
        *text = reading.Document().Text();
        if (note)
            *note = reading.Document().Note;
        return TResult::Read;
    case TDocumentProcess::TResult::Failed:
        // The reason names the temporary file, which means nothing to the user.
        *error = QString(reading.Error())
                     .replace(file.fileName(), QCoreApplication::translate("DocumentOpen", "The copied picture"))
                     .replace(QFileInfo(file.fileName()).fileName(), QCoreApplication::translate("DocumentOpen", "The copied picture"));
        return TResult::Failed;
    default:
        return TResult::Stopped;
    }
}

} // namespace DocumentOpen
