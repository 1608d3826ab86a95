#include "../app/FormWithVoices.h"
#include "articles/MemoListBox.h"
#include "audio/AudioDeviceDlg.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "platform/waveout/WaveOut.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

// The output device dialog over the test sound server's two null sinks
// ("speakers", the default, and "headset"), and speech landing where it was sent.
namespace {

// Runs `answer` on the dialog once it is shown (Execute is modal).
void WhenShown(const std::function<void(TMyAudioDeviceDlg &)> &answer)
{
    QTimer::singleShot(0, [answer] {
        auto *dialog = qobject_cast<TMyAudioDeviceDlg *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

int RowOf(const TMyAudioDeviceDlg &dialog, const QString &text)
{
    const auto found = dialog.ListBox1->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : dialog.ListBox1->row(found.first());
}

class AudioDeviceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        DetectSpeechSupport();
        Messages::TakeRecorded();
    }
    TempHome home;
};

TEST_F(AudioDeviceTest, TheDialogListsTheDefaultAndEveryOutputAndReturnsTheChoice)
{
    const qint32 headset = TAuDevDlg::DeviceNumber(QStringLiteral("headset"));
    ASSERT_GE(headset, 0);
    TAuDevDlg dlg;
    dlg.DlgUse = duTTS;
    dlg.AudioDeviceID = -1;
    QStringList entries;
    QString highlighted, channels, formats;
    WhenShown([&](TMyAudioDeviceDlg &d) {
        for (int row = 0; row < d.ListBox1->count(); ++row)
            entries << d.ListBox1->item(row)->text();
        highlighted = d.ListBox1->currentItem() ? d.ListBox1->currentItem()->text() : QString();
        d.ListBox1->setCurrentRow(RowOf(d, QStringLiteral("Parlewind_Test_Headset")));
        channels = d.lChannels->text();
        formats = d.lFormat->text();
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Audio Destination Device ID"));
        EXPECT_EQ(d.lName->text(), QStringLiteral("headset"));
        d.reject();
    });
    EXPECT_FALSE(dlg.Execute());
    EXPECT_EQ(dlg.AudioDeviceID, -1); // Cancel leaves the value
    EXPECT_EQ(entries.value(0), TMyAudioDeviceDlg::DefaultEntry());
    EXPECT_TRUE(entries.contains(QStringLiteral("Parlewind_Test_Speakers")));
    EXPECT_TRUE(entries.contains(QStringLiteral("Parlewind_Test_Headset")));
    EXPECT_EQ(highlighted, TMyAudioDeviceDlg::DefaultEntry()); // -1 highlights the default
    EXPECT_EQ(channels, QStringLiteral("Mono"));
    EXPECT_TRUE(formats.endsWith(QStringLiteral("44.1 kHz, Stereo, 16-bit"))) << formats.toStdString();

    // A double click chooses; the device highlighted first is the one stored.
    WhenShown([&](TMyAudioDeviceDlg &d) {
        EXPECT_EQ(d.ListBox1->currentItem()->text(), QStringLiteral("Parlewind_Test_Headset"));
        emit d.ListBox1->itemDoubleClicked(d.ListBox1->item(0));
    });
    dlg.AudioDeviceID = headset;
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.AudioDeviceID, headset);
}

// Peak of what a sink played while `during` ran.
int PeakOn(const QString &sink, const std::function<void()> &during)
{
    int peak = 0;
    for (const qint16 sample : RecordSink(sink, during))
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

TEST_F(AudioDeviceTest, TheChosenOutputIsWhereTheSpeechComesOutAndSurvivesARestart)
{
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    {
        FormWithVoices app;
        app.form.show();
        ASSERT_TRUE(app.form.Core().Initialized());
        app.form.Core().AddMemo(QStringLiteral("Hello from the headset."), QStringLiteral("Mary"));
        WhenShown([](TMyAudioDeviceDlg &d) {
            d.ListBox1->setCurrentRow(RowOf(d, QStringLiteral("Parlewind_Test_Headset")));
            d.accept();
        });
        Item(app.form, QStringLiteral("&Options"), QStringLiteral("Select Audio &Device"))->trigger();
        EXPECT_EQ(app.form.Core().Prefs().TTS_AudioDeviceName, QStringLiteral("headset"));
        const auto read = [&] {
            app.form.PlayToolBtn->click();
            EXPECT_TRUE(WaitUntil([&] { return app.form.Core().State() == rsIdle; }, 20000));
        };
        // Other tests play on the default output meanwhile; the headset is ours.
        EXPECT_GT(PeakOn(QStringLiteral("headset"), read), 1000);
        app.form.Core().RequestExit();
    }
    // The output is found again by its name, whatever its number; a gone one falls
    // back to the default output.
    StoredPrefs::Store(QStringLiteral("TTS_AudioDeviceID"), QStringLiteral("7"));
    {
        FormWithVoices app;
        EXPECT_EQ(app.form.Core().Prefs().TTS_AudioDeviceID, TAuDevDlg::DeviceNumber(QStringLiteral("headset")));
    }
    StoredPrefs::Store(QStringLiteral("TTS_AudioDeviceName"), QStringLiteral("unplugged_usb_headset"));
    FormWithVoices app;
    EXPECT_EQ(app.form.Core().Prefs().TTS_AudioDeviceID, -1);
    EXPECT_TRUE(QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile()))
                    .contains(QStringLiteral("The audio output unplugged_usb_headset is not there; the default output is used")));
}

} // namespace
