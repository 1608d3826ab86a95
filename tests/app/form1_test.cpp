#include "FormWithVoices.h"
#include "app/AboutBox.h"
#include "app/Form1.h"
#include "articles/MemoEntry.h"
#include "app/options/ClipboardPage.h"
#include "app/options/ModeSheets.h"
#include "app/tray/ToolBarForm.h"
#include "controls/Gauge.h"
#include "log/UtilsClass.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/shell/AutoStart.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/shell/ShellOpen.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

// The main window without a sound server and without a notification area.
namespace {

const QString prefsKey = QStringLiteral("Software\\BrivantaTech\\Parlewind");

void StorePref(const QString &name, const QString &value)
{
    TRegistryEnhanced reg;
    reg.Key = prefsKey;
    reg.WriteValue(name, value);
}

QString LogText() { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

// "Caption|Shortcut" per item, "-" per separator.
QStringList MenuItems(const QMenu *menu)
{
    QStringList items;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator())
            items << QStringLiteral("-");
        else
            items << a->text() + (a->shortcut().isEmpty() ? QString() : QLatin1Char('|') + a->shortcut().toString());
    }
    return items;
}

class Form1Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Messages::TakeRecorded();
        ShellOpen::TakeRecorded();
    }
    TempHome home;
};

TEST_F(Form1Test, CreationRotatesTheLogLoadsPreferencesAndTracesTheVersion)
{
    TempHome::WriteFile(UtilsClass::LogFile(), "previous run\n");
    LoadedCore core;
    TForm1 form(core, {});
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Parlewind MP3"));
    EXPECT_EQ(TempHome::ReadFile(UtilsClass::LogBase() + QStringLiteral("1.dbg")), QByteArray("previous run\n"));
    const QString log = LogText();
    EXPECT_FALSE(log.contains(QStringLiteral("previous run")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Version: 1.00\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Current Mode is Single-Article\n")));
    EXPECT_FALSE(form.Core().Initialized());
    EXPECT_EQ(form.Core().State(), rsIdle);
    EXPECT_EQ(form.CurrentOptionPage(), form.ClipboardSheet);
    EXPECT_TRUE(QFileInfo(form.HelpFile).isFile());
}

TEST_F(Form1Test, ToolBarButtonsInOrderWithSeparators)
{
    LoadedCore core;
    TForm1 form(core, {});
    QStringList seen;
    for (QAction *a : form.ToolBar1->actions()) {
        if (a->isSeparator()) {
            seen << QStringLiteral("-");
        } else if (auto *b = qobject_cast<QToolButton *>(form.ToolBar1->widgetForAction(a))) {
            seen << b->objectName() + QLatin1Char('|') + b->text() + QLatin1Char('|') + b->toolTip();
            EXPECT_EQ(b->size(), QSize(60, 52));
        }
    }
    EXPECT_EQ(seen, (QStringList{
                        "ToolButton1|    Single    |Single-Article Mode",
                        "ToolButton2|Multi |Multi-Article Mode", "-",
                        "ReadFileBtn|Open|Read text file", "PasteBtn|Paste|Paste", "-",
                        "PlayToolBtn|Aloud|Read text aloud", "PlayFileBtn|File|Read text to file",
                        "PauseBtn|Pause|Pause / Resume ", "SkipBtn|Skip|Skip to next article",
                        "StopBtn|Stop|Stop reading", "-",
                        "OptionsBtn|Options|Display / Hide Options Panels"}));
    EXPECT_EQ(form.ToolBar1->maximumHeight(), 56);

    // The two mode buttons exclude each other.
    EXPECT_TRUE(form.ToolButton1->isChecked());
    form.ToolButton2->click();
    EXPECT_TRUE(form.ToolButton2->isChecked());
    EXPECT_FALSE(form.ToolButton1->isChecked());
    EXPECT_TRUE(form.OptionsBtn->isCheckable());
}

TEST_F(Form1Test, MenusWithCaptionsShortcutsAndSeparators)
{
    LoadedCore core;
    TForm1 form(core, {});
    QStringList titles;
    for (QAction *a : form.menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&View", "&Options", "&Read", "&Audio Help", "&Help"}));
    // The article commands are in the File and View menus too, for the keyboard.
    EXPECT_EQ(MenuItems(Menu(form, QStringLiteral("&File"))),
              (QStringList{"Tell a Friend", "-", "&Open...|Ctrl+O", "Open &Web Address...|Ctrl+L", "&Add New|Ctrl+N", "&Delete Selected|Ctrl+Shift+Del",
                           "-", "E&xit Parlewind|Ctrl+Q"}));
    EXPECT_EQ(MenuItems(Menu(form, QStringLiteral("&View"))),
              (QStringList{"&Toolbar", "&Options Panels", "-", "&Previous Article|Ctrl+PgUp", "&Next Article|Ctrl+PgDown",
                           "&Edit Title and Voice|F2"}));
    EXPECT_EQ(MenuItems(Menu(form, QStringLiteral("&Options"))),
              (QStringList{"&Watch Clipboard", "-", "&Single Article", "&Multi Article", "-",
                           "Select Audio &Device", "&Pronunciation Editor", "&Languages…"}));
    EXPECT_EQ(MenuItems(Menu(form, QStringLiteral("&Read"))),
              (QStringList{"Read &Aloud|Ctrl+F6", "Read to &File|Ctrl+F7", "-", "&Pause|Ctrl+F8",
                           "S&kip|Ctrl+F9", "&Stop|Ctrl+F10", "-", "Read from &Here|Shift+F6",
                           "Pre&vious Sentence|Ctrl+F11", "Ne&xt Sentence|Ctrl+F12", "Stop Af&ter"}));
    EXPECT_EQ(MenuItems(Menu(form, QStringLiteral("&Help"))),
              (QStringList{"&Contents", "-", "&Visit Brivanta Technologies", "-", "&About"}));
    EXPECT_EQ(MenuItems(form.PopupMenu1),
              (QStringList{"&Add New|Ctrl+N", "&Delete Selected|Ctrl+Shift+Del", "-", "Read from &Here|Shift+F6"}));
    EXPECT_TRUE(Item(form, QStringLiteral("&Options"), QStringLiteral("&Single Article"))->isChecked());
    Item(form, QStringLiteral("&Options"), QStringLiteral("&Multi Article"))->setChecked(true);
    EXPECT_FALSE(Item(form, QStringLiteral("&Options"), QStringLiteral("&Single Article"))->isChecked());
}

TEST_F(Form1Test, TopPanelHeightFollowsToolBarAndOptions)
{
    LoadedCore core;
    TForm1 form(core, {});
    EXPECT_EQ(form.TopPanel->maximumHeight(), 257);
    EXPECT_TRUE(form.OptionsBtn->isChecked());
    EXPECT_TRUE(Item(form, QStringLiteral("&View"), QStringLiteral("&Toolbar"))->isChecked());

    Item(form, QStringLiteral("&View"), QStringLiteral("&Toolbar"))->trigger(); // options only
    EXPECT_EQ(form.TopPanel->maximumHeight(), 257 - 56);
    EXPECT_TRUE(form.ToolBar1->isHidden());
    EXPECT_FALSE(Item(form, QStringLiteral("&View"), QStringLiteral("&Toolbar"))->isChecked());

    form.OptionsBtn->click(); // neither
    EXPECT_EQ(form.TopPanel->maximumHeight(), 0);
    EXPECT_FALSE(form.OptionsBtn->isChecked());
    EXPECT_FALSE(Item(form, QStringLiteral("&View"), QStringLiteral("&Options Panels"))->isChecked());
    EXPECT_TRUE(form.Panel3->isHidden());

    Item(form, QStringLiteral("&View"), QStringLiteral("&Toolbar"))->trigger(); // tool bar only
    EXPECT_EQ(form.TopPanel->maximumHeight(), 56);

    Item(form, QStringLiteral("&View"), QStringLiteral("&Options Panels"))->trigger(); // both again
    EXPECT_EQ(form.TopPanel->maximumHeight(), 257);
    EXPECT_TRUE(form.Core().Prefs().ShowOptions);
    EXPECT_TRUE(form.Core().Prefs().ShowToolbar);
}

TEST_F(Form1Test, StoredLayoutAndModeApplyAtCreation)
{
    StorePref(QStringLiteral("ShowToolbar"), QStringLiteral("false"));
    StorePref(QStringLiteral("ShowOptions"), QStringLiteral("true"));
    StorePref(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    LoadedCore core;
    TForm1 form(core, {});
    EXPECT_EQ(form.TopPanel->maximumHeight(), 201);
    EXPECT_TRUE(form.ToolBar1->isHidden());
    EXPECT_TRUE(form.ToolButton2->isChecked());
    EXPECT_TRUE(Item(form, QStringLiteral("&Options"), QStringLiteral("&Multi Article"))->isChecked());
    EXPECT_EQ(form.CurrentModeSheet(), form.MIOptionsSheet);
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Current Mode is Multi-Article\n")));
}

TEST_F(Form1Test, StatusPanelsSplitThreeQuartersAndTheGaugeSitsRight)
{
    LoadedCore core;
    TForm1 form(core, {});
    form.resize(801, 600);
    QResizeEvent resize(QSize(801, 600), QSize(639, 604));
    QApplication::sendEvent(&form, &resize);
    EXPECT_EQ(form.StatusPanel0->width(), 601); // 600.75 rounds up
    EXPECT_EQ(form.StatusGauge->geometry(), QRect(603, 2, 200, 15));
    EXPECT_TRUE(form.StatusGauge->isHidden());
    EXPECT_EQ(form.StatusPanel1->text(), QStringLiteral(" "));
    form.Core().ShowStatus(QStringLiteral("3 articles"));
    EXPECT_EQ(form.StatusPanel0->text(), QStringLiteral("3 articles"));
}

TEST_F(Form1Test, TellAFriendBuildsTheMailCommand)
{
    const QString command = TellAFriendCommand();
    const QString site = MakerSite;
    EXPECT_EQ(command,
              QStringLiteral("mailto:?Subject=Parlewind MP3&Body=Check out Parlewind MP3 at ") + site +
                  QStringLiteral(" .  Parlewind MP3 lets you listen to text you copy to the clipboard. "
                                 "It uses Text to Speech technology which actually synthesizes "
                                 "natural sounding speech from ordinary text.  Listen to your "
                                 "email, news, any text you want.  You can also convert your text "
                                 "to wav or MP3 files so you can listen later.  "
                                 "Try Parlewind MP3 free today at ") + site);
    EXPECT_LE(command.size(), 1000);

    LoadedCore core;
    TForm1 form(core, {});
    Item(form, QStringLiteral("&File"), QStringLiteral("Tell a Friend"))->trigger();
    Item(form, QStringLiteral("&Help"), QStringLiteral("&Visit Brivanta Technologies"))->trigger();
    Item(form, QStringLiteral("&Help"), QStringLiteral("&Contents"))->trigger();
    EXPECT_EQ(ShellOpen::TakeRecorded(), (QStringList{command, site, form.HelpFile}));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());

    form.HelpFile.clear();
    Item(form, QStringLiteral("&Help"), QStringLiteral("&Contents"))->trigger();
    const auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Messages::Kind::Error);
}

TEST_F(Form1Test, AboutIsAModalWindow)
{
    LoadedCore core;
    TForm1 form(core, {});
    QString title;
    bool modal = false;
    QTimer::singleShot(0, &form, [&] {
        QWidget *about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        modal = about->isModal();
        about->close();
    });
    Item(form, QStringLiteral("&Help"), QStringLiteral("&About"))->trigger();
    EXPECT_EQ(title, QStringLiteral("About Parlewind MP3"));
    EXPECT_TRUE(modal);
}

TEST_F(Form1Test, ExistingAutoStartEntryFollowsTheProgram)
{
    {
        LoadedCore core;
    TForm1 form(core, {});
        EXPECT_FALSE(AutoStart::Exists(QStringLiteral("Parlewind")));
    }
    AutoStart::Write(QStringLiteral("Parlewind"), QStringLiteral("/old/place/parlewind -auto"));
    LoadedCore core;
    TForm1 form(core, {});
    const QString entry = QString::fromUtf8(TempHome::ReadFile(AutoStart::EntryPath(QStringLiteral("Parlewind"))));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=") + ProgramPaths::ProgramFile() + QStringLiteral(" -auto\n")))
        << entry.toStdString();
}

// Without a sound server the window starts, says what reading aloud needs, and
// reads into files with the real engine.
TEST_F(Form1Test, WithoutASoundServerTheWindowStartsAndReadsIntoFiles)
{
    DetectSpeechSupport();
    StorePref(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    FormWithVoices app;
    TForm1 &form = app.form;
    ASSERT_TRUE(app.ShowActive());
    EXPECT_TRUE(form.StatusPanel0->text().contains(TTTSForm::NoSoundDevice())) << form.StatusPanel0->text().toStdString();
    form.Core().AddMemo(QStringLiteral("Heard from a file."), QStringLiteral("Mary"))->SetTitle(QStringLiteral("Note"));
    form.PlayToolBtn->click();
    const auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, TTTSForm::NoSoundDevice());
    EXPECT_EQ(form.Core().State(), rsIdle);

    form.Core().Prefs().OUT_Directory = home.Root();
    form.Core().Prefs().OUT_FileFormat = 0;
    form.PlayFileBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return form.Core().State() == rsIdle; }, 30000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_GT(ReadWave(home.Root() + QStringLiteral("/Note.wav")).Seconds(), 0.5);
}

TEST_F(Form1Test, ClosingOnlyMinimisesAndTheExitCommandSavesEverything)
{
    // Shown, the window starts its voices (there is no sound server, which it only tells).
    FormWithVoices app;
    TForm1 &form = app.form;
    QCloseEvent close;
    QApplication::sendEvent(&form, &close);
    EXPECT_FALSE(close.isAccepted());
    // No notification area here: the task bar is the way back.
    EXPECT_TRUE(form.isMinimized());
    // The floating tool bar works without one as well (the default: "When minimized").
    EXPECT_TRUE(form.ToolBarForm->isVisible());
    form.RestoreRequest();
    EXPECT_FALSE(form.ToolBarForm->isVisible());

    form.Core().Prefs().ML_VisibleEntries = 6;
    form.Core().Prefs().ShowOptions = false;
    form.Core().RequestExit();
    EXPECT_EQ(form.Core().State(), rsExiting);

    TRegistryEnhanced reg;
    reg.Key = prefsKey;
    // Besides the voices' own values (favourite, speed, pitch).
    EXPECT_EQ(reg.GetValueNames().filter(QRegularExpression(QStringLiteral("^(?!FAV_|SPD_|PIT_)"))).size(), 42);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("ML_VisibleEntries"), QString()), QStringLiteral("6"));
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("ShowOptions"), QString()), QStringLiteral("false"));
    reg.Key = TPreferences::PlacementKey(&form);
    EXPECT_EQ(reg.ReadValueDef(QStringLiteral("Width"), QString()), QString::number(form.width()));
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Entered ExitParlewindClick\n")));

    // Once exiting, a close is accepted.
    QCloseEvent last;
    QApplication::sendEvent(&form, &last);
    EXPECT_TRUE(last.isAccepted());
}

} // namespace
