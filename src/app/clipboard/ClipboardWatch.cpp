#include "app/clipboard/ClipboardWatch.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TClipboardWatch::TClipboardWatch(QObject *parent) : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardWatch::DataChanged);
}

bool TClipboardWatch::Supported()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TClipboardWatch::SetWatching(bool on) { m_Watching = on; }

void TClipboardWatch::DataChanged()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!m_Watching || clipboard->ownsClipboard())
        return;
    const QMimeData *data = clipboard->mimeData(QClipboard::Clipboard);
    // Rich text and HTML come with a plain-text form; that is the one taken.
    const bool hasText = data && data->hasText();
    emit Changed(hasText ? data->text() : QString(), hasText);
}
