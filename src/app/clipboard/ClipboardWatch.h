#pragma once

#include <QImage>
#include <QObject>
#include <QString>

// Tells when another program puts text on the clipboard (the CLIPBOARD selection,
// not the mouse selection). Changes made by this program itself are not reported,
// so that copying between two articles does not make a third one.
class TClipboardWatch : public QObject
{
    Q_OBJECT
public:
    explicit TClipboardWatch(QObject *parent = nullptr);

    // Watching starts with the next change: what is on the clipboard already is
    // not taken. Where the session does not tell of copies it stays off.
    void SetWatching(bool on);
    bool Watching() const { return m_Watching; }
    // False where the platform does not tell background programs of changes
    // (a native Wayland session: the clipboard is handed to a program each time
    // its window gets focus, which is no copy).
    static bool Supported();
    // Why watching is off where it is not supported, in the user's words.
    static QString UnsupportedReason();

signals:
    // Text from another program; `hasText` false when the change held no text.
    void Changed(const QString &text, bool hasText);
    // A picture without text from another program (a screenshot, an image copied in a viewer).
    void PictureCopied(const QImage &picture);

private:
    void DataChanged();
    QString CurrentText(bool *hasText = nullptr) const;
    QImage CurrentPicture() const;

    bool m_Watching = false;
    // What was on the clipboard at the last notice: a notice that brings the same
    // again (a clipboard manager taking the text over, the same offer handed over
    // once more) is no new copy.
    QString m_Last;
    QImage m_LastPicture;
};
