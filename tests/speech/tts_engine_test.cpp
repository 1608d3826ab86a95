#include "speech/SpTools.h"
#include "speech/TTS.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

// The speech component on the real engine.
namespace {

TEST(TTSEngineTest, SpeaksEveryVoiceToAFileWithWordEvents)
{
    TempHome home;
    DetectSpeechSupport();
    EXPECT_TRUE(SpeechApiPresent);
    EXPECT_TRUE(TtsEnginePresent);
    QStringList names;
    ListModeNames(names);
    ASSERT_GE(names.size(), 9);
    EXPECT_FALSE(FindModeID(QStringLiteral(" Mike ")).isNull());

    TTTS tts;
    tts.SetOutputDest(odFile);
    for (const QString &name : names) {
        const QString path = home.Root() + QLatin1Char('/') + name + QStringLiteral(".wav");
        tts.SetModeName(name);
        tts.SetOutputFile(path);
        tts.SetActive(true);
        QList<int> words;
        int done = 0;
        tts.OnWordPosition = [&](TTTS *, quint64, quint32 offset) { words << int(offset) / 2; };
        tts.OnTextDataDone = [&](TTTS *, quint64, quint32) { ++done; };
        tts.Speak(QStringLiteral("Good morning, dear listener."));
        ASSERT_TRUE(WaitUntil([&] { return done == 1; }, 20000)) << name.toStdString();
        tts.SetActive(false);
        EXPECT_EQ(words, (QList<int>{0, 5, 14, 19})) << name.toStdString();
        const WaveData wave = ReadWave(path);
        EXPECT_TRUE(wave.valid);
        EXPECT_GT(wave.Seconds(), 1.0);
    }
}

TEST(TTSEngineTest, LimitsAndPhonemesOfTheRealEngine)
{
    TempHome home;
    TTTS tts;
    tts.SetOutputDest(odFile);
    tts.SetOutputFile(home.Root() + QStringLiteral("/x.wav"));
    tts.SetActive(true);
    const int pitch = tts.Pitch();
    EXPECT_EQ(tts.MinPitch(), 1);
    EXPECT_EQ(tts.MaxPitch(), 100);
    EXPECT_EQ(tts.Pitch(), pitch);
    EXPECT_EQ(tts.MinSpeed(), 88u); // half and four times the normal 175
    EXPECT_EQ(tts.MaxSpeed(), 700u);
    tts.SetControlTags(ctTagged);
    EXPECT_EQ(tts.ControlTags(), ctTagged);
    tts.ConvertToPhoneme(csText, 0, QStringLiteral("speech"));
    EXPECT_TRUE(tts.PhonemeText().contains(QStringLiteral("s"))) << tts.PhonemeText().toStdString();
    EXPECT_THROW(tts.ShowDlg(nullptr, QStringLiteral("Translate"), QString()), EOleError);
    tts.SetActive(false);
}

} // namespace
