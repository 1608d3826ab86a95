#include "platform/shell/GlobalShortcutPortal.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>

namespace {

const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString shortcutId = QStringLiteral("read-selection");

struct TShortcutEntry
{
    QString Id;
    QVariantMap Properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const TShortcutEntry &entry)
{
    argument.beginStructure();
    argument << entry.Id << entry.Properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, TShortcutEntry &entry)
{
    argument.beginStructure();
    argument >> entry.Id >> entry.Properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(TShortcutEntry)

namespace {

// The key as desktops write triggers for the portal: modifiers, then the X key
// symbol's name, joined by "+" ("CTRL+ALT+SHIFT+s").
QString Trigger(const QKeySequence &key)
{
    if (key.count() != 1)
        return {};
    const QKeyCombination combination = key[0];
    const QString name = GlobalShortcutKeys::SymbolName(combination.key());
    if (name.isEmpty())
        return {};
    QStringList parts;
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    if (modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << name;
    return parts.join(QLatin1Char('+'));
}

QDBusMessage PortalCall(const QString &method)
{
    return QDBusMessage::createMethodCall(service, desktopPath, shortcutsInterface, method);
}

} // namespace

TPortalShortcut::TPortalShortcut(QObject *parent) : QObject(parent)
{
    qDBusRegisterMetaType<TShortcutEntry>();
    qDBusRegisterMetaType<QList<TShortcutEntry>>();
    QDBusConnection::sessionBus().connect(service, desktopPath, shortcutsInterface,
                                          QStringLiteral("Activated"), this,
                                          SLOT(ShortcutActivated(QDBusMessage)));
}

TPortalShortcut::~TPortalShortcut()
{
    StopListening();
    CloseSession();
}

bool TPortalShortcut::Offered()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage ask = QDBusMessage::createMethodCall(
        service, desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    ask << shortcutsInterface << QStringLiteral("version");
    // A desktop that has the portal answers at once; one that starts it on demand
    // is given a moment.
    const QDBusReply<QVariant> version = bus.call(ask, QDBus::Block, 3000);
    return version.isValid() && version.value().toUInt() >= 1;
}

QString TPortalShortcut::Listen(const char *slot)
{
    StopListening();
    // The portal answers on a path made of our name on the bus and a token of ours.
    const QString token =
        QStringLiteral("parlewind%1_%2").arg(QCoreApplication::applicationPid()).arg(++m_Tokens);
    QString sender = QDBusConnection::sessionBus().baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    m_Request = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    m_RequestSlot = slot;
    QDBusConnection::sessionBus().connect(service, m_Request, requestInterface,
                                          QStringLiteral("Response"), this, slot);
    return token;
}

void TPortalShortcut::StopListening()
{
    if (!m_Request.isEmpty())
        QDBusConnection::sessionBus().disconnect(service, m_Request, requestInterface,
                                                 QStringLiteral("Response"), this, m_RequestSlot);
    m_Request.clear();
}

void TPortalShortcut::CloseSession()
{
    if (m_Session.isEmpty())
        return;
    QDBusConnection::sessionBus().asyncCall(QDBusMessage::createMethodCall(
        service, m_Session, QStringLiteral("org.freedesktop.portal.Session"),
        QStringLiteral("Close")));
    m_Session.clear();
}

void TPortalShortcut::Bind(const QKeySequence &key)
{
    StopListening();
    CloseSession();
    m_Key = key;
    if (key.isEmpty()) {
        emit Answered({});
        return;
    }
    if (Trigger(key).isEmpty()) {
        emit Answered(
            QCoreApplication::translate("GlobalShortcut", "%1 is not a key this shortcut can use.")
                .arg(key.toString(QKeySequence::NativeText)));
        return;
    }
    const QString token = Listen(SLOT(SessionCreated(uint, QVariantMap)));
    QDBusMessage create = PortalCall(QStringLiteral("CreateSession"));
    create << QVariantMap{{QStringLiteral("handle_token"), token},
                          {QStringLiteral("session_handle_token"), token}};
    QDBusConnection::sessionBus().asyncCall(create);
}

void TPortalShortcut::SessionCreated(uint response, const QVariantMap &results)
{
    StopListening();
    const QVariant handle = results.value(QStringLiteral("session_handle"));
    m_Session = handle.userType() == qMetaTypeId<QDBusObjectPath>()
                    ? handle.value<QDBusObjectPath>().path()
                    : handle.toString();
    if (response != 0 || m_Session.isEmpty()) {
        m_Session.clear();
        emit Answered(QCoreApplication::translate("GlobalShortcut",
                                                  "The desktop did not give the shortcut."));
        return;
    }
    const QString token = Listen(SLOT(ShortcutsBound(uint, QVariantMap)));
    const QList<TShortcutEntry> shortcuts{
        {shortcutId,
         {{QStringLiteral("description"),
           QCoreApplication::translate("GlobalShortcut", "Read the selection aloud")},
          {QStringLiteral("preferred_trigger"), Trigger(m_Key)}}}};
    QDBusMessage bind = PortalCall(QStringLiteral("BindShortcuts"));
    bind << QVariant::fromValue(QDBusObjectPath(m_Session)) << QVariant::fromValue(shortcuts)
         << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
    QDBusConnection::sessionBus().asyncCall(bind);
}

void TPortalShortcut::ShortcutsBound(uint response, const QVariantMap &results)
{
    StopListening();
    if (response != 0) {
        CloseSession();
        emit Answered(
            response == 1
                ? QCoreApplication::translate(
                      "GlobalShortcut", "The shortcut was not confirmed in the desktop's dialog.")
                : QCoreApplication::translate("GlobalShortcut",
                                              "The desktop did not give the shortcut."));
        return;
    }
    QString given;
    const auto shortcuts =
        qdbus_cast<QList<TShortcutEntry>>(results.value(QStringLiteral("shortcuts")));
    for (const TShortcutEntry &entry : shortcuts)
        if (entry.Id == shortcutId)
            given = entry.Properties.value(QStringLiteral("trigger_description")).toString();
    emit Answered(
        given.isEmpty()
            ? QCoreApplication::translate(
                  "GlobalShortcut",
                  "The desktop holds this shortcut; it is changed in the desktop's "
                  "shortcut settings.")
            : QCoreApplication::translate(
                  "GlobalShortcut",
                  "The desktop holds this shortcut as %1; it is changed in the desktop's shortcut "
                  "settings.")
                  .arg(given));
}

void TPortalShortcut::ShortcutActivated(const QDBusMessage &message)
{
    // (session, shortcut, time stamp, options): only our session's shortcut counts.
    const QVariantList arguments = message.arguments();
    if (arguments.size() >= 2 && !m_Session.isEmpty() &&
        arguments[0].value<QDBusObjectPath>().path() == m_Session &&
        arguments[1].toString() == shortcutId)
        emit Activated();
}
