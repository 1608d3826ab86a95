#include "app/DocumentOpen.h"

#include "documents/DocumentProcess.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QScopeGuard>
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

void Cancel()
{
    if (current)
        current->Cancel();
}

TResult Articles(QWidget *parent, const QString &path, bool chapters,
                 std::vector<TDocument::TChapter> *articles, QString *error, TDocument *document, const QString &language)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const QString name = QFileInfo(path).fileName();
    const bool pages =
        QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;

    QProgressDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Parlewind MP3"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setRange(0, 0); // busy until the reader tells how far it is
    dialog.setLabelText(QStringLiteral("Opening %1…").arg(name));
    dialog.hide();

    TDocumentProcess reading;
    current = &reading;
    QEventLoop loop;
    QObject::connect(&reading, &TDocumentProcess::Finished, &loop, &QEventLoop::quit);
    QObject::connect(&reading, &TDocumentProcess::Progress, &dialog, [&](int done, int total) {
        if (total <= 0)
            return;
        dialog.setLabelText(
            pages ? QStringLiteral("Opening %1: page %2 of %3…").arg(name).arg(done + 1).arg(total)
                  : QStringLiteral("Opening %1: %2 %…").arg(name).arg(qint64(done) * 100 / total));
        dialog.setMaximum(total);
        if (dialog.isVisible())
            dialog.setValue(done);
    });
    QObject::connect(&reading, &TDocumentProcess::Recognising, &dialog, [&](int done, int total) {
        dialog.setLabelText(QStringLiteral("Recognising page %1 of %2…").arg(std::min(done + 1, total)).arg(total));
        dialog.setMaximum(total);
        if (dialog.isVisible())
            dialog.setValue(done);
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

    // A name may hold line breaks and other controls; a title is one line.
    const QString base = QFileInfo(path).completeBaseName().simplified();
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

} // namespace DocumentOpen
