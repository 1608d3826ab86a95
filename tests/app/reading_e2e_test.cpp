#include "FormWithVoices.h"
#include "audio/MMWave.h"
#include "app/tray/ToolBarForm.h"
#include "app/options/VoiceEditPage.h"
#include "audio/AudioDeviceDlg.h"
#include "audio/Mp3Encode.h"
#include "audio/EncodeJobs.h"
#include "audio/TimedText.h"
#include "speech/TTSForm.h"
#include "controls/ScaleSlider.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "articles/PropertyPanel.h"
#include "app/options/FavoriteVoicesPage.h"
#include "platform/sapi/EspeakLanguages.h"
#include "platform/sapi/LanguagesDialog.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/DocumentSamples.h"
#include "support/EngineHelpers.h"
#include "support/MediaFiles.h"
#include "support/Printers.h"
#include "support/ReadAlong.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QToolButton>
#include <QApplication>
#include <QComboBox>
#include <QListWidget>

#include <cstdio>
#include <QTabWidget>

#include <QPlainTextEdit>
#include <QTextCursor>

#include <gtest/gtest.h>

// The main window reading for real: espeak-ng and Flite, the test sound server, LAME.
namespace {

class ReadingE2ETest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
        DetectSpeechSupport();
        Messages::TakeRecorded();
        StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
        StoredPrefs::Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
        out = home.Root() + QStringLiteral("/out");
        QDir().mkpath(out);
        app = std::make_unique<FormWithVoices>();
        form().show();
        ASSERT_TRUE(form().Core().Initialized());
        form().Core().Prefs().OUT_Directory = out;
    }
    TMemoEntry *Add(const QString &title, const QString &voice, const QString &text)
    {
        TMemoEntry *e = form().Core().AddMemo(text, voice);
        e->SetTitle(title);
        return e;
    }
    TForm1 &form() { return app->form; }
    bool WaitIdle(int ms) { return WaitUntil([&] { return form().Core().State() == rsIdle; }, ms); }
    static double Seconds(const QString &file)
    {
        QProcess soxi;
        soxi.start(QStringLiteral("soxi"), {QStringLiteral("-D"), file});
        soxi.waitForFinished(10000);
        return QString::fromUtf8(soxi.readAllStandardOutput()).trimmed().toDouble();
    }

    TempHome home;
    QString out;
    std::unique_ptr<FormWithVoices> app;
};

TEST_F(ReadingE2ETest, ArticlesAreReadAloudOneAfterAnotherWithTheSpokenWordHighlighted)
{
    Add(QStringLiteral("One"), QStringLiteral("Mary"), QStringLiteral("Apples and bananas grow here."));
    Add(QStringLiteral("Two"), QStringLiteral("Mike"), QStringLiteral("Carrots need a garden."));
    Add(QStringLiteral("Three"), QStringLiteral("Sam"), QStringLiteral("Dates come from palms."));
    // A voice of the second engine, in the same list and read the same way.
    Add(QStringLiteral("Four"), QStringLiteral("Flite SLT (US female)"), QStringLiteral("Eggs cost \u201c$2\u201d."));
    QStringList highlighted;
    QTimer watch;
    watch.setInterval(5);
    watch.callOnTimeout([&] {
        TMemoEntry *article = form().Core().CurrentArticle();
        if (!article || !article->View())
            return;
        const QString word = article->View()->TextBox->textCursor().selectedText();
        if (!word.isEmpty() && (highlighted.isEmpty() || highlighted.last() != word))
            highlighted << word;
    });
    watch.start();
    QElapsedTimer clock;
    clock.start();
    form().PlayToolBtn->click();
    ASSERT_EQ(form().Core().State(), rsReading);
    ASSERT_TRUE(WaitIdle(60000));
    // Spoken in real time: three sentences take seconds, not milliseconds.
    EXPECT_GT(clock.elapsed(), 3000);
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    const QStringList expected{"Apples", "and", "bananas", "grow", "here.", "Carrots", "need", "a", "garden.",
                               "Dates", "come", "from", "palms.", "Eggs", "cost", "\u201c$2\u201d."};
    // Every word was highlighted as it was spoken, in order (a very short word may
    // pass between two looks).
    int next = 0;
    for (const QString &word : std::as_const(highlighted)) {
        const int at = static_cast<int>(expected.indexOf(word, next));
        ASSERT_GE(at, 0) << "unexpected or out of order: " << word.toStdString() << " in "
                         << highlighted.join(u' ').toStdString();
        next = at + 1;
    }
    EXPECT_GE(highlighted.size(), 12) << highlighted.join(u' ').toStdString();
    EXPECT_TRUE(highlighted.contains(QStringLiteral("Eggs"))) << highlighted.join(u' ').toStdString();
    EXPECT_EQ(form().StatusPanel0->text(), QStringLiteral("4 articles"));
}

TEST_F(ReadingE2ETest, MultipleMp3FilesOneForEachTitle)
{
    Add(QStringLiteral("Morning news"), QStringLiteral("Mary"), QStringLiteral("The morning news is short today."));
    Add(QStringLiteral("Weather/Outlook"), QStringLiteral("Mike"),
        QStringLiteral("Tomorrow will be sunny with a light breeze from the west, and warm in the afternoon."));
    form().Core().Prefs().OUT_FileFormat = 1;
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    const QStringList files = QDir(out).entryList(QDir::Files);
    EXPECT_EQ(files, (QStringList{"Morning news.mp3", "Weather_Outlook.mp3"}));
    double previous = 0;
    for (const QString &mp3 : files) {
        const QString wav = home.Root() + QLatin1Char('/') + mp3 + QStringLiteral(".wav");
        ASSERT_EQ(QProcess::execute(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("--decode"),
                                                             out + QLatin1Char('/') + mp3, wav}), 0);
        const double seconds = Seconds(wav);
        EXPECT_GT(seconds, 1.0) << mp3.toStdString();
        EXPECT_GT(seconds, previous) << "the second text is the longer one";
        previous = seconds;
    }
}

TEST_F(ReadingE2ETest, ASingleWaveFileIsSpokenInTheFirstArticlesVoice)
{
    Add(QStringLiteral("Both"), QStringLiteral("Mary"), QStringLiteral("This first part is spoken by Mary."));
    Add(QStringLiteral("Second"), QStringLiteral("Mike"), QStringLiteral("And this second part by Mary as well."));
    form().Core().Prefs().OUT_FileFormat = 0;
    form().Core().Prefs().OUT_FileDest = rtSingleFile;
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"Both.wav"});
    const WaveData wave = ReadWave(out + QStringLiteral("/Both.wav"));
    ASSERT_TRUE(wave.valid);
    EXPECT_GT(wave.Seconds(), 3.0);
    WaveData secondHalf = wave;
    secondHalf.samples = wave.samples.mid(wave.samples.size() / 2);
    EXPECT_GT(MedianPitch(secondHalf), 150.0) << "Mike would be far lower";
}

TEST_F(ReadingE2ETest, PauseHoldsTheReadingAndResumeGoesOn)
{
    Add(QStringLiteral("Long"), QStringLiteral("Mary"),
        QStringLiteral("One two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen."));
    form().PlayToolBtn->click();
    QPlainTextEdit *box = form().Core().CurrentArticle()->View()->TextBox;
    ASSERT_TRUE(WaitUntil([&] { return box->textCursor().selectedText() == QStringLiteral("three"); }, 10000));
    form().PauseBtn->click();
    ASSERT_EQ(form().Core().State(), rsPaused);
    Pump(300);
    const int held = box->textCursor().position();
    Pump(1200);
    EXPECT_EQ(box->textCursor().position(), held);
    form().PauseBtn->click();
    EXPECT_EQ(form().Core().State(), rsReading);
    ASSERT_TRUE(WaitIdle(30000));
    EXPECT_GT(box->textCursor().position(), held);
}

} // namespace

namespace {

// A folder the test mounts over the output folder (root only, as in CI): a tiny
// tmpfs that fills at once, or a read-only view of itself.
class Mount
{
public:
    Mount(const QString &dir, const QStringList &args) : m_Dir(dir)
    {
        m_Mounted = QProcess::execute(QStringLiteral("mount"), args + QStringList{dir}) == 0;
    }
    ~Mount()
    {
        if (m_Mounted)
            QProcess::execute(QStringLiteral("umount"), {m_Dir});
    }
    bool Mounted() const { return m_Mounted; }

private:
    QString m_Dir;
    bool m_Mounted = false;
};

// Reading to a file that cannot be written: the user learns which file and why,
// nothing unfinished stays under the file's name, and the program goes on idle.
// A WAV file of the same name stays as it was until the new one is complete.
TEST_F(ReadingE2ETest, ReadToWaveReplacesAFileOfTheSameNameOnlyWhenComplete)
{
    QString words;
    for (int i = 0; i < 3000; ++i)
        words += QStringLiteral("This sentence makes a long wave file. ");
    Add(QStringLiteral("Long"), QStringLiteral("Mary"), words);
    const QString wav = out + QStringLiteral("/Long.wav");
    TempHome::WriteFile(wav, "the user's own");
    form().Core().Prefs().OUT_FileFormat = 0;
    form().Core().Prefs().OUT_FileDest = rtSingleFile;
    form().PlayFileBtn->click();
    Pump(150);
    ASSERT_EQ(form().Core().State(), rsReading) << "the speech was done before Stop";
    form().StopBtn->click();
    EXPECT_EQ(TempHome::ReadFile(wav), QByteArray("the user's own"));
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"Long.wav"});

    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(120000));
    EXPECT_TRUE(ReadWave(wav).Seconds() > 60);
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"Long.wav"});
}

TEST_F(ReadingE2ETest, AFullDiskOrAReadOnlyFolderIsToldAndLeavesNoFile)
{
    QString words;
    for (int i = 0; i < 400; ++i)
        words += QStringLiteral("This sentence fills the little disk quickly. ");
    Add(QStringLiteral("Long"), QStringLiteral("Mary"), words);
    const struct Case
    {
        const char *name;
        QStringList mount;
        QString reason;
    } cases[] = {
        {"full", {"-t", "tmpfs", "-o", "size=200k", "tmpfs"}, QStringLiteral(": the disk is full")},
        {"read-only", {"--bind", "-o", "ro", out}, QStringLiteral(" is on a read-only disk")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Mount mount(out, c.mount);
        ASSERT_TRUE(mount.Mounted()) << "mounting needs root (CI runs as root)";
        form().PlayFileBtn->click();
        ASSERT_TRUE(WaitIdle(60000));
        const auto shown = Messages::TakeRecorded();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0].text.contains(out + QStringLiteral("/Long.wav"))) << shown[0].text.toStdString();
        EXPECT_TRUE(shown[0].text.contains(c.reason)) << shown[0].text.toStdString();
        EXPECT_TRUE(QDir(out).entryList(QDir::Files).isEmpty()) << QDir(out).entryList(QDir::Files).join(u' ').toStdString();
        EXPECT_FALSE(form().Core().Voices()->TTS1->Active());
        EXPECT_TRUE(form().PlayFileBtn->isEnabled());
    }
}

} // namespace

namespace {

// Seconds from the first to the last audible sample the headset sink played while
// `during` ran.
double AudibleSeconds(const std::function<void()> &during)
{
    const Audible heard = Heard(RecordSink(QStringLiteral("headset"), during));
    return heard.first < 0 ? 0 : double(heard.last - heard.first) / 22050;
}

// A new user's way to a German voice: Options, Languages…, German checked; the
// article's voice box offers "Mary (German)", and the article is read with it.
TEST_F(ReadingE2ETest, AGermanVoiceCheckedInLanguagesReadsTheArticle)
{
    TMemoEntry *article = Add(QStringLiteral("Nachrichten"), QStringLiteral("Mary"),
                              QStringLiteral("Guten Morgen. Heute scheint die Sonne über Berlin."));
    QTimer::singleShot(0, [] {
        auto *dialog = qobject_cast<LanguagesDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->ItemOf(QStringLiteral("gmw/de"))->setCheckState(Qt::Checked);
        dialog->accept();
    });
    Item(form(), QStringLiteral("&Options"), QStringLiteral("&Languages…"))->trigger();
    EXPECT_FALSE(form().TabSheet5->FavVoiceLBox->findItems(QStringLiteral("Mary (German)"), Qt::MatchExactly).isEmpty());

    ASSERT_NE(article->View(), nullptr);
    TPropertyPanel &strip = *article->View()->Strip;
    strip.BeginEdit();
    EXPECT_EQ(strip.VoiceBox->itemText(strip.VoiceBox->count() - 1), QStringLiteral("More languages…"));
    strip.VoiceBox->setCurrentIndex(strip.VoiceBox->findText(QStringLiteral("Mary (German)")));
    strip.EndEdit();
    EXPECT_EQ(article->Voice(), QStringLiteral("Mary (German)"));

    ASSERT_TRUE(app->SpeakToHeadset());
    const double heard = AudibleSeconds([&] {
        form().Core().ReadArticle(article, rtSpeakers, true);
        EXPECT_TRUE(WaitIdle(30000));
    });
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_GT(heard, 1.5);
    EspeakLanguages::SetChecked({});
}

// The Voice Edit page's speed slider, let go during a reading, makes the rest of
// the reading faster at once.
TEST_F(ReadingE2ETest, ASpeedChangeDuringAReadingIsHeard)
{
    QString text;
    for (int i = 0; i < 4; ++i)
        text += QStringLiteral("Every sentence here takes a little while to say out loud. ");
    Add(QStringLiteral("Long"), QStringLiteral("Mary"), text);
    ASSERT_TRUE(app->SpeakToHeadset());
    form().Core().LoadFavoriteVoices();
    form().ShowOptionPage(form().VoiceEditSheet);
    TVoiceEditPage &page = *form().VoiceEditSheet;
    page.SetupVoiceCkbx->setCurrentText(QStringLiteral("Mary"));
    TVoiceEntry *mary = form().Core().Voices()->FindVoice(QStringLiteral("Mary"));
    ASSERT_NE(mary, nullptr);
    const auto read = [&](bool faster) {
        return AudibleSeconds([&] {
            form().PlayToolBtn->click();
            if (faster) {
                WaitUntil([] { return false; }, 1500);
                page.SpeedSlider->setValue(mary->MaxSpeed);
                emit page.SpeedSlider->TrackEnd(mary->MaxSpeed);
            }
            EXPECT_TRUE(WaitIdle(60000));
        });
    };
    const int speed = mary->Speed;
    const double normal = read(false);
    const double changed = read(true);
    EXPECT_GT(normal, 5.0);
    std::printf("audible: %.2f s at the voice's speed, %.2f s with the speed raised after 1.5 s\n", normal, changed);
    EXPECT_LT(changed, normal * 0.8) << "normal " << normal << " s, changed " << changed << " s";
    EXPECT_EQ(mary->Speed, mary->MaxSpeed);
    EXPECT_NE(speed, mary->MaxSpeed);
}

} // namespace

namespace {

// Prose of about this many words, different for each seed.
QString Prose(int words, int seed)
{
    static const char *sentences[] = {
        "The harbour was quiet before the ferries came in from the islands.",
        "Nobody on the committee had read the report to its last page.",
        "By noon the rain had cleared and the market filled with people.",
        "She kept the letters in a tin box under the stairs for years.",
        "Three of the bridges were closed while the engineers checked them.",
        "A small orchestra played in the square every second Sunday."};
    QString text;
    for (int k = seed; text.count(QLatin1Char(' ')) < words; ++k)
        text += QLatin1String(sentences[(k * 5 + seed) % 6]) + (k % 4 == 3 ? QStringLiteral("\n") : QStringLiteral(" "));
    return text;
}

// Files are made on every core: the next article is read while the last one
// becomes an MP3, and the files are the very ones the steps make one by one.
TEST_F(ReadingE2ETest, Mp3FilesMadeWhileTheNextArticleIsReadAreTheStepsOwn)
{
    const QStringList titles{"One", "Two", "Three", "Four"};
    for (int k = 0; k < titles.size(); ++k)
        Add(titles[k], k % 2 ? QStringLiteral("Mike") : QStringLiteral("Mary"), Prose(250 + 100 * k, k));
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().Core().Prefs().OUT_FileFormat = 1;
    // The speech each MP3 was made from, kept before it goes.
    QStringList speech;
    QObject::connect(&form().Core().Session().EncodeJobs(), &TEncodeJobs::JobEnded, [&](const QString &mp3, const QString &wav, bool ok) {
        const QString kept = home.Root() + QLatin1Char('/') + QFileInfo(mp3).completeBaseName() + QStringLiteral(".wav");
        if (ok && QFile::copy(wav, kept))
            speech << kept;
    });
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(120000));
    ASSERT_EQ(speech.size(), titles.size());
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 4) << "no speech or half file left";
    for (const QString &title : titles) {
        const QString wav = home.Root() + QLatin1Char('/') + title + QStringLiteral(".wav");
        const QString stepwise = home.Root() + QLatin1Char('/') + title + QStringLiteral(".mp3");
        TMMWave wave;
        wave.SetFileName(wav);
        wave.BandLimited = true;
        TPcmFormat format;
        BuildPcmFormat(format, 16, 1, 44100);
        wave.ConvertToFile(home.Root() + QStringLiteral("/temp44.wav"), &format);
        ASSERT_TRUE(EncodeMp3File(home.Root() + QStringLiteral("/temp44.wav"), stepwise));
        const QString made = out + QLatin1Char('/') + title + QStringLiteral(".mp3");
        EXPECT_GT(MediaFiles::Mp3Sound(made).size(), 10000) << title.toStdString();
        EXPECT_TRUE(MediaFiles::Mp3Sound(made) == TempHome::ReadFile(stepwise)) << title.toStdString();
        // Tagged for players: the article's title, its voice and its place in the run.
        const auto tags = MediaFiles::Probe(made);
        EXPECT_EQ(tags.value(QStringLiteral("tag:title")), title);
        EXPECT_EQ(tags.value(QStringLiteral("tag:artist")), titles.indexOf(title) % 2 ? QStringLiteral("Mike") : QStringLiteral("Mary"));
        EXPECT_EQ(tags.value(QStringLiteral("tag:track")), QString::number(titles.indexOf(title) + 1));
    }
}

// An e-book opened in multi-article mode and read to multiple MP3 files: one file a
// chapter, named and tagged after it; read to a single M4B after a restart: one
// audiobook named after the book, a chapter an article, its author and cover, the
// text timed beside it.
TEST_F(ReadingE2ETest, AnEBookReadToFilesGivesAnMp3AChapterOrOneAudiobook)
{
    const QString book = home.Root() + QStringLiteral("/book.epub");
    TempHome::WriteFile(book, DocumentSamples::Epub());
    const int before = form().Core().Articles().Count();
    form().OpenFiles({book});
    ASSERT_EQ(form().Core().Articles().Count(), before + 2);
    // Only the book is read.
    for (int k = before; k >= 1; --k)
        form().Core().Articles().HideEntry(form().Core().Articles().EntryAt(k));
    form().Core().Articles().DeleteHiddenEntries();
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().Core().Prefs().OUT_FileFormat = 1;
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(QDir(out).entryList(QDir::Files), (QStringList{"Chapter One.mp3", "Chapter Two.mp3"}));
    const auto tags = MediaFiles::Probe(out + QStringLiteral("/Chapter Two.mp3"));
    EXPECT_EQ(tags.value(QStringLiteral("tag:title")), QStringLiteral("Chapter Two"));
    EXPECT_EQ(tags.value(QStringLiteral("tag:track")), QStringLiteral("2"));
    EXPECT_GT(MediaFiles::Seconds(out + QStringLiteral("/Chapter Two.mp3")), 1.0);
    EXPECT_EQ(tags.value(QStringLiteral("tag:artist")), QStringLiteral("Ann Author"));

    // The next day: the book's title, author and cover are still the articles'.
    form().Core().SaveArticles();
    app.reset();
    app = std::make_unique<FormWithVoices>();
    form().show();
    ASSERT_EQ(form().Core().Articles().Count(), 2);
    form().Core().Prefs().OUT_Directory = out;
    form().Core().Prefs().OUT_FileDest = rtSingleFile;
    form().Core().Prefs().OUT_FileFormat = 2;
    form().Core().Prefs().OUT_Subtitles = 1;
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    const QString audiobook = out + QStringLiteral("/The Clock Book.m4b");
    const auto chapters = MediaFiles::Chapters(audiobook);
    ASSERT_EQ(chapters.size(), 2u);
    EXPECT_EQ(chapters[1].Title, QStringLiteral("Chapter Two"));
    EXPECT_NEAR(chapters[1].Start, MediaFiles::Seconds(out + QStringLiteral("/Chapter One.mp3")), 0.1);
    const auto bookTags = MediaFiles::Probe(audiobook);
    EXPECT_EQ(bookTags.value(QStringLiteral("tag:album")), QStringLiteral("The Clock Book"));
    EXPECT_EQ(bookTags.value(QStringLiteral("tag:artist")), QStringLiteral("Ann Author"));
    EXPECT_EQ(bookTags.value(QStringLiteral("disposition:attached_pic")), QStringLiteral("1"));
    EXPECT_TRUE(QString::fromUtf8(TempHome::ReadFile(out + QStringLiteral("/The Clock Book.srt")))
                    .contains(QStringLiteral("The clocks were striking thirteen.")));

    // As a read-along book, each word lit: the book's title, author, language and
    // cover, a chapter an article, and nothing beside it.
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    form().Core().Prefs().OUT_FileFormat = 4;
    form().Core().Prefs().OUT_HighlightWords = true;
    form().PlayFileBtn->click();
    ASSERT_TRUE(WaitIdle(60000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{"The Clock Book.epub"});
    const QString readAlong = out + QStringLiteral("/The Clock Book.epub");
    const QByteArray package = ReadAlong::Entry(readAlong, QStringLiteral("OEBPS/package.opf"));
    for (const char *says : {"<dc:title>The Clock Book</dc:title>", "<dc:creator id=\"author\">Ann Author</dc:creator>",
                             "<dc:language>en-GB</dc:language>", "properties=\"cover-image\"", "c002.smil"})
        EXPECT_TRUE(package.contains(says)) << says;
    const auto clips = ReadAlong::Clips(ReadAlong::Entry(readAlong, QStringLiteral("OEBPS/c002.smil")));
    ASSERT_GE(clips.size(), 5u);
    EXPECT_EQ(clips[1].Text, QStringLiteral("w2"));
    EXPECT_EQ(ReadAlong::EpubCheck({readAlong}), QStringList{QString()});
}

// Stop, Skip and exit while one article is being made into an MP3 and the next is read.
TEST_F(ReadingE2ETest, StopSkipAndExitWhileOneArticleIsEncodedAndTheNextRead)
{
    for (const char *title : {"First", "Second", "Third"})
        Add(QLatin1String(title), QStringLiteral("Mary"), Prose(2500, int(qstrlen(title))));
    form().Core().Prefs().OUT_FileDest = rtMultipleFiles;
    form().Core().Prefs().OUT_FileFormat = 1;
    TArticleList &list = form().Core().Articles();
    const auto overlap = [&] {
        form().PlayFileBtn->click();
        return WaitUntil([&] {
            return form().Core().CurrentArticle() == list.EntryAt(2) &&
                   form().Core().Session().EncodeJobs().Encoding() == QStringList{out + QStringLiteral("/First.mp3")};
        }, 60000);
    };
    ASSERT_TRUE(overlap());
    form().StopBtn->click();
    EXPECT_EQ(form().Core().State(), rsIdle);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{}) << "no file under a final name, no temporary file";

    ASSERT_TRUE(overlap());
    form().SkipBtn->click();
    ASSERT_TRUE(WaitIdle(120000));
    EXPECT_EQ(QDir(out).entryList(QDir::Files), (QStringList{"First.mp3", "Second.mp3", "Third.mp3"}));
    EXPECT_GT(QFileInfo(out + QStringLiteral("/First.mp3")).size(), QFileInfo(out + QStringLiteral("/Second.mp3")).size())
        << "only the article being read was cut short";
    for (const char *name : {"/First.mp3", "/Second.mp3", "/Third.mp3"})
        QFile::remove(out + QLatin1String(name));

    ASSERT_TRUE(overlap());
    QElapsedTimer clock;
    clock.start();
    form().Core().RequestExit();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(form().Core().State(), rsExiting);
    const QStringList left = QDir(out).entryList(QDir::Files);
    EXPECT_FALSE(left.contains(QStringLiteral("First.mp3"))) << "no half file under a final name";
    EXPECT_TRUE(left.filter(QStringLiteral(".mp3")).isEmpty()) << left.join(QLatin1Char(' ')).toStdString();
}

// A long text listened to in parts: Read from Here at the caret, the place kept
// over a restart (and not followed into an edited text), a jump to the next
// sentence, the sleep timer ending the reading at a sentence's end.
TEST_F(ReadingE2ETest, ReadFromHereKeepsThePlaceJumpsBySentenceAndSleeps)
{
    // The window is started again below: its list is asked for each time.
    const auto list = [&]() -> TArticleList & { return form().Core().Articles(); };
    for (int k = list().Count(); k >= 1; --k)
        list().HideEntry(list().EntryAt(k));
    list().DeleteHiddenEntries();
    const QString text = QStringLiteral("The first sentence is here. The second sentence follows it. The third sentence is in "
                                        "the middle. The fourth sentence comes next. The fifth sentence ends it.");
    const std::vector<int> starts = TTimedText::SentenceStarts(text);
    ASSERT_EQ(starts.size(), 5u);
    Add(QStringLiteral("One"), QStringLiteral("Mary"), text);
    Add(QStringLiteral("Two"), QStringLiteral("Mary"), QStringLiteral("Another article follows."));
    const auto one = [&] { return list().EntryAt(1); };
    const auto readFrom = [&](int caret) {
        list().MarkEntry(1);
        QTextCursor cursor = one()->View()->TextBox->textCursor();
        cursor.setPosition(caret);
        one()->View()->TextBox->setTextCursor(cursor);
        Item(form(), QStringLiteral("&Read"), QStringLiteral("Read from &Here"))->trigger();
        return WaitUntil([&] { return form().Core().Session().LastWordHeard() >= 0; }, 5000) ? form().Core().Session().LastWordHeard() : -1;
    };

    // From the middle of "third": that word first, then the next article.
    EXPECT_EQ(readFrom(starts[2] + 6), starts[2] + 4);
    EXPECT_TRUE(WaitUntil([&] { return form().Core().CurrentArticle() == list().EntryAt(2); }, 20000));
    ASSERT_TRUE(WaitIdle(20000));
    EXPECT_EQ(one()->Place, -1) << "read to its end: no place kept";

    // The next sentence, at once (from the floating tool bar).
    EXPECT_EQ(readFrom(0), 0);
    form().ToolBarForm->NextSentenceBtn->click();
    EXPECT_TRUE(WaitUntil([&] { return form().Core().Session().LastWordHeard() > 0; }, 5000));
    EXPECT_EQ(form().Core().Session().LastWordHeard(), starts[1]);

    // Stopped at a word: the place outlives the program, unless the text changes.
    EXPECT_TRUE(WaitUntil([&] { return form().Core().Session().LastWordHeard() > starts[1]; }, 5000));
    form().Core().Stop();
    const int place = one()->Place;
    EXPECT_GT(place, starts[1]);
    const auto restart = [&] {
        form().Core().SaveArticles();
        app.reset();
        app = std::make_unique<FormWithVoices>();
        form().show();
        return form().Core().Initialized() && form().Core().Articles().Count() == 2;
    };
    ASSERT_TRUE(restart());
    EXPECT_EQ(one()->Place, place);
    EXPECT_EQ(one()->View()->TextBox->textCursor().position(), place);
    EXPECT_EQ(readFrom(place), place);
    form().Core().Stop();
    one()->SetText(QStringLiteral("A new opening. ") + text);
    ASSERT_TRUE(restart());
    EXPECT_EQ(one()->Place, -1) << "no reading from a place in another text";

    // The sleep timer (a minute made 400 ms): the reading ends where a sentence does.
    TReadingSession::SleepTimerScale = 60000 / 400;
    EXPECT_EQ(readFrom(0), 0);
    form().Core().SetSleepTimer(1);
    EXPECT_TRUE(WaitIdle(20000));
    TReadingSession::SleepTimerScale = 1;
    const std::vector<int> edited = TTimedText::SentenceStarts(one()->Text());
    EXPECT_NE(std::find(edited.begin() + 1, edited.end(), one()->Place), edited.end()) << one()->Place;
}

} // namespace
