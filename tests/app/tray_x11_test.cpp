#include "FormWithVoices.h"
#include "app/tray/NotifyIcon.h"
#include "app/tray/ToolBarForm.h"
#include "app/SingleInstance.h"
#include "app/desktop/DesktopCommands.h"
#include "app/desktop/MediaPlayer.h"
#include "support/DocumentSamples.h"
#include "articles/MemoListBox.h"
#include "articles/SavedArticles.h"
#include "audio/AudioDeviceDlg.h"
#include "controls/Gauge.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QClipboard>
#include <QDBusConnection>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QTimer>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>
#include <cstdlib>

// The notification icon in the test display's real notification area (trayer),
// clicked and driven by keyboard through the X server, and the floating tool bar;
// speech by the real engine into the test sound server.
namespace {

using StoredPrefs::Store;

const QString LongText = QStringLiteral(
    "The floating tool bar controls this reading while the main window is away. "
    "Every sentence here takes a little while to say, so that there is time to pause it, "
    "to resume it and to stop it from the menu of the notification icon.");

void XDo(const QStringList &args) { ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), args), 0) << args.join(u' ').toStdString(); }

// A window Qt draws for the notification area: the icon's ("QSystemTrayIconSys")
// or a message's ("QBalloonTip").
QWidget *TrayWindow(const char *className)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits(className) && w->isVisible())
            return w;
    return nullptr;
}
QWidget *IconWindow() { return TrayWindow("QSystemTrayIconSys"); }

class TrayTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through scripts/test";
        ASSERT_TRUE(WaitUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000));
        DetectSpeechSupport();
        Messages::TakeRecorded();
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    }
    void Start(int option)
    {
        Store(QStringLiteral("ToolbarOnMinOption"), QString::number(option));
        app.reset();
        app = std::make_unique<FormWithVoices>();
        ASSERT_TRUE(app->ShowActive() && app->SpeakToHeadset());
        form().Core().Articles().EntryAt(1)->SetText(LongText);
        form().Core().Articles().EntryAt(1)->SetTitle(QString());
    }
    TForm1 &form() { return app->form; }
    TToolBarForm &toolbar() { return *app->form.ToolBarForm; }
    QAction &showToolbar() { return *app->form.TrayIcon->ToolBarPONtry; }
    // A right click on the icon through the X server; true once the menu is open.
    bool OpenMenu()
    {
        QWidget *icon = IconWindow();
        if (!icon)
            return false;
        // Two presses closer together than this make a double click.
        Pump(QApplication::doubleClickInterval() + 50);
        XDo({QStringLiteral("mousemove"), QStringLiteral("--window"), QString::number(icon->winId()), QStringLiteral("8"),
             QStringLiteral("8"), QStringLiteral("click"), QStringLiteral("3")});
        return WaitUntil([&] { return QApplication::activePopupWidget() == form().TrayIcon->PopupMenu2; }, 3000);
    }
    // A menu item by its underlined letter, as a keyboard user chooses it.
    void Choose(const char *key)
    {
        ASSERT_TRUE(OpenMenu());
        XDo({QStringLiteral("key"), QLatin1String(key)});
        ASSERT_TRUE(WaitUntil([] { return !QApplication::activePopupWidget(); }, 3000));
        Pump(50);
    }

    TempHome home;
    std::unique_ptr<FormWithVoices> app;
};

QStringList Items(const QMenu *menu)
{
    QStringList items;
    for (const QAction *a : menu->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return items;
}

TEST_F(TrayTest, TheIconsMenuReadsPausesResumesAndStops)
{
    // Until the first show has finished nothing of the icon is in the notification
    // area, so no click can reach its menu: a long list keeps the first show busy.
    QByteArray saved;
    for (int i = 0; i < 300; ++i)
        saved += SavedArticles::Serialize(QStringLiteral("T%1").arg(i), QStringLiteral("Mary"), QString(2000, u'w'));
    TempHome::WriteFile(SavedArticles::File(), saved);
    bool iconEarly = false, checked = false;
    QTimer probe;
    probe.callOnTimeout([&] {
        if (app && !app->form.Core().Initialized() && app->form.MemoListBox1 && app->form.Core().Articles().Count() > 0) {
            checked = true;
            iconEarly = iconEarly || IconWindow() || app->form.TrayIcon->isVisible();
        }
    });
    probe.start(0);
    ASSERT_NO_FATAL_FAILURE(Start(0));
    probe.stop();
    EXPECT_TRUE(checked);
    EXPECT_FALSE(iconEarly);
    while (form().Core().Articles().Count() > 1)
        form().Core().Articles().DeleteMemoEntry(form().Core().Articles().EntryAt(2));

    // Closing sends the window to the notification area; the first time ever it says so.
    EXPECT_FALSE(form().close());
    ASSERT_TRUE(WaitUntil([&] { return !form().isVisible(); }, 2000));
    EXPECT_TRUE(form().Core().Prefs().TrayNoticeShown);
    QWidget *notice = TrayWindow("QBalloonTip");
    ASSERT_TRUE(notice);
    notice->close(); // as a click on it does
    EXPECT_FALSE(toolbar().isVisible());
    EXPECT_TRUE(showToolbar().isEnabled());

    ASSERT_TRUE(OpenMenu());
    const QMenu &menu = *form().TrayIcon->PopupMenu2;
    EXPECT_EQ(Items(&menu), (QStringList{"Restore", "Show &Toolbar", "-", "&Options", "-", "Read &Aloud", "Read to &File",
                                         "S&kip", "&Pause", "&Stop", "Pre&vious Sentence", "&Next Sentence", "-", "A&bout", "-",
                                         "E&xit Parlewind"}));
    EXPECT_EQ(menu.defaultAction(), form().TrayIcon->RestoreMItm);
    EXPECT_EQ(Items(form().TrayIcon->OptionsPONtry),
              (QStringList{"&Watch Clipboard", "-", "&Single Article", "&Multi Article"}));
    EXPECT_TRUE(form().TrayIcon->OptionsPONtry->actions().at(3)->isChecked());
    XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    ASSERT_TRUE(WaitUntil([] { return !QApplication::activePopupWidget(); }, 3000));

    QString tipWhileReading, pausedCaption;
    TReadState paused = rsIdle, afterStop = rsReading;
    const QList<qint16> samples = RecordSink(QStringLiteral("headset"), [&] {
        ASSERT_NO_FATAL_FAILURE(Choose("a"));
        ASSERT_EQ(form().Core().State(), rsReading);
        tipWhileReading = form().TrayIcon->toolTip();
        Pump(1200);
        ASSERT_NO_FATAL_FAILURE(Choose("p"));
        paused = form().Core().State();
        pausedCaption = form().TrayIcon->PausePONtry->text();
        ASSERT_NO_FATAL_FAILURE(Choose("r")); // "&Resume"
        Pump(500);
        ASSERT_NO_FATAL_FAILURE(Choose("s"));
        afterStop = form().Core().State();
        Pump(600);
    });
    EXPECT_EQ(tipWhileReading, QStringLiteral("Article 1 of 1"));
    EXPECT_EQ(paused, rsPaused);
    EXPECT_EQ(pausedCaption, QStringLiteral("&Resume"));
    EXPECT_EQ(form().TrayIcon->PausePONtry->text(), QStringLiteral("&Pause"));
    EXPECT_EQ(afterStop, rsIdle);
    // Speech was heard, and nothing in the last half second after Stop.
    const Audible heard = Heard(samples);
    EXPECT_GT(heard.count, 22050 / 10);
    EXPECT_LT(heard.last, samples.size() - 22050 / 2);
    // The tip follows the status line.
    form().Core().ShowStatus(QString(80, u'x'));
    EXPECT_EQ(form().TrayIcon->toolTip(), QString(63, u'x'));
}

TEST_F(TrayTest, MinimisingShowsTheFloatingToolBarAsTheOptionSays)
{
    struct Row
    {
        int option;
        bool shownAtClose;
    } rows[] = {{0, false}, {1, true}, {2, false}};
    for (const Row &r : rows) {
        SCOPED_TRACE(r.option);
        ASSERT_NO_FATAL_FAILURE(Start(r.option));
        EXPECT_FALSE(showToolbar().isEnabled());
        form().close();
        ASSERT_TRUE(WaitUntil([&] { return !form().isVisible(); }, 2000));
        EXPECT_EQ(toolbar().isVisible(), r.shownAtClose);
        EXPECT_EQ(showToolbar().isEnabled(), !r.shownAtClose);
        if (r.option == 2) {
            // Reading from the menu while everything is away brings the tool bar.
            form().TrayIcon->ReadAloudPONtry->trigger();
            EXPECT_TRUE(toolbar().isVisible());
            EXPECT_FALSE(showToolbar().isEnabled());
            EXPECT_EQ(toolbar().StatusLabel->text(), QStringLiteral("Article 1 of 1"));
            toolbar().StopBtn->click();
            EXPECT_EQ(form().Core().State(), rsIdle);
        }
        if (!toolbar().isVisible())
            showToolbar().trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&toolbar()));
        // Closed and asked for again, it comes back where it was.
        toolbar().move(300, 400);
        ASSERT_TRUE(WaitUntil([&] { return toolbar().pos() == QPoint(300, 400); }, 2000));
        toolbar().close();
        EXPECT_FALSE(toolbar().isVisible());
        EXPECT_TRUE(showToolbar().isEnabled());
        showToolbar().trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&toolbar()));
        EXPECT_TRUE(WaitUntil([&] { return toolbar().pos() == QPoint(300, 400); }, 2000)) << toolbar().pos().x() << "," << toolbar().pos().y();

        // "Always on top" is read when the tool bar is next activated.
        QWidget other;
        other.show();
        for (const bool onTop : {true, false}) {
            other.activateWindow();
            ASSERT_TRUE(WaitUntil([&] { return other.isActiveWindow(); }, 2000));
            form().Core().Prefs().ToolbarOnTop = onTop;
            EXPECT_EQ(toolbar().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), !onTop); // not yet
            toolbar().activateWindow();
            ASSERT_TRUE(WaitUntil([&] { return toolbar().isActiveWindow(); }, 2000));
            EXPECT_EQ(toolbar().windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), onTop);
        }

        toolbar().RestoreBtn->click();
        ASSERT_TRUE(WaitUntil([&] { return form().isVisible(); }, 2000));
        EXPECT_FALSE(toolbar().isVisible());
        EXPECT_FALSE(showToolbar().isEnabled());
    }
}

TEST_F(TrayTest, TheToolBarsGaugeFollowsTheMp3Encoding)
{
    ASSERT_NO_FATAL_FAILURE(Start(1));
    const QString out = home.Root() + QStringLiteral("/out");
    QDir().mkpath(out);
    form().Core().Prefs().OUT_Directory = out;
    form().Core().Prefs().OUT_FileFormat = 1;
    form().Core().Prefs().OUT_FileDest = rtSingleFile;
    form().Core().Articles().EntryAt(1)->SetTitle(QStringLiteral("Floating"));
    // Long enough for the encoding to go on for a while after the speech is made.
    QString text;
    while (text.size() < 60000)
        text += QStringLiteral("The floating tool bar shows how far the file has come. ");
    form().Core().Articles().EntryAt(1)->SetText(text);
    form().close();
    ASSERT_TRUE(WaitUntil([&] { return toolbar().isVisible(); }, 2000));

    QList<int> progress;
    bool gaugesAgree = true;
    QTimer sample;
    sample.callOnTimeout([&] {
        if (form().Core().State() == rsConverting && toolbar().Gauge1->isVisible()) {
            if (progress.isEmpty() || progress.last() != toolbar().Gauge1->Progress())
                progress << toolbar().Gauge1->Progress();
            gaugesAgree = gaugesAgree && toolbar().Gauge1->Progress() == form().StatusGauge->Progress();
        }
    });
    sample.start(0);
    toolbar().PlayFileBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return form().Core().State() == rsIdle; }, 180000));
    sample.stop();
    EXPECT_GE(progress.size(), 3) << progress.size();
    EXPECT_TRUE(std::is_sorted(progress.cbegin(), progress.cend()));
    EXPECT_TRUE(gaugesAgree);
    EXPECT_TRUE(QFile::exists(out + QStringLiteral("/Floating.mp3")));
    EXPECT_FALSE(toolbar().Gauge1->isVisible());
    EXPECT_TRUE(toolbar().PlayFileBtn->isEnabled());
}

// Other programs reach the running window: the commands of a second start, the
// selection of another program read by a shortcut's command, the desktop's media
// controls (playerctl on a bus of the test's own), files handed over.
TEST_F(TrayTest, CommandsMediaControlsAndFilesReachTheRunningProgram)
{
    ASSERT_NO_FATAL_FAILURE(Start(0));
    SingleInstance instance;
    ASSERT_TRUE(instance.TryBecomePrimary());
    TDesktopCommands commands(form().Core());
    QObject::connect(&commands, &TDesktopCommands::ShowRequested, &form(), &TForm1::RestoreRequest);
    QObject::connect(&commands, &TDesktopCommands::OpenRequested, &form(), &TForm1::OpenFiles);
    QObject::connect(&instance, &SingleInstance::CommandRequested, &commands, &TDesktopCommands::Run);
    instance.Refusal = [&commands](const QString &name) { return commands.Refusal(name); };
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address")});
    ASSERT_TRUE(bus.waitForReadyRead(5000));
    const QString address = QString::fromUtf8(bus.readLine()).trimmed();
    ASSERT_TRUE(QDBusConnection::connectToBus(address, QStringLiteral("test-session")).isConnected());
    TMediaPlayer player(form().Core(), commands, QStringLiteral("test-session"));
    ASSERT_TRUE(player.Registered());

    // Each command as a second start gives it, delivered (exit status 0) and in effect.
    const auto parlewind = [&](const QStringList &args) {
        QProcess p;
        p.start(QStringLiteral(PARLEWIND_BINARY), args);
        // The running program answers through this process's events.
        while (p.state() != QProcess::NotRunning && !p.waitForFinished(20))
            Pump(20);
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    };
    const auto playerctl = [&](const QString &what) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("playerctl"), QStringList{QStringLiteral("-p"), QStringLiteral("parlewind")} + what.split(u' '));
        while (p.state() != QProcess::NotRunning && !p.waitForFinished(20))
            Pump(20);
        Pump(100);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    };
    const QString selected = QStringLiteral("Words selected in another program are read at once, however long it takes to say them all.");
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("primary"), QStringLiteral("-quiet")});
    xclip.write(selected.toUtf8());
    xclip.closeWriteChannel();
    ASSERT_TRUE(WaitUntil([] { return QApplication::clipboard()->text(QClipboard::Selection).startsWith(QStringLiteral("Words")); }, 5000));

    // The shortcut, pressed in no window of ours: the selection is read; again: it stops.
    ASSERT_EQ(commands.SetReadSelectionKey(QKeySequence(QStringLiteral("Ctrl+Alt+Shift+S"))), QString());
    const int before = form().Core().Articles().Count();
    XDo({QStringLiteral("key"), QStringLiteral("ctrl+alt+shift+s")});
    EXPECT_TRUE(WaitUntil([&] { return form().Core().State() == rsReading; }, 5000));
    EXPECT_EQ(form().Core().Articles().Count(), before + 1);
    Pump(300);
    XDo({QStringLiteral("key"), QStringLiteral("ctrl+alt+shift+s")});
    EXPECT_TRUE(WaitUntil([&] { return form().Core().State() == rsIdle; }, 5000));
    // On a Wayland desktop (through XWayland) with no shortcuts portal, the key is
    // heard only from X11 windows: the Misc page says so and gives the command.
    {
        qputenv("XDG_SESSION_TYPE", "wayland");
        TDesktopCommands xwayland(form().Core());
    QObject::connect(&xwayland, &TDesktopCommands::ShowRequested, &form(), &TForm1::RestoreRequest);
    QObject::connect(&xwayland, &TDesktopCommands::OpenRequested, &form(), &TForm1::OpenFiles);
        const QString note = xwayland.SetReadSelectionKey(QKeySequence(QStringLiteral("Ctrl+Alt+Shift+J")));
        EXPECT_TRUE(note.contains(QStringLiteral("only while a window of an X11 program has focus")) &&
                    note.contains(QStringLiteral("parlewind --read-selection")))
            << note.toStdString();
        qunsetenv("XDG_SESSION_TYPE");
    }
    // A key another program holds is told, not silently dead.
    xcb_connection_t *other = xcb_connect(nullptr, nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(other)).data->root;
    Display *display = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->display();
    xcb_grab_key(other, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT,
                 xcb_keycode_t(XKeysymToKeycode(display, XK_f)), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    std::free(xcb_get_input_focus_reply(other, xcb_get_input_focus(other), nullptr)); // the grab is made
    const QKeySequence held(QStringLiteral("Ctrl+Alt+Shift+F"));
    EXPECT_TRUE(commands.SetReadSelectionKey(held).contains(QStringLiteral("taken by another program")));
    xcb_disconnect(other);
    // Free once the X server has seen the other program go.
    EXPECT_TRUE(WaitUntil([&] { return commands.SetReadSelectionKey(held).isEmpty(); }, 5000));

    TReadState paused = rsIdle, resumed = rsIdle;
    QString status, title, stoppedStatus;
    const QList<qint16> samples = RecordSink(QStringLiteral("headset"), [&] {
        ASSERT_EQ(parlewind({QStringLiteral("--read-selection")}), 0);
        ASSERT_TRUE(WaitUntil([&] { return form().Core().State() == rsReading; }, 5000));
        Pump(1000);
        ASSERT_EQ(parlewind({QStringLiteral("--pause")}), 0);
        paused = form().Core().State();
        status = playerctl(QStringLiteral("status"));
        playerctl(QStringLiteral("play"));
        resumed = form().Core().State();
        title = playerctl(QStringLiteral("metadata title"));
        Pump(500);
        // Pressed again while reading: the reading stops.
        ASSERT_EQ(parlewind({QStringLiteral("--read-selection")}), 0);
        Pump(600);
        stoppedStatus = playerctl(QStringLiteral("status"));
    });
    xclip.kill();
    xclip.waitForFinished(1000);
    EXPECT_EQ(form().Core().Articles().Count(), before + 2);
    // Nothing to read: said, and a failure for whoever asked (a key binding, a script).
    QApplication::clipboard()->clear();
    for (const char *command : {"--read-selection", "--read-clipboard"})
        EXPECT_EQ(parlewind({QLatin1String(command)}), 1) << command;
    // Nor is a selection too large to be an article, or one that is not text.
    QByteArray noise(4096, '\0');
    for (int k = 0; k < noise.size(); ++k)
        noise[k] = char(k * 7 % 32);
    for (const QByteArray &selection : {QByteArray(3 << 20, 'a').replace(0, 1, "A"), noise}) {
        QProcess owner;
        owner.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("primary"), QStringLiteral("-quiet")});
        owner.write(selection);
        owner.closeWriteChannel();
        ASSERT_TRUE(WaitUntil([] { return !QApplication::clipboard()->text(QClipboard::Selection).isEmpty(); }, 5000));
        EXPECT_EQ(parlewind({QStringLiteral("--read-selection")}), 1) << selection.size();
        owner.kill();
        owner.waitForFinished(1000);
    }
    EXPECT_EQ(form().Core().Articles().Count(), before + 2);
    EXPECT_EQ(form().Core().Articles().EntryAt(form().Core().Articles().Count())->Text(), selected);
    EXPECT_EQ(paused, rsPaused);
    EXPECT_EQ(status, QStringLiteral("Paused"));
    EXPECT_EQ(resumed, rsReading);
    EXPECT_EQ(title, form().Core().Articles().EntryAt(form().Core().Articles().Count())->Title());
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_EQ(stoppedStatus, QStringLiteral("Stopped"));
    const Audible heard = Heard(samples);
    EXPECT_GT(heard.count, 22050 / 5);
    EXPECT_LT(heard.last, samples.size() - 22050 / 2);

    // The media controls read, skip and stop too; what cannot be done is not offered.
    EXPECT_EQ(playerctl(QStringLiteral("play")), QString());
    EXPECT_TRUE(WaitUntil([&] { return form().Core().State() == rsReading; }, 3000));
    playerctl(QStringLiteral("stop"));
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_FALSE(player.CanPause());

    // A command with nothing to do is still delivered; files go to the running program.
    EXPECT_EQ(parlewind({QStringLiteral("--resume")}), 0);
    const QString book = home.Root() + QStringLiteral("/book.epub");
    TempHome::WriteFile(book, DocumentSamples::Epub());
    const int count = form().Core().Articles().Count();
    EXPECT_EQ(parlewind({book}), 0);
    EXPECT_TRUE(WaitUntil([&] { return form().Core().Articles().Count() == count + 2; }, 10000));
    // A name with a line break is carried whole, and its title is one line.
    const QString broken = home.Root() + QStringLiteral("/two\nlines.txt");
    TempHome::WriteFile(broken, "Some text of a file with an odd name.\n");
    EXPECT_EQ(parlewind({broken}), 0);
    EXPECT_TRUE(WaitUntil([&] { return form().Core().Articles().Count() == count + 3; }, 10000));
    EXPECT_EQ(form().Core().Articles().EntryAt(form().Core().Articles().Count())->Title(), QStringLiteral("two lines"));
    QDBusConnection::disconnectFromBus(QStringLiteral("test-session"));
    bus.kill();
    bus.waitForFinished(1000);
}

} // namespace
