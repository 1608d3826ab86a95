#include "platform/shell/Session.h"

#include <QGuiApplication>

namespace Session {

bool NativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WaylandSession()
{
    return NativeWayland() || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

QString ActivationToken()
{
    return qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
}

void UseActivationToken(const QString &token)
{
    // Qt's Wayland windows take the token from the environment at their next
    // activation request, and clear it.
    if (!token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
}

} // namespace Session
