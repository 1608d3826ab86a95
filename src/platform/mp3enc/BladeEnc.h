#pragma once

#include <cstdint>

// The MP3 encoder's four calls: a stream is opened with a configuration, fed
// chunks of 16-bit samples and closed. Implemented over LAME.

#pragma pack(push, 1)
struct BE_CONFIG
{
    uint32_t dwConfig;    // 0: MP3
    uint32_t dwSampleRate;
    uint8_t byMode;       // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    uint16_t wBitrate;    // kbit/s
    uint8_t bPrivate;
    uint8_t bCRC;
    uint8_t bCopyright;
    uint8_t bOriginal;
};
#pragma pack(pop)
static_assert(sizeof(BE_CONFIG) == 15, "the configuration record is 15 bytes");

using HBE_STREAM = uint32_t;
using BE_ERR = uint32_t;

constexpr uint32_t BE_CONFIG_MP3 = 0;
constexpr uint8_t BE_MP3_MODE_MONO = 3;

constexpr BE_ERR BE_ERR_SUCCESSFUL = 0;
constexpr BE_ERR BE_ERR_INVALID_FORMAT = 1;
constexpr BE_ERR BE_ERR_INVALID_FORMAT_PARAMETERS = 2;
constexpr BE_ERR BE_ERR_NO_MORE_HANDLES = 3;
constexpr BE_ERR BE_ERR_INVALID_HANDLE = 4;
constexpr BE_ERR BE_ERR_BUFFER_TOO_SMALL = 5;

extern "C" {
BE_ERR beInitStream(const BE_CONFIG *config, uint32_t *samples, uint32_t *bufferSize, HBE_STREAM *stream);
BE_ERR beEncodeChunk(HBE_STREAM stream, uint32_t samples, const int16_t *input, uint8_t *output,
                     uint32_t *outputBytes);
BE_ERR beDeinitStream(HBE_STREAM stream, uint8_t *output, uint32_t *outputBytes);
BE_ERR beCloseStream(HBE_STREAM stream);
// After beDeinitStream: the info frame (the sound's length and the encoder's delay)
// that goes over the first frame of the stream's output, which was left for it.
BE_ERR beInfoFrame(HBE_STREAM stream, uint8_t *output, uint32_t size, uint32_t *outputBytes);
}

// The samples per chunk and the LAME quality the streams use (0 best … 9 fastest).
constexpr uint32_t BeSamplesPerChunk = 1152 * 64;
constexpr int BeLameQuality = 7;

// Test support: the next beInitStream answers this code (once) without opening a stream.
void beFailNextInit(BE_ERR code);
