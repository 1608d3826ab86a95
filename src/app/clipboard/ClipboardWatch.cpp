#include "app/clipboard/ClipboardWatch.h"
#include "platform/shell/Session.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

TClipboardWatch::TClipboardWatch(QObject *parent) : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TClipboardWatch::DataChanged);
}

bool TClipboardWatch::Supported()
{
    return !Session::NativeWayland();
}

QString TClipboardWatch::UnsupportedReason()
{
    return QCoreApplication::translate(
        "TClipboardWatch",
        "Watching the clipboard is off: this Wayland desktop does not tell programs in the "
        "background of copies. Paste the text into Parlewind instead, or start Parlewind in an "
        "X11 session (or through XWayland) to watch the clipboard.");
}

QString TClipboardWatch::CurrentText(bool *hasText) const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    // Rich text and HTML come with a plain-text form; that is the one taken.
    const bool text = data && data->hasText();
    if (hasText)
        *hasText = text;
    return text ? data->text() : QString();
}

QImage TClipboardWatch::CurrentPicture() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data && !data->hasText() && data->hasImage() ? qvariant_cast<QImage>(data->imageData()) : QImage();
}

void TClipboardWatch::SetWatching(bool on)
{
    on = on && Supported();
    if (on && !m_Watching) {
        // Only the text: fetching a picture from a program that is slow to answer
        // would hold up the start, and a picture is only taken on a change anyway.
        m_Last = CurrentText();
        m_LastPicture = QImage();
    }
    m_Watching = on;
}

void TClipboardWatch::DataChanged()
{
    if (!m_Watching)
        return;
    bool hasText = false;
    const QString text = CurrentText(&hasText);
    const QImage picture = hasText ? QImage() : CurrentPicture();
    const bool same = text == m_Last && picture == m_LastPicture;
    m_Last = text;
    m_LastPicture = picture;
    if (same || QGuiApplication::clipboard()->ownsClipboard())
        return;
    if (!picture.isNull())
        emit PictureCopied(picture);
    else
        emit Changed(text, hasText);
}
