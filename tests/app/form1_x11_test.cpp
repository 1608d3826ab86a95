#include "FormWithVoices.h"
#include "app/Form1.h"
#include "app/tray/NotifyIcon.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

// The main window on a real X display with a window manager, a notification area
// and the test sound server (all started by scripts/test).
namespace {

QString LogText() { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

class Form1X11Test : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through scripts/test";
        // The tray host may still be starting when the first test runs.
        ASSERT_TRUE(WaitUntil([&] { return QSystemTrayIcon::isSystemTrayAvailable(); }, 5000));
        Messages::TakeRecorded();
    }
    TempHome home;
};

TEST_F(Form1X11Test, FirstShowFindsTheSoundCardAndAddsTheTrayIcon)
{
    const QStringList iconPaths = QIcon::themeSearchPaths();
    FormWithVoices app;
    TForm1 &form = app.form;
    form.show();
    // The tool bar has its pictures without a desktop icon theme too, and the theme
    // is looked for where it was before.
    for (const QToolButton *b :
         form.ToolBar1->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(b->icon().pixmap(32).isNull()) << b->objectName().toStdString();
    EXPECT_EQ(QIcon::themeSearchPaths(), iconPaths);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_TRUE(form.Core().Initialized());
    EXPECT_FALSE(form.Terminated());
    EXPECT_TRUE(app.voices.HasStandardVoices);
    ASSERT_NE(form.TrayIcon, nullptr);
    EXPECT_EQ(form.TrayIcon->toolTip(), QStringLiteral("Parlewind MP3"));
    // The icon comes once the window has been painted.
    EXPECT_FALSE(form.TrayIcon->isVisible());
    EXPECT_TRUE(WaitUntil([&] { return form.TrayIcon->isVisible(); }, 2000));
    form.Core().ShowStatus(QString(70, QLatin1Char('x')));
    EXPECT_EQ(form.TrayIcon->toolTip().size(), 63);
    ASSERT_TRUE(WaitUntil([&] { return form.ListInfoInitialized; }, 3000));
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral(" - Entered FormShow\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Exiting FormShow\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Exiting FormActivate\n")));
    // A second show does not run the first-show work again.
    form.hide();
    form.show();
    EXPECT_EQ(LogText().count(QStringLiteral("Exiting FormShow")), 1);
}

TEST_F(Form1X11Test, CloseAndMinimiseHideToTheTrayAndRestoreBringsItBack)
{
    FormWithVoices app;
    TForm1 &form = app.form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    EXPECT_FALSE(form.close());
    ASSERT_TRUE(WaitUntil([&] { return !form.isVisible(); }, 2000));
    EXPECT_EQ(form.Core().State(), rsIdle);

    form.RestoreRequest();
    ASSERT_TRUE(WaitUntil([&] { return form.isVisible() && !form.isMinimized(); }, 2000));

    form.showMinimized();
    ASSERT_TRUE(WaitUntil([&] { return !form.isVisible(); }, 2000));
    form.RestoreRequest();
    ASSERT_TRUE(WaitUntil([&] { return form.isVisible() && !form.isMinimized(); }, 2000));
    EXPECT_TRUE(LogText().contains(QStringLiteral("Restore request received")));
}

TEST_F(Form1X11Test, AutoMinimisesOnceAfterStart)
{
    FormWithVoices app({QStringLiteral("-auto")});
    TForm1 &form = app.form;
    form.show();
    form.activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form.ListInfoInitialized; }, 3000));
    EXPECT_TRUE(form.Timer1->isActive());
    ASSERT_TRUE(WaitUntil([&] { return !form.isVisible(); }, 3000));
    EXPECT_FALSE(form.Timer1->isActive());
    const QString log = LogText();
    EXPECT_TRUE(log.contains(QStringLiteral(" - -auto\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Minimizing ...\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - FormActivate Timer popped\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - FormActivate Timer: Minimizing now.\n")));
}

TEST_F(Form1X11Test, AutoMinimisesEvenWhenTheWindowIsNeverActivated)
{
    // As a start at login can be: the window manager keeps the focus elsewhere.
    FormWithVoices app({QStringLiteral("-auto")});
    TForm1 &form = app.form;
    bool active = false;
    form.setAttribute(Qt::WA_ShowWithoutActivating);
    form.show();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &form, [&] { active = active || form.isActiveWindow(); });
    watch.start(10);
    ASSERT_TRUE(WaitUntil([&] { return !form.isVisible(); }, 4000));
    EXPECT_FALSE(active);
    EXPECT_TRUE(form.ListInfoInitialized);
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - FormActivate Timer: Minimizing now.\n")));
}

TEST_F(Form1X11Test, OnlyAnExactFirstArgumentMinimises)
{
    for (const QStringList &args : {QStringList{QStringLiteral("-AUTO")},
                                    QStringList{QStringLiteral("file.txt"), QStringLiteral("-auto")}}) {
        FormWithVoices app(args);
        TForm1 &form = app.form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(WaitUntil([&] { return form.ListInfoInitialized; }, 3000));
        EXPECT_FALSE(form.Timer1->isActive());
        QTest::qWait(800);
        EXPECT_TRUE(form.isVisible()) << args.join(QLatin1Char(' ')).toStdString();
    }
}

} // namespace
