#include "WaveFixture.h"
#include "audio/Mp3Encode.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

// The whole path from the real engine's WAV file to an MP3 file that other tools read.
namespace {

TEST(Mp3EngineTest, SpokenTextBecomesAnMp3FileOfTheSameLength)
{
    TempHome home;
    DetectSpeechSupport();
    ASSERT_TRUE(WaveOutPresent) << "the voice manager tests the sound card first; run through scripts/test";
    TPreferences prefs;
    TTTSForm voices(prefs);
    voices.Initialize();
    int done = 0;
    voices.TTS1->OnTextDataDone = [&](TTTS *, quint64, quint32) { ++done; };
    const QString wav = home.Root() + QStringLiteral("/temp.wav");
    const QString wav44 = home.Root() + QStringLiteral("/temp44.wav");
    const QString mp3 = home.Root() + QStringLiteral("/News.mp3");
    ASSERT_TRUE(voices.PlayToFileInit(QStringLiteral("Mary"), wav));
    voices.SpeakText(QStringLiteral("Parlewind turns this sentence into a small MP3 file for your music player."));
    ASSERT_TRUE(WaitUntil([&] { return done == 1; }, 20000));
    voices.TTS1->SetActive(false);
    const double seconds = WaveFixture::Soxi(QStringLiteral("-D"), wav).toDouble();
    EXPECT_EQ(WaveFixture::Soxi(QStringLiteral("-r"), wav), QStringLiteral("22050"));
    ASSERT_GT(seconds, 2.0);

    ASSERT_TRUE(voices.ConvertWaveFile(wav, wav44, 16, 1, 44100));
    EXPECT_EQ(WaveFixture::Soxi(QStringLiteral("-r"), wav44), QStringLiteral("44100"));
    EXPECT_NEAR(WaveFixture::Soxi(QStringLiteral("-D"), wav44).toDouble(), seconds, 0.001);
    ASSERT_TRUE(EncodeMp3File(wav44, mp3));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    QProcess lame;
    lame.start(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("--decode"), mp3, mp3 + QStringLiteral(".wav")});
    ASSERT_TRUE(lame.waitForFinished(30000));
    EXPECT_EQ(lame.exitCode(), 0);
    EXPECT_NEAR(WaveFixture::Soxi(QStringLiteral("-D"), mp3 + QStringLiteral(".wav")).toDouble(), seconds, 0.06);
}

} // namespace
