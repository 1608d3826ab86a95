#include "app/desktop/MediaPlayer.h"

#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "app/desktop/DesktopCommands.h"
#include "articles/MemoEntry.h"
#include "articles/ArticleList.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QStringList>
#include <QToolButton>

namespace {

const QString objectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// org.mpris.MediaPlayer2: who the player is.
class TRootAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    TRootAdaptor(TMediaPlayer *player) : QDBusAbstractAdaptor(player), m_Player(player) {}
    bool CanQuit() const { return false; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return QStringLiteral("Parlewind MP3"); }
    QString DesktopEntry() const { return QStringLiteral("parlewind"); }
    QStringList SupportedUriSchemes() const { return {}; }
    QStringList SupportedMimeTypes() const { return {}; }
public slots:
    void Raise() { m_Player->Raise(); }
    void Quit() {}

private:
    TMediaPlayer *m_Player;
};

// org.mpris.MediaPlayer2.Player: the reading commands and what is being read.
class TPlayerAdaptor : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(double MinimumRate READ Rate)
    Q_PROPERTY(double MaximumRate READ Rate)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ No)
    Q_PROPERTY(bool CanControl READ Yes)
public:
    TPlayerAdaptor(TMediaPlayer *player) : QDBusAbstractAdaptor(player), m_Player(player) {}
    QString PlaybackStatus() const { return m_Player->PlaybackStatus(); }
    double Rate() const { return 1.0; }
    void SetRate(double) {}
    QVariantMap Metadata() const { return m_Player->Metadata(); }
    double Volume() const { return 1.0; }
    void SetVolume(double) {}
    qlonglong Position() const { return 0; }
    bool CanGoNext() const { return m_Player->CanGoNext(); }
    bool CanGoPrevious() const { return m_Player->CanGoPrevious(); }
    bool CanPlay() const { return m_Player->CanPlay(); }
    bool CanPause() const { return m_Player->CanPause(); }
    bool No() const { return false; }
    bool Yes() const { return true; }
public slots:
    void Play() { m_Player->Play(); }
    void Pause() { m_Player->Pause(); }
    void PlayPause() { m_Player->PlayPause(); }
    void Stop() { m_Player->Stop(); }
    void Next() { m_Player->Next(); }
    void Previous() { m_Player->Previous(); }
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath &, qlonglong) {}
    void OpenUri(const QString &) {}
signals:
    void Seeked(qlonglong position);

private:
    TMediaPlayer *m_Player;
};

} // namespace

namespace {
QDBusConnection Bus(const QString &name) { return name.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(name); }
} // namespace

TMediaPlayer::TMediaPlayer(TProgramCore &core, TDesktopCommands &commands, const QString &bus, QObject *parent)
    : QObject(parent), m_Core(core), m_Commands(commands), m_Bus(bus)
{
    new TRootAdaptor(this);
    new TPlayerAdaptor(this);
    QDBusConnection connection = Bus(m_Bus);
    m_Registered = connection.isConnected() && connection.registerObject(objectPath, this) &&
                   connection.registerService(QStringLiteral("org.mpris.MediaPlayer2.parlewind"));
    connect(&m_Core.Session(), &TReadingSession::ReadingChanged, this, &TMediaPlayer::Changed);
    m_Told = {{QStringLiteral("PlaybackStatus"), PlaybackStatus()}};
}

TMediaPlayer::~TMediaPlayer()
{
    // A bus that is gone already has forgotten us.
    if (m_Registered && Bus(m_Bus).isConnected()) {
        Bus(m_Bus).unregisterService(QStringLiteral("org.mpris.MediaPlayer2.parlewind"));
        Bus(m_Bus).unregisterObject(objectPath);
    }
}

QString TMediaPlayer::PlaybackStatus() const
{
    switch (m_Core.State()) {
    case rsReading:
    case rsConverting:
        return QStringLiteral("Playing");
    case rsPaused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

QVariantMap TMediaPlayer::Metadata() const
{
    const TMemoEntry *article = m_Core.CurrentArticle();
    if (!article)
        return {{QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack"))}};
    const int position = m_Core.Articles().PositionOf(article);
    return {{QStringLiteral("mpris:trackid"),
             QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/parlewind/article/%1").arg(std::max(position, 0))))},
            {QStringLiteral("xesam:title"), article->Title()},
            {QStringLiteral("xesam:artist"), QStringList{article->Voice()}}};
}

// Also while reading: controllers (playerctl) offer Stop and the track's details
// only for a player that says it can play.
bool TMediaPlayer::CanPlay() const
{
    return m_Core.CanRead() || m_Core.State() == rsPaused || m_Core.State() == rsReading;
}
bool TMediaPlayer::CanPause() const { return m_Core.CanPause(); }
bool TMediaPlayer::CanGoNext() const { return m_Core.CanSkip(); }
bool TMediaPlayer::CanGoPrevious() const { return m_Core.CanJumpSentence(); }

void TMediaPlayer::Play()
{
    if (m_Core.State() == rsPaused)
        m_Commands.Run(QStringLiteral("resume"));
    else if (m_Core.State() == rsIdle)
        m_Core.ReadAloud();
}

void TMediaPlayer::Pause() { m_Commands.Run(QStringLiteral("pause")); }

void TMediaPlayer::PlayPause()
{
    if (m_Core.State() == rsIdle)
        Play();
    else
        m_Commands.Run(QStringLiteral("toggle-pause"));
}

void TMediaPlayer::Stop() { m_Commands.Run(QStringLiteral("stop")); }
void TMediaPlayer::Next() { m_Commands.Run(QStringLiteral("skip")); }
// Back a sentence: hearing again what was missed.
void TMediaPlayer::Previous() { m_Core.JumpSentence(-1); }
void TMediaPlayer::Raise() { m_Commands.Run(QStringLiteral("show")); }

void TMediaPlayer::Changed()
{
    if (!m_Registered)
        return;
    // Only what changed is announced: controllers keep the rest from their last query.
    const QVariantMap now{{QStringLiteral("PlaybackStatus"), PlaybackStatus()},
                          {QStringLiteral("Metadata"), Metadata()},
                          {QStringLiteral("CanPlay"), CanPlay()},
                          {QStringLiteral("CanPause"), CanPause()},
                          {QStringLiteral("CanGoNext"), CanGoNext()}};
    QVariantMap changed;
    for (auto it = now.begin(); it != now.end(); ++it) {
        if (m_Told.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    }
    m_Told = now;
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(objectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << playerInterface << changed << QStringList();
    Bus(m_Bus).send(signal);
}

#include "MediaPlayer.moc"
