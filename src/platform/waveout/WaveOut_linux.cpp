#include "platform/waveout/WaveOut.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <mutex>
#include <optional>

#include <pulse/pulseaudio.h>

namespace {

// A connection of our own to the sound server, given up when `timeoutMs` have passed.
struct ServerQuery
{
    explicit ServerQuery(int timeoutMs) : deadline(timeoutMs)
    {
        if (loop)
            context = pa_context_new(pa_mainloop_get_api(loop), "Parlewind device check");
    }
    ~ServerQuery()
    {
        if (context) {
            pa_context_disconnect(context);
            pa_context_unref(context);
        }
        if (loop)
            pa_mainloop_free(loop);
    }
    ServerQuery(const ServerQuery &) = delete;
    ServerQuery &operator=(const ServerQuery &) = delete;

    // Runs the loop until `finished` or the time is up.
    template <typename F> bool Run(const F &finished)
    {
        while (!finished() && !deadline.hasExpired()) {
            if (pa_mainloop_prepare(loop, int(std::min<qint64>(deadline.remainingTime(), 50)) *
                                              1000) < 0 ||
                pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                return false;
        }
        return finished();
    }
    // Whether the server took the connection and answered in time.
    bool Connect()
    {
        return context &&
               pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
               Run([this] {
                   const pa_context_state_t state = pa_context_get_state(context);
                   return !PA_CONTEXT_IS_GOOD(state) || state == PA_CONTEXT_READY;
               }) &&
               pa_context_get_state(context) == PA_CONTEXT_READY;
    }

    QDeadlineTimer deadline;
    pa_mainloop *loop = pa_mainloop_new();
    pa_context *context = nullptr;
};

// Qt Multimedia waits many seconds for a sound server that takes connections but
// does not answer (a hung one), on whichever thread asks first. So the server is
// asked here, for a second at most, before the library is: until it has answered
// once, no device is listed. A server that did not answer in time is asked again
// only a few seconds later; one that refused at once (none running) every time.
std::mutex serverMutex;
bool serverAnswered = false;
QDeadlineTimer nextServerCheck(0);

bool ServerAnswers()
{
    const std::lock_guard lock(serverMutex);
    if (serverAnswered)
        return true;
    if (!nextServerCheck.hasExpired())
        return false;
    ServerQuery server(1000);
    serverAnswered = server.Connect();
    nextServerCheck.setRemainingTime(server.deadline.hasExpired() ? 5000 : 0);
    return serverAnswered;
}

std::optional<QAudioDevice> DeviceFor(int deviceId)
{
    if (!ServerAnswers())
        return std::nullopt;
    if (deviceId == WAVE_MAPPER) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return std::nullopt;
        return device;
    }
    const QList<QAudioDevice> devices = QMediaDevices::audioOutputs();
    if (deviceId < 0 || deviceId >= devices.size())
        return std::nullopt;
    return devices.at(deviceId);
}

QAudioFormat Format(int rate, int channels, QAudioFormat::SampleFormat sample)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(sample);
    return format;
}

} // namespace

quint32 waveOutGetNumDevs()
{
    return ServerAnswers() ? static_cast<quint32>(QMediaDevices::audioOutputs().size()) : 0;
}

quint32 waveOutGetDevCaps(int deviceId, WAVEOUTCAPS &caps)
{
    const auto device = DeviceFor(deviceId);
    if (!device)
        return deviceId == WAVE_MAPPER ? MMSYSERR_NODRIVER : MMSYSERR_BADDEVICEID;

    caps = WAVEOUTCAPS{};
    caps.szPname = device->description();
    caps.DeviceId = QString::fromUtf8(device->id());

    // The standard formats in bit order: 11.025, 22.05, 44.1 kHz; mono/stereo; 8/16 bit.
    quint32 bit = WAVE_FORMAT_1M08;
    for (int rate : {11025, 22050, 44100}) {
        for (auto sample : {QAudioFormat::UInt8, QAudioFormat::Int16}) {
            for (int channels : {1, 2}) {
                // Bits go mono8, stereo8, mono16, stereo16 within a rate.
                const int shift = (sample == QAudioFormat::Int16 ? 2 : 0) + (channels - 1);
                if (device->isFormatSupported(Format(rate, channels, sample)))
                    caps.dwFormats |= bit << shift;
            }
        }
        bit <<= 4;
    }
    const int channels = device->preferredFormat().channelCount();
    caps.wChannels = static_cast<quint16>(channels > 0 ? channels : device->maximumChannelCount());
    // Every output stream has a volume of its own.
    caps.dwSupport = WAVECAPS_VOLUME;
    return MMSYSERR_NOERROR;
}

int TestWaveOutDevice(int deviceId)
{
    const auto device = DeviceFor(deviceId);
    if (!device || !SoundOutputPresent(device->id()))
        return -1;
    QAudioSink sink(*device, Format(22050, 1, QAudioFormat::Int16));
    QIODevice *io = sink.start();
    const QAudio::Error error = sink.error();
    sink.stop();
    // A sound server mixes every stream, so a device is never "busy" here: any
    // failure to open it is some other failure.
    return io && error == QAudio::NoError ? 0 : -1;
}

bool SoundOutputPresent(const QByteArray &id)
{
    struct Query
    {
        bool done = false;
        bool found = false;
    } query;
    ServerQuery server(1000);
    if (!server.Connect())
        return false;
    pa_operation *op = pa_context_get_sink_info_by_name(
        server.context, id.constData(),
        [](pa_context *, const pa_sink_info *info, int eol, void *data) {
            auto *q = static_cast<Query *>(data);
            if (eol != 0)
                q->done = true;
            else if (info)
                q->found = true;
        },
        &query);
    if (op) {
        server.Run([&] { return query.done; });
        pa_operation_unref(op);
    }
    return query.found;
}

bool waveOutCheckServer()
{
    return ServerAnswers();
}
