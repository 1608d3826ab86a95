#pragma once

#include <QString>
#include <QTemporaryDir>

// Points the program's directory, the settings and the runtime directory at fresh
// temporary folders for the lifetime of the object, so tests never touch the real
// home and never see each other's files.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome &) = delete;
    TempHome &operator=(const TempHome &) = delete;

    QString Root() const { return m_Dir.path(); }
    QString ProgramDir() const { return Root() + QStringLiteral("/program"); }
    QString ConfigDir() const { return Root() + QStringLiteral("/config"); }
    QString RuntimeDir() const { return Root() + QStringLiteral("/runtime"); }
    QString SettingsFile() const;

    // Writes a file (creating folders); for hand-edited settings and fixtures.
    static void WriteFile(const QString &path, const QByteArray &contents);
    static QByteArray ReadFile(const QString &path);

private:
    QTemporaryDir m_Dir;
    QByteArray m_Saved[4];
};
