#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"
#include "platform/shell/Messages.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The voice manager with the real engine and the test sound server.
namespace {

class TTSFormAudioTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DetectSpeechSupport();
        ASSERT_TRUE(WaveOutPresent) << "is the test sound server running?";
        voices.Initialize();
        Messages::TakeRecorded();
        voices.TTS1->OnTextDataDone = [this](TTTS *, quint64, quint32) { ++done; };
        voices.TTS1->OnWordPosition = [this](TTTS *, quint64, quint32 offset) {
            words << voices.TTSFilter.MapPosition(static_cast<qint32>(offset / 2));
        };
    }

    TempHome home;
    TPreferences prefs;
    TTTSForm voices{prefs};
    int done = 0;
    QList<int> words;
};

TEST_F(TTSFormAudioTest, OffersTheStandardVoicesOfTheInstalledEngine)
{
    EXPECT_TRUE(voices.HasStandardVoices);
    ASSERT_GE(voices.VoiceCount(), 3);
    EXPECT_EQ(voices.Voices[0]->Name, QStringLiteral("Mary"));
    EXPECT_EQ(prefs.TTS_DefaultVoiceName, QStringLiteral("Mary"));
    for (const auto &v : voices.Voices)
        EXPECT_FALSE(v->ModeID.isNull()) << v->Name.toStdString();
    EXPECT_NE(voices.FindVoice(QStringLiteral("RoboSoft Six")), nullptr);
}

TEST_F(TTSFormAudioTest, PlaySpeaksTheFilteredTextAndPositionsMapBackToTheWordsGiven)
{
    const QString text = QStringLiteral("Please visit www.example.org/a/long/path/here today (or tomorrow).");
    ASSERT_TRUE(voices.Play(text, QStringLiteral("Mike")));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    ASSERT_TRUE(WaitUntil([&] { return done == 1; }, 20000));
    const TVoiceEntry &mike = *voices.FindVoice(QStringLiteral("Mike"));
    EXPECT_GT(mike.DefaultSpeed, 0);
    EXPECT_EQ(mike.Speed, mike.DefaultSpeed);
    EXPECT_GE(mike.MaxPitch, mike.DefaultPitch);

    // Every reported word starts a word of the article's own text.
    QStringList heard;
    for (int at : std::as_const(words)) {
        ASSERT_GE(at, 0);
        ASSERT_LT(at, text.size());
        heard << text.mid(at).section(QRegularExpression(QStringLiteral("[^A-Za-z]")), 0, 0);
    }
    EXPECT_TRUE(heard.contains(QStringLiteral("Please"))) << heard.join(u' ').toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("www"))) << heard.join(u' ').toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("today"))) << heard.join(u' ').toStdString();
    EXPECT_TRUE(heard.contains(QStringLiteral("tomorrow"))) << heard.join(u' ').toStdString();
    EXPECT_FALSE(heard.contains(QStringLiteral("path"))) << "the long path is read as \"web link\"";
    voices.TTS1->SetActive(false);
}

TEST_F(TTSFormAudioTest, ReadingToAFileWritesAWaveFileInTheVoice)
{
    const QString file = home.Root() + QStringLiteral("/article.wav");
    ASSERT_TRUE(voices.PlayToFileInit(QStringLiteral("Sam"), file));
    ASSERT_TRUE(voices.SpeakText(QStringLiteral("This sentence is written into a wave file.")));
    ASSERT_TRUE(WaitUntil([&] { return done == 1; }, 20000));
    voices.TTS1->SetActive(false);
    const WaveData wave = ReadWave(file);
    ASSERT_TRUE(wave.valid);
    EXPECT_EQ(wave.rate, 22050);
    EXPECT_GT(wave.Seconds(), 1.0);
    EXPECT_LT(wave.Seconds(), 6.0);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
}

} // namespace
