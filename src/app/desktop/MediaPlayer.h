#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>

class TProgramCore;
class TDesktopCommands;

// Parlewind as a media player on the session bus (MPRIS 2): the desktop's media
// controls, media keys and headset buttons read, pause, skip and stop, and show
// the article being read and its voice.
class TMediaPlayer : public QObject
{
    Q_OBJECT
public:
    // On the session bus, or on `bus` when one is named.
    TMediaPlayer(TProgramCore &core, TDesktopCommands &commands, const QString &bus = {}, QObject *parent = nullptr);
    ~TMediaPlayer() override;

    // False when there is no session bus or the name is taken.
    bool Registered() const { return m_Registered; }

    // What the player's properties say now.
    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    bool CanPlay() const;
    bool CanPause() const;
    bool CanGoNext() const;
    // Back a sentence.
    bool CanGoPrevious() const;

    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    void Raise();

private:
    void Changed();

    TProgramCore &m_Core;
    TDesktopCommands &m_Commands;
    QString m_Bus;
    bool m_Registered = false;
    QVariantMap m_Told; // the properties as last announced
};
