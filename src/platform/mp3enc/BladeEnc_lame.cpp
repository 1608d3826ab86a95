#include "platform/mp3enc/BladeEnc.h"

#include <lame/lame.h>

#include <map>
#include <utility>
#include <mutex>

namespace {

std::mutex mutex;
// LAME fills some of its tables on the first set-up: streams are set up one at a time.
std::mutex setUp;
std::map<HBE_STREAM, lame_global_flags *> streams;
HBE_STREAM nextHandle = 1;
BE_ERR failNextInit = BE_ERR_SUCCESSFUL;

lame_global_flags *Find(HBE_STREAM stream)
{
    std::lock_guard lock(mutex);
    const auto it = streams.find(stream);
    return it == streams.end() ? nullptr : it->second;
}

// LAME's own bound for the bytes one call may produce.
uint32_t OutputBound(uint32_t samples) { return samples + samples / 4 + 7200; }

} // namespace

extern "C" BE_ERR beInitStream(const BE_CONFIG *config, uint32_t *samples, uint32_t *bufferSize, HBE_STREAM *stream)
{
    if (!config || !samples || !bufferSize || !stream)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    {
        std::lock_guard lock(mutex);
        if (failNextInit != BE_ERR_SUCCESSFUL)
            return std::exchange(failNextInit, BE_ERR_SUCCESSFUL);
    }
    if (config->dwConfig != BE_CONFIG_MP3)
        return BE_ERR_INVALID_FORMAT;
    if (config->byMode > 3 || config->wBitrate == 0)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    std::unique_lock setUpLock(setUp);
    lame_global_flags *lame = lame_init();
    if (!lame)
        return BE_ERR_NO_MORE_HANDLES;
    const int channels = config->byMode == BE_MP3_MODE_MONO ? 1 : 2;
    static const MPEG_mode modes[4] = {STEREO, JOINT_STEREO, DUAL_CHANNEL, MONO};
    lame_set_in_samplerate(lame, static_cast<int>(config->dwSampleRate));
    lame_set_out_samplerate(lame, static_cast<int>(config->dwSampleRate));
    lame_set_num_channels(lame, channels);
    lame_set_mode(lame, modes[config->byMode]);
    lame_set_brate(lame, config->wBitrate);
    lame_set_VBR(lame, vbr_off);
    lame_set_quality(lame, BeLameQuality);
    lame_set_error_protection(lame, config->bCRC ? 1 : 0);
    lame_set_copyright(lame, config->bCopyright ? 1 : 0);
    lame_set_original(lame, config->bOriginal ? 1 : 0);
    lame_set_extension(lame, config->bPrivate ? 1 : 0);
    lame_set_bWriteVbrTag(lame, 1); // an info frame first: players trim the encoder's delay
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    }
    setUpLock.unlock();
    std::lock_guard lock(mutex);
    *stream = nextHandle++;
    streams[*stream] = lame;
    *samples = BeSamplesPerChunk;
    *bufferSize = OutputBound(BeSamplesPerChunk);
    return BE_ERR_SUCCESSFUL;
}

extern "C" BE_ERR beEncodeChunk(HBE_STREAM stream, uint32_t samples, const int16_t *input, uint8_t *output,
                                uint32_t *outputBytes)
{
    lame_global_flags *lame = Find(stream);
    if (!lame || !outputBytes || (samples && (!input || !output)))
        return BE_ERR_INVALID_HANDLE;
    if (samples > BeSamplesPerChunk)
        return BE_ERR_BUFFER_TOO_SMALL;
    // Mono streams take one channel; LAME reads only the left one then.
    const int produced = lame_encode_buffer(lame, input, input, static_cast<int>(samples), output,
                                            static_cast<int>(OutputBound(samples)));
    if (produced < 0)
        return produced == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_INVALID_FORMAT;
    *outputBytes = static_cast<uint32_t>(produced);
    return BE_ERR_SUCCESSFUL;
}

extern "C" BE_ERR beDeinitStream(HBE_STREAM stream, uint8_t *output, uint32_t *outputBytes)
{
    lame_global_flags *lame = Find(stream);
    if (!lame || !output || !outputBytes)
        return BE_ERR_INVALID_HANDLE;
    const int produced = lame_encode_flush(lame, output, 7200);
    if (produced < 0)
        return BE_ERR_BUFFER_TOO_SMALL;
    *outputBytes = static_cast<uint32_t>(produced);
    return BE_ERR_SUCCESSFUL;
}

extern "C" BE_ERR beInfoFrame(HBE_STREAM stream, uint8_t *output, uint32_t size, uint32_t *outputBytes)
{
    lame_global_flags *lame = Find(stream);
    if (!lame || !output || !outputBytes)
        return BE_ERR_INVALID_HANDLE;
    const size_t produced = lame_get_lametag_frame(lame, output, size);
    if (produced > size)
        return BE_ERR_BUFFER_TOO_SMALL;
    *outputBytes = static_cast<uint32_t>(produced);
    return BE_ERR_SUCCESSFUL;
}

extern "C" BE_ERR beCloseStream(HBE_STREAM stream)
{
    lame_global_flags *lame = nullptr;
    {
        std::lock_guard lock(mutex);
        const auto it = streams.find(stream);
        if (it == streams.end())
            return BE_ERR_INVALID_HANDLE;
        lame = it->second;
        streams.erase(it);
    }
    lame_close(lame);
    return BE_ERR_SUCCESSFUL;
}

void beFailNextInit(BE_ERR code)
{
    std::lock_guard lock(mutex);
    failNextInit = code;
}
