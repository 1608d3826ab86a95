#include "WaveFixture.h"
#include "audio/MMWave.h"
#include "audio/PcmConvert.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"
#include "support/FakeEngine.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Wave files to 44.1 kHz: the converter's arithmetic, the RIFF reader's tolerance
// and the writer's layout, checked also with an independent reader (soxi).
namespace {

using namespace WaveFixture;

TPcmFormat Format(int channels, int rate, int bits)
{
    TPcmFormat f;
    BuildPcmFormat(f, quint16(bits), quint16(channels), rate);
    return f;
}

QList<int> Convert16(const QByteArray &in, const TPcmFormat &from, const TPcmFormat &to)
{
    QByteArray out(PcmConvertedSize(qint32(in.size()), from, to) + 8, '\0');
    const qint32 n = PcmConvert(qint32(in.size()), in.constData(), from, out.data(), to);
    QList<int> values;
    for (int i = 0; i + 1 < n; i += 2)
        values << qint16(quint8(out[i]) | quint8(out[i + 1]) << 8);
    return values;
}

TEST(PcmConvertTest, RatesRepeatOrDropFramesExactly)
{
    const TPcmFormat target = Format(1, 44100, 16);
    EXPECT_EQ(Convert16(Samples16({1, 2, 3}), Format(1, 22050, 16), target), (QList<int>{1, 1, 2, 2, 3, 3}));
    EXPECT_EQ(Convert16(Samples16({5, -5}), target, target), (QList<int>{5, -5}));

    // One second at 11025 Hz: the first frame three times, every other four times.
    QList<int> second;
    for (int i = 0; i < 11025; ++i)
        second << i;
    const QList<int> up = Convert16(Samples16(second), Format(1, 11025, 16), target);
    EXPECT_EQ(up.size(), 44099);
    EXPECT_EQ(up.mid(0, 8), (QList<int>{0, 0, 0, 1, 1, 1, 1, 2}));
    EXPECT_EQ(PcmConvertedSize(11025 * 2, Format(1, 11025, 16), target), 44100 * 2);

    // Down: 44100 to 22050 keeps every other frame, starting with the second.
    EXPECT_EQ(Convert16(Samples16({1, 2, 3, 4}), target, Format(1, 22050, 16)), (QList<int>{2, 4}));
}

TEST(PcmConvertTest, SampleFormatsAndChannelsFollowTheTables)
{
    const TPcmFormat mono16 = Format(1, 44100, 16);
    EXPECT_EQ(Convert16(QByteArray("\x80\xff\x00", 3), Format(1, 44100, 8), mono16), (QList<int>{0, 32512, -32768}));
    EXPECT_EQ(Convert16(Samples16({-1, 0, 100, 301}), Format(2, 44100, 16), mono16), (QList<int>{-1, 200}));
    EXPECT_EQ(Convert16(QByteArray("\x00\xff", 2), Format(2, 44100, 8), mono16), (QList<int>{-256}));
    EXPECT_EQ(Convert16(Samples16({7}), mono16, Format(2, 44100, 16)), (QList<int>{7, 7}));
    QByteArray out(4, '\0');
    EXPECT_EQ(PcmConvert(4, Samples16({0x1234, -32768}).constData(), mono16, out.data(), Format(1, 44100, 8)), 2);
    EXPECT_EQ(quint8(out[0]), 0x12 + 128);
    EXPECT_EQ(quint8(out[1]), 0);
    // An odd byte at the end is no frame; nothing in, nothing out; unknown formats.
    EXPECT_EQ(PcmConvert(3, Samples16({9, 9}).constData(), mono16, out.data(), mono16), 2);
    EXPECT_EQ(PcmConvert(0, nullptr, mono16, out.data(), mono16), 0);
    EXPECT_EQ(PcmConvert(2, out.constData(), Format(3, 44100, 16), out.data(), mono16), -1);
    EXPECT_EQ(PcmConvertedSize(2, mono16, Format(1, 44100, 24)), -1);
}

class WaveFileTest : public ::testing::Test
{
protected:
    void SetUp() override { Messages::TakeRecorded(); }
    QString Path(const char *name) const { return home.Root() + QLatin1Char('/') + QLatin1String(name); }
    bool Convert(const QByteArray &source, const QString &target = {})
    {
        TempHome::WriteFile(Path("temp.wav"), source);
        return voices.ConvertWaveFile(Path("temp.wav"), target.isEmpty() ? Path("temp44.wav") : target, 16, 1, 44100);
    }
    QStringList TempFiles() const { return QDir(home.Root()).entryList({QStringLiteral("*.TMP")}, QDir::Files); }

    TempHome home;
    FakeEngineInstall fake;
    TPreferences prefs;
    TTTSForm voices{prefs};
};

TEST_F(WaveFileTest, EngineRateBecomes44100WithTheWritersLayout)
{
    const QList<int> in{100, -200, 300, -400, 500};
    ASSERT_TRUE(Convert(Riff(Fmt(1, 1, 22050, 16) + Chunk("data", Samples16(in)) +
                             Chunk("LIST", QByteArray("INFO") + Chunk("INAM", QByteArray("Title\0", 6))))));
    const QByteArray out = TempHome::ReadFile(Path("temp44.wav"));
    EXPECT_EQ(out.mid(12, 8), QByteArray("fmt \x12\0\0\0", 8)); // an 18-byte format record
    EXPECT_EQ(out.mid(38, 4), QByteArray("data"));
    EXPECT_EQ(DataSamples(out), (QList<qint16>{100, 100, -200, -200, 300, 300, -400, -400, 500, 500}));
    EXPECT_EQ(out.mid(46 + 20, 12), QByteArray("fact\x04\0\0\0\x0a\0\0\0", 12));
    EXPECT_TRUE(out.contains(QByteArray("INAM\x06\0\0\0Title\0", 14))); // the INFO strings travel along
    EXPECT_EQ(Soxi(QStringLiteral("-r"), Path("temp44.wav")), QStringLiteral("44100"));
    EXPECT_EQ(Soxi(QStringLiteral("-c"), Path("temp44.wav")), QStringLiteral("1"));
    EXPECT_EQ(Soxi(QStringLiteral("-s"), Path("temp44.wav")), QStringLiteral("10"));
    EXPECT_TRUE(TempFiles().isEmpty());
    const QString log = QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile()));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Entered ConvertWaveFile [16 1 44100]\n")));
    EXPECT_TRUE(log.contains(QStringLiteral(" - Infile: ") + Path("temp.wav") + QLatin1Char('\n')));
}

TEST_F(WaveFileTest, ALongFileIsCopiedSampleForSampleAt44100)
{
    const QByteArray source = Sine(44100, 2.5, 440);
    ASSERT_TRUE(Convert(source));
    const QByteArray out = TempHome::ReadFile(Path("temp44.wav"));
    EXPECT_EQ(out.mid(46, 44100 * 5), source.mid(44, 44100 * 5));
    EXPECT_EQ(Soxi(QStringLiteral("-s"), Path("temp44.wav")), QStringLiteral("110250"));
}

TEST_F(WaveFileTest, SizesThatWereNeverFilledInAndOddBytesAreReadSensibly)
{
    // RIFF and data sizes 0, as a writer that was stopped leaves them.
    ASSERT_TRUE(Convert(Riff(Fmt(1, 1, 44100, 16) + Chunk("data", Samples16({1, 2, 3}), 0), 0)));
    EXPECT_EQ(DataSamples(TempHome::ReadFile(Path("temp44.wav"))), (QList<qint16>{1, 2, 3}));
    // An odd byte at the end of a 16-bit source (no pad byte after it).
    ASSERT_TRUE(Convert(Riff(Fmt(1, 1, 44100, 16) + QByteArray("data\x05\0\0\0", 8) + Samples16({4, 5}) + "x")));
    EXPECT_EQ(DataSamples(TempHome::ReadFile(Path("temp44.wav"))), (QList<qint16>{4, 5}));
    // Unknown chunks before the data are skipped; the data ends at the next chunk.
    ASSERT_TRUE(Convert(Riff(Fmt(1, 1, 44100, 16) + Chunk("junk", "abc") + Chunk("data", Samples16({6})) +
                             Chunk("zzzz", "1234"))));
    EXPECT_EQ(DataSamples(TempHome::ReadFile(Path("temp44.wav"))), (QList<qint16>{6}));
    // A data size never filled in, a RIFF size that is right, quiet samples first and
    // a trailer: all of the audio, up to the trailer.
    const QList<int> quietFirst{0, 0, 0, 0, 0, 0, 7, 8, 9};
    ASSERT_TRUE(Convert(Riff(Fmt(1, 1, 44100, 16) + Chunk("data", Samples16(quietFirst), 0) +
                             Chunk("LIST", QByteArray("INFO") + Chunk("INAM", QByteArray("T\0", 2))))));
    EXPECT_EQ(DataSamples(TempHome::ReadFile(Path("temp44.wav"))), (QList<qint16>{0, 0, 0, 0, 0, 0, 7, 8, 9}));
}

TEST_F(WaveFileTest, ASourceThatEndsEarlyIsAnErrorAndReplacesNothing)
{
    TempHome::WriteFile(Path("temp44.wav"), "the user's old file");
    TempHome::WriteFile(Path("temp.wav"), Sine(44100, 2.5, 440));
    TMMWave wave;
    wave.SetFileName(Path("temp.wav"));
    QFile::resize(Path("temp.wav"), 44100 * 2); // shrinks after it was read
    TPcmFormat target = Format(1, 44100, 16);
    try {
        wave.ConvertToFile(Path("temp44.wav"), &target);
        ADD_FAILURE() << "a short source converted";
    } catch (const EMMWaveError &error) {
        EXPECT_TRUE(error.Message().startsWith(QStringLiteral("Unable to convert wave file\r\r") + Path("temp.wav")));
    }
    EXPECT_EQ(TempHome::ReadFile(Path("temp44.wav")), QByteArray("the user's old file"));
    EXPECT_TRUE(TempFiles().isEmpty());
}

TEST_F(WaveFileTest, FormatsTheConverterCannotTakeAreRefusedAndNothingIsReplaced)
{
    TempHome::WriteFile(Path("temp44.wav"), "the user's old file");
    const QList<QByteArray> refused{Fmt(1, 1, 3999, 16), Fmt(1, 1, 100001, 16), Fmt(1, 1, 44100, 24),
                                    Fmt(1, 3, 44100, 16), Fmt(2, 1, 44100, 4)};
    for (const QByteArray &fmt : refused) {
        EXPECT_FALSE(Convert(Riff(fmt + Chunk("data", Samples16({1, 2, 3, 4})))));
        const auto shown = Messages::TakeRecorded();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].kind, Messages::Kind::Error);
        EXPECT_EQ(shown[0].text, QStringLiteral("This wave file is not valid for conversion"));
    }
    EXPECT_FALSE(voices.ConvertWaveFile(Path("missing.wav"), Path("temp44.wav"), 16, 1, 44100));
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Error reading wave file"));
    EXPECT_FALSE(Convert("not a wave file at all"));
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Invalid wave file..."));
    EXPECT_FALSE(Convert(Riff(Chunk("data", Samples16({1})))));
    EXPECT_EQ(Messages::TakeRecorded().value(0).text, QStringLiteral("Invalid wave file..."));
    // A target in a folder that does not exist.
    EXPECT_FALSE(Convert(Sine(22050, 0.1, 440), Path("no/such/folder/temp44.wav")));
    EXPECT_EQ(Messages::TakeRecorded().value(0).text,
              QStringLiteral("Unable to convert wave file\r\r") + Path("no/such/folder/temp44.wav") +
                  QStringLiteral(": the folder ") + Path("no/such/folder") + QStringLiteral(" does not exist"));

    EXPECT_EQ(TempHome::ReadFile(Path("temp44.wav")), QByteArray("the user's old file"));
    EXPECT_TRUE(TempFiles().isEmpty());
    ASSERT_TRUE(Convert(Sine(22050, 0.1, 440)));
    EXPECT_EQ(Soxi(QStringLiteral("-s"), Path("temp44.wav")), QStringLiteral("4410"));
}

TEST(WaveReaderTest, ChunksAreWalkedTheWayTheFileSays)
{
    // A "fact" that disagrees is corrected; a second "fmt " ends the scan.
    const QByteArray file = Riff(Fmt(1, 2, 8000, 8) + Chunk("fact", QByteArray("\x63\0\0\0", 4)) +
                                 Chunk("data", QByteArray(7, 'a')) + Fmt(1, 1, 44100, 16) + Chunk("DISP", "\1\0\0\0hi"));
    const TWaveFileInfo info = TWaveFileInfo::Parse(file, file.size());
    EXPECT_EQ(info.Format.Channels, 2);
    EXPECT_EQ(info.Format.BlockAlign, 2);
    EXPECT_EQ(info.Format.AvgBytesPerSec, 16000u);
    EXPECT_EQ(info.DataLength, 8); // to the next chunk (pad byte included), in whole frames
    EXPECT_EQ(info.Frames, 4u);
    EXPECT_TRUE(info.DispEntries.isEmpty()); // after the second "fmt ": never reached
    EXPECT_THROW(TWaveFileInfo::Parse("RIFX", 4), EMMWaveError);

    // Absurd channel and bit counts (found by fuzzing) are arithmetic, not a crash.
    const QByteArray absurd = Riff(Fmt(1, 65281, 8000, 16).replace(22, 2, "\xff\xff") + Chunk("data", "abcd"));
    const TWaveFileInfo odd = TWaveFileInfo::Parse(absurd, absurd.size());
    EXPECT_EQ(odd.Format.Channels, 65281);
    EXPECT_EQ(odd.Format.BitsPerSample, 65535);
    EXPECT_FALSE(IsConvertiblePcm(&odd.Format));
}

} // namespace
