#include "platform/flite/FliteEngine.h"
#include "platform/sapi/Sapi.h"
#include "platform/sapi/SpeechShaping.h"
#include "platform/sapi/TextPrep.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

// The espeak-ng engine behind the speech interfaces, speaking into WAV files.
namespace {

class EngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(CreateTTSEnumerator(&enumerator, &find), S_OK);
    }

    TTSMODEINFO Mode(const QString &name)
    {
        TTSMODEINFO want;
        want.szModeName = name;
        TTSMODEINFORANK rank;
        rank.dwModeName = 10;
        TTSMODEINFO found;
        EXPECT_EQ(find->Find(want, &rank, &found), S_OK);
        EXPECT_EQ(found.szModeName, name);
        return found;
    }

    // Speaks the texts into a WAV file; the sink of each text records its events.
    WaveData SpeakToFile(const TTSMODEINFO &mode, const QStringList &texts,
                         QList<std::shared_ptr<RecordingBufSink>> *sinks = nullptr,
                         quint32 flags = 0, quint32 speed = 0)
    {
        std::shared_ptr<IAudioFile> file;
        EXPECT_EQ(CreateAudioFile(&file), S_OK);
        const QString path = home.Root() + QStringLiteral("/out.wav");
        EXPECT_EQ(file->Set(path, 1), S_OK);
        std::shared_ptr<ITTSCentral> central;
        EXPECT_EQ(enumerator->Select(mode.gModeID, &central, file), S_OK);
        if (!central)
            return {};
        if (speed > 0) {
            std::shared_ptr<ITTSAttributes> attributes;
            EXPECT_EQ(central->QueryAttributes(&attributes), S_OK);
            EXPECT_EQ(attributes->SpeedSet(speed), S_OK);
        }
        QList<std::shared_ptr<RecordingBufSink>> recorded;
        for (const QString &text : texts) {
            auto sink = std::make_shared<RecordingBufSink>();
            const WideText wide(text);
            EXPECT_EQ(central->TextData(CHARSET_TEXT, flags, wide.Data(), sink,
                                        SapiIds::IID_ITTSBufNotifySink),
                      S_OK);
            recorded << sink;
        }
        EXPECT_TRUE(WaitUntil([&] {
            for (const auto &s : recorded)
                if (s->Count(RecordingBufSink::Event::Done) == 0)
                    return false;
            return true;
        }, 30000));
        EXPECT_EQ(file->Flush(), S_OK);
        if (sinks)
            *sinks = recorded;
        return ReadWave(path);
    }

    TempHome home;
    std::shared_ptr<ITTSEnum> enumerator;
    std::shared_ptr<ITTSFind> find;
};

TEST_F(EngineTest, CatalogueHasTheNamedVoicesWithStableIds)
{
    QStringList names;
    TTSMODEINFO mode;
    quint32 fetched = 0;
    enumerator->Reset();
    while (enumerator->Next(1, &mode, &fetched) == S_OK && fetched == 1) {
        names << mode.szModeName;
        EXPECT_TRUE(mode.szProductName == QStringLiteral("Parlewind Speech") || mode.szProductName == QStringLiteral("Flite"))
            << mode.szProductName.toStdString();
        EXPECT_TRUE(mode.dwFeatures & TTSFEATURE_TAGGED);
        EXPECT_TRUE(mode.dwInterfaces & TTSI_ITTSATTRIBUTES);
        EXPECT_EQ(mode.gModeID, QUuid::createUuidV5(QUuid(QStringLiteral("{5d1b6f7e-3c1a-4f0e-9a51-7a3e2c9b8d40}")), mode.szModeName));
    }
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(names.mid(0, 9), (QStringList{"Mary", "Mike", "Sam", "RoboSoft One", "RoboSoft Two",
                                            "RoboSoft Three", "RoboSoft Four", "RoboSoft Five",
                                            "RoboSoft Six"}));

    // An empty request finds the default voice; weights pick by field.
    TTSMODEINFO found;
    ASSERT_EQ(find->Find(TTSMODEINFO{}, nullptr, &found), S_OK);
    EXPECT_EQ(found.szModeName, QStringLiteral("Mary"));
    TTSMODEINFO want;
    want.gModeID = Mode(QStringLiteral("Sam")).gModeID;
    TTSMODEINFORANK rank;
    rank.dwModeID = 10;
    ASSERT_EQ(find->Find(want, &rank, &found), S_OK);
    EXPECT_EQ(found.szModeName, QStringLiteral("Sam"));

    std::shared_ptr<ITTSCentral> central;
    std::shared_ptr<IAudioFile> file;
    CreateAudioFile(&file);
    EXPECT_EQ(enumerator->Select(QUuid::createUuid(), &central, file), TTSERR_NOENGINE);
}

TEST_F(EngineTest, EveryVoiceSpeaksIntoAValidWaveFile)
{
    enumerator->Reset();
    TTSMODEINFO mode;
    quint32 fetched = 0;
    QList<double> zcr;
    while (enumerator->Next(1, &mode, &fetched) == S_OK && fetched == 1) {
        const WaveData wave = SpeakToFile(mode, {QStringLiteral("Hello there, this is a test.")});
        ASSERT_TRUE(wave.valid) << mode.szModeName.toStdString();
        EXPECT_EQ(wave.rate, 22050);
        EXPECT_GT(wave.Seconds(), 1.0) << mode.szModeName.toStdString();
        EXPECT_LT(wave.Seconds(), 5.0) << mode.szModeName.toStdString();
        zcr << MedianPitch(wave);
    }
    // Mary (a woman's voice) speaks higher than Mike.
    EXPECT_GT(zcr[0], zcr[1] * 1.2);
}

TEST_F(EngineTest, WordPositionsPointAtTheWordsSpoken)
{
    const TTSMODEINFO mary = Mode(QStringLiteral("Mary"));
    const struct { QString text; QList<int> expected; } cases[] = {
        {QStringLiteral("The quick brown fox."), {0, 4, 10, 16}},
        {QStringLiteral("Café crème brûlée, naïve."), {0, 5, 11, 19}},
        {QStringLiteral("Hi \U0001F600 there"), {0, 3, 6}},
        {QStringLiteral("Call 555 now"), {0, 5, 9}},
        {QStringLiteral("a < b & c > d"), {0, 4, 6, 8, 12}}, // "<" and ">" are not read
    };
    for (const auto &c : cases) {
        QList<std::shared_ptr<RecordingBufSink>> sinks;
        SpeakToFile(mary, {c.text}, &sinks);
        ASSERT_EQ(sinks.size(), 1);
        const QList<int> words = sinks[0]->WordIndexes();
        EXPECT_EQ(words, c.expected) << c.text.toStdString();
        ASSERT_FALSE(sinks[0]->events.isEmpty());
        EXPECT_EQ(sinks[0]->events.first().kind, RecordingBufSink::Event::Started);
        EXPECT_EQ(sinks[0]->events.last().kind, RecordingBufSink::Event::Done);
        EXPECT_EQ(sinks[0]->Count(RecordingBufSink::Event::Done), 1);
    }

    // Text in a script the voice does not read still reports only real positions.
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    const QString cjk = QStringLiteral("日本語 テキスト and more");
    SpeakToFile(mary, {cjk}, &sinks);
    const QList<int> words = sinks[0]->WordIndexes();
    ASSERT_FALSE(words.isEmpty());
    for (int i = 0; i < words.size(); ++i) {
        EXPECT_GE(words[i], 0);
        EXPECT_LT(words[i], cjk.size());
        if (i > 0) {
            EXPECT_GT(words[i], words[i - 1]);
        }
    }
    EXPECT_TRUE(words.contains(cjk.indexOf(QStringLiteral("and"))));
}

TEST_F(EngineTest, EmptyAndQueuedTextsEachEndOnce)
{
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    const WaveData wave = SpeakToFile(Mode(QStringLiteral("Mike")),
                                      {QString(), QStringLiteral("One."), QStringLiteral("Two.")},
                                      &sinks);
    ASSERT_TRUE(wave.valid);
    for (const auto &sink : sinks) {
        EXPECT_EQ(sink->Count(RecordingBufSink::Event::Started), 1);
        EXPECT_EQ(sink->Count(RecordingBufSink::Event::Done), 1);
    }
    EXPECT_TRUE(sinks[0]->WordIndexes().isEmpty());
    Pump(200);
    for (const auto &sink : sinks)
        EXPECT_EQ(sink->Count(RecordingBufSink::Event::Done), 1);
}

TEST_F(EngineTest, ControlTagsChangeSpeedAndPitchWherePlaced)
{
    const TTSMODEINFO mike = Mode(QStringLiteral("Mike"));
    const QString sentence = QStringLiteral("The rain in Spain stays mainly in the plain.");
    const WaveData slow = SpeakToFile(mike, {QStringLiteral("\\Spd=100\\") + sentence}, nullptr, TTSDATAFLAG_TAGGED);
    const WaveData fast = SpeakToFile(mike, {QStringLiteral("\\Spd=300\\") + sentence}, nullptr, TTSDATAFLAG_TAGGED);
    EXPECT_GT(slow.Seconds(), fast.Seconds() * 2.0);

    const WaveData low = SpeakToFile(mike, {QStringLiteral("\\Pit=5\\") + sentence}, nullptr, TTSDATAFLAG_TAGGED);
    const WaveData high = SpeakToFile(mike, {QStringLiteral("\\Pit=95\\") + sentence}, nullptr, TTSDATAFLAG_TAGGED);
    EXPECT_GT(MedianPitch(high), MedianPitch(low) * 1.15);

    // The tags themselves are not read out, and positions still fit the words.
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    SpeakToFile(mike, {QStringLiteral("Slow \\Spd=300\\fast words")}, &sinks, TTSDATAFLAG_TAGGED);
    EXPECT_EQ(sinks[0]->WordIndexes(), (QList<int>{0, 14, 19}));

    // Without the tagged flag the text is just text, and the tag is read out.
    const QString tagged = QStringLiteral("Slow \\Spd=300\\fast");
    EXPECT_GT(SpeakToFile(mike, {tagged}, nullptr, 0).Seconds(),
              SpeakToFile(mike, {tagged}, nullptr, TTSDATAFLAG_TAGGED).Seconds() + 0.5);
}

TEST_F(EngineTest, LongTextsSpeakInPiecesWithoutLosingWordsOrTags)
{
    QString text;
    int wordCount = 0;
    while (text.size() < 12000) {
        text += QStringLiteral("Word number %1 comes next. ").arg(wordCount / 5);
        wordCount += 5;
    }
    const TTSMODEINFO sam = Mode(QStringLiteral("Sam"));
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    const WaveData normal = SpeakToFile(sam, {text}, &sinks, TTSDATAFLAG_TAGGED);
    const QList<int> words = sinks[0]->WordIndexes();
    EXPECT_EQ(words.size(), wordCount);
    for (int i = 1; i < words.size(); ++i)
        ASSERT_GT(words[i], words[i - 1]);
    EXPECT_EQ(words.last(), text.lastIndexOf(QStringLiteral("next")));
    for (int index : words)
        ASSERT_TRUE(index == 0 || text.at(index - 1) == QLatin1Char(' ')) << index;

    // A speed set at the start holds to the end, across the pieces.
    const WaveData fast = SpeakToFile(sam, {QStringLiteral("\\Spd=330\\") + text}, nullptr, TTSDATAFLAG_TAGGED);
    EXPECT_LT(fast.Seconds(), normal.Seconds() * 0.6);
}

TEST_F(EngineTest, PronunciationsApplyToWholeWordsAndKeepPositions)
{
    TempHome::WriteFile(home.ProgramDir() + QStringLiteral("/Lexicon.txt"),
                        "Parlewind\tpar lay wind\nGIF\tjiff\n");
    const TTSMODEINFO mary = Mode(QStringLiteral("Mary"));
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    const WaveData with = SpeakToFile(mary, {QStringLiteral("parlewind reads a gif")}, &sinks);
    EXPECT_EQ(sinks[0]->WordIndexes(), (QList<int>{0, 10, 16, 18}));

    TempHome::WriteFile(home.ProgramDir() + QStringLiteral("/Lexicon.txt"), "");
    const WaveData without = SpeakToFile(mary, {QStringLiteral("parlewind reads a gif")}, &sinks);
    EXPECT_NE(with.samples.size(), without.samples.size());
}

TEST_F(EngineTest, AttributesClampAndPhonemesComeFromTheLibrary)
{
    std::shared_ptr<IAudioFile> file;
    CreateAudioFile(&file);
    file->Set(home.Root() + QStringLiteral("/a.wav"), 1);
    std::shared_ptr<ITTSCentral> central;
    ASSERT_EQ(enumerator->Select(Mode(QStringLiteral("Sam")).gModeID, &central, file), S_OK);
    std::shared_ptr<ITTSAttributes> attributes;
    ASSERT_EQ(central->QueryAttributes(&attributes), S_OK);
    quint16 pitch = 0;
    quint32 speed = 0;
    attributes->PitchSet(0);
    attributes->PitchGet(&pitch);
    EXPECT_EQ(pitch, 1);
    attributes->PitchSet(0xFFFF);
    attributes->PitchGet(&pitch);
    EXPECT_EQ(pitch, 100);
    attributes->SpeedSet(0);
    attributes->SpeedGet(&speed);
    EXPECT_EQ(speed, 88u); // half the normal speed
    attributes->SpeedSet(0xFFFFFFFF);
    attributes->SpeedGet(&speed);
    EXPECT_EQ(speed, 700u); // four times

    QByteArray phonemes;
    const WideText hello(QStringLiteral("hello world"));
    ASSERT_EQ(central->Phoneme(CHARSET_TEXT, 0, hello.Data(), &phonemes), S_OK);
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(phonemes.constData()));
    EXPECT_TRUE(text.contains(QLatin1Char('h'))) << text.toStdString();
    EXPECT_TRUE(text.contains(QLatin1Char('w'))) << text.toStdString();

    std::shared_ptr<ITTSDialogs> dialogs;
    ASSERT_EQ(central->QueryDialogs(&dialogs), S_OK);
    EXPECT_EQ(dialogs->TranslateDlg(nullptr, QString()), E_NOTIMPL);
    file->Flush();
}

TEST_F(EngineTest, AFileThatCannotBeWrittenIsReported)
{
    std::shared_ptr<IAudioFile> file;
    CreateAudioFile(&file);
    EXPECT_EQ(file->Set(home.Root() + QStringLiteral("/no/such/folder/x.wav"), 1), TTSERR_DISKERROR);
    EXPECT_EQ(file->Set(QString(), 1), E_INVALIDARG);
}

TEST(TextPrepTest, MarkupIsSafeAndMapsBack)
{
    const QString text = QStringLiteral("a<b>&\x01\\Pit=80\\x");
    const PreparedText p = TextPrep::Prepare(text, true, {50, 175}, {});
    const std::string &m = p.markup;
    EXPECT_NE(m.find("a&lt;b&gt;&amp; "), std::string::npos) << m;
    EXPECT_NE(m.find("<prosody pitch=\"80\" rate=\"100%\">x</prosody>"), std::string::npos) << m;
    // Every markup character points into the text.
    const int x = static_cast<int>(m.find(">x<")) + 2; // 1-based position of "x"
    EXPECT_EQ(p.OriginalIndex(x), text.indexOf(QLatin1Char('x')));
    EXPECT_EQ(p.OriginalIndex(0), -1);
    EXPECT_EQ(p.OriginalIndex(100000), -1);
    // Not tagged: the backslashes are plain text.
    EXPECT_EQ(TextPrep::Prepare(text, false, {50, 175}, {}).markup.find("prosody"), std::string::npos);
}

// The longest silence (softer than -42 dB) that ends in the 20 ms before a place in
// the sound, in ms: a voice may start a word with a faint click after its pause.
double SilenceBefore(const WaveData &wave, qsizetype at)
{
    at = std::min(at, wave.samples.size());
    qsizetype longest = 0;
    for (qsizetype end = at; end >= 0 && end >= at - wave.rate / 50; --end) {
        qsizetype start = end;
        while (start > 0 && std::abs(wave.samples[start - 1]) < 256)
            --start;
        longest = std::max(longest, end - start);
    }
    return longest * 1000.0 / wave.rate;
}

TEST(SpeechShapingTest, SentencesAndParagraphsStartWhereAReaderPauses)
{
    const struct
    {
        const char *text;
        QList<int> starts;     // where a pause goes before the sentence
        QList<int> paragraphs; // ... a paragraph's
    } cases[] = {
        {"One. Two? Three!", {5, 10}, {}},
        {"He said: \u201cGo.\u201d Then left.", {15}, {}},
        {"A line wrapped\nby hand goes on. Next.", {32}, {}},
        {"First.\nSecond.\n\nThird.", {7, 16}, {7, 16}},
        {"  (Aside.) \u00BFQu\u00E9? Fin.", {11, 17}, {}},
    };
    for (const auto &c : cases) {
        QList<int> starts, paragraphs;
        for (const SpeechShaping::Boundary &b : SpeechShaping::Boundaries(QString::fromUtf8(c.text))) {
            starts << b.from;
            if (b.paragraph)
                paragraphs << b.from;
        }
        EXPECT_EQ(starts, c.starts) << c.text;
        EXPECT_EQ(paragraphs, c.paragraphs) << c.text;
    }
    EXPECT_EQ(PauseLengths::FromString(QStringLiteral("120,250,450")).Named(), PauseLengths::Short);
    EXPECT_EQ(PauseLengths::FromString(QStringLiteral("1,2")), PauseLengths());
    EXPECT_EQ(PauseLengths::FromString(QStringLiteral("1,2,999999")), PauseLengths());
}

// Flite's voices, through the same interfaces.
class FliteTest : public EngineTest
{
protected:
    void SetUp() override
    {
        FliteEngine::Register();
        EngineTest::SetUp();
    }
};

// The pauses are the chosen lengths, shrinking with the speed, for espeak-ng and
// Flite alike, within the engines' own speeds and beyond them (where the sound is
// stretched); every word is still marked where its sound starts.
TEST_F(FliteTest, PausesAreTheChosenLengthsAtEverySpeed)
{
    const QString text = QStringLiteral("The cat sat on the mat today. Then it went to sleep in the sun.\n\n"
                                        "A new paragraph starts here. And the last one ends it.");
    const int then = int(text.indexOf(QStringLiteral("Then"))), paragraph = int(text.indexOf(QStringLiteral("A new"))),
              last = int(text.indexOf(QStringLiteral("And")));
    const PauseLengths pauses{200, 500, 700};
    SpeechShaping::SetPauses(pauses);
    const struct
    {
        const char *voice;
        int speed;
    } cases[] = {{"Mary", 175}, {"Mary", 437}, {"Mary", 700}, {"Flite RMS (US male)", 175}, {"Flite RMS (US male)", 437}};
    for (const auto &c : cases) {
        const QString what = QStringLiteral("%1 at %2").arg(QLatin1String(c.voice)).arg(c.speed);
        const TTSMODEINFO mode = Mode(QLatin1String(c.voice));
        QList<std::shared_ptr<RecordingBufSink>> sinks;
        const WaveData wave = SpeakToFile(mode, {text}, &sinks, 0, quint32(c.speed));
        ASSERT_EQ(sinks.size(), 1);
        const double scale = double(SpeechShaping::NormalRate) / c.speed;
        QMap<int, qsizetype> at; // word -> its first sample
        for (const auto &e : sinks[0]->events)
            if (e.kind == RecordingBufSink::Event::Word && !at.contains(int(e.value / 2)))
                at[int(e.value / 2)] = qsizetype(e.stamp / 2);
        for (const auto &[word, wanted] : {std::pair{then, pauses.sentence}, {paragraph, pauses.paragraph}, {last, pauses.sentence}}) {
            ASSERT_TRUE(at.contains(word)) << what.toStdString();
            // The mark is the sound's start (a soft one within 15 ms), after the pause.
            qsizetype onset = at[word];
            while (onset < wave.samples.size() && std::abs(wave.samples[onset]) < 256)
                ++onset;
            EXPECT_LE(onset - at[word], wave.rate * 15 / 1000) << what.toStdString() << " word " << word;
            EXPECT_NEAR(SilenceBefore(wave, onset), wanted * scale, 20) << what.toStdString() << " word " << word;
        }
        EXPECT_NEAR(SilenceBefore(wave, wave.samples.size()), pauses.article * scale, 20) << what.toStdString();
        EXPECT_LT(SilenceBefore(wave, at.first() + 1), 20) << what.toStdString() << ": no silence before the first word";
    }
    SpeechShaping::SetPauses({});
}

// Each word is highlighted where it stands in the article, whatever the library
// made of it: the words of an amount or a number, an address, a folded letter.
TEST_F(FliteTest, EveryWordIsHighlightedAtItsOwnPlace)
{
    const TTSMODEINFO slt = Mode(QStringLiteral("Flite SLT (US female)"));
    const struct
    {
        QString text;
        QStringList words; // the runs highlighted, in order
    } cases[] = {
        {QStringLiteral("The caf\u00e9\u2019s \u201cmenu\u201d costs $12.50 \u2014 isn\u2019t it?"),
         {"The", "caf\u00e9\u2019s", "\u201cmenu\u201d", "costs", "$12.50", "isn\u2019t", "it?"}},
        {QStringLiteral("In 1999, write to bob@example.com\u2026 well-known na\u00efve r\u00e9sum\u00e9s."),
         {"In", "1999,", "write", "to", "bob@example.com\u2026", "well-known", "na\u00efve", "r\u00e9sum\u00e9s."}},
        {QStringLiteral("Hi \U0001F600 there \u05E9\u05DC\u05D5\u05DD and\tmore"), {"Hi", "there", "and", "more"}},
        // Control characters; a number and a word too long to say whole are cut, but highlighted once.
        {QStringLiteral("Ring\u0007 \u0001the 12345678901234567890123456789 bell") + QString(300, QLatin1Char('z')) +
             QStringLiteral(" now"),
         {"Ring\u0007", "the", "12345678901234567890123456789", "bell" + QString(300, QLatin1Char('z')), "now"}},
    };
    for (const auto &c : cases) {
        QList<std::shared_ptr<RecordingBufSink>> sinks;
        SpeakToFile(slt, {c.text}, &sinks);
        ASSERT_EQ(sinks.size(), 1);
        QStringList words;
        for (const int index : sinks[0]->WordIndexes())
            words << c.text.mid(index).section(QRegularExpression(QStringLiteral("\\s")), 0, 0);
        EXPECT_EQ(words, c.words) << c.text.toStdString();
        EXPECT_EQ(sinks[0]->Count(RecordingBufSink::Event::Done), 1);
    }
    // A run no one says (a 200,000-letter "word", 100,000 digits) is spoken in
    // part, in moments: the voice would spell it for hours.
    for (const QString &run : {QString(200000, QLatin1Char('q')), QString(100000, QLatin1Char('7'))}) {
        QList<std::shared_ptr<RecordingBufSink>> sinks;
        EXPECT_LT(SpeakToFile(slt, {run + QStringLiteral(" and on")}, &sinks).Seconds(), 120) << run.size();
    }
}

// A long text for a file is made in pieces at once (one a core): the pieces join
// without a word lost, twice spoken or out of place, and the file holds as much
// sound as the text spoken in one go.
TEST_F(FliteTest, ALongTextForAFileIsMadeInPiecesThatJoin)
{
    const TTSMODEINFO slt = Mode(QStringLiteral("Flite SLT (US female)"));
    QString text;
    for (int k = 1; k <= 60; ++k)
        text += QStringLiteral("Line %1 says hello to the quiet reader. ").arg(k);
    QList<std::shared_ptr<RecordingBufSink>> sinks;
    const WaveData whole = SpeakToFile(slt, {text}, &sinks);
    ASSERT_EQ(sinks.size(), 1);
    QList<int> starts;
    const QRegularExpression word(QStringLiteral("\\S+"));
    for (auto it = word.globalMatch(text); it.hasNext();)
        starts << int(it.next().capturedStart());
    EXPECT_EQ(sinks[0]->WordIndexes(), starts);
    // Flite's own program, reading the text as a file (as sentences, as we do).
    TempHome::WriteFile(home.Root() + QStringLiteral("/text.txt"), text.toUtf8());
    QProcess flite;
    flite.start(QStringLiteral("flite"), {QStringLiteral("-voice"), QStringLiteral("slt"), QStringLiteral("-f"),
                                          home.Root() + QStringLiteral("/text.txt"), QStringLiteral("-o"),
                                          home.Root() + QStringLiteral("/own.wav")});
    ASSERT_TRUE(flite.waitForFinished(120000));
    const WaveData own = ReadWave(home.Root() + QStringLiteral("/own.wav"));
    ASSERT_GT(own.Seconds(), 0);
    // Its sound, that is: the pauses are ours.
    EXPECT_NEAR(SpokenSeconds(whole), SpokenSeconds(own), SpokenSeconds(own) * 0.02);
}

// Beyond the engine's fastest (espeak-ng's 450 words a minute, Flite's half again its normal pace)
// the sound is stretched: as much shorter as asked, its pitch kept.
TEST_F(FliteTest, FasterThanTheEngineKeepsThePitch)
{
    const QString text = QStringLiteral("The quick brown fox jumps over the lazy dog while the farmer sleeps in the barn.");
    SpeechShaping::SetPauses({0, 0, 0});
    const struct
    {
        const char *voice;
        int speed, fastest;
    } cases[] = {{"Mary", 437, 450}, {"Mary", 700, 450}, {"Flite RMS (US male)", 437, 262}};
    for (const auto &c : cases) {
        const TTSMODEINFO mode = Mode(QLatin1String(c.voice));
        const WaveData normal = SpeakToFile(mode, {text}, nullptr, 0, 175);
        const WaveData fast = SpeakToFile(mode, {text}, nullptr, 0, quint32(c.speed));
        EXPECT_NEAR(MedianPitch(fast) / MedianPitch(normal), 1.0, 0.05) << c.voice << " at " << c.speed;
        if (c.speed > c.fastest) {
            const WaveData fastest = SpeakToFile(mode, {text}, nullptr, 0, quint32(c.fastest));
            EXPECT_NEAR(fast.Seconds() / fastest.Seconds(), double(c.fastest) / c.speed, 0.05) << c.voice;
        }
    }
    SpeechShaping::SetPauses({});
}

} // namespace
