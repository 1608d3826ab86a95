#include "platform/speechd/SpeechdCentral.h"

#include "platform/sapi/AudioDestinations.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/speechd/Speechd.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QObject>
#include <QSet>
#include <QTimer>

#include <libspeechd.h>
#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace {

// How often a reading checks that the server is still there.
constexpr int watchMs = 250;

SPDVoiceType TypeOf(const QString &variant)
{
    static const char *const types[] = {"MALE1", "MALE2", "MALE3", "FEMALE1", "FEMALE2", "FEMALE3", "CHILD_MALE", "CHILD_FEMALE"};
    for (int k = 0; k < 8; ++k) {
        if (variant.compare(QLatin1String(types[k]), Qt::CaseInsensitive) == 0)
            return SPDVoiceType(SPD_MALE1 + k);
    }
    return SPD_UNSPECIFIED;
}

// The program's one connection to the server. libspeechd reports events on a
// thread of its own through plain functions; they are handed to the thread of
// the program's windows and there to whoever sent the message.
class Connection
{
public:
    static Connection &Instance()
    {
        static Connection connection;
        return connection;
    }

    // The connection, opened when there is none or the server went away (the
    // library starts a server that is installed but not running).
    SPDConnection *Get(QString *problem)
    {
        if (m_Connection && !Alive())
            Close();
        if (m_Connection)
            return m_Connection;
        char *error = nullptr;
        m_Connection = spd_open2("parlewind", "reading", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        if (!m_Connection) {
            *problem =
                QCoreApplication::translate("SpeechDispatcher",
                                            "speech-dispatcher could not be reached (%1)")
                    .arg(QString::fromLocal8Bit(error ? error : "no reason given").simplified());
            std::free(error);
            return nullptr;
        }
        m_Connection->callback_begin = m_Connection->callback_end = m_Connection->callback_cancel = OnEvent;
        m_Connection->callback_im = OnMark;
        spd_set_notification_on(m_Connection, SPD_BEGIN);
        spd_set_notification_on(m_Connection, SPD_END);
        spd_set_notification_on(m_Connection, SPD_CANCEL);
        spd_set_notification_on(m_Connection, SPD_INDEX_MARKS);
        spd_set_data_mode(m_Connection, SPD_DATA_SSML);
        return m_Connection;
    }

    // False once the server has closed its end.
    bool Alive() const
    {
        if (!m_Connection)
            return false;
        pollfd fd{m_Connection->socket, 0, 0};
        return ::poll(&fd, 1, 0) == 0 || (fd.revents & (POLLHUP | POLLERR | POLLNVAL)) == 0;
    }

    // The voice and its values, sent only when they differ from the last sent.
    bool Apply(const QString &module, const QString &language, const QString &voice, const QString &variant, int rate,
               int pitch)
    {
        const QString key = QStringList{module, language, voice, variant, QString::number(rate), QString::number(pitch)}
                                .join(QLatin1Char('\n'));
        if (key == m_Applied)
            return true;
        // A voice a generic module lists under a voice type is chosen by that type:
        // such a module keeps the name of a voice chosen by name only as long as the
        // message it came with, and reads the next one with whatever is left there.
        const SPDVoiceType type = TypeOf(variant);
        const bool ok = spd_set_output_module(m_Connection, module.toUtf8().constData()) == 0 &&
                        (language.isEmpty() || spd_set_language(m_Connection, language.toUtf8().constData()) == 0) &&
                        (type != SPD_UNSPECIFIED ? spd_set_voice_type(m_Connection, type) == 0
                                                 : spd_set_synthesis_voice(m_Connection, voice.toUtf8().constData()) == 0) &&
                        spd_set_voice_rate(m_Connection, rate) == 0 &&
                        spd_set_voice_pitch(m_Connection, pitch) == 0;
        m_Applied = ok ? key : QString();
        return ok;
    }

    void Watch(size_t id, std::function<void(int type, int mark)> handler) { m_Handlers[id] = std::move(handler); }
    void Forget(size_t id) { m_Handlers.erase(id); }
    void Cancel()
    {
        if (m_Connection && Alive())
            spd_cancel(m_Connection);
    }

private:
    Connection() = default;
    ~Connection() { Close(); }

    void Close()
    {
        if (m_Connection)
            spd_close(m_Connection);
        m_Connection = nullptr;
        m_Applied.clear();
    }

    static void Post(size_t id, int type, int mark)
    {
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [id, type, mark] {
                Connection &c = Instance();
                const auto it = c.m_Handlers.find(id);
                if (it == c.m_Handlers.end())
                    return;
                const auto handler = it->second; // it may forget itself
                handler(type, mark);
            },
            Qt::QueuedConnection);
    }
    static void OnEvent(size_t id, size_t, SPDNotificationType type) { Post(id, int(type), -1); }
    static void OnMark(size_t id, size_t, SPDNotificationType type, char *mark)
    {
        bool ok = false;
        const int at = mark ? QByteArray(mark).toInt(&ok) : -1;
        if (ok)
            Post(id, int(type), at);
    }

    SPDConnection *m_Connection = nullptr;
    QString m_Applied;
    std::map<size_t, std::function<void(int, int)>> m_Handlers;
};

// The modules that have reported marks this run: their words are heard one by one.
QSet<QString> &Marking()
{
    static QSet<QString> modules;
    return modules;
}

} // namespace

HRESULT SpeechdCentral::Create(const EspeakMode &mode, std::shared_ptr<IAudio> destination,
                               std::shared_ptr<ITTSCentral> *central)
{
    if (!dynamic_cast<IAudioMultiMediaDevice *>(destination.get()) &&
        !dynamic_cast<AudioFileDest *>(destination.get()))
        return E_NOTIMPL;
    *central = std::make_shared<SpeechdCentral>(mode, std::move(destination));
    return S_OK;
}

SpeechdCentral::SpeechdCentral(const EspeakMode &mode, std::shared_ptr<IAudio> destination)
    : CentralBase(mode.defaults), m_Mode(mode), m_Context(std::make_unique<QObject>())
{
    const QStringList parts = mode.voice.split(QLatin1Char('\n'));
    m_Module = parts.value(0);
    m_Voice = parts.value(1);
    m_Variant = parts.value(2);
    // Opened on a file only to learn the voice's limits: nothing is spoken into one.
    m_File = dynamic_cast<AudioFileDest *>(destination.get()) != nullptr;
    m_Watch = new QTimer(m_Context.get());
    m_Watch->setInterval(watchMs);
    QObject::connect(m_Watch, &QTimer::timeout, m_Context.get(), [this] {
        if (!Connection::Instance().Alive())
            Lost(QCoreApplication::translate("SpeechDispatcher",
                                             "speech-dispatcher stopped while reading"));
    });
}

SpeechdCentral::~SpeechdCentral()
{
    if (!m_InFlight.empty()) {
        Unwatch();
        Connection::Instance().Cancel();
    }
}

int SpeechdCentral::RateOf(int wordsPerMinute)
{
    // The server's scale ends where the engines' own speeds end: 80 and 450 words
    // a minute. It gives no sound back, so it cannot be made faster than that.
    const int normal = SpeechShaping::NormalRate;
    const int scaled = wordsPerMinute >= normal ? (wordsPerMinute - normal) * 100 / (SpeechShaping::EngineFastest - normal)
                                                : (wordsPerMinute - normal) * 100 / (normal - 80);
    return std::clamp(scaled, -100, 100);
}

int SpeechdCentral::PitchOf(int pitch) { return std::clamp((pitch - 50) * 2, -100, 100); }

QByteArray SpeechdCentral::Markup(const QString &text, int start, int length, bool tagged)
{
    QString out = QStringLiteral("<speak>");
    bool inWord = false;
    const int end = std::min(int(text.size()), start + length);
    for (int i = start; i < end; ++i) {
        const QChar c = text.at(i);
        if (tagged && c == QLatin1Char('\\')) {
            Prosody ignored;
            if (const int n = TextPrep::ReadTag(text, i, ignored); n > 0) {
                i += n - 1;
                out += QLatin1Char(' ');
                inWord = false;
                continue;
            }
        }
        // Characters XML does not allow are blanks.
        if (c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0xFFFE || c.unicode() == 0xFFFF) {
            out += QLatin1Char(' ');
            inWord = false;
            continue;
        }
        if (!inWord) {
            out += QStringLiteral("<mark name=\"%1\"/>").arg(i);
            inWord = true;
        }
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        case '\'': out += QStringLiteral("&apos;"); break;
        default: out += c;
        }
    }
    out += QStringLiteral("</speak>");
    return out.toUtf8();
}

HRESULT SpeechdCentral::TextData(quint32 charSet, quint32 flags, SDATA text,
                                 std::shared_ptr<ITTSBufNotifySink> sink, const QUuid &sinkId)
{
    if (const HRESULT checked = CheckTextData(charSet, text, sink.get(), sinkId); checked != S_OK)
        return SUCCEEDED(checked) ? S_OK : checked;
    if (m_File)
        return E_NOTIMPL; // the server gives no sound back
    Job job;
    job.text = TextOf(text);
    job.tagged = (flags & TTSDATAFLAG_TAGGED) != 0;
    job.sink = std::move(sink);
    job.pieces = TextPrep::SentencePieces(job.text, 0);
    m_Jobs.push_back(std::move(job));
    m_Failure.clear();
    if (!m_Watch->isActive())
        m_Watch->start();
    // Sent once this call has returned: a failure is told like any other.
    QMetaObject::invokeMethod(m_Context.get(), [this] { Pump(); }, Qt::QueuedConnection);
    return S_OK;
}

// Keeps the server two pieces ahead: the next sentence is queued there before the
// current one ends, so that none waits for a round trip.
void SpeechdCentral::Pump()
{
    const std::weak_ptr<bool> alive = m_Alive;
    while (!m_Paused && !m_Jobs.empty()) {
        Job &job = m_Jobs.front();
        if (job.next >= job.pieces.size()) {
            if (!m_InFlight.empty())
                return;
            // Nothing (more) to say in this text.
            const auto sink = job.sink;
            m_Jobs.pop_front();
            sink->TextDataDone(Now(), 0);
            if (alive.expired())
                return;
            continue;
        }
        if (m_InFlight.size() >= 2)
            return;
        QString problem;
        SPDConnection *connection = Connection::Instance().Get(&problem);
        if (!connection)
            return Lost(problem);
        if (!Connection::Instance().Apply(m_Module, m_Mode.info.szDialect, m_Voice, m_Variant, RateOf(m_Prosody.rate),
                                          PitchOf(m_Prosody.pitch)))
            return Lost(QCoreApplication::translate("SpeechDispatcher",
                                                    "speech-dispatcher refused the voice"));
        const auto [start, length] = job.pieces[job.next];
        const int id = spd_say(connection, SPD_MESSAGE, Markup(job.text, start, length, job.tagged).constData());
        if (id < 0)
            return Lost(QCoreApplication::translate("SpeechDispatcher",
                                                    "speech-dispatcher stopped while reading"));
        ++job.next;
        m_InFlight.push_back({size_t(id), start, length});
        std::weak_ptr<bool> alive = m_Alive;
        Connection::Instance().Watch(size_t(id), [this, alive, id](int type, int mark) {
            if (!alive.expired())
                OnEvent(size_t(id), type, mark);
        });
    }
    if (m_Jobs.empty()) {
        m_Watch->stop();
        if (m_AudioOn)
            NotifyAudio(false);
    }
}

void SpeechdCentral::OnEvent(size_t id, int type, int mark)
{
    const auto sent = std::find_if(m_InFlight.begin(), m_InFlight.end(), [id](const Sent &s) { return s.id == id; });
    if (sent == m_InFlight.end() || m_Jobs.empty())
        return;
    const std::weak_ptr<bool> alive = m_Alive;
    Job &job = m_Jobs.front();
    const auto sink = job.sink;
    switch (type) {
    case SPD_EVENT_BEGIN:
        if (!job.started) {
            job.started = true;
            if (!m_AudioOn)
                NotifyAudio(true);
            if (alive.expired())
                return;
            sink->TextDataStarted(Now());
            if (alive.expired())
                return;
        }
        // Until the module is known to report words, the sentence is what is heard.
        if (!Marking().contains(m_Module) && sent->start > job.lastWord) {
            job.lastWord = sent->start;
            sink->SentencePosition(Now(), quint32(sent->start) * 2, quint32(sent->length) * 2);
        }
        break;
    case SPD_EVENT_INDEX_MARK:
        Marking().insert(m_Module);
        if (mark > job.lastWord) {
            job.lastWord = mark;
            sink->WordPosition(Now(), quint32(mark) * 2);
        }
        break;
    case SPD_EVENT_END:
    case SPD_EVENT_CANCEL: // cancelled by another program's message: on with the next
        Connection::Instance().Forget(id);
        m_InFlight.erase(sent);
        Pump();
        break;
    default:
        break;
    }
}

void SpeechdCentral::Unwatch()
{
    for (const Sent &s : m_InFlight)
        Connection::Instance().Forget(s.id);
}

// Whatever the server still has of ours is dropped; the text being read is
// sent again from the last word or sentence heard when it goes on.
void SpeechdCentral::Silence()
{
    if (m_Jobs.empty())
        return;
    Job &job = m_Jobs.front();
    int from = job.lastWord;
    if (from < 0)
        from = !m_InFlight.empty() ? m_InFlight.front().start
                                   : (job.next < job.pieces.size() ? job.pieces[job.next].first : int(job.text.size()));
    Unwatch();
    m_InFlight.clear();
    Connection::Instance().Cancel();
    job.pieces = TextPrep::SentencePieces(job.text, from);
    job.next = 0;
    // The word heard last is heard again: its mark may come again.
    job.lastWord = from - 1;
}

void SpeechdCentral::Lost(const QString &reason)
{
    m_Failure = reason;
    m_Watch->stop();
    Unwatch();
    m_InFlight.clear();
    std::deque<Job> ended;
    ended.swap(m_Jobs);
    const bool wasOn = std::exchange(m_AudioOn, false);
    std::weak_ptr<bool> alive = m_Alive;
    QMetaObject::invokeMethod(
        m_Context.get(),
        [this, alive, ended, wasOn] {
            for (const Job &job : ended) {
                job.sink->TextDataDone(Now(), TTSBNSF_ENGINEFAILED);
                if (alive.expired())
                    return;
            }
            if (wasOn)
                NotifyAudio(false);
        },
        Qt::QueuedConnection);
}

HRESULT SpeechdCentral::Inject(const QString &tags)
{
    Prosody next = m_Prosody;
    for (int i = 0; i < tags.size();) {
        const int length = TextPrep::ReadTag(tags, i, next);
        i += length > 0 ? length : 1;
    }
    if (next.pitch == m_Prosody.pitch && next.rate == m_Prosody.rate)
        return S_OK;
    m_Prosody = next;
    // Heard at once: what is left is spoken again with the new values.
    if (!m_Paused && !m_InFlight.empty()) {
        Silence();
        Pump();
    }
    return S_OK;
}

HRESULT SpeechdCentral::Phoneme(quint32, quint32, SDATA, QByteArray *) { return E_NOTIMPL; }

HRESULT SpeechdCentral::AudioPause()
{
    if (!m_Paused) {
        m_Paused = true;
        Silence();
    }
    return S_OK;
}

HRESULT SpeechdCentral::AudioResume()
{
    if (m_Paused) {
        m_Paused = false;
        Pump();
    }
    return S_OK;
}

HRESULT SpeechdCentral::AudioReset()
{
    Unwatch();
    if (!m_InFlight.empty())
        Connection::Instance().Cancel();
    m_InFlight.clear();
    m_Watch->stop();
    std::deque<Job> discarded;
    discarded.swap(m_Jobs);
    const bool wasOn = std::exchange(m_AudioOn, false);
    std::weak_ptr<bool> alive = m_Alive;
    QMetaObject::invokeMethod(
        m_Context.get(),
        [this, alive, discarded, wasOn] {
            for (const Job &job : discarded) {
                job.sink->TextDataDone(Now(), 0);
                if (alive.expired())
                    return;
            }
            if (wasOn && m_Jobs.empty())
                NotifyAudio(false);
        },
        Qt::QueuedConnection);
    return S_OK;
}

HRESULT SpeechdCentral::AboutDlg(QWidget *parent, const QString &title)
{
    QMessageBox::about(
        parent,
        title.isEmpty()
            ? QCoreApplication::translate("Engines", "About %1").arg(m_Mode.info.szModeName)
            : title,
        QCoreApplication::translate(
            "Engines",
            "<h3>%1</h3><p>The voice %2 of speech-dispatcher's output module %3. "
            "It reads aloud only: speech-dispatcher gives no sound back to programs.</p>")
            .arg(m_Mode.info.szModeName.toHtmlEscaped(), m_Voice.toHtmlEscaped(),
                 m_Module.toHtmlEscaped()));
    return S_OK;
}
