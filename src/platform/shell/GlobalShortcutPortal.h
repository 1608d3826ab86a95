#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QVariantMap>

class QDBusMessage;

namespace GlobalShortcutKeys {
// The X key symbol's name of a Qt key ("s", "F5", "Page_Up"), or empty for a key
// a shortcut cannot use.
QString SymbolName(int key);
} // namespace GlobalShortcutKeys

// A key given by the desktop through its shortcuts portal (KDE on Wayland): the
// program asks for the key it would like, the desktop may let the user confirm or
// change it, and tells the program when it is pressed. Every call is answered
// later, so nothing here waits for the desktop.
class TPortalShortcut : public QObject
{
    Q_OBJECT
public:
    explicit TPortalShortcut(QObject *parent = nullptr);
    ~TPortalShortcut() override;

    // Whether the session's desktop has the portal.
    static bool Offered();
    // Asks for the key (an empty one gives the shortcut back).
    void Bind(const QKeySequence &key);

signals:
    void Activated();
    // What came of the last Bind, in the user's words.
    void Answered(const QString &note);

private slots:
    void SessionCreated(uint response, const QVariantMap &results);
    void ShortcutsBound(uint response, const QVariantMap &results);
    void ShortcutActivated(const QDBusMessage &message);

private:
    // Makes the path the portal will answer a request on, and listens there.
    QString Listen(const char *slot);
    void StopListening();
    void CloseSession();

    QKeySequence m_Key;
    QString m_Session;
    QString m_Request; // the request whose answer is awaited
    const char *m_RequestSlot = nullptr;
    int m_Tokens = 0;
};
