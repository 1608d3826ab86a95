#pragma once

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <vector>

class TPortalShortcut;

// A key that works in every program: taken from the X server (X11, and XWayland
// for the programs it runs), else asked of the desktop's shortcuts portal (KDE on
// Wayland). Where the desktop lets no program have one (GNOME on Wayland),
// Available() is false and the desktop's own keyboard settings are the way.
class GlobalShortcut : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit GlobalShortcut(QObject *parent = nullptr);
    ~GlobalShortcut() override;

    static bool Available();
    // Whether this one can take a key (asked once, when it was made).
    bool Usable() const;
    // Taken from XWayland's X server on a Wayland desktop: the key is heard only
    // while a window of an X11 program has focus.
    bool OnlyFromX11Windows() const;
    // Takes the key (one key with its modifiers); an empty sequence gives it back.
    // False with the reason, in the user's words, when it cannot be had: another
    // program holds it, or it is no key the keyboard has. Through the portal the
    // desktop's answer comes later, as Answered.
    bool Set(const QKeySequence &key, QString *error = nullptr);
    QKeySequence Key() const { return m_Key; }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void Activated();
    // The desktop's answer to a key asked of its portal, in the user's words.
    void Answered(const QString &note);

private:
    void Release();

    QKeySequence m_Key;
    unsigned m_KeyCode = 0;
    unsigned m_Modifiers = 0;
    bool m_Grabbed = false;
    TPortalShortcut *m_Portal = nullptr;
};
