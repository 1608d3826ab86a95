#include "platform/waveout/WaveOut.h"

#include <gtest/gtest.h>

// With no sound server there is no device; nothing may hang or crash.
TEST(WaveOutWithoutServerTest, NoDevicesAndEveryQueryFails)
{
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    WAVEOUTCAPS caps;
    EXPECT_EQ(waveOutGetDevCaps(WAVE_MAPPER, caps), MMSYSERR_NODRIVER);
    EXPECT_EQ(waveOutGetDevCaps(0, caps), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(TestWaveOutDevice(WAVE_MAPPER), -1);
    EXPECT_EQ(TestWaveOutDevice(0), -1);
}
