#include "WaveFixture.h"
#include "audio/MMWave.h"
#include "audio/Mp3Encode.h"
#include "audio/AudioWriter.h"
#include "audio/OpusWriter.h"
#include "audio/SpeechToFile.h"
#include "audio/TimedText.h"
#include "log/UtilsClass.h"
#include "platform/mp3enc/BladeEnc.h"
#include "platform/shell/Messages.h"
#include "support/MediaFiles.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <cmath>
#include <thread>

#include <gtest/gtest.h>

// MP3 files through the LAME-backed encoder, decoded again by the lame program.
namespace {

using namespace WaveFixture;

class Mp3EncodeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Messages::TakeRecorded();
        Mp3AbortRequested = false;
    }
    void TearDown() override { Mp3AbortRequested = false; }
    QString Path(const char *name) const { return home.Root() + QLatin1Char('/') + QLatin1String(name); }
    // Decodes with the lame program; the decoded samples, or none.
    QList<qint16> Decode(const QString &mp3)
    {
        const QString wav = mp3 + QStringLiteral(".decoded.wav");
        QProcess lame;
        lame.start(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("--decode"), mp3, wav});
        EXPECT_TRUE(lame.waitForFinished(30000));
        EXPECT_EQ(lame.exitCode(), 0) << lame.readAllStandardError().toStdString();
        EXPECT_EQ(Soxi(QStringLiteral("-r"), wav), QStringLiteral("44100"));
        const QByteArray bytes = TempHome::ReadFile(wav);
        const qsizetype data = bytes.indexOf("data");
        QList<qint16> samples;
        for (qsizetype i = data + 8; i + 1 < bytes.size(); i += 2)
            samples << qint16(quint8(bytes[i]) | quint8(bytes[i + 1]) << 8);
        return samples;
    }
    static double Hz(const QList<qint16> &s, int rate)
    {
        int crossings = 0;
        for (int i = 1; i < s.size(); ++i)
            crossings += (s[i - 1] < 0) != (s[i] < 0);
        return crossings / 2.0 / (double(s.size()) / rate);
    }
    TempHome home;
};

TEST_F(Mp3EncodeTest, ASineComesBackWithItsLengthAndPitch)
{
    TempHome::WriteFile(Path("temp44.wav"), Sine(44100, 3.0, 440));
    QList<int> progress;
    ASSERT_TRUE(EncodeMp3File(Path("temp44.wav"), Path("sine.mp3"), [&](int p) { progress << p; }));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(progress.first(), 0);
    EXPECT_EQ(progress.last(), 100);
    const QByteArray mp3 = TempHome::ReadFile(Path("sine.mp3"));
    ASSERT_GE(mp3.size(), 2);
    EXPECT_EQ(quint8(mp3[0]), 0xFF); // an MPEG frame header: MPEG-1 Layer III
    EXPECT_EQ(quint8(mp3[1]) & 0xFE, 0xFA);
    EXPECT_NEAR(mp3.size(), 3.0 * 64000 / 8, 3000); // 64 kbit/s
    const QList<qint16> decoded = Decode(Path("sine.mp3"));
    EXPECT_NEAR(decoded.size() / 44100.0, 3.0, 0.1);
    EXPECT_NEAR(Hz(decoded.mid(4410, 44100), 44100), 440, 5);
    EXPECT_TRUE(QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())).contains(QStringLiteral(" - Starting MP3 conversion\n")));
}

TEST_F(Mp3EncodeTest, OnlyTheSamplesAreEncodedNotTheHeaderOrTrailingChunks)
{
    // Silence between a header and a trailing chunk full of loud values: any of
    // those bytes taken for samples would be heard.
    const QByteArray loud(4000, '\x7f');
    TempHome::WriteFile(Path("quiet.wav"), Riff(Fmt(1, 1, 44100, 16) + Chunk("data", QByteArray(88200, '\0')) +
                                                Chunk("LIST", QByteArray("INFO") + Chunk("ICMT", loud))));
    ASSERT_TRUE(EncodeMp3File(Path("quiet.wav"), Path("quiet.mp3")));
    int loudest = 0;
    for (qint16 v : Decode(Path("quiet.mp3")))
        loudest = std::max(loudest, std::abs(int(v)));
    EXPECT_LT(loudest, 50);
}

TEST_F(Mp3EncodeTest, EmptyAndRawInputsStillGiveMp3Files)
{
    TempHome::WriteFile(Path("empty.wav"), QByteArray());
    QList<int> progress;
    ASSERT_TRUE(EncodeMp3File(Path("empty.wav"), Path("empty.mp3"), [&](int p) { progress << p; }));
    EXPECT_TRUE(QFile::exists(Path("empty.mp3")));
    EXPECT_EQ(progress, QList<int>{0});

    // Not a wave file: raw 16-bit samples, an odd last byte left out.
    QByteArray raw = Sine(44100, 1.0, 1000).mid(44);
    raw.append('x');
    TempHome::WriteFile(Path("raw.pcm"), raw);
    ASSERT_TRUE(EncodeMp3File(Path("raw.pcm"), Path("raw.mp3")));
    EXPECT_NEAR(Decode(Path("raw.mp3")).size() / 44100.0, 1.0, 0.1);
}

TEST_F(Mp3EncodeTest, TheExitCommandEndsWithAShorterCompleteFile)
{
    TempHome::WriteFile(Path("long.wav"), Sine(44100, 6.0, 440));
    Mp3AbortRequested = true;
    QList<int> progress;
    ASSERT_TRUE(EncodeMp3File(Path("long.wav"), Path("short.mp3"), [&](int p) { progress << p; }));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_EQ(progress, QList<int>{0}); // stopped before any further progress
    const double seconds = Decode(Path("short.mp3")).size() / 44100.0;
    EXPECT_NEAR(seconds, BeSamplesPerChunk / 44100.0, 0.1);
}

TEST_F(Mp3EncodeTest, FailuresAreShownAndLeaveNoHalfFile)
{
    TempHome::WriteFile(Path("temp44.wav"), Sine(44100, 1.0, 440));
    TempHome::WriteFile(Path("keep.mp3"), "an earlier file");
    // A failed start leaves an existing file of the same name alone.
    beFailNextInit(BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_FALSE(EncodeMp3File(Path("temp44.wav"), Path("keep.mp3")));
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, Messages::Kind::Error);
    EXPECT_EQ(shown[0].text, QStringLiteral("Error opening encoding stream 2"));
    EXPECT_EQ(TempHome::ReadFile(Path("keep.mp3")), QByteArray("an earlier file"));

    EXPECT_FALSE(EncodeMp3File(Path("vanished.wav"), Path("keep.mp3")));
    EXPECT_TRUE(Messages::TakeRecorded().value(0).text.startsWith(QStringLiteral("Read Error\r\r") + Path("vanished.wav")));
    QString failure; // handed back instead of shown
    EXPECT_FALSE(EncodeMp3File(Path("vanished.wav"), Path("keep.mp3"), {}, &failure));
    EXPECT_TRUE(failure.startsWith(QStringLiteral("Read Error")));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    EXPECT_FALSE(EncodeMp3File(Path("temp44.wav"), Path("no/such/folder/x.mp3")));
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_EQ(TempHome::ReadFile(Path("keep.mp3")), QByteArray("an earlier file"));
    EXPECT_EQ(QDir(home.Root()).entryList(QDir::Files).filter(QStringLiteral("keep.mp3.")).size(), 0);
}

// Speech made into MP3 as it is written: the same bytes as resampling the finished
// file (band-limited: nothing mirrored above the voice's band) and encoding that, whatever the pieces the file grows by; and a cancelled
// one leaves nothing.
TEST_F(Mp3EncodeTest, SpeechFollowedAsItGrowsGivesTheStepsOwnFile)
{
    for (const int rate : {22050, 16000}) {
        const QByteArray whole = Sine(rate, 4.3, 440);
        // The finished file resampled in one go (band-limited), then encoded.
        TempHome::WriteFile(Path("whole.wav"), whole);
        TMMWave wave;
        wave.SetFileName(Path("whole.wav"));
        wave.BandLimited = true;
        TPcmFormat target;
        BuildPcmFormat(target, 16, 1, 44100);
        wave.ConvertToFile(Path("temp44.wav"), &target);
        EXPECT_NEAR(TempHome::ReadFile(Path("temp44.wav")).size() / 2.0, (whole.size() - 44) / 2 * 44100.0 / rate, 40.0) << rate;
        ASSERT_TRUE(EncodeMp3File(Path("temp44.wav"), Path("stepwise.mp3")));

        for (const bool cancel : {false, true}) {
            QFile::remove(Path("followed.mp3"));
            // The header as the engine writes it first: no sizes yet.
            QFile speech(Path("growing.wav"));
            ASSERT_TRUE(speech.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered));
            speech.write(Riff(Fmt(1, 1, rate, 16) + Chunk("data", {}), 36));
            TSpeechToFile job(Path("growing.wav"), Path("followed.mp3"), TOutputFormat::Mp3);
            bool ok = true;
            std::thread worker([&] { ok = job.Run(); });
            for (qsizetype at = 44, piece = 1; at < whole.size(); at += piece, piece = piece * 7 % 30011 + 1) {
                speech.write(whole.mid(at, piece));
                if (cancel && at > whole.size() / 2) {
                    job.Cancel();
                    break;
                }
                QThread::usleep(300);
            }
            speech.seek(0);
            speech.write(whole.left(44));
            speech.close();
            job.SpeechComplete();
            worker.join();
            if (cancel) {
                EXPECT_FALSE(ok);
                EXPECT_EQ(QDir(home.Root()).entryList(QDir::Files).filter(QStringLiteral("followed")), QStringList{}) << rate;
            } else {
                ASSERT_TRUE(ok) << job.Failure().toStdString();
                EXPECT_EQ(job.Percent(), 100);
                EXPECT_TRUE(TempHome::ReadFile(Path("followed.mp3")) == TempHome::ReadFile(Path("stepwise.mp3"))) << rate;
            }
        }
    }
}

// The text timed to its sound: a cue a sentence from its first word, the article's
// own words, long sentences cut at words, each format as players read it.
TEST(TimedTextTest, CuesFollowSentencesAndWords)
{
    struct Case
    {
        const char *what;
        QString text;
        std::vector<std::pair<int, double>> words; // index, seconds
        double end;
        TSubtitleFormat format;
        QString expected;
    };
    const QString twoSentences = QStringLiteral("It rained.  Then it   stopped!");
    const QString quoted = QStringLiteral("\u201cGo now,\u201d she said. \u201cRun!\u201d");
    QString longOne;
    std::vector<std::pair<int, double>> longWords;
    for (int k = 0; k < 20; ++k) {
        longWords.push_back({int(longOne.size()), 0.9 * k});
        longOne += QStringLiteral("word%1 ").arg(k);
    }
    const std::vector<Case> cases{
        {"two sentences, the text as written but for its spacing", twoSentences,
         {{0, 0.25}, {3, 0.5}, {12, 1.5}, {17, 1.75}, {22, 2.0}}, 3.0, TSubtitleFormat::Srt,
         "1\n00:00:00,250 --> 00:00:01,500\nIt rained.\n\n2\n00:00:01,500 --> 00:00:03,000\nThen it stopped!\n\n"},
        {"an opening quote goes with its sentence", quoted, {{1, 0.1}, {4, 0.3}, {10, 0.5}, {14, 0.7}, {21, 1.2}}, 2.0,
         TSubtitleFormat::Vtt,
         "WEBVTT\n\n00:00:00.100 --> 00:00:01.200\n\u201cGo now,\u201d she said.\n\n00:00:01.200 --> 00:00:02.000\n\u201cRun!\u201d\n\n"},
        {"LRC: no end times, an empty line where the sound ends", twoSentences, {{0, 0.25}, {12, 61.5}}, 62.0,
         TSubtitleFormat::Lrc, "[00:00.25]It rained.\n[01:01.50]Then it stopped!\n[01:02.00]\n"},
    };
    for (const Case &c : cases) {
        TTimedText timed;
        timed.BeginText(c.text, 0);
        for (const auto &[index, seconds] : c.words)
            timed.Word(index, seconds);
        timed.End(c.end);
        EXPECT_EQ(QString::fromUtf8(timed.Render(c.format)), c.expected) << c.what;
    }
    // A sentence of 17 seconds: cut at words, no cue longer than about 7 s, nothing lost.
    TTimedText timed;
    timed.BeginText(longOne, 10);
    for (const auto &[index, seconds] : longWords)
        timed.Word(index, 10 + seconds);
    timed.End(28);
    const QStringList cues = QString::fromUtf8(timed.Render(TSubtitleFormat::Srt)).split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(cues.size(), 3);
    QStringList joined;
    for (const QString &cue : cues)
        joined << cue.section(QLatin1Char('\n'), 2);
    EXPECT_EQ(joined.join(QLatin1Char(' ')), longOne.trimmed());
    EXPECT_TRUE(cues[1].contains(QStringLiteral("00:00:17,200 --> 00:00:24,400"))) << cues[1].toStdString();
}

// The formats our own code lays out: decoded, every sound is where it was put and
// the sound is as long as what went in. An Opus stream is encoded in segments cut
// at pauses, one encoder each (to the sample); the M4B's index skips the AAC
// encoder's priming (its last frame's padding decoders may keep).
TEST(AudioWriterTest, EncodedFilesKeepEverySoundInItsPlace)
{
    TempHome home;
    const int rate = TOpusWriter::EncodeRate;
    // Voice-like sweeps of 0.6 s apart by pauses of 0.15 s (the last sweep runs to the end).
    std::vector<qint16> sound;
    std::vector<size_t> sweeps;
    for (int k = 0; k < 10; ++k) {
        sound.resize(sound.size() + size_t(rate * 15 / 100) + size_t(37 * k), 0);
        sweeps.push_back(sound.size());
        for (int i = 0; i < rate * 6 / 10; ++i) {
            const double t = double(i) / rate;
            sound.push_back(qint16(8000 * std::sin(2 * M_PI * (200 + 500 * t) * t)));
        }
    }
    for (const TOutputFormat format : {TOutputFormat::Opus, TOutputFormat::M4b}) {
        const QString file = home.Root() + QStringLiteral("/joined") + OutputFormats::Extension(format);
        SCOPED_TRACE(file.toStdString());
        std::unique_ptr<TAudioWriter> writer = TAudioWriter::Make(format, file, TAudioTags(QStringLiteral("Joined"), {}, {}, 0));
        if (auto *opus = dynamic_cast<TOpusWriter *>(writer.get()))
            opus->SegmentSamples = rate; // a cut about every second
        ASSERT_TRUE(writer->Open(rate));
        for (size_t at = 0; at < sound.size(); at += 7777)
            ASSERT_TRUE(writer->Write(sound.data() + at, qint64(std::min<size_t>(7777, sound.size() - at))));
        ASSERT_TRUE(writer->Finish()) << writer->Failure().toStdString();

        const std::vector<qint16> decoded = MediaFiles::Decoded(file, rate);
        ASSERT_GE(decoded.size(), sound.size());
        EXPECT_LE(decoded.size(), sound.size() + (format == TOutputFormat::M4b ? 1024 : 0));
        // Each sweep matches itself best where it was put (give or take the Opus
        // decoder's resampling to 24 kHz; a join out of place is off by 6 ms or more).
        for (const size_t start : sweeps) {
            const size_t length = size_t(rate / 2);
            int best = 0;
            double bestScore = 0;
            for (int lag = -200; lag <= 200; ++lag) {
                double score = 0;
                for (size_t i = 0; i < length; ++i)
                    score += double(sound[start + i]) * decoded[size_t(qint64(start + i) + lag)];
                if (score > bestScore)
                    std::tie(best, bestScore) = std::pair(lag, score);
            }
            EXPECT_LE(std::abs(best), 3) << "the sweep at " << start;
            // And no part of it is lost (a cut in the middle of a sound loses 6 ms).
            for (size_t at = start; at + 120 <= start + size_t(rate * 6 / 10); at += 120) {
                double put = 0, heard = 0;
                for (size_t i = at; i < at + 120; ++i)
                    std::tie(put, heard) = std::pair(put + double(sound[i]) * sound[i], heard + double(decoded[i]) * decoded[i]);
                EXPECT_GT(heard, put / 2) << "the sweep at " << start << ", " << (at - start) * 1000 / rate << " ms in";
            }
        }
    }
}

} // namespace
