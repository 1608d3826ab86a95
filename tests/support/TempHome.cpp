#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
const char *const variables[] = {"PARLEWIND_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                                 "XDG_RUNTIME_DIR"};
}

TempHome::TempHome()
{
    for (int i = 0; i < 4; ++i)
        m_Saved[i] = qgetenv(variables[i]);
    QDir().mkpath(RuntimeDir());
    QFile::setPermissions(RuntimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PARLEWIND_HOME", ProgramDir().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", ConfigDir().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (Root() + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", RuntimeDir().toLocal8Bit());
}

TempHome::~TempHome()
{
    for (int i = 0; i < 4; ++i) {
        if (m_Saved[i].isNull())
            qunsetenv(variables[i]);
        else
            qputenv(variables[i], m_Saved[i]);
    }
}

QString TempHome::SettingsFile() const
{
    return ConfigDir() + QStringLiteral("/BrivantaTech/HKEY_CURRENT_USER.ini");
}

void TempHome::WriteFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

QByteArray TempHome::ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
