#include "platform/flite/FliteEngine.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/Sapi.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QProcess>

#include <gtest/gtest.h>

// Each engine speaking through the test sound server (scripts/test starts it):
// the default voice (espeak-ng's Mary) and one of Flite's.
namespace {

class PlaybackTest : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        FliteEngine::Register();
        ASSERT_EQ(CreateTTSEnumerator(&enumerator, &find), S_OK);
        TTSMODEINFO wanted;
        wanted.szModeName = QLatin1String(GetParam());
        TTSMODEINFORANK rank;
        rank.dwModeName = 1;
        TTSMODEINFO found;
        ASSERT_EQ(find->Find(wanted, &rank, &found), S_OK);
        ASSERT_EQ(found.szModeName, wanted.szModeName);
        std::shared_ptr<IAudioMultiMediaDevice> device;
        ASSERT_EQ(CreateAudioMultiMediaDevice(&device), S_OK);
        ASSERT_EQ(device->DeviceNumSet(-1), S_OK) << "is the test sound server running?";
        ASSERT_EQ(enumerator->Select(found.gModeID, &central, device), S_OK);
    }

    std::shared_ptr<RecordingBufSink> Speak(const QString &text)
    {
        auto sink = std::make_shared<RecordingBufSink>();
        const WideText wide(text);
        EXPECT_EQ(central->TextData(CHARSET_TEXT, 0, wide.Data(), sink, SapiIds::IID_ITTSBufNotifySink), S_OK);
        return sink;
    }

    TempHome home;
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
    std::shared_ptr<ITTSCentral> central;
};

const QString longText = QStringLiteral(
    "This is a long text that keeps the voice busy for many seconds, so that there is "
    "plenty of time to stop it in the middle, to pause it and to resume it again, and "
    "to see that nothing more is reported once it has been stopped or released.");

TEST_P(PlaybackTest, WordsAreReportedAsTheyAreHeardAndTheMonitorHearsThem)
{
    // Record what the default sink really plays.
    QProcess recorder;
    recorder.start(QStringLiteral("parec"), {QStringLiteral("--latency-msec=5"), QStringLiteral("-d"),
                                             QStringLiteral("speakers.monitor"), QStringLiteral("--raw"),
                                             QStringLiteral("--format=s16le"), QStringLiteral("--rate=22050"),
                                             QStringLiteral("--channels=1")});
    ASSERT_TRUE(recorder.waitForStarted(3000));
    Pump(300);
    recorder.readAllStandardOutput();

    auto sink = Speak(QStringLiteral("One two three four five six seven eight."));
    ASSERT_TRUE(WaitUntil([&] { return sink->Count(RecordingBufSink::Event::Done) == 1; }, 15000));
    const QList<int> words = sink->WordIndexes();
    EXPECT_EQ(words.size(), 8);
    EXPECT_EQ(words.first(), 0);
    // Spoken in real time: the words are spread over more than a second.
    qint64 first = -1, last = -1;
    for (const auto &e : sink->events) {
        if (e.kind == RecordingBufSink::Event::Word) {
            if (first < 0)
                first = e.at;
            last = e.at;
        }
    }
    EXPECT_GT(last - first, 1000);
    EXPECT_EQ(sink->events.first().kind, RecordingBufSink::Event::Started);
    EXPECT_EQ(sink->events.last().kind, RecordingBufSink::Event::Done);

    Pump(300);
    const QByteArray heard = recorder.readAllStandardOutput();
    recorder.kill();
    recorder.waitForFinished(2000);
    int loud = 0;
    const auto *samples = reinterpret_cast<const qint16 *>(heard.constData());
    for (qsizetype i = 0; i < heard.size() / 2; ++i)
        loud += std::abs(samples[i]) > 1000;
    EXPECT_GT(loud, 22050 / 4) << "the sound server played no speech";
}

// Four times the normal speed aloud (beyond every engine's own, the sound made
// faster): every word is still told, in order, as it is heard, in far less time.
TEST_P(PlaybackTest, FourTimesTheSpeedTellsEveryWordAsItIsHeard)
{
    const auto span = [&](quint32 speed) {
        std::shared_ptr<ITTSAttributes> attributes;
        EXPECT_EQ(central->QueryAttributes(&attributes), S_OK);
        EXPECT_EQ(attributes->SpeedSet(speed), S_OK);
        auto sink = Speak(QStringLiteral("One two three four five six seven eight nine ten eleven twelve."));
        EXPECT_TRUE(WaitUntil([&] { return sink->Count(RecordingBufSink::Event::Done) == 1; }, 15000));
        EXPECT_EQ(sink->WordIndexes(), (QList<int>{0, 4, 8, 14, 19, 24, 28, 34, 40, 45, 49, 56})) << speed;
        qint64 first = -1, last = -1;
        for (const auto &e : sink->events) {
            if (e.kind == RecordingBufSink::Event::Word) {
                first = first < 0 ? e.at : first;
                last = e.at;
            }
        }
        return last - first;
    };
    const qint64 normal = span(175);
    EXPECT_LT(span(700), normal * 0.45) << "normal: " << normal << " ms";
}

// A part in another language read by its own voice, aloud: every word told in order
// as it is heard, the changes of voice at the part's ends, one start and one end.
TEST_P(PlaybackTest, APartInAnotherLanguageIsHeardInItsPlace)
{
    const QString text = QStringLiteral("One two three. Eins zwei drei vier. Four five six.");
    const EspeakMode *german = EspeakEngine::LanguageMode(QStringLiteral("de"), 1);
    ASSERT_NE(german, nullptr);
    central->NextTextVoices({{15, 20, german->info.gModeID}});
    auto sink = Speak(text);
    ASSERT_TRUE(WaitUntil([&] { return sink->Count(RecordingBufSink::Event::Done) == 1; }, 15000));
    EXPECT_EQ(sink->WordIndexes(), (QList<int>{0, 4, 8, 15, 20, 25, 30, 36, 41, 46}));
    EXPECT_EQ(sink->WordIndexes(RecordingBufSink::Event::Voice), (QList<int>{15, 35}));
    ASSERT_EQ(sink->voices.size(), 2);
    EXPECT_EQ(sink->voices[0], german->info.gModeID);
    EXPECT_NE(sink->voices[1], german->info.gModeID);
    EXPECT_EQ(sink->Count(RecordingBufSink::Event::Started), 1);
    EXPECT_EQ(sink->doneFlags, 0u);
}

TEST_P(PlaybackTest, ResetStopsAtOnceAndEndsEveryTextOnce)
{
    auto speaking = Speak(longText);
    auto queued1 = Speak(QStringLiteral("Queued one."));
    auto queued2 = Speak(QStringLiteral("Queued two."));
    ASSERT_TRUE(WaitUntil([&] { return speaking->WordIndexes().size() >= 3; }, 10000));
    ASSERT_EQ(central->AudioReset(), S_OK);
    EXPECT_EQ(speaking->Count(RecordingBufSink::Event::Done), 0); // reported after the call
    // Stopped well within a tenth of a second.
    EXPECT_TRUE(WaitUntil([&] { return queued2->Count(RecordingBufSink::Event::Done) == 1; }, 100));
    ASSERT_TRUE(WaitUntil([&] { return queued2->Count(RecordingBufSink::Event::Done) == 1; }, 2000));
    const int wordsAtReset = speaking->WordIndexes().size();
    Pump(1500);
    for (const auto &sink : {speaking, queued1, queued2})
        EXPECT_EQ(sink->Count(RecordingBufSink::Event::Done), 1);
    EXPECT_EQ(speaking->WordIndexes().size(), wordsAtReset);
    EXPECT_TRUE(queued1->WordIndexes().isEmpty());

    // The engine speaks again after a reset.
    auto again = Speak(QStringLiteral("Again."));
    EXPECT_TRUE(WaitUntil([&] { return again->Count(RecordingBufSink::Event::Done) == 1; }, 10000));
}

TEST_P(PlaybackTest, PauseFreezesProgressAndResumeGoesOn)
{
    auto sink = Speak(longText);
    ASSERT_TRUE(WaitUntil([&] { return sink->WordIndexes().size() >= 2; }, 10000));
    ASSERT_EQ(central->AudioPause(), S_OK);
    Pump(100);
    const int paused = sink->WordIndexes().size();
    Pump(1200);
    EXPECT_EQ(sink->WordIndexes().size(), paused);
    ASSERT_EQ(central->AudioResume(), S_OK);
    EXPECT_TRUE(WaitUntil([&] { return sink->WordIndexes().size() > paused + 2; }, 5000));
    central->AudioReset();
}

TEST_P(PlaybackTest, NothingIsReportedAfterTheEngineIsReleased)
{
    auto sink = Speak(longText);
    ASSERT_TRUE(WaitUntil([&] { return sink->WordIndexes().size() >= 2; }, 10000));
    central->AudioReset(); // its end is due after this call…
    central.reset();       // …but the engine is gone first
    const int count = sink->events.size();
    Pump(1500);
    EXPECT_EQ(sink->events.size(), count);
}

TEST_P(PlaybackTest, InjectedSpeedTakesEffectWhileSpeaking)
{
    auto sink = Speak(longText);
    ASSERT_TRUE(WaitUntil([&] { return sink->WordIndexes().size() >= 2; }, 10000));
    const qint64 t0 = sink->events.last().at;
    const int w0 = sink->WordIndexes().size();
    Pump(1500);
    const double slowRate = double(sink->WordIndexes().size() - w0) / (sink->events.last().at - t0 + 1);
    ASSERT_EQ(central->Inject(QStringLiteral("\\Spd=400\\")), S_OK);
    Pump(300);
    // A second look when a busy moment held the sound back during the first.
    double fastRate = 0;
    for (int look = 0; look < 2 && fastRate <= slowRate * 1.5; ++look) {
        const qint64 t1 = sink->events.last().at;
        const int w1 = sink->WordIndexes().size();
        Pump(1500);
        fastRate = double(sink->WordIndexes().size() - w1) / (sink->events.last().at - t1 + 1);
    }
    EXPECT_GT(fastRate, slowRate * 1.5);
    // Restarting from the current word reports no word twice.
    const QList<int> words = sink->WordIndexes();
    for (int i = 1; i < words.size(); ++i)
        EXPECT_GT(words[i], words[i - 1]);
    central->AudioReset();
    EXPECT_TRUE(WaitUntil([&] { return sink->Count(RecordingBufSink::Event::Done) == 1; }, 2000));
}

INSTANTIATE_TEST_SUITE_P(Voices, PlaybackTest, ::testing::Values("Mary", "Flite SLT (US female)"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.index == 0 ? "Espeak" : "Flite");
                         });

} // namespace
