#include "platform/shell/AutoStart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

// Freedesktop autostart entries: $XDG_CONFIG_HOME/autostart/<name>.desktop.
namespace AutoStart {
namespace {

QString AutoStartDir()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/autostart"));
}

// Desktop-entry string values escape backslashes and line breaks.
QString EscapeValue(QString value)
{
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value;
}

} // namespace

QString EntryPath(const QString &name)
{
    return AutoStartDir() + QLatin1Char('/') + name + QStringLiteral(".desktop");
}

bool Exists(const QString &name)
{
    return !name.isEmpty() && QFileInfo(EntryPath(name)).isFile();
}

bool Write(const QString &name, const QString &command)
{
    if (name.isEmpty() || !QDir().mkpath(AutoStartDir()))
        return false;
    QSaveFile file(EntryPath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Name=") +
                         EscapeValue(name) +
                         QStringLiteral("\n"
                                        "Comment=Start minimised at log-in\n"
                                        "Exec=") +
                         EscapeValue(command) +
                         QStringLiteral("\n"
                                        "Icon=parlewind\n"
                                        "Terminal=false\n"
                                        "X-GNOME-Autostart-enabled=true\n");
    file.write(text.toUtf8());
    return file.commit();
}

bool Remove(const QString &name)
{
    if (!Exists(name))
        return false;
    return QFile::remove(EntryPath(name));
}

} // namespace AutoStart
