#include "app/options/VoiceSourcesPage.h"
#include "articles/MemoEntry.h"
#include "core/ReadingSession.h"
#include "platform/piper/PiperEngine.h"
#include "platform/shell/FileDialogs.h"
#include "platform/sapi/EspeakEngine.h"
#include "platform/speechd/Speechd.h"
#include "platform/speechd/SpeechdCentral.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "support/CoreWithVoices.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// The voices of other speech programs: a private speech-dispatcher (started by the
// script the test run uses) with espeak-ng's module, which reports every mark, and
// a generic module, which reports none, both speaking into the test sound server.
namespace {

QTemporaryDir *serverDir = nullptr;

bool Server(const char *command)
{
    QProcess script;
    script.start(QStringLiteral(PARLEWIND_SOURCE_DIR "/scripts/speech-server"),
                 {QLatin1String(command), serverDir->path()});
    return script.waitForFinished(20000) && script.exitCode() == 0;
}

// A voice opened on the sound device by its name; a text spoken with a sink that records.
class VoiceTest : public ::testing::Test
{
protected:
    static std::shared_ptr<ITTSCentral> Open(const QString &name)
    {
        std::shared_ptr<ITTSEnum> enumerator;
        std::shared_ptr<ITTSFind> find;
        EXPECT_EQ(CreateTTSEnumerator(&enumerator, &find), S_OK);
        TTSMODEINFO wanted, found;
        wanted.szModeName = name;
        EXPECT_EQ(find->Find(wanted, nullptr, &found), S_OK);
        EXPECT_EQ(found.szModeName, name);
        std::shared_ptr<IAudioMultiMediaDevice> device;
        EXPECT_EQ(CreateAudioMultiMediaDevice(&device), S_OK);
        std::shared_ptr<ITTSCentral> central;
        EXPECT_EQ(enumerator->Select(found.gModeID, &central, device), S_OK);
        return central;
    }
    void Say(ITTSCentral &central, const QString &text)
    {
        const WideText wide(text);
        ASSERT_EQ(central.TextData(CHARSET_TEXT, 0, wide.Data(), sink, SapiIds::IID_ITTSBufNotifySink), S_OK);
    }
    bool Done(int ms = 30000)
    {
        return WaitUntil([&] { return sink->Count(RecordingBufSink::Event::Done) > 0; }, ms);
    }

    std::shared_ptr<RecordingBufSink> sink = std::make_shared<RecordingBufSink>();
};

// What the server's modules said, for a failure's message.
std::string ServerLog()
{
    QFile errors(serverDir->path() + QStringLiteral("/log/generic-errors"));
    return errors.open(QIODevice::ReadOnly) ? errors.readAll().toStdString() : std::string();
}

class OutsideVoicesTest : public VoiceTest
{
protected:
    static void SetUpTestSuite()
    {
        serverDir = new QTemporaryDir;
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + serverDir->path().toUtf8() + "/sock");
        ASSERT_TRUE(Server("start"));
        DetectSpeechSupport();
        ASSERT_EQ(Speechd::ListNow(), QString());
    }
    static void TearDownTestSuite()
    {
        Server("stop");
        delete serverDir;
    }

};

std::string Ints(const QList<int> &list)
{
    std::string s;
    for (int i : list)
        s += std::to_string(i) + ' ';
    return s;
}

const QString espeakVoice = QStringLiteral("English (America) (espeak-ng)");
const QString genericVoice = QStringLiteral("en-us (espeak-generic)");

TEST(SpeechdText, MarkupEscapesTheTextAndMarksEachWordByItsPlace)
{
    struct Case
    {
        QString text;
        bool tagged;
        QString markup;
    } cases[] = {
        {QStringLiteral("Fish & chips"), false,
         QStringLiteral("<speak><mark name=\"0\"/>Fish <mark name=\"5\"/>&amp; <mark name=\"7\"/>chips</speak>")},
        {QStringLiteral("a<b> \"q\" it's"), false,
         QStringLiteral("<speak><mark name=\"0\"/>a&lt;b&gt; <mark name=\"5\"/>&quot;q&quot; <mark name=\"9\"/>it&apos;s</speak>")},
        // Control characters are blanks; non-Latin text stays as it is.
        {QStringLiteral("Привет\x01мир  日本"), false,
         QStringLiteral("<speak><mark name=\"0\"/>Привет <mark name=\"7\"/>мир  <mark name=\"12\"/>日本</speak>")},
        // The program's own tags are not read out.
        {QStringLiteral("slow \\Spd=90\\down"), true,
         QStringLiteral("<speak><mark name=\"0\"/>slow  <mark name=\"13\"/>down</speak>")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(QString::fromUtf8(SpeechdCentral::Markup(c.text, 0, int(c.text.size()), c.tagged)), c.markup) << c.text.toStdString();
}

TEST(SpeechdText, PiecesAreSentencesWithoutTheirBlanksAndLongOnesAreCut)
{
    const QString text = QStringLiteral("First one.  Second one?\nThird");
    const std::vector<std::pair<int, int>> expected{{0, 10}, {12, 11}, {24, 5}};
    EXPECT_EQ(TextPrep::SentencePieces(text, 0), expected);
    // From a word in the middle: from there to the sentence's end.
    const std::vector<std::pair<int, int>> from{{19, 4}, {24, 5}};
    EXPECT_EQ(TextPrep::SentencePieces(text, 19), from);
    const QString longOne = QStringLiteral("word ").repeated(400);
    int covered = 0;
    for (const auto &[start, length] : TextPrep::SentencePieces(longOne, 0)) {
        EXPECT_LE(length, 600);
        EXPECT_EQ(start, covered);
        covered = start + length + 1;
    }
    EXPECT_GE(covered, longOne.size());
}

TEST(SpeechdText, ListingLeavesOutVariantsAndBrokenLinesAndScalesMapOntoTheServers)
{
    const QByteArray listing = "espeak-ng\tEnglish\ten\tnone\n"
                               "espeak-ng\tEnglish+Annie\ten\tAnnie\n"
                               "espeak-ng\tCherokee \tchr\tnone\n"
                               "espeak-ng\tCherokee +male3\tchr\tmale3\n"
                               "generic\ten-us+f3\ten\tFEMALE1\n"
                               "\tno module\ten\n"
                               "broken line\n";
    const std::vector<Speechd::Voice> voices = Speechd::ParseList(listing);
    QStringList names;
    for (const Speechd::Voice &v : voices)
        names << v.module + QLatin1Char('/') + v.name;
    EXPECT_EQ(names, (QStringList{"espeak-ng/English", "espeak-ng/Cherokee", "generic/en-us+f3"}));
    EXPECT_EQ(voices.back().variant, QStringLiteral("FEMALE1"));
    EXPECT_EQ(SpeechdCentral::RateOf(175), 0);
    EXPECT_EQ(SpeechdCentral::RateOf(80), -100);
    EXPECT_EQ(SpeechdCentral::RateOf(450), 100);
    EXPECT_EQ(SpeechdCentral::PitchOf(50), 0);
    EXPECT_EQ(SpeechdCentral::PitchOf(0), -100);
}

TEST_F(OutsideVoicesTest, TheServersVoicesAreListedAsAloudOnlyAndNotDealtOutToNewArticles)
{
    const Speechd::TSummary summary = Speechd::Summary();
    EXPECT_EQ(summary.state, Speechd::TState::Listed);
    EXPECT_EQ(summary.modules, (QStringList{"espeak-ng", "espeak-generic"}));
    TempHome home;
    TPreferences prefs;
    CardVoices voices(prefs);
    voices.Initialize();
    voices.LoadVoiceSettings();
    for (const QString &name : {espeakVoice, genericVoice}) {
        const TVoiceEntry *voice = voices.FindVoice(name);
        ASSERT_TRUE(voice) << name.toStdString();
        EXPECT_TRUE(voice->AloudOnly);
        EXPECT_FALSE(voice->Favorite);
    }
    EXPECT_FALSE(voices.FindVoice(QStringLiteral("Mary"))->AloudOnly);
}

TEST_F(OutsideVoicesTest, AModuleWithMarksTellsEachWordInOrderAndIsHeard)
{
    const QString text = QStringLiteral("Fish & chips cost <four> pounds. Then we \"walk\" home.");
    const auto central = Open(espeakVoice);
    ASSERT_TRUE(central);
    const QList<qint16> sound = RecordSink(QStringLiteral("speakers"), [&] {
        Say(*central, text);
        ASSERT_TRUE(Done());
    });
    EXPECT_EQ(sink->doneFlags, 0u);
    const QList<int> heard = sink->WordIndexes();
    // Every word of both sentences, in order (a module may let one at a sentence's start go).
    const QList<int> starts{0, 5, 7, 13, 18, 25, 33, 38, 41, 48};
    EXPECT_GE(heard.size(), starts.size() - 2) << Ints(heard);
    for (int at : heard)
        EXPECT_TRUE(starts.contains(at)) << at << ' ' << Ints(heard);
    EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end())) << Ints(heard);
    EXPECT_GT(Heard(sound).count, 22050 / 2) << "half a second of speech at least";
}

TEST_F(OutsideVoicesTest, AModuleWithoutMarksTellsEachSentenceAndPauseGoesOnFromTheSentenceHeard)
{
    const QString text = QStringLiteral("The first sentence is here. The second one is longer than the first one. "
                                        "And a third to end with.");
    const auto central = Open(genericVoice);
    ASSERT_TRUE(central);
    Say(*central, text);
    ASSERT_TRUE(WaitUntil([&] { return sink->WordIndexes(RecordingBufSink::Event::Sentence).size() == 2; }, 20000));
    Pump(300);
    ASSERT_EQ(central->AudioPause(), S_OK);
    // Stopped: nothing more is told while paused.
    const qsizetype told = sink->events.size();
    Pump(1500);
    EXPECT_EQ(sink->events.size(), told);
    ASSERT_EQ(central->AudioResume(), S_OK);
    ASSERT_TRUE(Done());
    EXPECT_EQ(sink->WordIndexes(RecordingBufSink::Event::Sentence), (QList<int>{0, 28, 28, 73})) << ServerLog();
    EXPECT_EQ(sink->sentenceLengths.front(), 27);
    EXPECT_EQ(sink->Count(RecordingBufSink::Event::Word), 0);
}

TEST_F(OutsideVoicesTest, PauseWithWordsGoesOnFromTheLastWordHeard)
{
    const QString text = QStringLiteral("One two three four five six seven eight nine ten eleven twelve.");
    const auto central = Open(espeakVoice);
    ASSERT_TRUE(central);
    Say(*central, text);
    ASSERT_TRUE(WaitUntil([&] { return sink->WordIndexes().size() >= 4; }, 20000));
    ASSERT_EQ(central->AudioPause(), S_OK);
    const int last = sink->WordIndexes().last();
    Pump(800);
    const qsizetype before = sink->WordIndexes().size();
    ASSERT_EQ(central->AudioResume(), S_OK);
    ASSERT_TRUE(Done());
    const QList<int> all = sink->WordIndexes();
    ASSERT_GT(all.size(), before);
    // The word being heard at the pause is heard again, and nothing before it.
    EXPECT_EQ(all.at(before), last) << Ints(all);
    EXPECT_EQ(all.last(), text.indexOf(QStringLiteral("twelve")));
}

// Last: it stops the server (and starts it again for whatever follows).
TEST_F(OutsideVoicesTest, TheServerEndingWhileReadingStopsTheReadingWithAMessage)
{
    TempHome home;
    PrepareReading(1);
    CoreWithVoices program;
    ASSERT_TRUE(program.Start());
    TProgramCore &core = program.core;
    TMemoEntry *article = core.AddMemo(QStringLiteral("A sentence to read. ").repeated(30), genericVoice);
    article->SetVoice(genericVoice); // the blank article taken keeps its own
    // A file cannot be made with such a voice: said before anything starts.
    core.Prefs().OUT_Directory = home.Root();
    core.ReadToFile();
    EXPECT_EQ(core.State(), rsIdle);
    const QList<Messages::Shown> refused = Messages::TakeRecorded();
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.front().text, genericVoice + QStringLiteral(" can only read aloud: speech-dispatcher gives no sound "
                                                                  "back to programs. Choose another voice for files."));
    EXPECT_TRUE(QDir(home.Root()).entryList({QStringLiteral("*.mp3"), QStringLiteral("*.wav")}).isEmpty());

    QList<QPair<int, int>> lit;
    QObject::connect(&core.Session(), &TReadingSession::WordReached, &core,
                     [&](TMemoEntry *, int start, int end) { lit << qMakePair(start, end); });
    core.Prefs().TTS_HighlightPosition = true;
    core.ReadArticle(article, rtSpeakers);
    ASSERT_TRUE(WaitUntil([&] { return lit.size() >= 2; }, 20000));
    // The sentence being spoken is lit whole.
    EXPECT_EQ(lit.first(), qMakePair(0, 18));
    EXPECT_EQ(lit.at(1), qMakePair(20, 38));
    ASSERT_TRUE(Server("stop"));
    ASSERT_TRUE(WaitUntil([&] { return core.State() == rsIdle; }, 5000));
    const QList<Messages::Shown> shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown.front().text.contains(QStringLiteral("speech-dispatcher stopped while reading"))) << shown.front().text.toStdString();
    ASSERT_TRUE(Server("start"));
}

} // namespace

namespace {

// Piper voices through a stand-in for the piper program that follows its command
// line and JSON input and speaks with espeak-ng. Its "model" says how it behaves.
class PiperVoicesTest : public VoiceTest
{
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        const auto voice = [](const QString &name, const QByteArray &behaviour, const char *language, int rate,
                              const char *quality) {
            QFile model(folder->path() + QLatin1Char('/') + name + QStringLiteral(".onnx"));
            QFile config(model.fileName() + QStringLiteral(".json"));
            ASSERT_TRUE(model.open(QIODevice::WriteOnly) && config.open(QIODevice::WriteOnly));
            model.write(behaviour);
            config.write(QStringLiteral(R"({"audio": {"sample_rate": %1, "quality": "%2"}, "espeak": {"voice": "en-us"},
                "language": {"code": "%3"}, "dataset": "%4", "num_speakers": 1})")
                             .arg(rate).arg(QLatin1String(quality), QLatin1String(language), name).toUtf8());
        };
        voice(QStringLiteral("alba"), "{\"load_seconds\": 0.3, \"crash_on\": \"Crash\", \"hang_on\": \"Hang\"}", "en_GB", 22050, "medium");
        voice(QStringLiteral("kusal"), "{\"load_seconds\": 0.1}", "en_US", 16000, "x_low");
        voice(QStringLiteral("broken"), "{\"broken\": true}", "en_US", 22050, "low");
        // Not a voice: no JSON beside it.
        QFile stray(folder->path() + QStringLiteral("/stray.onnx"));
        ASSERT_TRUE(stray.open(QIODevice::WriteOnly));
        DetectSpeechSupport();
        PiperEngine::Configure(QStringLiteral(PARLEWIND_SOURCE_DIR "/tests/support/piper-standin"), {folder->path()});
    }
    static void TearDownTestSuite() { delete folder; }

    static QTemporaryDir *folder;
};
QTemporaryDir *PiperVoicesTest::folder = nullptr;

const QString alba = QStringLiteral("Piper alba (en_GB, medium)");

TEST_F(PiperVoicesTest, VoicesAreNamedFromTheirJsonAndAFileThatIsNoVoiceIsLeftOut)
{
    const PiperEngine::TSummary summary = PiperEngine::Summary();
    EXPECT_TRUE(summary.program.endsWith(QStringLiteral("piper-standin")));
    EXPECT_EQ(summary.voices, 3);
    TempHome home;
    TPreferences prefs;
    CardVoices voices(prefs);
    voices.Initialize();
    for (const QString &name : {alba, QStringLiteral("Piper kusal (en_US, x_low)"), QStringLiteral("Piper broken (en_US, low)")}) {
        const TVoiceEntry *voice = voices.FindVoice(name);
        ASSERT_TRUE(voice) << name.toStdString();
        EXPECT_FALSE(voice->AloudOnly);
        EXPECT_TRUE(voice->FixedPitch);
    }
    EXPECT_EQ(PiperEngine::ReadVoice(folder->path() + QStringLiteral("/stray.onnx")).name, QString());
}

TEST_F(PiperVoicesTest, ReadAloudTellsEachSentenceAtItsPlaceAndIsHeard)
{
    const QString text = QStringLiteral("The first sentence. A second, longer sentence follows it here!\nAnd a third.");
    for (const QString &name : {alba, QStringLiteral("Piper kusal (en_US, x_low)")}) {
        sink = std::make_shared<RecordingBufSink>();
        const auto central = Open(name);
        ASSERT_TRUE(central);
        const QList<qint16> sound = RecordSink(QStringLiteral("speakers"), [&] {
            Say(*central, text);
            ASSERT_TRUE(Done());
        });
        EXPECT_EQ(sink->doneFlags, 0u) << name.toStdString();
        EXPECT_EQ(sink->WordIndexes(RecordingBufSink::Event::Sentence), (QList<int>{0, 20, 63})) << name.toStdString();
        EXPECT_EQ(sink->sentenceLengths, (QList<int>{19, 42, 12})) << name.toStdString();
        EXPECT_GT(Heard(sound).count, 22050) << name.toStdString() << ": a second of speech at least";
    }
}

TEST_F(PiperVoicesTest, ACrashAHangAModelThatDoesNotLoadAndAMissingProgramEndTheTextWithTheReason)
{
    struct Case
    {
        QString voice, text, reason;
    } cases[] = {
        {alba, QStringLiteral("One sentence first. Crash here. Never said."), QStringLiteral("piper ended unexpectedly")},
        {alba, QStringLiteral("Hang on here."), QStringLiteral("piper gave no sound for 1 seconds")},
        {QStringLiteral("Piper broken (en_US, low)"), QStringLiteral("Anything."),
         QStringLiteral("piper could not load the voice's model (Failed to load model: invalid ONNX model)")},
    };
    PiperEngine::SetSilenceLimit(1500);
    for (const Case &c : cases) {
        sink = std::make_shared<RecordingBufSink>();
        const auto central = Open(c.voice);
        ASSERT_TRUE(central);
        Say(*central, c.text);
        ASSERT_TRUE(Done(10000)) << c.text.toStdString();
        EXPECT_EQ(sink->doneFlags, TTSBNSF_ENGINEFAILED) << c.text.toStdString();
        EXPECT_EQ(central->FailureReason(), c.reason);
    }
    PiperEngine::SetSilenceLimit(30000);
    // After a crash the voice speaks again (a new process).
    sink = std::make_shared<RecordingBufSink>();
    const auto central = Open(alba);
    Say(*central, QStringLiteral("Back again."));
    ASSERT_TRUE(Done());
    EXPECT_EQ(sink->doneFlags, 0u);
    // The program gone: its voices are no longer offered, and one opened before says why it cannot speak.
    PiperEngine::Configure(QStringLiteral("/nonexistent/piper"), {folder->path()});
    EXPECT_EQ(PiperEngine::Summary().voices, 0);
    sink = std::make_shared<RecordingBufSink>();
    Say(*central, QStringLiteral("Not heard."));
    ASSERT_TRUE(Done());
    EXPECT_EQ(central->FailureReason(), QStringLiteral("the piper program was not found"));
    PiperEngine::Configure(QStringLiteral(PARLEWIND_SOURCE_DIR "/tests/support/piper-standin"), {folder->path()});
}

// As a user runs it: piper on the PATH, a voice in the usual folder, a text to MP3
// with timed text; the sentences made by two processes at once.
TEST_F(PiperVoicesTest, TheCommandLineMakesAnMp3WithTheSentencesTimed)
{
    QTemporaryDir home;
    const QString voices = home.path() + QStringLiteral("/data/piper-voices/en/alba");
    QDir().mkpath(voices);
    QDir().mkpath(home.path() + QStringLiteral("/bin"));
    ASSERT_TRUE(QFile::copy(folder->path() + QStringLiteral("/alba.onnx.json"), voices + QStringLiteral("/alba.onnx.json")));
    QFile model(voices + QStringLiteral("/alba.onnx"));
    ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    model.write(QStringLiteral(R"({"load_seconds": 0.3, "log": "%1/starts"})").arg(home.path()).toUtf8());
    model.close();
    ASSERT_TRUE(QFile::link(QStringLiteral(PARLEWIND_SOURCE_DIR "/tests/support/piper-standin"), home.path() + QStringLiteral("/bin/piper")));
    QFile text(home.path() + QStringLiteral("/story.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    for (int k = 1; k <= 8; ++k)
        text.write(QStringLiteral("This is sentence number %1 of the story. ").arg(k).toUtf8());
    text.close();
    QProcess convert;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("PATH"), home.path() + QStringLiteral("/bin:") + env.value(QStringLiteral("PATH")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    convert.setProcessEnvironment(env);
    convert.start(QStringLiteral(PARLEWIND_BINARY), {QStringLiteral("--convert"), QStringLiteral("--quiet"), QStringLiteral("--voice"), alba,
                                                    QStringLiteral("--subtitles"), QStringLiteral("srt"), QStringLiteral("--out"),
                                                    home.path() + QStringLiteral("/out"), text.fileName()});
    ASSERT_TRUE(convert.waitForFinished(120000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    EXPECT_GT(QFileInfo(home.path() + QStringLiteral("/out/story.mp3")).size(), 10000);
    QFile srt(home.path() + QStringLiteral("/out/story.srt"));
    ASSERT_TRUE(srt.open(QIODevice::ReadOnly));
    const QString cues = QString::fromUtf8(srt.readAll());
    // A cue a sentence, each starting later than the one before.
    EXPECT_EQ(cues.count(QStringLiteral(" --> ")), 8) << cues.toStdString();
    EXPECT_TRUE(cues.contains(QStringLiteral("This is sentence number 8 of the story."))) << cues.toStdString();
    QFile starts(home.path() + QStringLiteral("/starts"));
    ASSERT_TRUE(starts.open(QIODevice::ReadOnly));
    EXPECT_EQ(starts.readAll().count('\n'), std::min(QThread::idealThreadCount(), 4));
}

} // namespace

namespace {

QString SourceState(const QWidget &page, const QString &source)
{
    for (const QLabel *label : page.findChildren<QLabel *>()) {
        if (label->accessibleName().startsWith(source + QStringLiteral(": ")))
            return label->accessibleName().mid(source.size() + 2);
    }
    return {};
}

TEST_F(PiperVoicesTest, TheVoiceSourcesPageShowsEachSourceAndAFolderAddedBringsItsVoices)
{
    const QString standin = QStringLiteral(PARLEWIND_SOURCE_DIR "/tests/support/piper-standin");
    TempHome home;
    PrepareReading(1);
    CoreWithVoices program;
    ASSERT_TRUE(program.Start());
    TProgramCore &core = program.core;
    ASSERT_TRUE(core.SetPiper(standin, {}));
    EXPECT_FALSE(core.Voices()->FindVoice(alba));
    TVoiceSourcesPage page;
    page.Sources = [&] { return core.Voices()->VoiceSources(); };
    page.PiperChoices = [&] { return std::make_pair(core.Prefs().PIPER_Program, core.Prefs().PIPER_Folders); };
    page.ApplyPiper = [&](const QString &chosen, const QStringList &folders) { return core.SetPiper(chosen, folders); };
    page.Refresh();
    EXPECT_EQ(SourceState(page, QStringLiteral("Piper")), QStringLiteral("no voices found"));
    EXPECT_TRUE(SourceState(page, QStringLiteral("espeak-ng")).endsWith(QStringLiteral(" voices")));
    EXPECT_EQ(SourceState(page, QStringLiteral("Flite")), QStringLiteral("4 voices"));
    EXPECT_EQ(page.PiperProgramEdit->text(), standin);

    FileDialogs::SetNextAnswer(folder->path());
    page.AddFolderBtnClick();
    EXPECT_EQ(core.Prefs().PIPER_Folders, QStringList{folder->path()});
    EXPECT_EQ(SourceState(page, QStringLiteral("Piper")), QStringLiteral("3 voices"));
    ASSERT_TRUE(core.Voices()->FindVoice(alba));
    EXPECT_TRUE(core.FavoriteVoices().contains(QStringLiteral("Mary")));
    EXPECT_FALSE(core.FavoriteVoices().contains(alba)) << "not dealt out until made a favourite";

    // Only a folder the user added can be removed; its voices go with it.
    page.PiperFoldersList->setCurrentRow(0);
    EXPECT_FALSE(page.RemoveFolderBtn->isEnabled());
    page.PiperFoldersList->setCurrentRow(page.PiperFoldersList->count() - 1);
    ASSERT_TRUE(page.RemoveFolderBtn->isEnabled());
    page.RemoveFolderBtn->click();
    EXPECT_TRUE(core.Prefs().PIPER_Folders.isEmpty());
    EXPECT_FALSE(core.Voices()->FindVoice(alba));
    PiperEngine::Configure(standin, {folder->path()});
}

} // namespace
