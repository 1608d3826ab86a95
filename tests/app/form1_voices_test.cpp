#include "FormWithVoices.h"
#include "app/tray/NotifyIcon.h"
#include "audio/Mp3Encode.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "speech/EngineWarningForm.h"
#include "speech/SpTools.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

// The main window's first show and exit with the scripted engine; the test sound
// server provides the sound card the first show looks for.
namespace {

using StoredPrefs::Store;
using StoredPrefs::Stored;

QString LogText() { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

class Form1VoicesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        WaveOutPresent = true;
        Messages::TakeRecorded();
        // Answers the engine warning window with its exit button once it is up.
        answer.setInterval(10);
        answer.callOnTimeout([this] {
            auto *warning = qobject_cast<TEngineWarningForm *>(QApplication::activeModalWidget());
            if (!warning)
                return;
            answer.stop();
            warningTitle = warning->windowTitle();
            warning->ExitButton->click();
        });
    }

    TempHome home;
    FakeEngineInstall fake;
    FakeScript &s = *fake.script;
    QString warningTitle;
    QTimer answer;
};

TEST_F(Form1VoicesTest, FirstShowFindsTheVoicesAndTakesTheirStoredValues)
{
    Store(QStringLiteral("TTS_DefaultVoiceName"), QStringLiteral("Nobody"));
    Store(QStringLiteral("FAV_Mike"), QStringLiteral("false"));
    Store(QStringLiteral("SPD_Mike"), QStringLiteral("210"));
    FormWithVoices app;
    app.form.show();
    ASSERT_TRUE(app.form.Core().Initialized());
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(app.voices.VoiceCount(), 3);
    EXPECT_TRUE(app.voices.HasStandardVoices);
    const TVoiceEntry &mike = *app.voices.FindVoice(QStringLiteral("Mike"));
    EXPECT_FALSE(mike.Favorite);
    EXPECT_EQ(mike.Speed, 210);
    EXPECT_TRUE(app.voices.FindVoice(QStringLiteral("Sam"))->Favorite);
    EXPECT_EQ(app.form.Core().Prefs().TTS_DefaultVoiceName, QStringLiteral("Mary"));
    const QString log = LogText();
    EXPECT_LT(log.indexOf(QStringLiteral("Entering TTSForm.Initialize")), log.indexOf(QStringLiteral("Exiting FormShow")));

    // The exit stores every voice's values and the repaired default voice.
    app.voices.FindVoice(QStringLiteral("Sam"))->Pitch = 77;
    app.form.Core().RequestExit();
    EXPECT_EQ(Stored(QStringLiteral("FAV_Mike")), QStringLiteral("false"));
    EXPECT_EQ(Stored(QStringLiteral("SPD_Mike")), QStringLiteral("210"));
    EXPECT_EQ(Stored(QStringLiteral("PIT_Sam")), QStringLiteral("77"));
    EXPECT_EQ(Stored(QStringLiteral("FAV_Mary")), QStringLiteral("true"));
    EXPECT_EQ(Stored(QStringLiteral("TTS_DefaultVoiceName")), QStringLiteral("Mary"));
    EXPECT_EQ(StoredPrefs::Count(), 42 + 9);
}

TEST_F(Form1VoicesTest, NoOfferedVoiceOrABrokenEngineShowsTheWarningAndEnds)
{
    for (int broken = 0; broken < 2; ++broken) {
        SCOPED_TRACE(broken ? "enumeration fails" : "no voice offered");
        warningTitle.clear();
        s.modes = {FakeScript::Mode(QStringLiteral("Adult Female #1"))};
        s.createResult = broken ? REGDB_E_CLASSNOTREG : S_OK;
        FormWithVoices app;
        answer.start();
        app.form.show();
        EXPECT_EQ(warningTitle, QStringLiteral("Text To Speech Engine not found"));
        EXPECT_TRUE(app.form.Terminated());
        EXPECT_EQ(app.form.ExitCode(), 1);
        EXPECT_FALSE(app.form.Core().Initialized());
        EXPECT_FALSE(app.form.TrayIcon->isVisible());
        EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    }
    EXPECT_TRUE(LogText().contains(QStringLiteral("Voice initialization failed: ")));
}

TEST_F(Form1VoicesTest, PronunciationEditorUsesTheDefaultVoiceAndTheProgramTitle)
{
    FormWithVoices app;
    Item(app.form, QStringLiteral("&Options"), QStringLiteral("&Pronunciation Editor"))->trigger(); // not before the first show
    EXPECT_TRUE(s.calls.filter(QStringLiteral("LexiconDlg")).isEmpty());
    app.form.show();
    app.form.Core().Prefs().TTS_DefaultVoiceName = QStringLiteral("Sam");
    Item(app.form, QStringLiteral("&Options"), QStringLiteral("&Pronunciation Editor"))->trigger();
    EXPECT_EQ(s.calls.filter(QStringLiteral("LexiconDlg")),
              QStringList{QStringLiteral("LexiconDlg(Parlewind MP3 Pronunciation)")});
    EXPECT_EQ(Item(app.form, QStringLiteral("&Options"), QStringLiteral("&Pronunciation Editor"))->text(), QStringLiteral("&Pronunciation Editor"));
    EXPECT_FALSE(app.voices.TTS1->Active());
}

TEST_F(Form1VoicesTest, ExitStopsASpeakingEngineAndDetachesTheReadingEvents)
{
    FormWithVoices app;
    app.form.show();
    ASSERT_TRUE(app.voices.Play(QStringLiteral("Some words."), QStringLiteral("Mary")));
    app.voices.TTS1->OnTextDataDone = [](TTTS *, quint64, quint32) {};
    app.voices.TTS1->OnWordPosition = [](TTTS *, quint64, quint32) {};
    s.calls.clear();
    Mp3AbortRequested = false;
    app.form.Core().RequestExit();
    EXPECT_TRUE(Mp3AbortRequested); // an MP3 encoding in progress stops
    Mp3AbortRequested = false;
    EXPECT_TRUE(s.calls.contains(QStringLiteral("AudioReset")));
    EXPECT_FALSE(app.voices.TTS1->OnTextDataDone);
    EXPECT_FALSE(app.voices.TTS1->OnWordPosition);
    EXPECT_EQ(Stored(QStringLiteral("SPD_Mary")), QStringLiteral("150")); // probed by the reading
}

} // namespace
