#include "speech/SpTools.h"
#include "speech/TTS.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

// The speech component against the scripted engine.
namespace {

template <typename F>
QString ErrorOf(F &&call)
{
    try {
        call();
    } catch (const EOleError &e) {
        return e.Message();
    }
    return QStringLiteral("<no error>");
}

class TTSTest : public ::testing::Test
{
protected:
    void SetUp() override { WaveOutPresent = true; }
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
};

TEST(SpeechErrorTest, MessagesComeFromTheTableTheSystemOrTheCaller)
{
    EXPECT_NO_THROW(CheckSpeechResult(0));
    try {
        CheckSpeechResult(1);
        FAIL() << "1 must raise";
    } catch (const ESpeechError &e) {
        EXPECT_EQ(e.ErrorCode(), 1);
        EXPECT_EQ(e.Message(), QStringLiteral("Incorrect function.\r\nOLE error 00000001"));
    }
    EXPECT_EQ(ESpeechError(QString(), Code(0x80040201)).Message(),
              QStringLiteral("The speech recognition or text-to-speech service does not have enough data.\r\nOLE error 80040201"));
    // Any entry with the same low 16 bits is taken.
    EXPECT_TRUE(ESpeechError(QString(), Code(0x12340203)).Message().startsWith(QStringLiteral("The audio device is in use at this time.\r\n")));
    EXPECT_EQ(ESpeechError(QStringLiteral("Mine"), Code(0x80040201)).Message(),
              QStringLiteral("Mine\r\nOLE error 80040201"));
    EXPECT_EQ(ESpeechError(QString(), Code(0x8badf00d)).Message(), QStringLiteral("\r\nOLE error 8BADF00D"));
}

TEST_F(TTSTest, ConstructionFindsTheDefaultModeAndSetsTheFlags)
{
    TTTS tts;
    EXPECT_TRUE(SpeechApiPresent);
    EXPECT_TRUE(TtsEnginePresent);
    EXPECT_EQ(tts.ModeName(), QStringLiteral("Default"));
    EXPECT_EQ(tts.ModeInfo().szModeName, QStringLiteral("Mary"));
    EXPECT_EQ(tts.ModeID(), s.modes[0].gModeID);
    EXPECT_FALSE(tts.Active());
    EXPECT_EQ(tts.Pitch(), -1);

    s.modes.clear();
    TTTS none;
    EXPECT_FALSE(TtsEnginePresent);
    s.createResult = REGDB_E_CLASSNOTREG;
    TTTS missing;
    EXPECT_FALSE(SpeechApiPresent);
    QStringList names{QStringLiteral("keep")};
    EXPECT_NE(ErrorOf([&] { ListModeNames(names); }), QStringLiteral("<no error>"));
    EXPECT_EQ(names, QStringList{QStringLiteral("keep")});
}

TEST_F(TTSTest, ActivationHappensOnceAndNeedsAnInactiveComponentForModeChanges)
{
    TTTS tts;
    tts.SetActive(false);
    EXPECT_EQ(s.selects, 0);
    tts.SetActive(true);
    tts.SetActive(true);
    EXPECT_EQ(s.selects, 1);
    EXPECT_TRUE(tts.Active());
    EXPECT_EQ(tts.Pitch(), 50);

    tts.SetModeName(QString()); // nothing, also while active
    EXPECT_EQ(ErrorOf([&] { tts.SetModeName(QStringLiteral("Mike")); }),
              QStringLiteral("The Active property must be FALSE before you can set the ModeName property"));
    EXPECT_EQ(ErrorOf([&] { tts.SetModeID(s.modes[1].gModeID); }),
              QStringLiteral("The Active property must be FALSE before you can set the ModeID property"));
    EXPECT_EQ(ErrorOf([&] { tts.SetAudioDeviceID(0); }),
              QStringLiteral("The Active property must be FALSE before you can set the AudioDeviceID property"));

    tts.SetActive(false);
    EXPECT_TRUE(s.calls.contains(QStringLiteral("UnRegister(7)")));
    EXPECT_EQ(s.liveCentrals, 0);
    EXPECT_EQ(tts.Pitch(), -1);
}

TEST_F(TTSTest, ChoosingModesByNameAndById)
{
    TTTS tts;
    tts.SetModeName(QStringLiteral("Sam"));
    EXPECT_EQ(tts.ModeName(), QStringLiteral("Sam"));
    EXPECT_EQ(ErrorOf([&] { tts.SetModeName(QStringLiteral("Nobody")); }),
              QStringLiteral("The value assigned to the ModeName property is invalid"));
    EXPECT_EQ(tts.ModeName(), QStringLiteral("Sam"));
    EXPECT_EQ(ErrorOf([&] { tts.SetModeName(QStringLiteral("sam")); }), // case counts
              QStringLiteral("The value assigned to the ModeName property is invalid"));
    tts.SetModeName(QStringLiteral("Default"));
    EXPECT_EQ(tts.ModeName(), QStringLiteral("Default"));

    // Find maps every id to Mary; only the enumeration finds Mike's id.
    s.findRule = [](const TTSMODEINFO &, const TTSMODEINFORANK *) { return 0; };
    tts.SetModeName(QStringLiteral("Sam"));
    tts.SetModeID(s.modes[1].gModeID);
    EXPECT_EQ(tts.ModeID(), s.modes[1].gModeID);
    EXPECT_EQ(tts.ModeInfo().szModeName, QStringLiteral("Mike"));
    EXPECT_EQ(tts.ModeName(), QStringLiteral("Mike")); // read back from the mode record
    EXPECT_EQ(ErrorOf([&] { tts.SetModeID(QUuid::createUuid()); }),
              QStringLiteral("The value assigned to the ModeName property is invalid"));

    // Blanks around a name do not matter when looking up its id.
    EXPECT_EQ(FindModeID(QStringLiteral("  Sam\t")), s.modes[2].gModeID);
    EXPECT_TRUE(FindModeID(QStringLiteral("Nobody")).isNull());
    QStringList names;
    EXPECT_EQ(ListModeNames(names), S_FALSE);
    EXPECT_EQ(names, (QStringList{"Mary", "Mike", "Sam"}));
}

TEST_F(TTSTest, AudioDeviceRangeAndDestinations)
{
    TTTS tts;
    // No sound server in this test: the device count N is 0, and N itself is accepted.
    tts.SetAudioDeviceID(0);
    EXPECT_EQ(ErrorOf([&] { tts.SetAudioDeviceID(1); }),
              QStringLiteral("The value specified for the AudioDeviceID is outside the range of available IDs"));
    EXPECT_EQ(ErrorOf([&] { tts.SetAudioDeviceID(-2); }),
              QStringLiteral("The value specified for the AudioDeviceID is outside the range of available IDs"));
    WaveOutPresent = false;
    tts.SetAudioDeviceID(5); // ignored without devices
    EXPECT_EQ(tts.AudioDeviceID(), 0);
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }), QStringLiteral("No wave out devices available on system."));
    EXPECT_FALSE(tts.Active());

    tts.SetOutputDest(odFile);
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("OutputDest of odFile requres a valid path and file name in the OutputFile property"));
    EXPECT_FALSE(tts.Active());
    EXPECT_EQ(s.selects, 0);

    tts.SetOutputDest(odOther);
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("An OnMakeOtherDest event must be defined to use an OutputDest of odOther."));
    tts.OnMakeOtherDest = [](TTTS *, std::shared_ptr<IAudio> &) {};
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("OnMakeOtherDest must assign DestInterface parameter"));
    tts.OnMakeOtherDest = [](TTTS *, std::shared_ptr<IAudio> &dest) {
        std::shared_ptr<IAudioFile> file;
        CreateAudioFile(&file);
        dest = file;
    };
    tts.SetActive(true);
    EXPECT_TRUE(tts.Active());
}

TEST_F(TTSTest, SpeakingPassesTextTagsAndEventsThrough)
{
    TTTS tts;
    tts.Tag = 42;
    QList<quint32> words;
    int done = 0;
    tts.OnWordPosition = [&](TTTS *sender, quint64, quint32 offset) {
        EXPECT_EQ(sender->Tag, 42);
        words << offset;
    };
    tts.OnTextDataDone = [&](TTTS *, quint64, quint32) { ++done; };
    EXPECT_EQ(ErrorOf([&] { tts.Speak(QStringLiteral("x")); }),
              QStringLiteral("The Active property must be TRUE before the Speak method can be called"));
    tts.SetActive(true);
    tts.Speak(QString());
    tts.Speak(QStringLiteral("Hello"));
    EXPECT_EQ(s.textSizes, (std::vector<quint32>{2, 12}));
    EXPECT_EQ(s.texts.last(), QStringLiteral("Hello"));
    s.lastBufSink->WordPosition(0, 6);
    s.lastBufSink->TextDataDone(0, 0);
    EXPECT_EQ(words, QList<quint32>{6});
    EXPECT_EQ(done, 1);

    tts.SetControlTags(ctTagged);
    tts.Speak(QStringLiteral("\\Pit=80\\Hi"));
    EXPECT_EQ(s.textFlags.back(), 1u);
    tts.Inject(QStringLiteral("\\Spd=200\\"));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("Inject(\\Spd=200\\)")));

    // After deactivation the engine's late calls reach nobody.
    auto late = s.lastBufSink;
    tts.SetActive(false);
    late->TextDataDone(0, 0);
    EXPECT_EQ(done, 1);
}

TEST_F(TTSTest, ControlTagsNeedAnEngineThatTakesThem)
{
    s.modes = {FakeScript::Mode(QStringLiteral("Plain"), 0)};
    TTTS tts;
    EXPECT_EQ(ErrorOf([&] { tts.SetControlTags(ctTagged); }),
              QStringLiteral("Control Tagging is not implemented in the Fake Speech engine"));
    EXPECT_EQ(tts.ControlTags(), ctNone);
}

TEST_F(TTSTest, PitchAndSpeedWithAndWithoutAnAttributeInterface)
{
    {
        TTTS tts;
        tts.SetActive(true);
        EXPECT_EQ(tts.MinPitch(), 10);
        EXPECT_EQ(tts.MaxPitch(), 200);
        EXPECT_EQ(tts.Pitch(), 50); // put back after probing
        EXPECT_EQ(tts.MinSpeed(), 50u);
        EXPECT_EQ(tts.MaxSpeed(), 300u);
        EXPECT_EQ(tts.Speed(), 150u);
        tts.SetPitch(500);
        EXPECT_EQ(tts.Pitch(), 200);
    }
    s.pitchGetResult = E_NOTIMPL;
    s.speedGetResult = E_NOTIMPL;
    {
        TTTS tts;
        tts.SetActive(true);
        s.calls.clear();
        EXPECT_EQ(tts.MaxPitch(), 100);
        EXPECT_EQ(tts.MinSpeed(), 0u);
        EXPECT_FALSE(s.calls.join(QLatin1Char(' ')).contains(QStringLiteral("Set")));
    }
    s.modes = {FakeScript::Mode(QStringLiteral("Bare"), 0, TTSI_ITTSDIALOGS)};
    TTTS bare;
    bare.SetActive(true);
    EXPECT_EQ(bare.Pitch(), -1);
    EXPECT_EQ(bare.Speed(), 0u);
    EXPECT_EQ(ErrorOf([&] { bare.SetPitch(10); }),
              QStringLiteral("The Active property must be TRUE before the Pitch method can be called"));
    EXPECT_EQ(ErrorOf([&] { bare.SetSpeed(10); }),
              QStringLiteral("The Active property must be TRUE before the Speed method can be called"));
    EXPECT_EQ(bare.MinPitch(), 0);
    EXPECT_EQ(bare.MaxSpeed(), 100u);
}

TEST_F(TTSTest, FailedActivationReleasesEverything)
{
    s.attributesResult = E_NOINTERFACE;
    TTTS tts;
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("Couldn''t create attributes Interface: Is engine registered?"));
    EXPECT_FALSE(tts.Active());
    EXPECT_EQ(s.liveCentrals, 0);

    s.attributesResult = S_OK;
    s.dialogsResult = E_NOINTERFACE;
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("Could''t create TTSDialogs Object. Is it registered?"));
    EXPECT_EQ(s.liveCentrals, 0);

    s.dialogsResult = S_OK;
    s.selectResult = TTSERR_NOENGINE;
    EXPECT_EQ(ErrorOf([&] { tts.SetActive(true); }),
              QStringLiteral("The program has selected a non-existent speech engine.\r\nOLE error 80040206"));

    // A sink that cannot be registered is not an error.
    s.selectResult = S_OK;
    s.registerResult = E_FAIL;
    s.calls.clear();
    tts.SetActive(true);
    EXPECT_TRUE(tts.Active());
    tts.SetActive(false);
    EXPECT_FALSE(s.calls.join(QLatin1Char(' ')).contains(QStringLiteral("UnRegister")));
}

TEST_F(TTSTest, EngineFailuresBecomeMessagesUnlessLoading)
{
    TTTS tts;
    tts.SetActive(true);
    s.textDataResult = E_NOTIMPL;
    EXPECT_EQ(ErrorOf([&] { tts.Speak(QStringLiteral("x")); }),
              QStringLiteral("csText Speak method failed.  is not implemented in the Fake Speech engine"));
    tts.SetLoading(true);
    EXPECT_EQ(ErrorOf([&] { tts.Speak(QStringLiteral("x")); }), QStringLiteral("<no error>"));
    tts.Loaded();

    s.textDataResult = TTSERR_WAVEDEVICEBUSY;
    EXPECT_EQ(ErrorOf([&] { tts.Speak(QStringLiteral("x")); }),
              QStringLiteral("The audio device is in use at this time.\r\nOLE error 80040203"));
    s.lexiconResult = LEXERR_INVALIDTEXTCHAR;
    EXPECT_EQ(ErrorOf([&] { tts.ShowLexiconDlg(nullptr, QStringLiteral("Pron")); }),
              QStringLiteral("Lexicon error - Invalid Text Character"));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("LexiconDlg(Pron)")));
    EXPECT_EQ(ErrorOf([&] { tts.ShowDlg(nullptr, QStringLiteral("General"), QString()); }),
              QStringLiteral("The ShowGeneralDlg function is not implemented in the Fake Speech engine"));

    // A failed change of character set keeps the old one.
    s.textDataResult = E_NOTIMPL;
    EXPECT_EQ(ErrorOf([&] { tts.SetCharacterSet(csIPAPhonetic); }),
              QStringLiteral("csIPAPhonetic is not implemented in the Fake Speech engine"));
    EXPECT_EQ(tts.CharacterSet(), csText);
    EXPECT_EQ(s.textSizes.back(), 1u);
}

TEST_F(TTSTest, PauseResetAndPhonemes)
{
    TTTS tts;
    EXPECT_EQ(ErrorOf([&] { tts.AudioReset(); }),
              QStringLiteral("The Active property must be TRUE before the AudioReset method can be called"));
    tts.SetActive(true);
    tts.SetAudioPaused(true);
    tts.SetAudioPaused(true);
    EXPECT_EQ(s.calls.count(QStringLiteral("AudioPause")), 1);
    EXPECT_TRUE(tts.AudioPaused());
    tts.AudioReset();
    EXPECT_FALSE(tts.AudioPaused());
    tts.ConvertToPhoneme(csText, 0, QStringLiteral("he"));
    EXPECT_EQ(tts.PhonemeText(), QStringLiteral("he"));
}

} // namespace
