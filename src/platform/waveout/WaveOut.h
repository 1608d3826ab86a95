#pragma once

#include <QString>
#include <QtGlobal>

// Wave output devices: how many there are, what each can do, and whether one can be
// opened. Device numbers run from 0 to the count - 1; WAVE_MAPPER is the system's
// default output.

constexpr int WAVE_MAPPER = -1;

constexpr quint32 MMSYSERR_NOERROR = 0;
constexpr quint32 MMSYSERR_ERROR = 1;
constexpr quint32 MMSYSERR_BADDEVICEID = 2;
constexpr quint32 MMSYSERR_ALLOCATED = 4;
constexpr quint32 MMSYSERR_NODRIVER = 6;

// Standard formats (dwFormats).
constexpr quint32 WAVE_FORMAT_1M08 = 0x0001;
constexpr quint32 WAVE_FORMAT_1S08 = 0x0002;
constexpr quint32 WAVE_FORMAT_1M16 = 0x0004;
constexpr quint32 WAVE_FORMAT_1S16 = 0x0008;
constexpr quint32 WAVE_FORMAT_2M08 = 0x0010;
constexpr quint32 WAVE_FORMAT_2S08 = 0x0020;
constexpr quint32 WAVE_FORMAT_2M16 = 0x0040;
constexpr quint32 WAVE_FORMAT_2S16 = 0x0080;
constexpr quint32 WAVE_FORMAT_4M08 = 0x0100;
constexpr quint32 WAVE_FORMAT_4S08 = 0x0200;
constexpr quint32 WAVE_FORMAT_4M16 = 0x0400;
constexpr quint32 WAVE_FORMAT_4S16 = 0x0800;

// Optional functions (dwSupport).
constexpr quint32 WAVECAPS_PITCH = 0x0001;
constexpr quint32 WAVECAPS_PLAYBACKRATE = 0x0002;
constexpr quint32 WAVECAPS_VOLUME = 0x0004;
constexpr quint32 WAVECAPS_LRVOLUME = 0x0008;
constexpr quint32 WAVECAPS_SYNC = 0x0010;
constexpr quint32 WAVECAPS_SAMPLEACCURATE = 0x0020;

struct WAVEOUTCAPS
{
    quint16 wMid = 0;           // manufacturer; the sound server does not tell: 0
    quint16 wPid = 0;           // product; likewise 0
    quint32 vDriverVersion = 0; // likewise 0
    QString szPname;            // the device's description
    quint32 dwFormats = 0;
    quint16 wChannels = 0;
    quint32 dwSupport = 0;
    QString DeviceId; // the sound server's name for the device
};

// No device is listed (none is opened) until the sound server has answered a
// connection of our own within a second: the audio library waits many seconds for a
// server that takes connections but does not answer.
quint32 waveOutGetNumDevs();
// Asks the sound server now, as the first list of devices would (the start asks on
// a thread of its own, while the window is made): true when it answers. The start
// takes that for sound being there: listing the devices starts the audio library
// and its own connection, which waits until sound is first wanted.
bool waveOutCheckServer();
// MMSYSERR_NOERROR, or MMSYSERR_BADDEVICEID for a number that names no device
// (MMSYSERR_NODRIVER for WAVE_MAPPER when there is no device at all).
quint32 waveOutGetDevCaps(int deviceId, WAVEOUTCAPS &caps);

// Opens the device for 22050 Hz mono 16-bit output and closes it again:
// 0 free, 1 busy (already allocated), -1 any other failure.
int TestWaveOutDevice(int deviceId);

// Whether the sound server has the output of this id (its sink name) now, asked of
// the server itself: the device list the audio library keeps may be moments behind,
// and a stream opened on an output that has gone is waited for for ever. False
// when the server does not answer within a second.
bool SoundOutputPresent(const QByteArray &id);
