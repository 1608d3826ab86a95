#pragma once

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
    // not taken.
    void SetWatching(bool on);
    bool Watching() const { return m_Watching; }
    // False where the platform does not tell background programs of changes
    // (a pure Wayland session).
    static bool Supported();

signals:
    // Text from another program; `hasText` false when the change held no text.
    void Changed(const QString &text, bool hasText);

private:
    void DataChanged();
    bool m_Watching = false;
};
