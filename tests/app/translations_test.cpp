#include "FormWithVoices.h"
#include "app/options/MiscPage.h"
#include "platform/shell/Translations.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QComboBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <gtest/gtest.h>

// The interface in the user's language: the language picked from the desktop's and
// the user's choice, and the window in it.
namespace {

TEST(TranslationsTest, TheLanguageIsTheUsersFirstThatIsShipped)
{
    ASSERT_TRUE(Translations::Shipped().contains(QStringLiteral("de")));
    const struct
    {
        const char *language, *chosen, *picked;
        const char *locale = "de_DE.UTF-8";
    } cases[]{
        {"de_AT:fr", "", "de"},  // a dialect takes its language
        {"xx:de", "", "de"},     // one not shipped is passed over
        {"en_GB:de", "", ""},    // English first: English
        {"de", "System?", ""},   // a choice not shipped is none
        {"fr", "de", "de"},      // the choice before the desktop's
        {"", "", "de"},          // no list: the locale's (LC_ALL)
        {"de", "", "", "C.UTF-8"}, // under the C locale the list counts for nothing
    };
    for (const auto &c : cases) {
        qputenv("LC_ALL", c.locale);
        qputenv("LANGUAGE", c.language);
        EXPECT_EQ(Translations::Pick(QLatin1String(c.chosen)), QLatin1String(c.picked)) << c.language;
    }
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
}

// German: the menus, a message box's own buttons, the choice on the Misc page.
TEST(TranslationsTest, AGermanDesktopGetsAGermanWindow)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
    TempHome home;
    FakeEngineInstall fake;
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    ASSERT_TRUE(Translations::Install(QStringLiteral("de")));
    FormWithVoices app;
    QStringList menus;
    for (const QAction *menu : app.form.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Datei", "&Ansicht", "&Optionen", "&Lesen", "A&udiohilfe", "&Hilfe"}));
    EXPECT_TRUE(app.form.Core().CountText().endsWith(QStringLiteral("Artikel"))) << app.form.Core().CountText().toStdString();
    QMessageBox box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QComboBox *language = app.form.MiscSheet->InterfaceLanguageCB;
    language->setCurrentIndex(language->findText(QStringLiteral("Deutsch")));
    EXPECT_EQ(app.form.Core().Prefs().UI_Language, QStringLiteral("de"));
}

// The command line answers in the desktop's language too.
TEST(TranslationsTest, TheCommandLineHelpIsGerman)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(PARLEWIND_BINARY), {QStringLiteral("--convert"), QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString help = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(help.startsWith(QStringLiteral("Aufruf: parlewind --convert [Optionen] DATEI..."))) << help.left(200).toStdString();
}

} // namespace
