#include "app/DocumentOpen.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QScopeGuard>

#include <algorithm>
#include <memory>

namespace {

int showAfter = 500;

} // namespace

namespace DocumentOpen {

void SetShowAfter(int ms) { showAfter = ms; }

TResult Articles(QWidget *parent, const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles,
                 QString *error)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restore = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    const QString name = QFileInfo(path).fileName();
    // Made when the reader first tells how far it is (a PDF, page by page); a modal
    // progress dialog lets events run on each step, so the window stays drawn and
    // Cancel is heard, and it shows itself only once the reading takes a while.
    std::unique_ptr<QProgressDialog> dialog;
    bool stopped = false;
    QElapsedTimer shown;
    const bool read = DocumentReader::Articles(path, chapters, articles, error, [&](int done, int total) {
        if (!dialog) {
            dialog = std::make_unique<QProgressDialog>(parent);
            dialog->setWindowTitle(QStringLiteral("Parlewind MP3"));
            dialog->setCancelButtonText(QStringLiteral("Cancel"));
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(showAfter);
            dialog->setAutoClose(false);
            dialog->setRange(0, total);
            dialog->setValue(0);
            shown.start();
        }
        // Often enough for the eye and for Cancel; a page takes a few milliseconds.
        if (shown.elapsed() < std::min(showAfter, 50))
            return true;
        shown.restart();
        dialog->setLabelText(QStringLiteral("Opening %1: page %2 of %3…").arg(name).arg(done + 1).arg(total));
        dialog->setValue(done);
        stopped = dialog->wasCanceled();
        return !stopped;
    });
    if (stopped)
        return TResult::Stopped;
    return read ? TResult::Read : TResult::Failed;
}

} // namespace DocumentOpen
