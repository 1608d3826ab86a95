#include "FormWithVoices.h"
#include "app/options/ClipboardPage.h"
#include "app/options/FavoriteVoicesPage.h"
#include "app/options/FileOptionsPage.h"
#include "app/options/MiscPage.h"
#include "app/options/ModeSheets.h"
#include "app/options/VoiceEditPage.h"
#include "articles/MemoListBox.h"
#include "controls/NumEdit.h"
#include "controls/ScaleSlider.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

// The options pages with the scripted engine: every control writes its preference,
// which a restart shows again; the favourite voices and the voice sliders.
namespace {

using StoredPrefs::Store;
using StoredPrefs::Stored;

class OptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        WaveOutPresent = true;
        Messages::TakeRecorded();
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    }
    std::unique_ptr<FormWithVoices> Start()
    {
        auto app = std::make_unique<FormWithVoices>();
        app->form.show();
        EXPECT_TRUE(app->form.Core().Initialized());
        return app;
    }
    static void Click(QButtonGroup *group, int id) { group->button(id)->click(); }
    TempHome home;
    FakeEngineInstall fake;
};

TEST_F(OptionsTest, EveryControlWritesItsPreferenceAndARestartShowsItAgain)
{
    const QString out = home.Root() + QStringLiteral("/sounds");
    struct Case
    {
        const char *name;
        std::function<void(TForm1 &)> change;
        QString stored;
        std::function<bool(TForm1 &)> shownAgain;
    };
    const Case cases[] = {
        {"SI_Voice", [](TForm1 &f) { Click(f.SIOptionsSheet->SIVoiceGrp, 1); }, "1",
         [](TForm1 &f) { return f.SIOptionsSheet->SIVoiceGrp->checkedId() == 1; }},
        {"SI_AutoSpeak", [](TForm1 &f) { f.SIOptionsSheet->AutoSpeakCB->click(); }, "true",
         [](TForm1 &f) { return f.SIOptionsSheet->AutoSpeakCB->isChecked(); }},
        {"MI_Voice", [](TForm1 &f) { Click(f.MIOptionsSheet->MIVoiceGrp, 2); }, "2",
         [](TForm1 &f) { return f.MIOptionsSheet->MIVoiceGrp->checkedId() == 2; }},
        {"OUT_FileDest", [](TForm1 &f) { Click(f.MIOptionsSheet->ODestGrp, 1); }, "1",
         [](TForm1 &f) { return f.MIOptionsSheet->ODestGrp->checkedId() == 1; }},
        {"ML_AutoDelete", [](TForm1 &f) { f.MIOptionsSheet->AutoDeleteCB->click(); }, "true",
         [](TForm1 &f) { return f.MIOptionsSheet->AutoDeleteCB->isChecked(); }},
        {"CB_Monitor", [](TForm1 &f) { f.ClipboardSheet->MonitorCB->click(); }, "false",
         [](TForm1 &f) { return !f.ClipboardSheet->MonitorCB->isChecked() && !Item(f, QStringLiteral("&Options"), QStringLiteral("&Watch Clipboard"))->isChecked(); }},
        {"CB_ThreshHold", [](TForm1 &f) { f.ClipboardSheet->ThreshHoldEdit->setText(QStringLiteral("25")); }, "25",
         [](TForm1 &f) { return f.ClipboardSheet->ThreshHoldEdit->text() == QStringLiteral("25"); }},
        {"CB_Prompt", [](TForm1 &f) { f.ClipboardSheet->PromptCkbx->click(); }, "false",
         [](TForm1 &f) { return !f.ClipboardSheet->PromptCkbx->isChecked(); }},
        {"CB_PromptDelay", [](TForm1 &f) { f.ClipboardSheet->PromptDelayEdit->setText(QStringLiteral("0")); }, "0",
         [](TForm1 &f) { return f.ClipboardSheet->PromptDelayEdit->text() == QStringLiteral("0"); }},
        {"CB_DfltPromptAction", [](TForm1 &f) { f.ClipboardSheet->PromptDfltActCBox->setCurrentIndex(3); }, "3",
         [](TForm1 &f) { return f.ClipboardSheet->PromptDfltActCBox->currentText() == QStringLiteral("Remember Last"); }},
        {"OUT_FileFormat", [](TForm1 &f) { Click(f.FileOptionsSheet->FileFormatRGrp, 4); }, "4",
         [](TForm1 &f) { return f.FileOptionsSheet->FileFormatRGrp->checkedId() == 4; }},
        // A book's own choices, open once a book is chosen.
        {"OUT_HighlightWords", [](TForm1 &f) { f.FileOptionsSheet->HighlightWordsCheck->click(); }, "true",
         [](TForm1 &f) { return f.FileOptionsSheet->HighlightWordsCheck->isChecked() && f.FileOptionsSheet->HighlightWordsCheck->isEnabled(); }},
        {"OUT_BookAudio", [](TForm1 &f) { f.FileOptionsSheet->BookAudioCombo->setCurrentIndex(1); }, "1",
         [](TForm1 &f) { return f.FileOptionsSheet->BookAudioCombo->currentIndex() == 1; }},
        {"OUT_Directory", [out](TForm1 &f) { f.FileOptionsSheet->OutDirEdit->setText(QStringLiteral(" ") + out + QStringLiteral("/ ")); }, out,
         [out](TForm1 &f) { return f.FileOptionsSheet->OutDirEdit->text() == out; }},
        {"TTS_DefaultVoiceName", [](TForm1 &f) { f.MiscSheet->DfltVoiceCB->setCurrentIndex(2); }, "Sam",
         [](TForm1 &f) { return f.MiscSheet->DfltVoiceCB->currentText() == QStringLiteral("Sam"); }},
        {"ToolbarOnMinOption", [](TForm1 &f) { f.MiscSheet->ToolbarMinCB->setCurrentIndex(2); }, "2",
         [](TForm1 &f) { return f.MiscSheet->ToolbarMinCB->currentIndex() == 2; }},
        {"DOC_WholePage", [](TForm1 &f) { f.MiscSheet->WebPageCB->setCurrentIndex(1); }, "true",
         [](TForm1 &f) { return f.MiscSheet->WebPageCB->currentIndex() == 1; }},
        {"ToolbarOnTop", [](TForm1 &f) { f.MiscSheet->TBOnTopCB->click(); }, "true",
         [](TForm1 &f) { return f.MiscSheet->TBOnTopCB->isChecked(); }},
        {"TTS_HighlightPosition", [](TForm1 &f) { f.MiscSheet->HighlightCB->click(); }, "false",
         [](TForm1 &f) { return !f.MiscSheet->HighlightCB->isChecked(); }},
        {"TTS_FilterSymbols", [](TForm1 &f) { f.MiscSheet->FilterCB->click(); }, "false",
         [](TForm1 &f) { return !f.MiscSheet->FilterCB->isChecked(); }},
        {"TTS_OwnVoiceOnly", [](TForm1 &f) { f.MiscSheet->OwnVoiceOnlyCB->click(); }, "true",
         [](TForm1 &f) { return f.MiscSheet->OwnVoiceOnlyCB->isChecked() && !f.MiscSheet->LanguageVoiceCB->isEnabled(); }},
    };
    {
        auto app = Start();
        for (const Case &c : cases)
            c.change(app->form);
        // An emptied number keeps what was stored and says what is expected, no box.
        app->form.ClipboardSheet->ThreshHoldEdit->setText(QString());
        EXPECT_EQ(app->form.Core().Prefs().CB_ThreshHold, 25);
        EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
        EXPECT_TRUE(app->form.StatusPanel0->text().contains(QStringLiteral("type a whole number")));
        app->form.ClipboardSheet->ThreshHoldEdit->setText(QStringLiteral("25"));
        app->form.MiscSheet->AutoStartAppCB->click(); // written at once
        EXPECT_TRUE(TPreferences::IsAutoStart(QStringLiteral("Parlewind")));
        app->form.Core().RequestExit();
    }
    for (const Case &c : cases)
        EXPECT_EQ(Stored(QLatin1String(c.name)), c.stored) << c.name;
    Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    auto app = Start();
    app->form.SIOptionsSheet->SIOptionsSheetShow();
    app->form.ShowOptionPage(app->form.MiscSheet);
    for (const Case &c : cases)
        EXPECT_TRUE(c.shownAgain(app->form)) << c.name;
    EXPECT_TRUE(app->form.MiscSheet->AutoStartAppCB->isChecked());
    app->form.MiscSheet->AutoStartAppCB->click();
    EXPECT_FALSE(TPreferences::IsAutoStart(QStringLiteral("Parlewind")));
}

TEST_F(OptionsTest, FavouritesMoveBothWaysWithinTheirRules)
{
    Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    Store(QStringLiteral("TTS_DefaultVoiceName"), QStringLiteral("Mary"));
    auto app = Start();
    TForm1 &form = app->form;
    TFavoriteVoicesPage &page = *form.TabSheet5;
    form.ShowOptionPage(&page);
    ASSERT_EQ(page.FavVoiceLBox->count(), 3);
    const auto select = [](QListWidget *list, const QStringList &names) {
        list->clearSelection();
        for (const QString &name : names)
            list->findItems(name, Qt::MatchExactly).first()->setSelected(true);
    };

    select(page.FavVoiceLBox, {"Mary", "Mike"}); // the default voice among them
    page.RemFromFavBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("'Mary' is currently the Default Voice\rand cannot be excluded"));
    EXPECT_FALSE(page.FavVoiceTestBtn->isEnabled()); // two selected

    form.Core().Prefs().TTS_DefaultVoiceName = QStringLiteral("Nobody");
    select(page.FavVoiceLBox, {"Mary", "Mike", "Sam"});
    page.RemFromFavBtn->click();
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("At least one voice is required in the Favorites List"));

    form.Core().Prefs().MI_Voice = 2;
    EXPECT_EQ(form.Core().ChooseVoice(), QStringLiteral("Mary"));
    select(page.FavVoiceLBox, {"Mike"});
    page.RemFromFavBtn->click();
    EXPECT_EQ(form.Core().FavoriteVoices(), (QStringList{"Mary", "Sam"}));
    EXPECT_EQ(page.ExcludeVoiceLBox->count(), 1);
    EXPECT_EQ(form.MiscSheet->DfltVoiceCB->count(), 2);
    EXPECT_EQ(form.Core().ChooseVoice(), QStringLiteral("Mary")); // round robin starts again
    EXPECT_EQ(form.Core().ChooseVoice(), QStringLiteral("Sam"));

    // One selected and idle: Test; while reading: not.
    select(page.ExcludeVoiceLBox, {"Mike"});
    EXPECT_TRUE(page.FavVoiceLBox->selectedItems().isEmpty());
    EXPECT_TRUE(page.FavVoiceTestBtn->isEnabled());
    form.Core().Session().SetState(rsReading);
    EXPECT_FALSE(page.FavVoiceTestBtn->isEnabled());
    form.Core().Session().SetState(rsIdle);
    page.AddToFavBtn->click();
    EXPECT_EQ(form.Core().FavoriteVoices(), (QStringList{"Mary", "Mike", "Sam"}));
    page.FavVoiceTestBtnClick(); // nothing focused after the lists were refilled
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Select a voice to test"));
}

TEST_F(OptionsTest, VoiceEditFetchesRangesFirstAndResetsToTheDefaults)
{
    auto app = Start();
    TForm1 &form = app->form;
    TVoiceEntry *mike = app->voices.FindVoice(QStringLiteral("Mike"));
    ASSERT_NE(mike, nullptr);
    ASSERT_EQ(mike->MinPitch, -1); // never opened
    form.Core().Prefs().TTS_DefaultVoiceName = QStringLiteral("Mike");
    form.Core().LoadFavoriteVoices();
    TVoiceEditPage &page = *form.VoiceEditSheet;
    form.ShowOptionPage(&page);
    EXPECT_EQ(page.SetupVoiceCkbx->currentText(), QStringLiteral("Mike"));
    EXPECT_EQ(mike->MinPitch, 10); // the scripted engine's range
    EXPECT_EQ(page.PitchSlider->minimum(), 10);
    EXPECT_EQ(page.PitchSlider->maximum(), 200);
    // Speeds in words a minute are shown as factors of the normal 175.
    EXPECT_EQ(page.SpeedMaxLbl->text(), QStringLiteral("1.7\u00D7"));
    EXPECT_EQ(page.SpeedValLbl->text(), TVoiceEditPage::SpeedText(mike->Speed));

    page.SpeedSlider->setValue(250);
    EXPECT_EQ(page.SpeedValLbl->text(), QStringLiteral("1.45\u00D7"));
    emit page.SpeedSlider->TrackEnd(250);
    EXPECT_EQ(mike->Speed, 250);
    page.SetDefaultsBtn->click();
    EXPECT_EQ(mike->Speed, mike->DefaultSpeed);
    EXPECT_EQ(page.SpeedSlider->value(), mike->DefaultSpeed);
    EXPECT_EQ(page.PitchValLbl->text(), QString::number(mike->DefaultPitch));

    // Pauses: a preset is stored as its lengths; lengths of the user's own show as Custom.
    EXPECT_EQ(page.PausesCB->currentText(), QStringLiteral("Normal"));
    page.PausesCB->setCurrentIndex(0);
    EXPECT_EQ(form.Core().Prefs().TTS_Pauses, QStringLiteral("120,250,450"));
    form.Core().Prefs().TTS_Pauses = QStringLiteral("200,250,450");
    page.VoiceEditSheetShow();
    EXPECT_EQ(page.PausesCB->currentText(), QStringLiteral("Custom"));
    page.PausesCB->setCurrentIndex(2);
    EXPECT_EQ(form.Core().Prefs().TTS_Pauses, QStringLiteral("600,1000,1600"));
    EXPECT_EQ(page.PausesCB->count(), 3);
}

} // namespace
