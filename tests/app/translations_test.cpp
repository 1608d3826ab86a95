#include "app/AboutBox.h"
#include "app/clipboard/CB_PromptForm.h"
#include "app/clipboard/SIBusyForm.h"
#include "app/options/MiscPage.h"
#include "app/tray/NotifyIcon.h"
#include "app/tray/ToolBarForm.h"
#include "articles/MemoEntryView.h"
#include "FormWithVoices.h"
#include "platform/sapi/LanguagesDialog.h"
#include "platform/sapi/LexiconDialog.h"
#include "platform/shell/Translations.h"
#include "speech/EngineWarningForm.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTranslator>

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
        {"de_AT:fr", "", "de"},    // a dialect takes its language
        {"xx:de", "", "de"},       // one not shipped is passed over
        {"en_GB:de", "", ""},      // English first: English
        {"de", "System?", ""},     // a choice not shipped is none
        {"fr", "de", "de"},        // the choice before the desktop's
        {"", "", "de"},            // no list: the locale's (LC_ALL)
        {"de", "", "", "C.UTF-8"}, // under the C locale the list counts for nothing
    };
    for (const auto &c : cases) {
        qputenv("LC_ALL", c.locale);
        qputenv("LANGUAGE", c.language);
        EXPECT_EQ(Translations::Pick(QLatin1String(c.chosen)), QLatin1String(c.picked))
            << c.language;
    }
    qunsetenv("LANGUAGE");
    qunsetenv("LC_ALL");
    // Each offered by its own name, a language without the country of its data.
    EXPECT_EQ(Translations::NativeName(QStringLiteral("es")), QStringLiteral("Espa\u00f1ol"));
    EXPECT_EQ(Translations::NativeName(QStringLiteral("pt_BR")),
              QStringLiteral("Portugu\u00eas (Brasil)"));
}

// Every text through the translation system comes back bracketed and a third
// longer, as German and Russian texts are: a text shown without the brackets never
// went through it, and a caption that no longer fits was cut off.
class PseudoTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return {};
        const QString text = QString::fromUtf8(source);
        return QStringLiteral("\u00ab") + text + QString(text.size() / 3, QLatin1Char('~')) +
               QStringLiteral("\u00bb");
    }
    bool isEmpty() const override { return false; }
};

// What of a text is left in plain English once the translated parts (brackets, which
// nest when one holds another) and the data shown in it are taken out.
QString Untranslated(QString text, const QStringList &data)
{
    if (text.contains(QLatin1Char('<'))) {
        QTextDocument rich;
        rich.setHtml(text);
        text = rich.toPlainText();
    }
    QString plain;
    int depth = 0;
    for (const QChar c : std::as_const(text)) {
        if (c == QChar(0xab))
            ++depth;
        else if (c == QChar(0xbb))
            depth = std::max(0, depth - 1);
        else if (depth == 0)
            plain += c;
    }
    for (const QString &item : data)
        plain.remove(item);
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    return word.match(plain).hasMatch() ? plain.simplified() : QString();
}

struct TextsSeen
{
    bool english = true; // every text must have gone through the translator
    QStringList data;    // names of voices, devices and the like
    QStringList untranslated;
    QStringList cutOff;
    QStringList sameKey; // two captions of one menu or window with one access key
    // Labels that show data (a device's names, an address), not the program's words.
    const QStringList dataLabels{QStringLiteral("lName"), QStringLiteral("lDescription"),
                                 QStringLiteral("SupportLabel")};

    void Check(const QString &where, const QString &text)
    {
        if (!english)
            return;
        const QString left = Untranslated(text, data);
        if (!left.isEmpty() && !untranslated.contains(where + QStringLiteral(": ") + left))
            untranslated << where + QStringLiteral(": ") + left;
    }
    // The access keys of captions seen together: one each.
    void Keys(const QString &where, const QStringList &captions)
    {
        QHash<QString, QString> owner;
        for (const QString &caption : captions) {
            const QString key = QKeySequence::mnemonic(caption).toString().toLower();
            if (key.isEmpty())
                continue;
            if (owner.contains(key) && owner[key] != caption) {
                const QString told =
                    QStringLiteral("%1: %2 and %3").arg(where, owner[key], caption);
                if (!sameKey.contains(told))
                    sameKey << told;
            }
            owner.insert(key, caption);
        }
    }
    void Menu(const QString &where, const QMenu *menu)
    {
        Check(where + QStringLiteral(" title"), menu->title());
        QStringList captions;
        for (const QAction *action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            captions << action->text();
            Check(where + QStringLiteral(" item"), action->text());
            Check(where + QStringLiteral(" tip"),
                  action->toolTip() == QString(action->text()).remove(QLatin1Char('&'))
                      ? QString()
                      : action->toolTip());
            if (action->menu())
                Menu(where + QStringLiteral(" > ") + action->text(), action->menu());
        }
        Keys(where + QStringLiteral(" ") + menu->title(), captions);
    }
    // The window as it is shown now: its visible widgets' texts, whether each caption
    // has the room it asks for, and their access keys.
    void Window(QWidget *window)
    {
        const QString name = window->metaObject()->className();
        Check(name + QStringLiteral(" title"), window->windowTitle());
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        QStringList captions;
        for (QWidget *w : std::as_const(widgets)) {
            if (!w->isVisibleTo(window) || dataLabels.contains(w->objectName()))
                continue;
            const QString where = name + QStringLiteral(" ") +
                                  (w->objectName().isEmpty() ? QString(w->metaObject()->className())
                                                             : w->objectName());
            Check(where + QStringLiteral(" tip"), w->toolTip());
            Check(where + QStringLiteral(" name"), w->accessibleName());
            Check(where + QStringLiteral(" description"), w->accessibleDescription());
            QString caption;
            if (auto *label = qobject_cast<QLabel *>(w))
                caption = label->text();
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                caption = button->text();
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                caption = group->title();
            else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                for (int k = 0; k < combo->count(); ++k)
                    Check(where + QStringLiteral(" choice"), combo->itemText(k));
            } else if (auto *edit = qobject_cast<QLineEdit *>(w))
                Check(where, edit->placeholderText());
            else if (auto *spin = qobject_cast<QSpinBox *>(w))
                Check(where, spin->prefix() + spin->suffix() + spin->specialValueText());
            else if (auto *tabs = qobject_cast<QTabWidget *>(w))
                for (int k = 0; k < tabs->count(); ++k)
                    Check(where + QStringLiteral(" tab"), tabs->tabText(k));
            else if (auto *area = qobject_cast<QScrollArea *>(w);
                     area && area->widget() &&
                     area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                     area->widget()->width() > area->viewport()->width())
                Cut(where + QStringLiteral(" page"), area->viewport()->width(),
                    area->widget()->width());
            else if (auto *fixed = qobject_cast<QPlainTextEdit *>(w);
                     fixed && fixed->isReadOnly()) {
                Check(where, fixed->toPlainText());
                // A fixed text neither wraps nor scrolls: every line must fit.
                if (fixed->lineWrapMode() == QPlainTextEdit::NoWrap) {
                    int widest = 0;
                    for (const QString &line : fixed->toPlainText().split(QLatin1Char('\n')))
                        widest = std::max(widest, fixed->fontMetrics().horizontalAdvance(line));
                    if (widest > fixed->viewport()->width())
                        Cut(where, fixed->viewport()->width(), widest);
                }
            }
            if (caption.isEmpty())
                continue;
            Check(where, caption);
            captions << caption;
            // Room for the caption: a wrapped label may grow downwards.
            auto *label = qobject_cast<QLabel *>(w);
            const bool wraps = label && label->wordWrap();
            const int room = wraps ? w->height() : w->width();
            // A tool button's caption needs its own width and a little air, not the
            // style's whole margin.
            auto *tool = qobject_cast<QToolButton *>(w);
            const int needed = wraps  ? label->heightForWidth(w->width())
                               : tool ? tool->fontMetrics().horizontalAdvance(
                                            QString(caption).remove(QLatin1Char('&')).trimmed()) +
                                            6
                                      : w->sizeHint().width();
            if (needed > room + 1 && w->isVisible())
                Cut(where + QStringLiteral(" \"") + caption.left(40) + QLatin1Char('"'), room,
                    needed);
        }
        Keys(name, captions);
    }
    void Cut(const QString &where, int room, int needed)
    {
        const QString told = QStringLiteral("%1 (%2, needs %3)").arg(where).arg(room).arg(needed);
        if (!cutOff.contains(told))
            cutOff << told;
    }
    void Shown(QWidget *window)
    {
        window->show();
        Settle();
        Window(window);
    }
    // Texts filled in after the show (voice sources, a device's formats) laid out.
    static void Settle()
    {
        for (int k = 0; k < 3; ++k)
            QCoreApplication::processEvents();
    }
    QString Report() const { return (untranslated + cutOff + sameKey).join(QLatin1Char('\n')); }
};

// Every window, page and menu of the program as a user goes through them, in the
// language installed now. `inspect` sees the main window while it is up.
void Survey(TextsSeen &seen, const std::function<void(TForm1 &)> &inspect = {})
{
    FormWithVoices app;
    ASSERT_TRUE(app.ShowActive());
    for (const auto &voice : app.voices.Voices)
        seen.data << voice->Name;
    seen.data << QStringLiteral("Parlewind MP3") << QStringLiteral("Parlewind")
              << QStringLiteral("espeak-ng") << QStringLiteral("speech-dispatcher")
              << QStringLiteral("Flite") << QStringLiteral("Piper") << QStringLiteral("eSpeak NG")
              << QStringLiteral("AAC (MP4)");
    // The interface's languages are offered by their own names.
    for (const QString &language : Translations::Shipped())
        seen.data << Translations::NativeName(language);
    TForm1 &form = app.form;
    for (QAction *menu : form.menuBar()->actions())
        seen.Menu(QStringLiteral("menu"), menu->menu());
    QStringList bar;
    for (QAction *menu : form.menuBar()->actions())
        bar << menu->text();
    seen.Keys(QStringLiteral("menu bar"), bar);
    seen.Menu(QStringLiteral("article menu"), form.PopupMenu1);
    seen.Menu(QStringLiteral("tray menu"), form.TrayIcon->PopupMenu2);
    // Each option page, in each mode.
    form.OptionsBtn->setChecked(true);
    for (const int mode : {0, 1}) {
        app.core.SwitchMode(static_cast<quint8>(mode));
        for (int k = 0; k < form.PageControl1->count(); ++k) {
            form.PageControl1->setCurrentIndex(k);
            TextsSeen::Settle();
            seen.Window(&form);
        }
    }
    if (inspect)
        inspect(form);
    seen.Shown(form.ToolBarForm.get());
    seen.Shown(form.CB_PromptForm);
    seen.Shown(form.SIBusyForm);
    TMyAudioDeviceDlg devices(duTTS, -1);
    seen.Shown(&devices);
    TAboutBox about;
    seen.Shown(&about);
    TEngineWarningForm warning;
    seen.Shown(&warning);
    LanguagesDialog languages;
    seen.Shown(&languages);
    LexiconDialog lexicon(QStringLiteral("gmw/en-US+f3"), {50, 175});
    seen.Shown(&lexicon);
}

class TranslatedWindows : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    }
    void TearDown() override { Translations::Install(QString()); }
    TempHome home;
    FakeEngineInstall fake;
};

// Under the pseudo-translation: nothing in plain English (a text that misses the
// translation system), no caption cut off. Run at 200 % scale too.
TEST_F(TranslatedWindows, EveryTextIsTranslatedAndHasRoomToGrow)
{
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    TextsSeen seen;
    Survey(seen);
    QCoreApplication::removeTranslator(&pseudo);
    EXPECT_TRUE(seen.untranslated.isEmpty())
        << seen.untranslated.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(seen.cutOff.isEmpty()) << seen.cutOff.join(QLatin1Char('\n')).toStdString();
}

// Each shipped language: no caption cut off, an access key once in each menu and
// window; right to left where the language runs so, the floating tool bar too.
TEST_F(TranslatedWindows, EveryLanguageFitsAndKeepsItsKeysApart)
{
    const QStringList shipped = Translations::Shipped();
    ASSERT_TRUE(shipped.contains(QStringLiteral("ar")))
        << shipped.join(QLatin1Char(' ')).toStdString();
    for (const QString &language : shipped) {
        ASSERT_TRUE(Translations::Install(language)) << language.toStdString();
        TextsSeen seen;
        seen.english = false;
        const Qt::LayoutDirection direction = QLocale(language).textDirection();
        Survey(seen, [&](TForm1 &form) {
            EXPECT_EQ(form.layoutDirection(), direction) << language.toStdString();
            EXPECT_EQ(form.ToolBarForm->layoutDirection(), direction) << language.toStdString();
        });
        EXPECT_TRUE(seen.cutOff.isEmpty() && seen.sameKey.isEmpty())
            << language.toStdString() << "\n"
            << seen.Report().toStdString();
    }
    ASSERT_TRUE(shipped.contains(QStringLiteral("ar")));
}

// An article's text runs as its first strong character does, whatever the interface.
TEST_F(TranslatedWindows, AnArticleTakesItsOwnDirection)
{
    const struct
    {
        const char *language, *text;
        Qt::LayoutDirection direction;
    } cases[]{
        {"", "\u0645\u0631\u062d\u0628\u0627 hello",
         Qt::RightToLeft}, // Arabic in an English window
        {"ar", "Hello \u0645\u0631\u062d\u0628\u0627", Qt::LeftToRight}, // English in an Arabic one
        {"ar", "1234, 5678", Qt::RightToLeft},                 // no letter: the interface's way
        {"", "\n\n\u05e9\u05dc\u05d5\u05dd", Qt::RightToLeft}, // Hebrew after blank lines
    };
    for (const auto &c : cases) {
        Translations::Install(QLatin1String(c.language));
        TMemoEntryView view;
        view.TextBox->setPlainText(QString::fromUtf8(c.text));
        EXPECT_EQ(view.TextBox->layoutDirection(), c.direction) << c.text;
    }
}

// German: the menus, a message box's own buttons, the choice on the Misc page.
TEST_F(TranslatedWindows, AGermanDesktopGetsAGermanWindow)
{
    ASSERT_TRUE(Translations::Install(QStringLiteral("de")));
    FormWithVoices app;
    QStringList menus;
    for (const QAction *menu : app.form.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus,
              (QStringList{"&Datei", "&Ansicht", "&Optionen", "&Lesen", "A&udiohilfe", "&Hilfe"}));
    EXPECT_TRUE(app.form.Core().CountText().endsWith(QStringLiteral("Artikel")))
        << app.form.Core().CountText().toStdString();
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QComboBox *language = app.form.MiscSheet->InterfaceLanguageCB;
    language->setCurrentIndex(language->findText(QStringLiteral("Deutsch")));
    EXPECT_EQ(app.form.Core().Prefs().UI_Language, QStringLiteral("de"));
}

// The command line answers in the desktop's language too, its messages included.
TEST(TranslationsTest, TheCommandLineAnswersInTheDesktopsLanguage)
{
    const struct
    {
        const char *language;
        QStringList arguments;
        const char *start;
    } cases[]{
        {"de", {"--convert", "--help"}, "Aufruf: parlewind --convert [Optionen] DATEI..."},
        {"fr", {"--convert", "--help"}, "Usage : parlewind --convert [options] FICHIER..."},
        {"fr",
         {"--convert", "--pauses", "often", "x.txt"},
         "parlewind: --pauses vaut short, normal ou long"},
    };
    for (const auto &c : cases) {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LANGUAGE"), QLatin1String(c.language));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(PARLEWIND_BINARY), c.arguments);
        ASSERT_TRUE(program.waitForFinished(30000));
        const QString answer =
            QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        EXPECT_TRUE(answer.startsWith(QLatin1String(c.start))) << answer.left(200).toStdString();
    }
}

} // namespace
