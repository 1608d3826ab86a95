#include "app/FormWithVoices.h"
#include "articles/MemoListBox.h"
#include "audio/ReadAlongBook.h"
#include "cli/ProgressBar.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/DocumentSamples.h"
#include "support/EngineHelpers.h"
#include "support/MediaFiles.h"
#include "support/Printers.h"
#include "support/ReadAlong.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"
#include "support/WebServer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QToolButton>
#include <QXmlStreamReader>

#include <cmath>
#include <csignal>
#include <limits>

#include <sys/stat.h>

#include <gtest/gtest.h>

// `parlewind --convert` run as a script runs it: no display, no sound server.
// Only the window's test speaks in this process; everything else is spoken by
// the program itself, so that each speech is the first of its process.
namespace {

using MediaFiles::Mp3Sound;
using MediaFiles::Probe;
using MediaFiles::Seconds;

struct Result
{
    int exit = -1;
    QString told; // standard error
};

class ConvertTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        in = home.Root() + QStringLiteral("/in");
        out = home.Root() + QStringLiteral("/out");
        QDir().mkpath(in);
    }
    QString Input(const QString &name, const QByteArray &bytes)
    {
        TempHome::WriteFile(in + QLatin1Char('/') + name, bytes);
        return in + QLatin1Char('/') + name;
    }
    QProcessEnvironment Headless() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "PULSE_SERVER", "QT_QPA_PLATFORM",
                                 "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(QLatin1String(name));
        // Where a sound server's socket would be, none is.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.Root() + QStringLiteral("/nothing"));
        return env;
    }
    void Start(QProcess &p, const QStringList &args) const
    {
        p.setProcessEnvironment(Headless());
        p.start(QStringLiteral(PARLEWIND_BINARY), QStringList{QStringLiteral("--convert")} + args);
    }
    Result Convert(const QStringList &args, const QByteArray &standardInput = {})
    {
        QProcess p;
        Start(p, args);
        p.write(standardInput);
        p.closeWriteChannel();
        if (!p.waitForFinished(180000))
            return {};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
    }
    static QStringList Files(const QString &dir)
    {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static QByteArray Prose(int chars, int skip)
    {
        QByteArray all;
        for (const QFileInfo &licence : QDir(QStringLiteral("/usr/share/common-licenses")).entryInfoList(QDir::Files, QDir::Name))
            all += TempHome::ReadFile(licence.filePath()).simplified() + ' ';
        return all.mid(skip, chars);
    }

    TempHome home;
    QString in;
    QString out;
};

TEST_F(ConvertTest, TextFilesStandardInputAndSavedArticlesBecomeNamedTaggedFilesAsLongAsTheirSpeech)
{
    const QStringList texts{
        Input(QStringLiteral("Chapter One.txt"), "It was a bright cold day in April.\nThe clocks were striking thirteen.\n"),
        // Not UTF-8: read as Windows-1252, as the window opens it.
        Input(QStringLiteral("chapter.02.txt"), "Caf\xe9 au lait, s'il vous pla\xeet. Two euros \x80 only.\n"),
        Input(QStringLiteral("Kapitola tři.txt"), "Robots of the world, unite. The end.\n")};
    const QString saved = Input(QStringLiteral("Evening.txt"),
        "||||||Parlewind MP3 Start of Article||||||\r\nMorning news|Mike|2\r\nGood morning. Here is the news.\r\nRain later.\r\n"
        "||||||Parlewind MP3 End of Article||||||\r\n"
        "||||||Parlewind MP3 Start of Article||||||\r\nBlank|Sam|1\r\n   \r\n||||||Parlewind MP3 End of Article||||||\r\n"
        "||||||Parlewind MP3 Start of Article||||||\r\n\xc4\x8c" "apek|Sam|1\r\nA play in three acts.\r\n"
        "||||||Parlewind MP3 End of Article||||||\r\n");
    const QByteArray piped = "Hello from a pipe, dear listeners.\n";
    const QStringList names{"Chapter One", "chapter.02", "Kapitola tři", "Hello_from_a_pipe_de", "Morning news", "Čapek"};
    const QStringList artists{"Mary", "Mary", "Mary", "Mary", "Mike", "Sam"};

    QMap<QString, double> seconds[2];
    for (const bool mp3 : {true, false}) {
        const QString dir = out + (mp3 ? QStringLiteral("/mp3") : QStringLiteral("/wav"));
        const QString extension = mp3 ? QStringLiteral(".mp3") : QStringLiteral(".wav");
        const Result r = Convert(texts + QStringList{QStringLiteral("-"), QStringLiteral("--articles"), saved,
                                                     QStringLiteral("--format"), extension.mid(1), QStringLiteral("--out"), dir},
                                 piped);
        ASSERT_EQ(r.exit, 0) << r.told.toStdString();
        EXPECT_EQ(r.told, QString()) << "nothing but errors on standard error, and no sound server's complaint";
        QStringList expected;
        for (const QString &name : names)
            expected << name + extension;
        expected.sort();
        EXPECT_EQ(Files(dir), expected) << "no speech or half file left beside them";
        for (int k = 0; k < names.size(); ++k) {
            const auto probed = Probe(dir + QLatin1Char('/') + names[k] + extension);
            seconds[mp3][names[k]] = probed.value(QStringLiteral("duration")).toDouble();
            EXPECT_GT(seconds[mp3][names[k]], 1.0) << names[k].toStdString();
            if (!mp3)
                continue;
            EXPECT_EQ(probed.value(QStringLiteral("tag:title")), names[k]);
            EXPECT_EQ(probed.value(QStringLiteral("tag:artist")), artists[k]);
            EXPECT_EQ(probed.value(QStringLiteral("tag:album")), k < 4 ? QStringLiteral("Parlewind MP3") : QStringLiteral("Evening"));
            EXPECT_EQ(probed.value(QStringLiteral("tag:track")), QString::number(k + 1));
            EXPECT_TRUE(probed.value(QStringLiteral("tag:encoder")).startsWith(QStringLiteral("Parlewind MP3 ")));
        }
    }
    // The MP3 holds the whole speech: the encoder adds a few frames at most.
    for (const QString &name : names)
        EXPECT_NEAR(seconds[true][name], seconds[false][name], 0.1) << name.toStdString();

    // Everything into one file, tagged with its name.
    const Result single = Convert({texts[0], texts[2], QStringLiteral("--single-file"), QStringLiteral("Book"),
                                   QStringLiteral("--out"), out + QStringLiteral("/one")});
    ASSERT_EQ(single.exit, 0) << single.told.toStdString();
    const auto book = Probe(out + QStringLiteral("/one/Book.mp3"));
    EXPECT_EQ(book.value(QStringLiteral("tag:title")), QStringLiteral("Book"));
    EXPECT_NEAR(book.value(QStringLiteral("duration")).toDouble(),
                seconds[false][names[0]] + seconds[false][names[2]], 0.5);
}

TEST_F(ConvertTest, Mp3OfATextIsTheOneTheWindowWritesWithTheSameVoiceAndSettings)
{
    ASSERT_FALSE(qEnvironmentVariableIsEmpty("PULSE_SERVER")) << "run through scripts/test";
    // The window's own choices, which the command line must follow: a speed of
    // its own for the voice, a pronunciation and the symbol filter.
    StoredPrefs::Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    StoredPrefs::Store(QStringLiteral("SPD_Mary"), QStringLiteral("230"));
    StoredPrefs::Store(QStringLiteral("OUT_FileFormat"), QStringLiteral("1"));
    StoredPrefs::Store(QStringLiteral("OUT_Directory"), out + QStringLiteral("/window"));
    TempHome::WriteFile(home.ProgramDir() + QStringLiteral("/Lexicon.txt"), "Parlewind\tparr lay wind\n");
    QDir().mkpath(out + QStringLiteral("/window"));
    const QString text = QStringLiteral("Parlewind reads [this] aloud, see http://example.org/a/long/path for more. ") +
                         QString::fromLatin1(Prose(1500, 0));

    DetectSpeechSupport();
    Messages::TakeRecorded();
    FormWithVoices app;
    ASSERT_TRUE(app.ShowActive());
    TMemoEntry *article = app.form.Core().AddMemo(text, QStringLiteral("Mary"));
    article->SetTitle(QStringLiteral("Chapter"));
    app.form.PlayFileBtn->click();
    ASSERT_TRUE(WaitUntil([&] { return app.form.Core().State() == rsIdle; }, 60000));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    const QString window = out + QStringLiteral("/window/Chapter.mp3");
    ASSERT_TRUE(QFileInfo::exists(window));

    const Result r = Convert({Input(QStringLiteral("Chapter.txt"), text.toUtf8()), QStringLiteral("--out"), out});
    ASSERT_EQ(r.exit, 0) << r.told.toStdString();
    const QString command = out + QStringLiteral("/Chapter.mp3");
    EXPECT_GT(Mp3Sound(command).size(), 10000);
    EXPECT_TRUE(Mp3Sound(command) == Mp3Sound(window)) << "the same speech, resampling and encoder";
    for (const QString &file : {window, command}) {
        const auto tags = Probe(file);
        EXPECT_EQ(tags.value(QStringLiteral("tag:title")), QStringLiteral("Chapter"));
        EXPECT_EQ(tags.value(QStringLiteral("tag:artist")), QStringLiteral("Mary"));
        EXPECT_EQ(tags.value(QStringLiteral("tag:album")), QStringLiteral("Parlewind MP3"));
    }
    // A speed given for the run is that run's own: slower here, and the window's stays.
    const Result slower = Convert({Input(QStringLiteral("Slower.txt"), text.toUtf8()), QStringLiteral("--speed"),
                                   QStringLiteral("175"), QStringLiteral("--out"), out});
    ASSERT_EQ(slower.exit, 0) << slower.told.toStdString();
    EXPECT_GT(Seconds(out + QStringLiteral("/Slower.mp3")),
              Seconds(command) * 1.2);
    EXPECT_EQ(StoredPrefs::Stored(QStringLiteral("SPD_Mary")), QStringLiteral("230"));
    // A factor of the normal speed, beyond the engine's own (the sound stretched), with short pauses.
    const Result quick = Convert({Input(QStringLiteral("Quick.txt"), text.toUtf8()), QStringLiteral("--speed"),
                                  QStringLiteral("3.5x"), QStringLiteral("--pauses"), QStringLiteral("short"),
                                  QStringLiteral("--out"), out});
    ASSERT_EQ(quick.exit, 0) << quick.told.toStdString();
    EXPECT_NEAR(Seconds(out + QStringLiteral("/Quick.mp3")), Seconds(out + QStringLiteral("/Slower.mp3")) / 3.5,
                Seconds(out + QStringLiteral("/Slower.mp3")) * 0.06);
    EXPECT_NE(StoredPrefs::Stored(QStringLiteral("TTS_Pauses")), QStringLiteral("120,250,450"));
}

// Flite's voice in files: as much speech as the library's own of the text (the
// pauses are ours), made 44.1 kHz mono MP3 with the voice in its tags.
TEST_F(ConvertTest, AFliteVoiceSpeaksFilesAsLongAsTheLibrarysOwn)
{
    const QByteArray text = "The clocks were striking thirteen. It was a bright cold day in April, and "
                            "Winston Smith slipped quickly through the glass doors of Victory Mansions.\n";
    const QString input = Input(QStringLiteral("April.txt"), text);
    const QString voice = QStringLiteral("Flite SLT (US female)");
    for (const char *format : {"wav", "mp3"}) {
        const Result r = Convert({input, QStringLiteral("--voice"), voice, QStringLiteral("--format"),
                                  QLatin1String(format), QStringLiteral("--out"), out});
        ASSERT_EQ(r.exit, 0) << r.told.toStdString();
    }
    QProcess flite;
    flite.start(QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-f"), input,
                                          QStringLiteral("-o"), home.Root() + QStringLiteral("/own.wav")});
    ASSERT_TRUE(flite.waitForFinished(60000));
    const double own = SpokenSeconds(ReadWave(home.Root() + QStringLiteral("/own.wav")));
    EXPECT_NEAR(SpokenSeconds(ReadWave(out + QStringLiteral("/April.wav"))), own, own * 0.02);
    const auto mp3 = Probe(out + QStringLiteral("/April.mp3"));
    EXPECT_EQ(mp3.value(QStringLiteral("sample_rate")), QStringLiteral("44100"));
    EXPECT_EQ(mp3.value(QStringLiteral("channels")), QStringLiteral("1"));
    EXPECT_EQ(mp3.value(QStringLiteral("tag:artist")), voice);
    const double wav = Seconds(out + QStringLiteral("/April.wav"));
    EXPECT_NEAR(mp3.value(QStringLiteral("duration")).toDouble(), wav, wav * 0.02);

    // Nothing mirrored above the voice's 8 kHz band on the way to 44.1 kHz (repeating
    // samples left it at -31 dB; the encoder's own noise there is below -80 dB).
    const QString decoded = home.Root() + QStringLiteral("/decoded.wav");
    QProcess::execute(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"),
                                                 QStringLiteral("-i"), out + QStringLiteral("/April.mp3"), decoded});
    const auto rms = [&decoded](const QStringList &effect) {
        QProcess sox;
        sox.start(QStringLiteral("sox"), QStringList{decoded, QStringLiteral("-n")} + effect + QStringList{QStringLiteral("stat")});
        sox.waitForFinished(30000);
        const QString stat = QString::fromUtf8(sox.readAllStandardError());
        return QRegularExpression(QStringLiteral("RMS\\s+amplitude:\\s+([0-9.e-]+)")).match(stat).captured(1).toDouble();
    };
    const double whole = rms({}), high = rms({QStringLiteral("sinc"), QStringLiteral("8500")});
    ASSERT_GT(whole, 0.01);
    EXPECT_LT(20 * std::log10(high / whole), -60.0) << high << " of " << whole;

    // A long text is made in pieces by children of the program: one that dies fails
    // that text, told, and leaves no file; the program goes on to the next.
    const QString book = Input(QStringLiteral("Book.txt"), Prose(6000, 0));
    QProcess run;
    Start(run, {book, input, QStringLiteral("--voice"), voice, QStringLiteral("--format"), QStringLiteral("mp3"),
                QStringLiteral("--out"), out + QStringLiteral("/killed")});
    QString piece;
    ASSERT_TRUE(WaitUntil([&] {
        QProcess pgrep;
        pgrep.start(QStringLiteral("pgrep"), {QStringLiteral("-P"), QString::number(run.processId()), QStringLiteral("-f"),
                                              QStringLiteral("speak-flite")});
        pgrep.waitForFinished(2000);
        piece = QString::fromLatin1(pgrep.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
        return !piece.isEmpty();
    }, 30000));
    ::kill(piece.toInt(), SIGKILL);
    ASSERT_TRUE(run.waitForFinished(120000));
    EXPECT_EQ(run.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(run.readAllStandardError()).contains(QStringLiteral("could not speak it")));
    EXPECT_EQ(Files(out + QStringLiteral("/killed")), QStringList{"April.mp3"});
}

TEST_F(ConvertTest, AnEBookGivesANumberedFileForEachChapterInReadingOrder)
{
    const Result r = Convert({Input(QStringLiteral("book.epub"), DocumentSamples::Epub()), QStringLiteral("--out"), out});
    ASSERT_EQ(r.exit, 0) << r.told.toStdString();
    EXPECT_EQ(Files(out), (QStringList{"01 Chapter One.mp3", "02 Chapter Two.mp3"}));
    const auto tags = Probe(out + QStringLiteral("/02 Chapter Two.mp3"));
    EXPECT_EQ(tags.value(QStringLiteral("tag:album")), QStringLiteral("The Clock Book"));
    EXPECT_EQ(tags.value(QStringLiteral("tag:track")), QStringLiteral("2"));
}

// Everything into one audiobook: a chapter an input where its speech starts, the
// tags and the book's cover, the text timed to the sound as a player plays it.
TEST_F(ConvertTest, ABookInOneFileHasChaptersTagsCoverAndTimedText)
{
    const QStringList sentences{"The first article is short.", "It has two sentences.",
                                "The second article talks about the weather today.", "Rain is coming.",
                                "A third and final article ends the book."};
    const QStringList texts{Input(QStringLiteral("One.txt"), (sentences[0] + QLatin1Char(' ') + sentences[1]).toUtf8()),
                            Input(QStringLiteral("Two.txt"), (sentences[2] + QLatin1Char(' ') + sentences[3]).toUtf8()),
                            Input(QStringLiteral("Three.txt"), sentences[4].toUtf8())};
    const QStringList quiet{QStringLiteral("--quiet"), QStringLiteral("--out")};
    // Each on its own: where the next begins in the whole.
    ASSERT_EQ(Convert(texts + QStringList{QStringLiteral("--format"), QStringLiteral("wav")} + quiet + QStringList{out + "/apart"}).exit, 0);
    std::vector<double> starts{0};
    for (const char *name : {"One", "Two", "Three"})
        starts.push_back(starts.back() + Seconds(out + QStringLiteral("/apart/%1.wav").arg(QLatin1String(name))));
    const QString book = Input(QStringLiteral("book.epub"), DocumentSamples::Epub());
    for (const QString &format : {QStringLiteral("mp3"), QStringLiteral("m4b"), QStringLiteral("opus")}) {
        const QString dir = out + QLatin1Char('/') + format;
        const QStringList single{QStringLiteral("--format"), format, QStringLiteral("--single-file"), QStringLiteral("Book"),
                                 QStringLiteral("--subtitles"), QStringLiteral("srt")};
        const Result r = Convert(texts + single + quiet + QStringList{dir});
        ASSERT_EQ(r.exit, 0) << r.told.toStdString();
        const QString file = dir + QStringLiteral("/Book.") + format;
        const auto chapters = MediaFiles::Chapters(file);
        ASSERT_EQ(chapters.size(), 3u) << format.toStdString();
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(chapters[k].Title, QStringList({"One", "Two", "Three"})[qsizetype(k)]);
            EXPECT_NEAR(chapters[k].Start, starts[k], 0.020) << format.toStdString() << " chapter " << k;
        }
        const auto tags = Probe(file);
        EXPECT_EQ(tags.value(QStringLiteral("tag:genre")), QStringLiteral("Audiobook")) << format.toStdString();
        EXPECT_EQ(tags.value(QStringLiteral("tag:title")), QStringLiteral("Book")) << format.toStdString();
        EXPECT_NEAR(Seconds(file), starts.back(), starts.back() * 0.01) << format.toStdString();
        EXPECT_FALSE(tags.contains(QStringLiteral("disposition:attached_pic")) &&
                     tags.value(QStringLiteral("disposition:attached_pic")) == QStringLiteral("1"));

        // An e-book's chapters, author and cover.
        const Result e = Convert(QStringList{book} + single + quiet + QStringList{dir + "/epub"});
        ASSERT_EQ(e.exit, 0) << e.told.toStdString();
        const QString ebook = dir + QStringLiteral("/epub/Book.") + format;
        EXPECT_EQ(MediaFiles::Chapters(ebook).size(), 2u) << format.toStdString();
        const auto bookTags = Probe(ebook);
        EXPECT_EQ(bookTags.value(QStringLiteral("tag:artist")), QStringLiteral("Ann Author")) << format.toStdString();
        EXPECT_EQ(bookTags.value(QStringLiteral("disposition:attached_pic")), QStringLiteral("1")) << format.toStdString();
    }

    // The timed text, on the sound as decoded (the encoder's delay trimmed): a cue a
    // sentence, in order, each where its sentence's sound begins.
    const QStringList srt = QString::fromUtf8(TempHome::ReadFile(out + QStringLiteral("/mp3/Book.srt"))).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(srt.size(), sentences.size());
    const auto time = [](const QString &t) {
        return t.section(QLatin1Char(':'), 0, 0).toDouble() * 3600 + t.section(QLatin1Char(':'), 1, 1).toDouble() * 60 +
               QString(t.section(QLatin1Char(':'), 2, 2)).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    };
    const std::vector<qint16> sound = MediaFiles::Decoded(out + QStringLiteral("/mp3/Book.mp3"), 22050);
    const auto loud = [&](double from) { // where 5 ms of sound first go above a whisper
        for (size_t at = size_t(std::max(0.0, from) * 22050); at + 110 < sound.size(); at += 22) {
            double sum = 0;
            for (size_t i = at; i < at + 110; ++i)
                sum += double(sound[i]) * sound[i];
            if (std::sqrt(sum / 110) > 300)
                return double(at) / 22050;
        }
        return -1.0;
    };
    double previousEnd = 0;
    for (qsizetype k = 0; k < srt.size(); ++k) {
        const QStringList lines = srt[k].split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 3) << srt[k].toStdString();
        EXPECT_EQ(lines[0].toInt(), k + 1);
        const double start = time(lines[1].section(QStringLiteral(" --> "), 0, 0));
        const double end = time(lines[1].section(QStringLiteral(" --> "), 1, 1));
        EXPECT_EQ(lines[2], sentences[k]);
        EXPECT_GE(start, previousEnd - 0.001) << "cue " << k;
        EXPECT_GT(end, start) << "cue " << k;
        previousEnd = end;
        EXPECT_NEAR(loud(start - 0.08), start, 0.05) << "cue " << k;
    }
}

TEST_F(ConvertTest, BadInputIsToldWithItsReasonAndEverythingElseIsWritten)
{
    const QString good = Input(QStringLiteral("good.txt"), "Good text to read.\n");
    const QString other = Input(QStringLiteral("other.txt"), "Another good text.\n");
    const QString binary = Input(QStringLiteral("program.bin"), QByteArray("\x7f" "ELF\0\0\0\x01", 8) + QByteArray(4000, '\0'));
    QDir().mkpath(in + QStringLiteral("/folder"));
    const QString folder = in + QStringLiteral("/folder");
    struct Case
    {
        const char *what;
        QStringList args;
        int exit;
        QStringList told;
        QStringList written;
    };
    const QString missing = in + QStringLiteral("/missing.txt");
    const std::vector<Case> cases{
        {"a missing file, a binary file and a folder among good ones", {good, missing, binary, folder, other}, 1,
         {missing, binary, folder}, {"good.mp3", "other.mp3"}},
        {"an unknown voice", {QStringLiteral("--voice"), QStringLiteral("Nobody"), good}, 2, {"Nobody"}, {}},
        {"a speed beyond the voice's limits", {QStringLiteral("--speed"), QStringLiteral("5000"), good}, 2,
         {"5000", "Mary"}, {}},
        {"a speed factor beyond them", {QStringLiteral("--speed"), QStringLiteral("5x"), good}, 2, {"875", "Mary"}, {}},
        {"a speed factor that is no number", {QStringLiteral("--speed"), QStringLiteral("fastx"), good}, 2, {"fastx"}, {}},
        {"pauses of no known length", {QStringLiteral("--pauses"), QStringLiteral("brief"), good}, 2, {"brief"}, {}},
        {"languages neither on nor off", {QStringLiteral("--languages"), QStringLiteral("yes"), good}, 2, {"yes"}, {}},
        {"a pitch that is no number", {QStringLiteral("--pitch"), QStringLiteral("high"), good}, 2, {"high"}, {}},
        {"an unknown option", {QStringLiteral("--fast"), good}, 2, {"fast"}, {}},
        {"nothing to convert", {QStringLiteral("--quiet")}, 2, {"Nothing to convert"}, {}},
        {"an output folder where nothing can be written", {QStringLiteral("--out"), QStringLiteral("/proc"), good}, 1,
         {"/proc"}, {}},
        {"an output folder under a file", {QStringLiteral("--out"), good + QStringLiteral("/sub"), good}, 1,
         {good + QStringLiteral(" is a file, not a folder")}, {}},
        {"a file as the output folder", {QStringLiteral("--out"), good, good}, 1, {good + QStringLiteral(" is a file, not a folder")}, {}},
    };
    for (const Case &c : cases) {
        QDir(out).removeRecursively();
        const QStringList args = c.args.contains(QStringLiteral("--out")) ? c.args : c.args + QStringList{"--out", out};
        const Result r = Convert(args);
        EXPECT_EQ(r.exit, c.exit) << c.what << ": " << r.told.toStdString();
        for (const QString &told : c.told)
            EXPECT_TRUE(r.told.contains(told)) << c.what << ": " << r.told.toStdString();
        EXPECT_EQ(Files(out), c.written) << c.what;
    }

    // A file already there is kept unless the user says otherwise.
    TempHome::WriteFile(out + QStringLiteral("/good.mp3"), "mine");
    const Result kept = Convert({good, QStringLiteral("--out"), out});
    EXPECT_EQ(kept.exit, 1);
    EXPECT_EQ(TempHome::ReadFile(out + QStringLiteral("/good.mp3")), QByteArray("mine"));
    EXPECT_EQ(Convert({good, QStringLiteral("--overwrite"), QStringLiteral("--out"), out}).exit, 0);
    EXPECT_GT(Seconds(out + QStringLiteral("/good.mp3")), 0.5);
}

TEST_F(ConvertTest, DocumentsWithCodeAndMarginsAreWrittenBesideTheGoodOnesAsTheTextToBeSpoken)
{
    // Each of these once ended the converter (no fonts without a display) and the
    // whole batch with it.
    const QStringList inputs{
        Input(QStringLiteral("code.html"), "<html><body><h1>Code: the basics</h1><p>Type <code>ls</code>, <kbd>Enter</kbd>, "
                                           "<tt>x</tt> <samp>y</samp>.</p><pre>a = 1\nb = 2</pre></body></html>"),
        Input(QStringLiteral("margins.html"), "<html><head><title>ls</title></head><body>"
                                              "<p style=\"margin-left:11%; margin-top: 1em\">List <b>files</b>.</p></body></html>"),
        Input(QStringLiteral("keys.md"), "# Keys\n\nPress <kbd>Ctrl</kbd>+<kbd>C</kbd> to stop.\n"),
        Input(QStringLiteral("good.txt"), "Plain words.\n")};
    const Result r = Convert(inputs + QStringList{"--format", "txt", "--out", out, "--quiet"});
    EXPECT_EQ(r.exit, 0) << r.told.toStdString();
    EXPECT_TRUE(r.told.isEmpty()) << r.told.toStdString(); // no warnings either
    const struct
    {
        const char *file;
        QByteArray text;
    } written[]{{"Code - the basics.txt", "Code: the basics\nType ls, Enter, x y.\na = 1\nb = 2\n"},
                {"Keys.txt", "Keys\nPress Ctrl+C to stop.\n"},
                {"good.txt", "Plain words.\n"},
                {"ls.txt", "List files.\n"}};
    ASSERT_EQ(Files(out).size(), std::size(written)) << Files(out).join(QLatin1Char(' ')).toStdString();
    const mode_t mask = ::umask(0);
    ::umask(mask);
    for (const auto &w : written) {
        const QString path = out + QLatin1Char('/') + QLatin1String(w.file);
        EXPECT_EQ(TempHome::ReadFile(path), w.text) << w.file;
        struct stat st{};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << w.file;
        EXPECT_EQ(st.st_mode & 0777, 0666 & ~mask) << w.file << ": as any file made here";
    }
}

// A web page by its address: its article under its headline, or the whole page
// when asked; one that is not there is named with the server's answer.
TEST_F(ConvertTest, AWebAddressIsWrittenAsItsArticle)
{
    TWebServer server(QStringLiteral(PARLEWIND_TEST_SUPPORT "/../documents/data/pages"));
    ASSERT_TRUE(server.Running());
    const QString news = server.Address(QStringLiteral("/pages/news.html"));
    const QString gone = server.Address(QStringLiteral("/pages/gone.html"));
    const Result r = Convert({news, gone, QStringLiteral("--format"), QStringLiteral("txt"), QStringLiteral("--out"), out,
                              QStringLiteral("--quiet")});
    EXPECT_EQ(r.exit, 1);
    EXPECT_EQ(r.told.trimmed(), QStringLiteral("parlewind: %1 answered 404 Not Found; it was not opened.").arg(gone));
    ASSERT_EQ(Files(out), QStringList{QStringLiteral("Harbour wall to be rebuilt after winter storms.txt")});
    const QByteArray article = TempHome::ReadFile(out + QStringLiteral("/Harbour wall to be rebuilt after winter storms.txt"));
    EXPECT_TRUE(article.startsWith("Harbour wall to be rebuilt after winter storms\nBy Martha Quill")) << article.constData();
    EXPECT_FALSE(article.contains("cookies"));

    const Result whole = Convert({news, QStringLiteral("--whole-page"), QStringLiteral("--format"), QStringLiteral("txt"),
                                  QStringLiteral("--out"), out + QStringLiteral("/whole"), QStringLiteral("--quiet")});
    EXPECT_EQ(whole.exit, 0) << whole.told.toStdString();
    QByteArray all;
    for (const QString &file : Files(out + QStringLiteral("/whole")))
        all += TempHome::ReadFile(out + QStringLiteral("/whole/") + file);
    EXPECT_TRUE(all.contains("cookies") && all.contains("Penmoor"));
}

TEST_F(ConvertTest, ASignalStopsPromptlyAndLeavesOnlyWholeFiles)
{
    QStringList texts;
    for (int k = 0; k < 4; ++k)
        texts << Input(QStringLiteral("part%1.txt").arg(k), Prose(20000, 20000 * k));
    for (const QString &format : {QStringLiteral("mp3"), QStringLiteral("m4b"), QStringLiteral("epub")}) {
        const QString dir = out + QLatin1Char('/') + format;
        QProcess p;
        Start(p, texts + QStringList{QStringLiteral("--jobs"), QStringLiteral("1"), QStringLiteral("--format"), format,
                                     QStringLiteral("--out"), dir});
        // Speech is being written and encoded.
        ASSERT_TRUE(WaitUntil([&] {
            // One listing: the two ends of the search must be of the same list.
            const QStringList files = Files(dir);
            return std::any_of(files.begin(), files.end(), [](const QString &f) { return f.startsWith(QLatin1Char('.')); });
        }, 30000));
        Pump(300);
        QElapsedTimer clock;
        clock.start();
        ::kill(pid_t(p.processId()), SIGTERM);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_LT(clock.elapsed(), 2000);
        EXPECT_EQ(p.exitCode(), 128 + SIGTERM);
        QStringList finished = Files(dir);
        EXPECT_LT(finished.size(), 4) << "stopped before the end";
        // A book is made only at the end.
        if (format == QLatin1String("epub")) {
            EXPECT_EQ(finished, QStringList{});
        }
        for (const QString &file : finished) {
            EXPECT_TRUE(file.endsWith(QLatin1Char('.') + format)) << file.toStdString() << " left behind";
            EXPECT_GT(Seconds(dir + QLatin1Char('/') + file), 60.0) << "whole";
        }
    }
}

// Inputs that claim one size and are another: each refused at its cap, quickly,
// the good input beside them written.
TEST_F(ConvertTest, InputsAreReadOnlyUpToTheirLimits)
{
    const QString good = Input(QStringLiteral("good.txt"), "A short good text.\n");
    const struct Case
    {
        const char *name;
        QStringList args;
        QByteArray piped;
        const char *told;
    } cases[] = {
        {"endless file", {QStringLiteral("/dev/zero")}, {}, "is not a file that can be read"},
        {"large pipe", {QStringLiteral("-")}, QByteArray(70 * 1024 * 1024, 'a'), "too large"},
        {"endless saved articles", {QStringLiteral("--articles"), QStringLiteral("/dev/zero")}, {}, "too large"},
        {"binary past its start", {QStringLiteral("-")}, QByteArray(20000, 'a') + QByteArray(4000, '\x01'), "does not contain text"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(out).removeRecursively();
        const Result r = Convert(c.args + QStringList{good, QStringLiteral("--format"), QStringLiteral("wav"),
                                                      QStringLiteral("--out"), out},
                                 c.piped);
        EXPECT_EQ(r.exit, 1);
        EXPECT_TRUE(r.told.contains(QLatin1String(c.told))) << r.told.toStdString();
        EXPECT_EQ(Files(out), QStringList{"good.wav"});
    }
}

// What a killed run left is cleaned; a user's own file of any name is not; a file
// that appears at an output's name while the run goes on is kept.
TEST_F(ConvertTest, LeftoversAreCleanedAndNoFileIsReplacedWithoutOverwrite)
{
    QDir().mkpath(out);
    const QString dead = QStringLiteral(".parlewind-%1-abcdef.wav").arg(std::numeric_limits<int>::max());
    const QString live = QStringLiteral(".parlewind-%1-abcdef.wav").arg(QCoreApplication::applicationPid());
    for (const QString &name : {dead, live, QStringLiteral("temp.wav")})
        TempHome::WriteFile(out + QLatin1Char('/') + name, "left");
    const QString text = Input(QStringLiteral("long.txt"), Prose(6000, 0));
    for (const QString &format : {QStringLiteral("mp3"), QStringLiteral("wav")}) {
        SCOPED_TRACE(format.toStdString());
        const QString target = out + QStringLiteral("/long.") + format;
        QProcess p;
        Start(p, {text, QStringLiteral("--format"), format, QStringLiteral("--out"), out});
        // Made by the user (or another run) once this run has begun.
        const QString speech = QStringLiteral(".parlewind-%1-").arg(p.processId());
        ASSERT_TRUE(WaitUntil([&] { return !Files(out).filter(speech).isEmpty(); }, 30000));
        EXPECT_FALSE(Files(out).contains(dead));
        TempHome::WriteFile(target, "mine");
        ASSERT_TRUE(p.waitForFinished(120000));
        EXPECT_EQ(p.exitCode(), 1);
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("is already there")));
        EXPECT_EQ(TempHome::ReadFile(target), QByteArray("mine"));
    }
    EXPECT_EQ(Files(out), (QStringList{live, "long.mp3", "long.wav", "temp.wav"}));
}

// A book's speech takes the room of the part not yet encoded, never the whole of it.
TEST_F(ConvertTest, TheSpeechOfALongTextTakesBoundedRoomOnDisk)
{
    const QString text = Input(QStringLiteral("book.txt"), Prose(120000, 0));
    QProcess p;
    Start(p, {text, QStringLiteral("--out"), out});
    qint64 most = 0;
    while (!p.waitForFinished(50)) {
        for (const QFileInfo &file : QDir(out).entryInfoList({QStringLiteral(".parlewind-*.wav")}, QDir::Files | QDir::Hidden)) {
            struct stat st {};
            if (::stat(QFile::encodeName(file.filePath()).constData(), &st) == 0)
                most = std::max<qint64>(most, qint64(st.st_blocks) * 512);
        }
    }
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const double seconds = Seconds(out + QStringLiteral("/book.mp3"));
    EXPECT_GT(seconds * 22050 * 2, 250e6) << "the speech is longer than what may wait on disk";
    EXPECT_LT(most, 150 * 1024 * 1024) << "of " << seconds * 22050 * 2 / 1e6 << " MB of speech";
}

// A full disk fails the input that filled it; the next one has the room back.
TEST_F(ConvertTest, AfterAFullDiskTheNextInputIsWritten)
{
    QDir().mkpath(out);
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=3m", "tmpfs", out}), 0)
        << "mounting needs root (CI runs as root)";
    const QStringList inputs{Input(QStringLiteral("big.txt"), Prose(60000, 0)),
                             Input(QStringLiteral("small.txt"), "A small text after a big one.\n")};
    const Result r = Convert(inputs + QStringList{QStringLiteral("--jobs"), QStringLiteral("1"), QStringLiteral("--out"), out});
    const QStringList left = Files(out);
    QProcess::execute(QStringLiteral("umount"), {out});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.told.contains(QStringLiteral("big.txt"))) << r.told.toStdString();
    EXPECT_FALSE(r.told.contains(QStringLiteral("small.txt"))) << r.told.toStdString();
    EXPECT_FALSE(r.told.contains(QStringLiteral("OLE error"))) << "an engine's code on a terminal";
    EXPECT_EQ(left, QStringList{"small.mp3"});

    // One file of both: named as that file, not as its first input.
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=3m", "tmpfs", out}), 0);
    const Result single = Convert(inputs + QStringList{QStringLiteral("--single-file"), QStringLiteral("Both"),
                                                       QStringLiteral("--out"), out});
    QProcess::execute(QStringLiteral("umount"), {out});
    EXPECT_EQ(single.exit, 1);
    EXPECT_TRUE(single.told.contains(QStringLiteral("Both.mp3")) && !single.told.contains(QStringLiteral("big.txt")))
        << single.told.toStdString();
}

// The paragraphs of a chapter page as a reader sees them: its text without the marks.
QStringList Paragraphs(const QByteArray &page)
{
    QStringList paragraphs;
    QXmlStreamReader reader(page);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("p"))
            paragraphs << reader.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return paragraphs;
}

QByteArray Articles(const std::vector<std::pair<QByteArray, QByteArray>> &articles)
{
    QByteArray saved;
    for (const auto &[head, text] : articles)
        saved += "||||||Parlewind MP3 Start of Article||||||\r\n" + head + "\r\n" + text +
                 "\r\n||||||Parlewind MP3 End of Article||||||\r\n";
    return saved;
}

// Read-along books that a shop's checker passes: plain articles, Russian and Arabic
// ones (right to left, their sound AAC), text that would be markup, each word lit;
// the text is the articles' own, a paragraph a line.
TEST_F(ConvertTest, ReadAlongBooksPassEpubcheckAndHoldTheArticlesText)
{
    {
        TRegistryEnhanced languages;
        languages.Key = QStringLiteral("Software\\Parlewind Speech");
        languages.WriteValue(QStringLiteral("Languages"), QStringLiteral("zle/ru,sem/ar"));
    }
    struct Case
    {
        const char *name;
        QByteArray saved;
        QStringList options;
        QStringList paragraphs; // of the last chapter
        const char *html; // the last chapter's root element has these
        const char *language;
    };
    const Case cases[]{
        {"Three", Articles({{"One|Mary|1", "The first article. It has two sentences."},
                            {"Two|Mike|1", "Two\r\nThe second article, with its title as its first line."},
                            {"Three|Sam|1", "Third.\r\n\r\nAnd a paragraph after an empty line."}}),
         {}, {"Third.", "And a paragraph after an empty line."}, "xml:lang=\"en\" lang=\"en\">", "en"},
        {"Languages", Articles({{"Russian|Mary (Russian)|1", "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82, \xd0\xbc\xd0\xb8\xd1\x80. "
                                                           "\xd0\x9a\xd0\xb0\xd0\xba \xd0\xb4\xd0\xb5\xd0\xbb\xd0\xb0?"},
                                {"Arabic|Mary (Arabic)|1", "\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 \xd8\xa8\xd8\xa7\xd9\x84\xd8\xb9\xd8\xa7\xd9\x84\xd9\x85."}}),
         {QStringLiteral("--book-audio"), QStringLiteral("aac")}, {QString::fromUtf8("\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7 \xd8\xa8\xd8\xa7\xd9\x84\xd8\xb9\xd8\xa7\xd9\x84\xd9\x85.")},
         "xml:lang=\"ar\" lang=\"ar\" dir=\"rtl\">", "ru"},
        {"Markup", Articles({{"Signs|Mary|1", "Fish & chips <cheap> at \"Joe's\". Price: 5 < 6 && 7 > 3!\r\n]]> </p> &amp; stays."}}),
         {QStringLiteral("--highlight-words")}, {"Fish & chips <cheap> at \"Joe's\". Price: 5 < 6 && 7 > 3!", "]]> </p> &amp; stays."},
         "xml:lang=\"en\" lang=\"en\">", "en"},
    };
    QStringList books;
    for (const Case &c : cases) {
        const QString dir = out + QLatin1Char('/') + QLatin1String(c.name);
        const Result r = Convert(QStringList{QStringLiteral("--articles"), Input(QLatin1String(c.name) + QStringLiteral(".txt"), c.saved),
                                             QStringLiteral("--format"), QStringLiteral("epub"), QStringLiteral("--out"), dir} +
                                 c.options);
        ASSERT_EQ(r.exit, 0) << c.name << ": " << r.told.toStdString();
        const QString book = dir + QLatin1Char('/') + QLatin1String(c.name) + QStringLiteral(".epub");
        EXPECT_EQ(Files(dir), QStringList{QLatin1String(c.name) + QStringLiteral(".epub")}) << c.name << ": one book, nothing beside it";
        books << book;
        const int chapters = int(c.saved.count("Start of Article"));
        const QByteArray page = ReadAlong::Entry(book, QStringLiteral("OEBPS/c%1.xhtml").arg(chapters, 3, 10, QLatin1Char('0')));
        EXPECT_EQ(Paragraphs(page), c.paragraphs) << c.name;
        EXPECT_TRUE(page.contains(c.html)) << c.name << ": " << page.toStdString();
        const QByteArray package = ReadAlong::Entry(book, QStringLiteral("OEBPS/package.opf"));
        EXPECT_TRUE(package.contains("<dc:language>" + QByteArray(c.language) + "</dc:language>")) << c.name;
        const auto clips = ReadAlong::Clips(ReadAlong::Entry(book, QStringLiteral("OEBPS/c001.smil")));
        ASSERT_FALSE(clips.empty()) << c.name;
        EXPECT_EQ(clips.front().Text.front(), c.options.contains(QStringLiteral("--highlight-words")) ? QLatin1Char('w') : QLatin1Char('s'))
            << c.name;
        EXPECT_EQ(package.contains("audio/mp4"), c.options.contains(QStringLiteral("aac"))) << c.name;
    }
    const QStringList said = ReadAlong::EpubCheck(books);
    for (int k = 0; k < books.size(); ++k)
        EXPECT_EQ(said[k], QString()) << books[k].toStdString();
}

// A sentence is lit from the millisecond its first word is heard, as the subtitles of
// the same text show it, until the next one begins; the sound agrees.
TEST_F(ConvertTest, ReadAlongClipsAreTheSubtitlesCuesAndBeginAtTheSentencesSound)
{
    const QString text = Input(QStringLiteral("Weather.txt"), "The sun rose over the quiet hills. Birds began to sing at once.\n"
                                                               "A dog barked far away. Then all was still again.\n");
    ASSERT_EQ(Convert({text, QStringLiteral("--subtitles"), QStringLiteral("srt"), QStringLiteral("--out"), out}).exit, 0);
    ASSERT_EQ(Convert({text, QStringLiteral("--format"), QStringLiteral("epub"), QStringLiteral("--out"), out}).exit, 0);
    const QString book = out + QStringLiteral("/Weather.epub");
    const auto clips = ReadAlong::Clips(ReadAlong::Entry(book, QStringLiteral("OEBPS/c001.smil")));
    const auto cues = ReadAlong::Cues(TempHome::ReadFile(out + QStringLiteral("/Weather.srt")));
    ASSERT_EQ(clips.size(), 4u);
    ASSERT_EQ(cues.size(), clips.size());
    for (size_t k = 0; k < clips.size(); ++k) {
        EXPECT_EQ(clips[k].Text, QStringLiteral("s%1").arg(k + 1));
        EXPECT_EQ(clips[k].Begin, cues[k].Begin) << k;
        EXPECT_EQ(clips[k].End, cues[k].End) << k;
    }
    // The chapter lasts until its last clip ends, and so does the book.
    const QByteArray package = ReadAlong::Entry(book, QStringLiteral("OEBPS/package.opf"));
    const QString duration = TReadAlongBook::Clock(double(clips.back().End) / 1000);
    EXPECT_TRUE(package.contains(QStringLiteral("refines=\"#c001-overlay\">%1<").arg(duration).toUtf8())) << package.toStdString();
    EXPECT_TRUE(package.contains(QStringLiteral("<meta property=\"media:duration\">%1<").arg(duration).toUtf8()));

    // Where the sound of each sentence begins: the first loud moment after a pause.
    const QString audio = home.Root() + QStringLiteral("/c001.mp3");
    TempHome::WriteFile(audio, ReadAlong::Entry(book, QStringLiteral("OEBPS/audio/c001.mp3")));
    const std::vector<qint16> sound = MediaFiles::Decoded(audio, 22050);
    constexpr int frame = 110; // 5 ms
    std::vector<bool> loud;
    for (size_t at = 0; at + frame <= sound.size(); at += frame) {
        double sum = 0;
        for (size_t k = at; k < at + frame; ++k)
            sum += double(sound[k]) * sound[k];
        loud.push_back(std::sqrt(sum / frame) > 400);
    }
    EXPECT_NEAR(double(loud.size()) * 5, double(clips.back().End), 60) << "the last clip ends with the sound";
    for (size_t k = 1; k < clips.size(); ++k) {
        qint64 onset = -1;
        for (int f = int(clips[k].Begin / 5) - 40; f < int(clips[k].Begin / 5) + 40 && f < int(loud.size()); ++f) {
            const bool afterPause = f >= 10 && std::none_of(loud.begin() + f - 10, loud.begin() + f, [](bool b) { return b; });
            if (loud[size_t(f)] && afterPause && (onset < 0 || std::abs(f * 5 - clips[k].Begin) < std::abs(onset - clips[k].Begin)))
                onset = f * 5;
        }
        EXPECT_NEAR(double(onset), double(clips[k].Begin), 50) << "sentence " << k + 1;
    }
}

// A book is there whole or not at all: one already there is kept (or replaced when
// asked), a full disk leaves nothing, and the chapters' sound never stays beside it.
TEST_F(ConvertTest, AReadAlongBookIsWholeOrNotThere)
{
    const QString text = Input(QStringLiteral("Short.txt"), "A short story. It ends here.\n");
    QDir().mkpath(out);
    TempHome::WriteFile(out + QStringLiteral("/Short.epub"), "mine");
    const QStringList args{text, QStringLiteral("--format"), QStringLiteral("epub"), QStringLiteral("--out"), out};
    const Result kept = Convert(args);
    EXPECT_EQ(kept.exit, 1);
    EXPECT_TRUE(kept.told.contains(QStringLiteral("Short.epub is already there; --overwrite replaces it"))) << kept.told.toStdString();
    EXPECT_EQ(TempHome::ReadFile(out + QStringLiteral("/Short.epub")), "mine");
    ASSERT_EQ(Convert(args + QStringList{QStringLiteral("--overwrite")}).exit, 0);
    EXPECT_EQ(ReadAlong::Entry(out + QStringLiteral("/Short.epub"), QStringLiteral("mimetype")), "application/epub+zip");
    EXPECT_EQ(Files(out), QStringList{"Short.epub"});

    const QString full = home.Root() + QStringLiteral("/full");
    QDir().mkpath(full);
    ASSERT_EQ(QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=3m", "tmpfs", full}), 0)
        << "mounting needs root (CI runs as root)";
    const Result r = Convert({Input(QStringLiteral("big.txt"), Prose(60000, 0)), text, QStringLiteral("--format"),
                              QStringLiteral("epub"), QStringLiteral("--single-file"), QStringLiteral("Both"), QStringLiteral("--out"), full});
    const QStringList left = Files(full);
    QProcess::execute(QStringLiteral("umount"), {full});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(r.told.contains(QStringLiteral("Both.epub"))) << r.told.toStdString();
    EXPECT_EQ(left, QStringList{}) << "nothing half made";
}

TEST(ProgressBarTest, LineFitsTheTerminalAndEstimatesOnlyOnceThereIsSomethingToGoBy)
{
    struct Case
    {
        int columns;
        double fraction;
        double elapsed;
        const char *shows;
        bool estimate;
    };
    const Case cases[]{
        {80, 0.0, 0.0, "[----", false},
        {80, 0.5, 30.0, "  50%  1/4 files  1:02:05 of audio  0:30 left", true},
        {60, 0.25, 0.5, "#--", false}, // too early to tell
        {60, 0.25, 10.0, "0:30 left", true},
        {200, 1.0, 10.0, "] 100%", false},
        {30, 0.5, 10.0, "50%", true},
    };
    for (const Case &c : cases) {
        const QString line = TProgressBar::Line(c.columns, c.fraction, 1, 4, 3725, c.elapsed);
        EXPECT_LT(line.size(), c.columns) << line.toStdString();
        EXPECT_TRUE(line.contains(QLatin1String(c.shows))) << line.toStdString();
        EXPECT_EQ(line.contains(QStringLiteral(" left")), c.estimate && c.columns > 40) << line.toStdString();
    }
}

} // namespace
