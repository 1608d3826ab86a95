#include "platform/waveout/WaveOut.h"

#include <QAudioDevice>
#include <QDeadlineTimer>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <optional>

#include <pulse/pulseaudio.h>

namespace {

std::optional<QAudioDevice> DeviceFor(int deviceId)
{
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
    return static_cast<quint32>(QMediaDevices::audioOutputs().size());
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
    pa_mainloop *loop = pa_mainloop_new();
    if (!loop)
        return false;
    pa_context *context = pa_context_new(pa_mainloop_get_api(loop), "Parlewind device check");
    const QDeadlineTimer deadline(1000);
    // Runs the loop until `finished` or the time is up.
    const auto run = [&](const auto &finished) {
        while (!finished() && !deadline.hasExpired()) {
            if (pa_mainloop_prepare(loop, static_cast<int>(std::min<qint64>(deadline.remainingTime(), 50)) * 1000) < 0 ||
                pa_mainloop_poll(loop) < 0 || pa_mainloop_dispatch(loop) < 0)
                return false;
        }
        return finished();
    };
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
        run([&] { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(context)) || pa_context_get_state(context) == PA_CONTEXT_READY; }) &&
        pa_context_get_state(context) == PA_CONTEXT_READY) {
        pa_operation *op = pa_context_get_sink_info_by_name(
            context, id.constData(),
            [](pa_context *, const pa_sink_info *info, int eol, void *data) {
                auto *q = static_cast<Query *>(data);
                if (eol != 0)
                    q->done = true;
                else if (info)
                    q->found = true;
            },
            &query);
        if (op) {
            run([&] { return query.done; });
            pa_operation_unref(op);
        }
    }
    if (context) {
        pa_context_disconnect(context);
        pa_context_unref(context);
    }
    pa_mainloop_free(loop);
    return query.found;
}
