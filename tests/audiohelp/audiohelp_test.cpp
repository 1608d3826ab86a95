#include "../app/FormWithVoices.h"
#include "audio/AudioDeviceDlg.h"
#include "audiohelp/AudioHelp.h"
#include "audiohelp/GrabBaseClass.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

// The help-topic file reader, the shipped topics, and the "&Audio Help" menu of the
// real window speaking through the test sound server.
namespace {

// The file's lines, read as the program reads them.
std::unique_ptr<GrabBaseClass> Read(const QString &lines, const TempHome &home)
{
    const QString path = home.Root() + QStringLiteral("/help.chl");
    TempHome::WriteFile(path, lines.toUtf8());
    auto help = std::make_unique<GrabBaseClass>();
    QString error;
    EXPECT_TRUE(help->Load(path, error));
    EXPECT_TRUE(error.isEmpty());
    return help;
}

QStringList List(GrabBaseClass &help, const QString &path = QStringLiteral("/"))
{
    QStringList list;
    help.GetList(path, QStringLiteral("HelpTopics"), list);
    return list;
}

TEST(HelpFileTest, ReadsAsTheFormatSays)
{
    TempHome home;
    struct Row
    {
        const char *what, *file;
        QStringList topics;
        QList<std::pair<const char *, const char *>> values; // name -> value at the root
    } rows[] = {
        {"names in any letter case", "<helptopics>2</helptopics><HelpTopics0>A</HelpTopics0>\n<HELPTOPICS1>B</HELPTOPICS1>",
         {"A", "B"}, {{"helpTOPICS0", "A"}}},
        {"a count with a gap", "<HelpTopics>3</HelpTopics><HelpTopics0>A</HelpTopics0><HelpTopics2>C</HelpTopics2>",
         {"A", "", "C"}, {}},
        {"no count", "<HelpTopics0>A</HelpTopics0>", {}, {}},
        {"an empty count", "<HelpTopics></HelpTopics><HelpTopics0>A</HelpTopics0>", {}, {}},
        {"a count that is no number", "<HelpTopics>2x</HelpTopics><HelpTopics0>A</HelpTopics0>", {}, {}},
        {"a later element replaces", "<Topic>old</Topic><TOPIC>new</TOPIC>", {}, {{"topic", "new"}}},
        {"lines trimmed and joined", "<T>first  \n\t  second line \r\n</T>", {}, {{"T", "firstsecond line"}}},
        {"inner tags kept unparsed", "<T>a <b>bold</b> word</T>", {}, {{"T", "a <b>bold</b> word"}, {"b", ""}}},
        {"closing tags match their letter case exactly", "<Topic>text</topic><Other>x</Other>", {},
         {{"Topic", ""}, {"Other", "x"}}},
        {"a name beginning with key is a key", "<Keyboard help>Press keys</Keyboard help><x>1</x>", {},
         {{"Keyboard help", ""}, {"x", "1"}}},
        {"a key closed in capitals loses its content", "<key name=S><a>1</a></KEY><b>2</b>", {}, {{"a", ""}, {"b", "2"}}},
        {"an unclosed key swallows the rest", "<x>1</x><key name=A><y>2</y><z>3</z>", {}, {{"x", "1"}, {"y", ""}, {"z", ""}}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        auto help = Read(QString::fromUtf8(r.file), home);
        EXPECT_EQ(List(*help), r.topics);
        for (const auto &[name, value] : r.values)
            EXPECT_EQ(help->GetValue(QStringLiteral("/"), QString::fromUtf8(name)), QString::fromUtf8(value)) << name;
    }
}

TEST(HelpFileTest, KeysNestIntoPaths)
{
    TempHome home;
    auto help = Read(QStringLiteral("<key name=A><v>1</v><key Kind=B><v>2</v><HelpTopics>1</HelpTopics>"
                                    "<HelpTopics0>deep</HelpTopics0></key><w>3</w></key>\n<key=C></key><x>4</x>"),
                     home);
    GBItemClass &root = help->Root;
    ASSERT_EQ(root.Children.size(), 2u);
    GBItemClass *a = root.FindItem(QStringLiteral("/A"));
    GBItemClass *b = root.FindItem(QStringLiteral("/A/B"));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(root.Children[0].get(), a);
    EXPECT_EQ(root.Children[1]->Path(), QStringLiteral("/C"));
    EXPECT_EQ(root.Children[1]->AttributeName, QString());
    EXPECT_EQ(b->Parent, a);
    EXPECT_EQ(b->Level, 2);
    EXPECT_EQ(b->Path(), QStringLiteral("/A/B"));
    EXPECT_EQ(b->AttributeName, QStringLiteral("Kind"));
    EXPECT_EQ(a->GetValue(QStringLiteral("v")), QStringLiteral("1"));
    EXPECT_EQ(a->GetValue(QStringLiteral("w")), QStringLiteral("3"));
    EXPECT_EQ(b->GetValue(QStringLiteral("v")), QStringLiteral("2"));
    EXPECT_EQ(List(*help, QStringLiteral("/A/B")), QStringList{"deep"});
    EXPECT_EQ(help->GetValue(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("4"));
    EXPECT_EQ(help->GetValue(QStringLiteral("/"), QStringLiteral("v")), QString());
    EXPECT_EQ(root.FindItem(QStringLiteral("/a")), nullptr); // paths keep their letter case
    EXPECT_EQ(a->FindItem(QStringLiteral("/")), a);

    // Nesting far deeper than any help: read without exhausting the stack, cut at a depth.
    QString deep;
    for (int i = 0; i < 6000; ++i)
        deep += QStringLiteral("<key=k>");
    for (int i = 0; i < 6000; ++i)
        deep += QStringLiteral("</key>");
    help = Read(deep + QStringLiteral("<x>5</x>"), home);
    int levels = 0;
    for (const GBItemClass *item = &help->Root; !item->Children.empty(); item = item->Children.front().get())
        ++levels;
    EXPECT_EQ(levels, GBItemClass::MaxLevel);
    EXPECT_EQ(help->GetValue(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("5"));

    // A count far beyond any menu is not taken literally.
    help = Read(QStringLiteral("<HelpTopics>2000000000</HelpTopics>"), home);
    EXPECT_EQ(List(*help).size(), NVListClass::MaxIndexedEntries);
}

TEST(HelpFileTest, MissingAndOversizedFilesGiveNoTopics)
{
    TempHome home;
    GrabBaseClass help;
    QString error;
    const QString missing = home.Root() + QStringLiteral("/none.chl");
    EXPECT_FALSE(help.Load(missing, error));
    EXPECT_EQ(error, QStringLiteral("File:") + missing + QStringLiteral(" Not Found."));
    const QString huge = home.Root() + QStringLiteral("/huge.chl");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(GrabBaseClass::MaxFileBytes + 1));
    file.close();
    EXPECT_FALSE(help.Load(huge, error));
    EXPECT_TRUE(error.contains(QStringLiteral("larger than 64 MB"))) << error.toStdString();
    EXPECT_TRUE(List(help).isEmpty());
}

// The shipped topics: each caption finds a text meant to be heard, and every entry
// of the menu has its own access key.
TEST(HelpFileTest, TheShippedTopicsAreComplete)
{
    GrabBaseClass help;
    QString error;
    ASSERT_TRUE(help.Load(TAudioHelp::HelpFile(), error)) << error.toStdString();
    const QStringList topics = List(help);
    EXPECT_EQ(topics, (QStringList{"&Getting started", "Gathering &text", "&Single and multi-article mode",
                                   "&Reading aloud, pausing and skipping", "Reading to &WAV and MP3 files",
                                   "&Voices, speed and pitch", "The &pronunciation editor", "Using the &keyboard",
                                   "When there is &no sound", "Installing &more voices",
                                   "The notification area and the &floating tool bar"}));
    QSet<QChar> keys;
    for (const QString &caption : topics) {
        SCOPED_TRACE(caption.toStdString());
        const QString text = TAudioHelp::GetTopicText(caption.toUpper());
        EXPECT_GT(text.size(), 200);
        // Heard, not seen: no markup or symbols, and no words run together by the
        // joining of lines.
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[<>&*#_|\\\\]"))));
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[a-z][.,][A-Za-z]"))));
        const qsizetype amp = caption.indexOf(u'&');
        ASSERT_GE(amp, 0);
        EXPECT_FALSE(keys.contains(caption.at(amp + 1).toLower()));
        keys.insert(caption.at(amp + 1).toLower());
    }
}

TEST(AudioHelpMenuTest, ATopicIsReadWithTheDefaultVoice)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
    TempHome home;
    DetectSpeechSupport();
    Messages::TakeRecorded();
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    StoredPrefs::Store(QStringLiteral("TTS_DefaultVoiceName"), QStringLiteral("Mike"));
    FormWithVoices app;
    TForm1 &form = app.form;
    ASSERT_TRUE(app.ShowActive() && app.SpeakToHeadset());
    const QList<QAction *> entries = Menu(form, QStringLiteral("&Audio Help"))->actions();
    ASSERT_EQ(entries.size(), 11);
    EXPECT_EQ(entries.front()->text(), QStringLiteral("&Getting started"));

    QString status;
    bool disabledWhileReading = false;
    const QList<qint16> samples = RecordSink(QStringLiteral("headset"), [&] {
        entries.front()->trigger();
        status = form.StatusPanel0->text();
        disabledWhileReading = !entries.back()->isEnabled();
        EXPECT_EQ(form.Core().Voices()->TTS1->ModeID(), form.Core().Voices()->FindVoice(QStringLiteral("Mike"))->ModeID);
        Pump(1500);
        form.Core().Stop();
    });
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(status, QStringLiteral("Reading Audio Help"));
    EXPECT_TRUE(disabledWhileReading);
    EXPECT_GT(Heard(samples).count, 22050 / 4);
    EXPECT_EQ(form.Core().State(), rsIdle);
    EXPECT_TRUE(entries.back()->isEnabled());
}

} // namespace
