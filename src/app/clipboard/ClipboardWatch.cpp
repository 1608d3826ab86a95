#include "app/clipboard/ClipboardWatch.h"
#include "platform/shell/Session.h"

#include <QClipboard>
#include <QGuiApplication>
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
    return QStringLiteral("Watching the clipboard is off: this Wayland desktop does not tell programs in the "
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

void TClipboardWatch::SetWatching(bool on)
{
    on = on && Supported();
    if (on && !m_Watching)
        m_Last = CurrentText();
    m_Watching = on;
}

void TClipboardWatch::DataChanged()
{
    if (!m_Watching)
        return;
    bool hasText = false;
    const QString text = CurrentText(&hasText);
    const bool same = text == m_Last;
    m_Last = text;
    if (same || QGuiApplication::clipboard()->ownsClipboard())
        return;
    emit Changed(text, hasText);
}
