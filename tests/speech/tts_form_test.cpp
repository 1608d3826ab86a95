#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "platform/shell/ShellOpen.h"
#include "speech/EngineWarningForm.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

// The voice manager against the scripted engine. There is no sound server here, so
// the system has no sound output; the sound-card test is scripted where a test
// needs a free or busy card.
namespace {

using Messages::Kind;

class ScriptedCardVoices : public TTTSForm
{
public:
    using TTTSForm::TTTSForm;
    int TestWaveOutDevice(int deviceId) override
    {
        testedDevices << deviceId;
        return card;
    }
    int card = 0;
    QList<int> testedDevices;
};

QString Shown(const QList<Messages::Shown> &shown, int i, Kind kind)
{
    if (i >= shown.size())
        return QStringLiteral("<nothing shown>");
    if (shown[i].kind != kind)
        return QStringLiteral("<other kind> ") + shown[i].text;
    return shown[i].text;
}

class TTSFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WaveOutPresent = true;
        Messages::TakeRecorded();
    }
    void SetModes(const QStringList &names)
    {
        s.modes.clear();
        for (const QString &n : names)
            s.modes.push_back(FakeScript::Mode(n));
    }
    QUuid IdOf(const QString &name) const { return QUuid::createUuidV5(QUuid(), name); }
    QString LogText() const { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

    TempHome home;
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
    TPreferences prefs;
};

QStringList Names(const TTTSForm &voices)
{
    QStringList names;
    for (const auto &v : voices.Voices)
        names << v->Name;
    return names;
}

TEST_F(TTSFormTest, OffersTheFourFamiliesWithoutTelephoneVoicesInEngineOrder)
{
    SetModes({"Mary", "Mary (for Telephone)", "Mike in Stadium", "Sam", "Adult Female #1"});
    TTTSForm voices(prefs);
    EXPECT_EQ(voices.objectName(), QStringLiteral("TTSForm"));
    voices.Initialize();
    EXPECT_EQ(Names(voices), (QStringList{"Mary", "Mike in Stadium", "Sam"}));
    EXPECT_FALSE(voices.HasStandardVoices); // only two exact names
    EXPECT_EQ(voices.FindVoice(QStringLiteral("Sam"))->ModeID, IdOf(QStringLiteral("Sam")));
    const TVoiceEntry &mary = *voices.Voices[0];
    EXPECT_EQ(mary.MinPitch, -1);
    EXPECT_EQ(mary.DefaultSpeed, -1);
    EXPECT_EQ(mary.Pitch, 0);
    EXPECT_FALSE(mary.Favorite);
    // One favourite, speed and pitch value declared per voice, with their defaults.
    prefs.Load();
    ASSERT_NE(prefs.FindItem(QStringLiteral("FAV_Mike in Stadium")), nullptr);
    EXPECT_EQ(prefs.GetValue(QStringLiteral("FAV_Mike in Stadium")), QVariant(true));
    EXPECT_EQ(prefs.GetValue(QStringLiteral("SPD_Sam")), QVariant(0));
    EXPECT_EQ(prefs.GetValue(QStringLiteral("PIT_Mary")), QVariant(0));
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral(" - Entering TTSForm.Initialize\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Loaded voice Mike in Stadium\n")));
    EXPECT_FALSE(log.contains(QStringLiteral("Loaded voice Adult")));

    SetModes({"Telephone RoboSoft", "RoboSoft Six", " Mary", "Mike", "Sam", "mary"});
    TPreferences other;
    TTTSForm more(other);
    more.Initialize();
    // Tests are case-sensitive; a blank before a name counts as standard but stays.
    EXPECT_EQ(Names(more), (QStringList{"RoboSoft Six", " Mary", "Mike", "Sam"}));
    EXPECT_TRUE(more.HasStandardVoices);
    EXPECT_EQ(more.FindVoice(QStringLiteral("Mary")), nullptr);
    ASSERT_NE(more.FindVoice(QStringLiteral(" Mary")), nullptr);
    EXPECT_EQ(more.FindVoice(QStringLiteral(" Mary"))->ModeID, IdOf(QStringLiteral(" Mary")));
    EXPECT_NE(other.FindItem(QStringLiteral("FAV_ Mary")), nullptr);
}

TEST_F(TTSFormTest, DefaultVoiceMustBeOfferedAndNothingChangesWithoutVoices)
{
    SetModes({"Sam", "Mike"});
    for (const QString &stored : {QStringLiteral("Nobody"), QString(), QStringLiteral("   "), QStringLiteral("sam")}) {
        TPreferences p;
        p.TTS_DefaultVoiceName = stored;
        TTTSForm voices(p);
        voices.Initialize();
        EXPECT_EQ(p.TTS_DefaultVoiceName, QStringLiteral("Sam")) << stored.toStdString();
    }
    prefs.TTS_DefaultVoiceName = QStringLiteral("Mike");
    TTTSForm kept(prefs);
    kept.Initialize();
    EXPECT_EQ(prefs.TTS_DefaultVoiceName, QStringLiteral("Mike"));

    SetModes({"Adult Female #1"});
    TPreferences none;
    none.TTS_DefaultVoiceName = QStringLiteral("Nobody");
    TTTSForm empty(none);
    empty.Initialize();
    EXPECT_EQ(empty.VoiceCount(), 0);
    EXPECT_EQ(none.TTS_DefaultVoiceName, QStringLiteral("Nobody"));

    // An engine that cannot be listed reaches the caller.
    s.createResult = REGDB_E_CLASSNOTREG;
    TTTSForm broken(prefs);
    EXPECT_THROW(broken.Initialize(), EOleError);
}

TEST_F(TTSFormTest, PerVoiceSettingsRoundTripThroughTheSettingsFile)
{
    SetModes({"Mary", "RoboSoft One"});
    {
        TTTSForm voices(prefs);
        voices.Initialize();
        prefs.Load();
        voices.LoadVoiceSettings();
        EXPECT_TRUE(voices.Voices[0]->Favorite); // stored default
        voices.Voices[0]->Favorite = false;
        voices.Voices[1]->Speed = 230;
        voices.Voices[1]->Pitch = 61;
        voices.SaveVoiceSettings();
        prefs.Save();
    }
    const QString ini = QString::fromUtf8(TempHome::ReadFile(home.SettingsFile()));
    EXPECT_TRUE(ini.contains(QStringLiteral("FAV_Mary=false"))) << ini.toStdString();
    EXPECT_TRUE(ini.contains(QStringLiteral("SPD_RoboSoft%20One=230"))) << ini.toStdString();

    TPreferences again;
    again.Load();
    TTTSForm voices(again);
    voices.Initialize();
    again.Load();
    voices.LoadVoiceSettings();
    EXPECT_FALSE(voices.Voices[0]->Favorite);
    EXPECT_EQ(voices.Voices[0]->Speed, 0);
    EXPECT_TRUE(voices.Voices[1]->Favorite);
    EXPECT_EQ(voices.Voices[1]->Speed, 230);
    EXPECT_EQ(voices.Voices[1]->Pitch, 61);
}

TEST_F(TTSFormTest, FirstPlayOfAVoiceProbesItsRangesOnceAndSpeaksFilteredText)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    TVoiceEntry &mary = *voices.FindVoice(QStringLiteral("Mary"));
    s.pitch = 55;
    s.speed = 170;
    ASSERT_TRUE(voices.Play(QStringLiteral("see [www.x.org/abcdefghij here]"), QStringLiteral("Mary")));
    EXPECT_EQ(s.selects, 2); // the probe, then the reading
    EXPECT_EQ(mary.MinPitch, 10);
    EXPECT_EQ(mary.MaxPitch, 200);
    EXPECT_EQ(mary.DefaultPitch, 55);
    EXPECT_EQ(mary.MinSpeed, 50);
    EXPECT_EQ(mary.MaxSpeed, 300);
    EXPECT_EQ(mary.DefaultSpeed, 170);
    EXPECT_EQ(mary.Pitch, 55);
    EXPECT_EQ(mary.Speed, 170);
    EXPECT_TRUE(voices.TTS1->Active());
    EXPECT_EQ(voices.TTS1->ModeID(), mary.ModeID);
    EXPECT_EQ(voices.testedDevices, QList<int>{-1});
    ASSERT_FALSE(s.texts.isEmpty());
    EXPECT_EQ(s.texts.last(), QStringLiteral("see  w w w.x.org web link   here "));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    // Known now: no second probe; a stored pitch outside the range goes to the engine as it is.
    mary.Pitch = 500;
    s.calls.clear();
    ASSERT_TRUE(voices.Play(QStringLiteral("again"), QStringLiteral("Mary")));
    EXPECT_EQ(s.selects, 3);
    EXPECT_TRUE(s.calls.contains(QStringLiteral("PitchSet(500)")));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("SpeedSet(170)")));
    EXPECT_EQ(s.texts.last(), QStringLiteral("again"));

    // The probed values are what is stored at exit.
    voices.SaveVoiceSettings();
    EXPECT_EQ(prefs.GetValue(QStringLiteral("SPD_Mary")), QVariant(170));
}

TEST_F(TTSFormTest, PlayRefusesABusyOrMissingCardAnUnknownVoiceAndAFailingEngine)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    voices.card = 1;
    EXPECT_FALSE(voices.Play(QStringLiteral("x"), QStringLiteral("Nobody"))); // the card is tested first
    voices.card = -1;
    EXPECT_FALSE(voices.Play(QStringLiteral("x"), QStringLiteral("Mary")));
    voices.card = 0;
    EXPECT_FALSE(voices.Play(QStringLiteral("x"), QStringLiteral("Nobody")));
    auto shown = Messages::TakeRecorded();
    EXPECT_EQ(Shown(shown, 0, Kind::Error), QStringLiteral("Sound card is busy.  Wait and try again."));
    // There is no sound server here at all, which is what the user is told.
    EXPECT_EQ(Shown(shown, 1, Kind::Error), TTTSForm::NoSoundDevice());
    EXPECT_EQ(Shown(shown, 2, Kind::Error), QStringLiteral("Voice Nobody does not exist"));
    EXPECT_EQ(s.selects, 0);

    voices.FindVoice(QStringLiteral("Mary"))->Speed = 100;
    voices.FindVoice(QStringLiteral("Mary"))->Pitch = 40;
    s.selectResult = Code(0x80040203);
    EXPECT_FALSE(voices.Play(QStringLiteral("x"), QStringLiteral("Mary")));
    shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(Shown(shown, 0, Kind::Error),
              QStringLiteral("The audio device is in use at this time.\r\nOLE error 80040203"));
    EXPECT_FALSE(voices.TTS1->Active());
    EXPECT_TRUE(s.texts.isEmpty());

    // Without a sound server the real device test fails.
    TTTSForm real(prefs);
    real.Initialize();
    EXPECT_FALSE(real.Play(QStringLiteral("x"), QStringLiteral("Mary")));
    EXPECT_EQ(Shown(Messages::TakeRecorded(), 0, Kind::Error), TTTSForm::NoSoundDevice());
}

TEST_F(TTSFormTest, ReadingToAFilePreparesTheComponentAndReportsFailures)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    voices.card = -1; // files need no sound card
    EXPECT_FALSE(voices.PlayToFileInit(QStringLiteral("Nobody"), QStringLiteral("/tmp/x.wav")));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(Shown(shown, 0, Kind::Error), QStringLiteral("Voice Nobody does not exist"));
    EXPECT_TRUE(voices.testedDevices.isEmpty());

    const QString file = home.Root() + QStringLiteral("/out.wav");
    ASSERT_TRUE(voices.PlayToFileInit(QStringLiteral("Sam"), file));
    EXPECT_TRUE(voices.TTS1->Active());
    EXPECT_EQ(voices.TTS1->OutputDest(), odFile);
    EXPECT_EQ(voices.TTS1->OutputFile(), file);
    EXPECT_TRUE(voices.SpeakText(QStringLiteral("(hello)")));
    EXPECT_EQ(s.texts.last(), QStringLiteral(" hello "));
    s.textDataResult = E_FAIL;
    EXPECT_TRUE(voices.SpeakText(QStringLiteral("again"))); // always true; the user is told
    shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Kind::Error);
    EXPECT_TRUE(shown[0].text.endsWith(QStringLiteral("OLE error 80004005"))) << shown[0].text.toStdString();

    // An engine failure is shown and also reaches the caller.
    s.selectResult = E_FAIL;
    EXPECT_THROW(voices.PlayToFileInit(QStringLiteral("Sam"), file), ESpeechError);
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_FALSE(voices.TTS1->Active());
}

TEST_F(TTSFormTest, PitchAndSpeedTagsReachOnlyASpeakingEngine)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    voices.SetPitchTag(150);
    voices.SetSpeedTag(200);
    EXPECT_TRUE(s.calls.filter(QStringLiteral("Inject")).isEmpty());
    ASSERT_TRUE(voices.Play(QStringLiteral("text"), QStringLiteral("Mike")));
    voices.SetPitchTag(150);
    voices.SetSpeedTag(200);
    EXPECT_EQ(s.calls.filter(QStringLiteral("Inject")),
              (QStringList{QStringLiteral("Inject(\\Pit=150\\)"), QStringLiteral("Inject(\\Spd=200\\)")}));
}

TEST_F(TTSFormTest, DeviceCheckTriesTheDeviceAndAlwaysRestoresTheOldOne)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    // No sound server: 0 outputs, so -1 (the default output) and 0 are accepted ids
    // and 1 is out of range.
    voices.TTS1->SetAudioDeviceID(0);
    EXPECT_TRUE(voices.AudioDeviceCheck(-1));
    EXPECT_FALSE(voices.TTS1->Active());
    EXPECT_EQ(voices.TTS1->AudioDeviceID(), 0);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    const QString failed = QStringLiteral("Audio device check failed. \rVerify that the device you have selected is a "
                                          "valid audio device\r\rPlease contact Brivanta Support if you're having problems");
    try {
        voices.AudioDeviceCheck(1);
        ADD_FAILURE() << "an id out of range must reach the caller";
    } catch (const EOleError &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("The value specified for the AudioDeviceID is outside the range of available IDs"));
    }
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(Shown(shown, 0, Kind::Message), failed);
    EXPECT_EQ(voices.TTS1->AudioDeviceID(), 0);

    s.selectResult = E_FAIL;
    EXPECT_FALSE(voices.AudioDeviceCheck(-1));
    shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].kind, Kind::Error);
    EXPECT_EQ(Shown(shown, 1, Kind::Message), failed);
    EXPECT_FALSE(voices.TTS1->Active());
    EXPECT_EQ(voices.TTS1->AudioDeviceID(), 0);
}

TEST_F(TTSFormTest, StoredDeviceIsCheckedAtCreation)
{
    prefs.TTS_AudioDeviceID = 5;
    TTTSForm voices(prefs);
    EXPECT_EQ(voices.TTS1->AudioDeviceID(), -1);
    EXPECT_EQ(voices.TTS1->Tag, 0);
    EXPECT_EQ(Shown(Messages::TakeRecorded(), 0, Kind::Error),
              QStringLiteral("The value specified for the AudioDeviceID is outside the range of available IDs"));
    prefs.TTS_AudioDeviceID = 0;
    TTTSForm fine(prefs);
    EXPECT_EQ(fine.TTS1->AudioDeviceID(), 0);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
}

TEST_F(TTSFormTest, PronunciationDialogOpensWithTheDefaultVoiceUnlessReading)
{
    ScriptedCardVoices voices(prefs);
    voices.Initialize();
    prefs.TTS_DefaultVoiceName = QStringLiteral("Sam");
    voices.FindVoice(QStringLiteral("Sam"))->Pitch = 42;
    voices.LexiconDialog(nullptr, QStringLiteral("Parlewind MP3 Pronunciation"));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("LexiconDlg(Parlewind MP3 Pronunciation)")));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("PitchSet(42)")));
    EXPECT_TRUE(s.calls.contains(QStringLiteral("Select(") + IdOf(QStringLiteral("Sam")).toString() + QLatin1Char(')')));
    EXPECT_FALSE(voices.TTS1->Active());

    s.lexiconResult = E_FAIL;
    voices.LexiconDialog(nullptr, QStringLiteral("t"));
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_FALSE(voices.TTS1->Active());

    ASSERT_TRUE(voices.Play(QStringLiteral("busy reading"), QStringLiteral("Mary")));
    s.calls.clear();
    voices.LexiconDialog(nullptr, QStringLiteral("t"));
    EXPECT_TRUE(s.calls.isEmpty());
    EXPECT_TRUE(voices.TTS1->Active());
}

TEST(EngineWarningFormTest, ExplainsOffersHelpAndOnlyEnds)
{
    TEngineWarningForm warning;
    EXPECT_EQ(warning.windowTitle(), QStringLiteral("Text To Speech Engine not found"));
    EXPECT_EQ(warning.size(), QSize(419, 339));
    EXPECT_FALSE(warning.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint));
    const auto *memo = warning.findChild<QPlainTextEdit *>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->toPlainText().split(u'\n').size(), 6);
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral("A Text-To-Speech engine does not appear to be installed \n")));

    ShellOpen::TakeRecorded();
    auto *download = warning.findChild<QLabel *>(QStringLiteral("DownloadLabel"));
    auto *support = warning.findChild<QLabel *>(QStringLiteral("SupportLabel"));
    ASSERT_NE(download, nullptr);
    ASSERT_NE(support, nullptr);
    EXPECT_EQ(download->text(), QStringLiteral("Click here to download Speech Engine"));
    QTest::mouseClick(download, Qt::LeftButton);
    QTest::mouseClick(support, Qt::LeftButton);
    const QStringList opened = ShellOpen::TakeRecorded();
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], TEngineWarningForm::DownloadAddress());
    EXPECT_TRUE(opened[0].endsWith(QStringLiteral("#engine"))) << opened[0].toStdString(); // our help page
    EXPECT_EQ(opened[1], QStringLiteral("mailto:") + TEngineWarningForm::SupportAddress);

    EXPECT_EQ(warning.ExitButton->text(), QStringLiteral("Exit Parlewind MP3"));
    warning.show();
    warning.ExitButton->click();
    EXPECT_FALSE(warning.isVisible());
}

} // namespace
