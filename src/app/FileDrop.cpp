#include "app/FileDrop.h"

#include "documents/DocumentProcess.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

// Files, and web pages (a link dragged from a browser) by their addresses.
QStringList LocalFiles(const QMimeData *mime)
{
    QStringList files;
    if (mime && mime->hasUrls()) {
        for (const QUrl &url : mime->urls()) {
            if (url.isLocalFile())
                files << url.toLocalFile();
            else if (TDocumentProcess::IsAddress(url.toString()))
                files << url.toString();
        }
    }
    return files;
}

} // namespace

TFileDrop::TFileDrop(QWidget *window) : QObject(window), m_Window(window)
{
    window->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

bool TFileDrop::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_Window)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = LocalFiles(drop->mimeData());
    // Text over a text box is that box's to take.
    const bool text = files.isEmpty() && drop->mimeData()->hasText() && widget == m_Window;
    if (files.isEmpty() && !text)
        return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        if (!files.isEmpty())
            emit FilesDropped(files);
        else
            emit TextDropped(drop->mimeData()->text());
    }
    return true;
}
