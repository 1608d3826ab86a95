#include "app/DocumentOpen.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrent>

#include <atomic>

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
    // Only the PDF library is left to itself on another thread: the other kinds
    // are read through the GUI's own text classes, and quickly.
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        return DocumentReader::Articles(path, chapters, articles, error) ? TResult::Read : TResult::Failed;

    std::atomic<int> done = 0;
    std::atomic<int> total = 0;
    std::atomic<bool> stop = false;
    std::vector<TDocument::TChapter> read;
    QString why;
    QFutureWatcher<bool> watcher;
    watcher.setFuture(QtConcurrent::run([&] {
        return DocumentReader::Articles(path, chapters, &read, &why, [&](int page, int pages) {
            done = page;
            total = pages;
            return !stop;
        });
    }));

    QProgressDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Parlewind MP3"));
    dialog.setLabelText(QStringLiteral("Opening %1…").arg(QFileInfo(path).fileName()));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(showAfter);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setRange(0, 0);
    dialog.setValue(0);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { stop = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        if (total > 0 && !dialog.wasCanceled()) {
            dialog.setMaximum(total);
            dialog.setValue(done);
            dialog.setLabelText(QStringLiteral("Opening %1: page %2 of %3…")
                                    .arg(QFileInfo(path).fileName())
                                    .arg(done + 1)
                                    .arg(total));
        }
    });
    tick.start(showAfter > 0 ? 100 : 10);
    QEventLoop loop;
    QObject::connect(&watcher, &QFutureWatcher<bool>::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec();
    if (stop)
        return TResult::Stopped;
    *articles = std::move(read);
    *error = why;
    return watcher.result() ? TResult::Read : TResult::Failed;
}

} // namespace DocumentOpen
