#include "platform/waveout/WaveOut.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

// Runs against the private sound server that scripts/test starts: two null sinks,
// "Parlewind_Test_Speakers" (44.1 kHz stereo, the default) and
// "Parlewind_Test_Headset" (22.05 kHz mono).
namespace {

int FindDevice(const QString &name)
{
    for (int id = 0; id < static_cast<int>(waveOutGetNumDevs()); ++id) {
        WAVEOUTCAPS caps;
        if (waveOutGetDevCaps(id, caps) == MMSYSERR_NOERROR && caps.szPname == name)
            return id;
    }
    return -2;
}

TEST(WaveOutTest, ListsTheServersOutputsWithTheirCapabilities)
{
    ASSERT_GE(waveOutGetNumDevs(), 2u) << "is the test sound server running?";
    const int speakers = FindDevice(QStringLiteral("Parlewind_Test_Speakers"));
    const int headset = FindDevice(QStringLiteral("Parlewind_Test_Headset"));
    ASSERT_GE(speakers, 0);
    ASSERT_GE(headset, 0);

    WAVEOUTCAPS caps;
    ASSERT_EQ(waveOutGetDevCaps(speakers, caps), MMSYSERR_NOERROR);
    EXPECT_EQ(caps.wChannels, 2);
    EXPECT_EQ(caps.DeviceId, QStringLiteral("speakers"));
    // The server converts any of the standard formats.
    EXPECT_EQ(caps.dwFormats, 0xFFFu);
    EXPECT_EQ(caps.wMid, 0);
    EXPECT_EQ(caps.dwSupport, WAVECAPS_VOLUME);
    ASSERT_EQ(waveOutGetDevCaps(headset, caps), MMSYSERR_NOERROR);
    EXPECT_EQ(caps.wChannels, 1);

    ASSERT_EQ(waveOutGetDevCaps(WAVE_MAPPER, caps), MMSYSERR_NOERROR);
    EXPECT_EQ(caps.szPname, QStringLiteral("Parlewind_Test_Speakers"));

    EXPECT_EQ(waveOutGetDevCaps(static_cast<int>(waveOutGetNumDevs()), caps), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(waveOutGetDevCaps(-2, caps), MMSYSERR_BADDEVICEID);
}

TEST(WaveOutTest, DevicesOpenAndCloseForTheBusyTest)
{
    EXPECT_EQ(TestWaveOutDevice(WAVE_MAPPER), 0);
    EXPECT_EQ(TestWaveOutDevice(0), 0);
    EXPECT_EQ(TestWaveOutDevice(1), 0);
    // Two at once: the server mixes, nothing is ever busy.
    EXPECT_EQ(TestWaveOutDevice(0), 0);
    EXPECT_EQ(TestWaveOutDevice(99), -1);
}

} // namespace
