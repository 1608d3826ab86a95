#include "platform/sapi/EspeakEngine.h"
#include "platform/sapi/EspeakLanguages.h"
#include "platform/sapi/EspeakWorker.h"
#include "platform/sapi/LanguagesDialog.h"
#include "platform/shell/Messages.h"
#include "settings/Preferences.h"
#include "speech/SpTools.h"
#include "speech/TTSForm.h"
#include "speech/TextLanguages.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <QTest>

#include <map>

#include <gtest/gtest.h>

// Voices for the languages the engine speaks, chosen in its Languages dialog, on
// the real engine and without a sound server.
namespace {

// Speech into files needs no sound card.
struct FileVoices : TTTSForm
{
    using TTTSForm::TTTSForm;
    int TestWaveOutDevice(int) override { return 0; }
};

class LanguagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DetectSpeechSupport(false);
        Messages::SetRecording(true);
        prefs.Load();
        prefs.LoadFields();
        voices.Initialize();
        voices.LoadVoiceSettings();
    }
    void TearDown() override { EspeakLanguages::SetChecked({}); }

    // Opens the dialog as a user would, does `steps` in it and presses OK.
    bool ChooseLanguages(const std::function<void(LanguagesDialog &)> &steps, const QStringList &uses = {})
    {
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<LanguagesDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            steps(*dialog);
            dialog->accept();
        });
        return voices.LanguagesDialog(nullptr, QStringLiteral("Languages"), [&](const QStringList &) { return uses; });
    }
    static void Check(LanguagesDialog &dialog, const char *identifier, bool on)
    {
        QListWidgetItem *item = dialog.ItemOf(QLatin1String(identifier));
        ASSERT_NE(item, nullptr) << identifier;
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    // Speaks into a WAV file with the voice; the word offsets reported.
    QList<int> Speak(const QString &voice, const QString &text, double *seconds)
    {
        const QString file = home.Root() + QStringLiteral("/speech.wav");
        QList<int> words;
        int done = 0;
        voices.TTS1->OnWordPosition = [&](TTTS *, quint64, quint32 offset) { words << int(offset); };
        voices.TTS1->OnTextDataDone = [&](TTTS *, quint64, quint32) { ++done; };
        EXPECT_TRUE(voices.PlayToFileInit(voice, file)) << voice.toStdString();
        voices.SpeakText(text);
        EXPECT_TRUE(WaitUntil([&] { return done == 1; }, 20000));
        voices.TTS1->SetActive(false);
        *seconds = ReadWave(file).Seconds();
        return words;
    }

    TempHome home;
    TPreferences prefs;
    FileVoices voices{prefs};
};

TEST_F(LanguagesTest, CheckingGermanGivesVoicesThatSpeakGermanAndStayChosenAfterARestart)
{
    ASSERT_EQ(voices.FindVoice(QStringLiteral("Mary (German)")), nullptr);
    voices.FindVoice(QStringLiteral("Mike"))->Speed = 222; // not stored yet
    ASSERT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) {
        // Found by its own name and by its English one.
        dialog.SearchEdit->setText(QStringLiteral("deutsch"));
        // Enter moves to what was found; it does not close the dialog.
        dialog.show();
        QTest::keyClick(dialog.SearchEdit, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.LanguageList->currentItem(), dialog.ItemOf(QStringLiteral("gmw/de")));
        EXPECT_FALSE(dialog.ItemOf(QStringLiteral("gmw/de"))->isHidden());
        EXPECT_TRUE(dialog.ItemOf(QStringLiteral("roa/fr"))->isHidden());
        EXPECT_EQ(dialog.ItemOf(QStringLiteral("gmw/de"))->text(), QStringLiteral("Deutsch – German"));
        EXPECT_EQ(dialog.TestBtn->accessibleName(), QStringLiteral("Test German")) << "Test speaks what is found";
        Check(dialog, "gmw/de", true);
    }));
    for (const char *name : {"Mary (German)", "Mike (German)"})
        EXPECT_NE(voices.FindVoice(QLatin1String(name)), nullptr) << name;
    EXPECT_EQ(voices.FindVoice(QStringLiteral("Mike"))->Speed, 222) << "the other voices keep their values";

    // German phonemes, not English ones, and speech of a plausible length.
    const QString sentence = QStringLiteral("Ich möchte ein Brötchen mit Käse, bitte.");
    voices.TTS1->SetOutputDest(odFile);
    voices.TTS1->SetOutputFile(home.Root() + QStringLiteral("/p.wav"));
    voices.TTS1->SetModeID(voices.FindVoice(QStringLiteral("Mary (German)"))->ModeID);
    voices.TTS1->SetActive(true);
    voices.TTS1->ConvertToPhoneme(csText, 0, sentence);
    const QString phonemes = voices.TTS1->PhonemeText();
    voices.TTS1->SetActive(false);
    EXPECT_EQ(phonemes, EspeakWorker::Instance().TextToPhonemes(sentence, QStringLiteral("gmw/de"), false));
    EXPECT_NE(phonemes, EspeakWorker::Instance().TextToPhonemes(sentence, QStringLiteral("gmw/en-US"), false));
    double seconds = 0;
    Speak(QStringLiteral("Mary (German)"), sentence, &seconds);
    EXPECT_GT(seconds, 1.5);
    EXPECT_LT(seconds, 6.0);

    // A program started now offers them (the command line lists its voices).
    QProcess program;
    program.start(QStringLiteral(PARLEWIND_BINARY), {QStringLiteral("--convert"), QStringLiteral("--list-voices")});
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString listed = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(listed.contains(QStringLiteral("Mary (German)"))) << listed.toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("Mike (German)"))) << listed.toStdString();
}

TEST_F(LanguagesTest, UncheckingAVoiceInUseAsksFirstAndItsUsersFallBack)
{
    ASSERT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) { Check(dialog, "gmw/de", true); }));
    prefs.TTS_DefaultVoiceName = QStringLiteral("Mary (German)");
    const QStringList uses{QStringLiteral("article 1 \"Nachrichten\" (Mary (German))")};

    // Told who uses it; "No" keeps the language.
    Messages::SetAnswer(false);
    EXPECT_FALSE(ChooseLanguages([](LanguagesDialog &dialog) {
        Check(dialog, "gmw/de", false);
        EXPECT_EQ(dialog.ItemOf(QStringLiteral("gmw/de"))->checkState(), Qt::Checked);
    }, uses));
    const auto asked = Messages::TakeRecorded();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].kind, Messages::Kind::Question);
    EXPECT_TRUE(asked[0].text.contains(uses[0])) << asked[0].text.toStdString();

    // "Yes": the voices go; the default voice falls back as an unknown one does,
    // and an article naming the voice is told it does not exist when read.
    Messages::SetAnswer(true);
    EXPECT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) { Check(dialog, "gmw/de", false); }, uses));
    EXPECT_EQ(voices.FindVoice(QStringLiteral("Mary (German)")), nullptr);
    EXPECT_EQ(prefs.TTS_DefaultVoiceName, QStringLiteral("Mary"));
    Messages::TakeRecorded();
    EXPECT_FALSE(voices.PlayToFileInit(QStringLiteral("Mary (German)"), home.Root() + QStringLiteral("/x.wav")));
    const auto told = Messages::TakeRecorded();
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0].text, QStringLiteral("Voice Mary (German) does not exist"));
}

TEST_F(LanguagesTest, WordPositionsLandOnTheWordsOfRightToLeftScripts)
{
    ASSERT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) {
        Check(dialog, "sem/he", true);
        Check(dialog, "sem/ar", true);
    }));
    const struct
    {
        const char *voice;
        QString text;
    } cases[]{
        {"Mary (Hebrew)", QStringLiteral("שלום לכולם, הספר הזה יפה מאוד.")},
        {"Mike (Arabic)", QStringLiteral("مرحبا بكم في هذا الكتاب الجميل.")},
    };
    for (const auto &c : cases) {
        QList<int> expected; // where each word starts, in UTF-16 bytes
        for (int i = 0; i < c.text.size(); ++i) {
            if (c.text[i].isLetter() && (i == 0 || !c.text[i - 1].isLetter()))
                expected << i * 2;
        }
        double seconds = 0;
        EXPECT_EQ(Speak(QLatin1String(c.voice), c.text, &seconds), expected) << c.voice;
        EXPECT_GT(seconds, 1.0) << c.voice;
    }
}

// English with sentences and quotes in other languages, read into a file by an
// English voice: every word is read by a voice of its language, as the engine tells
// its changes of voice, and no English sentence changes voice; words stay in order
// across the changes. The setting that keeps every article to its own voice holds.
TEST_F(LanguagesTest, EachLanguageOfATextIsReadByAVoiceOfItsOwn)
{
    ASSERT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) {
        for (const char *language : {"gmw/de", "roa/fr", "roa/es", "zle/ru", "jpx/ja"})
            Check(dialog, language, true);
    }));
    QFile file(QStringLiteral(PARLEWIND_TEST_DATA "/mixed-languages.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString mixed = QString::fromUtf8(file.readAll());
    // A long text's languages past its first part are found while that part is read:
    // they are the same as when the whole text is looked at before reading.
    QString english;
    while (english.size() < 9000)
        english += QStringLiteral(
                       "The garden behind the old house was quiet in the morning, and the children "
                       "walked slowly along the path to the river. ")
                       .repeated(4) +
                   QLatin1Char('\n');
    QStringList lines = mixed.split(QLatin1Char('\n'));
    std::reverse(lines.begin(), lines.end());
    const QString reversed = lines.join(QLatin1Char('\n'));
    QList<QList<int>> wordsOf; // where the words told of a text are
    QList<QList<std::pair<int, QString>>> changesOf;
    for (const auto &[text, ownVoiceOnly, whole] : {std::tuple{mixed, false, false},
                                                    {mixed, true, false},
                                                    {mixed + english + reversed, false, true},
                                                    {mixed + english + reversed, false, false}}) {
        const QList<TLanguageRange> parts = TTextLanguages::Find(text, QStringLiteral("en"));
        ASSERT_EQ(parts.size(), text == mixed ? 8 : 16);
        const auto partAt = [&](int index) {
            for (const TLanguageRange &r : parts) {
                if (index >= r.Start && index < r.Start + r.Length)
                    return r.Language;
            }
            return QStringLiteral("en");
        };
        prefs.TTS_OwnVoiceOnly = ownVoiceOnly;
        QList<std::pair<int, QString>> changes; // where, and the language of the voice from there
        QList<std::pair<int, quint64>> words;   // where, and its place in the sound
        int done = 0;
        voices.TTS1->OnVoiceChange = [&](TTTS *, quint64, quint32 offset, const QUuid &mode) {
            const auto voice = std::find_if(voices.Voices.begin(), voices.Voices.end(), [&](const auto &v) { return v->ModeID == mode; });
            ASSERT_NE(voice, voices.Voices.end());
            changes.append({int(offset / 2), TTextLanguages::Primary(TTTSForm::LanguageOf((*voice)->Name))});
        };
        voices.TTS1->OnWordPosition = [&](TTTS *, quint64 at, quint32 offset) { words.append({int(offset / 2), at}); };
        voices.TTS1->OnTextDataDone = [&](TTTS *, quint64, quint32) { ++done; };
        ASSERT_TRUE(voices.PlayToFileInit(QStringLiteral("Mary"), home.Root() + QStringLiteral("/mixed.wav")));
        if (whole) // every language found before the reading starts
            voices.TTS1->Speak(
                text, voices.VoiceParts(text, *voices.FindVoice(QStringLiteral("Mary")), {}));
        else
            voices.SpeakText(text);
        ASSERT_TRUE(WaitUntil([&] { return done == 1; }, 60000));
        voices.TTS1->SetActive(false);
        voices.TTS1->OnVoiceChange = nullptr;
        EXPECT_GT(words.size(), 350);
        wordsOf.append(QList<int>());
        for (const auto &[index, at] : words)
            wordsOf.last().append(index);
        if (ownVoiceOnly) {
            EXPECT_TRUE(changes.isEmpty());
            continue;
        }
        changesOf.append(changes);
        if (text == mixed) {
            EXPECT_EQ(changes.size(), 16) << "into each part and back";
        } else if (!whole) { // as read when found at once: no word lost or told twice
            EXPECT_EQ(wordsOf[3], wordsOf[2]);
            EXPECT_EQ(changesOf[2], changesOf[1]);
        }
        QStringList misread;
        quint64 before = 0;
        for (const auto &[index, at] : words) {
            QString reading = QStringLiteral("en");
            for (const auto &[from, language] : changes) {
                if (from <= index)
                    reading = language;
            }
            if (reading != partAt(index))
                misread << QStringLiteral("%1 (%2 read as %3)").arg(text.mid(index, 12), partAt(index), reading);
            EXPECT_GE(at, before) << text.mid(index, 12).toStdString();
            before = at;
        }
        EXPECT_TRUE(misread.isEmpty()) << misread.join(QStringLiteral("; ")).toStdString();
    }
}

// Which voice reads a part: the user's choice for its language, else the first voice
// of that language; a choice of a voice that is gone counts for nothing; a part the
// document marks is read as marked; none for a language without voices.
TEST_F(LanguagesTest, APartIsReadByTheVoiceChosenForItsLanguage)
{
    ASSERT_TRUE(ChooseLanguages([](LanguagesDialog &dialog) { Check(dialog, "gmw/de", true); }));
    const TVoiceEntry &mary = *voices.FindVoice(QStringLiteral("Mary"));
    const QString text = QStringLiteral("Bonjour tout le monde. Ich habe gestern mit meinem Bruder telefoniert. Hola.");
    const auto readers = [&](const QList<TLanguageRange> &marked = {}) {
        QStringList names;
        for (const ITTSCentral::VoicePart &part : voices.VoiceParts(text, mary, marked)) {
            for (const auto &voice : voices.Voices) {
                if (voice->ModeID == part.modeId)
                    names << text.mid(part.start, part.length) + QLatin1Char('=') + voice->Name;
            }
        }
        return names;
    };
    const QString german = QStringLiteral("Ich habe gestern mit meinem Bruder telefoniert=");
    const struct
    {
        QString stored;
        QString chosen; // then chosen on the page, or nothing
        QStringList read;
        QString storedAfter;
    } cases[]{
        {{}, {}, {german + QStringLiteral("Mary (German)")}, {}},
        {{}, QStringLiteral("Mike (German)"), {german + QStringLiteral("Mike (German)")}, QStringLiteral("de=Mike (German)")},
        {QStringLiteral("de=Mike (German)"), QStringLiteral("Mary (German)"), {german + QStringLiteral("Mary (German)")}, {}},
        {QStringLiteral("de=Nobody (German)\nfr=Mike"), {}, {german + QStringLiteral("Mary (German)")}, QStringLiteral("de=Nobody (German)\nfr=Mike")},
    };
    for (const auto &c : cases) {
        prefs.TTS_LanguageVoices = c.stored;
        if (!c.chosen.isEmpty())
            voices.ChooseLanguageVoice(QStringLiteral("de"), c.chosen);
        EXPECT_EQ(readers(), c.read) << c.stored.toStdString();
        EXPECT_EQ(prefs.TTS_LanguageVoices, c.storedAfter) << c.stored.toStdString();
    }
    // Marked German by the document, where identification alone would not switch.
    EXPECT_EQ(readers({{0, 21, QStringLiteral("de-CH")}}),
              (QStringList{QStringLiteral("Bonjour tout le monde=Mary (German)"), german + QStringLiteral("Mary (German)")}));
    // A language not chosen, no voice listed for it: espeak-ng's voice of it, of the
    // text's voice's sex; of a language espeak-ng does not speak, none.
    const struct
    {
        const char *language, *voice;
        quint16 sex;
    } unlisted[]{{"fr-CA", "Mike (French (France))", 2}, {"fr-BE", "Mary (French (Belgium))", 1}, {"fr", "Mary (French (France))", 1}, {"zh", "Mary (Chinese (Mandarin, latin as English))", 1}, {"tlh", nullptr, 1}};
    for (const auto &u : unlisted) {
        const EspeakMode *mode = EspeakEngine::LanguageMode(QLatin1String(u.language), u.sex);
        EXPECT_EQ(mode ? mode->info.szModeName : QString(), QLatin1String(u.voice)) << u.language;
        EXPECT_TRUE(!mode || EspeakEngine::FindMode(mode->info.gModeID) == mode) << u.language;
    }
}

TEST(LanguagesCatalogueTest, EveryLanguageIsListedOnceByItsNamesAndDamagedDataIsLeftOut)
{
    const auto &all = EspeakLanguages::Available();
    EXPECT_GT(all.size(), 100u);
    QStringList names;
    for (const EspeakLanguage &language : all) {
        EXPECT_FALSE(language.Identifier.startsWith(QStringLiteral("mb/")));
        names << language.Name;
    }
    names.removeDuplicates();
    EXPECT_EQ(size_t(names.size()), all.size()) << "two languages would give modes of one name";
    LanguagesDialog dialog;
    EXPECT_EQ(size_t(dialog.LanguageList->count()), all.size()) << "the dialog lists them all";
    EXPECT_TRUE(EspeakLanguages::Problems().isEmpty()) << EspeakLanguages::Problems().join(QLatin1Char('\n')).toStdString();

    // A copy of the library's data with one dictionary gone and one damaged: both
    // languages are left out, with a line each, and the rest still listed.
    TempHome home;
    const QString data = home.Root() + QStringLiteral("/espeak-ng-data");
    ASSERT_EQ(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), EspeakWorker::Instance().DataPath(), data}), 0);
    QFile::remove(data + QStringLiteral("/de_dict"));
    TempHome::WriteFile(data + QStringLiteral("/fr_dict"), QByteArray(2000, 'x'));
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ESPEAK_DATA_PATH"), data);
    program.setProcessEnvironment(env);
    // Every language checked, so that the command line lists them all.
    QStringList every;
    for (const EspeakLanguage &language : all)
        every << language.Identifier;
    EspeakLanguages::SetChecked(every);
    program.start(QStringLiteral(PARLEWIND_BINARY), {QStringLiteral("--convert"), QStringLiteral("--list-voices")});
    ASSERT_TRUE(program.waitForFinished(30000));
    EspeakLanguages::SetChecked({});
    const QString listed = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_TRUE(listed.contains(QStringLiteral("Mary (Dutch)"))) << listed.toStdString();
    EXPECT_FALSE(listed.contains(QStringLiteral("(German)")));
    EXPECT_FALSE(listed.contains(QStringLiteral("French (France)")));
    const QString log = QString::fromUtf8(TempHome::ReadFile(home.ProgramDir() + QStringLiteral("/parlewind-convert.dbg")));
    EXPECT_TRUE(log.contains(QStringLiteral("The language German (gmw/de) is not offered"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("The language French (France) (roa/fr) is not offered"))) << log.toStdString();
}


// Parts of a text in another language: found by their script, and whole sentences of
// six words or more by identification, only where it is sure; names, one-word
// quotes and short sentences never switch.
TEST(TextLanguagesTest, OtherLanguagesAreFoundBySentenceAndScriptAndEnglishStaysEnglish)
{
    QFile file(QStringLiteral(PARLEWIND_TEST_DATA "/mixed-languages.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString mixed = QString::fromUtf8(file.readAll());
    using Found = QList<std::pair<QString, QString>>;
    const auto find = [](const QString &text, const QString &base, const QList<TLanguageRange> &known = {}) {
        Found found;
        for (const TLanguageRange &r : TTextLanguages::Find(text, base, known))
            found.append({text.mid(r.Start, r.Length), r.Language});
        return found;
    };
    // 40 English sentences, with names, a German word in quotes and a French name
    // among them, beside six sentences of other languages and two quotes in other scripts.
    EXPECT_EQ(find(mixed, QStringLiteral("en-US")),
              (Found{{"Die Würde des Menschen ist unantastbar, sie zu achten ist Pflicht", "de"},
                     {"Nous sommes allés au marché ce matin pour acheter des légumes", "fr"},
                     {"Ich habe gestern mit meinem Bruder telefoniert", "de"},
                     {"Всё будет хорошо, не волнуйся", "ru"},
                     {"Je voudrais une tasse de café avec du lait, s'il vous plaît", "fr"},
                     {"Das ist ein schöner Tag für einen Spaziergang im Park", "de"},
                     {"東京駅はこちらです", "ja"},
                     {"Hoy hace mucho calor en la ciudad de Madrid y todos buscan sombra", "es"}}));
    // A long text's sentences are shared among the cores: none is lost or taken twice.
    const QString german = QStringLiteral("Das ist ein schöner Tag für einen Spaziergang im Park");
    const Found many = find((german + QStringLiteral(". ")).repeated(301), QStringLiteral("en"));
    EXPECT_EQ(many.size(), 301);
    EXPECT_EQ(many.count({german, QStringLiteral("de")}), 301);
    const struct
    {
        const char *text, *base;
        Found found;
    } cases[] = {
        {"Привет, мир. Как дела?", "ru", {}},
        {"The word λόγος means reason.", "en", {{"λόγος", "el"}}},
        {"北京欢迎你", "zh", {}},
        {"北京欢迎你", "en", {{"北京欢迎你", "zh"}}},
        {"東京駅はこちらです", "ja", {}},
        {"東京駅はこちらです", "zh-CN", {{"東京駅はこちらです", "ja"}}},
        {"Er sagte nur: Good morning.", "de", {}},
        {"Guten Tag.", "en", {}},
        {"Ceci n'est pas une pipe.", "en", {}},
        {"שלום and مرحبا in one line.", "en", {{"שלום", "he"}, {"مرحبا", "ar"}}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(find(QString::fromUtf8(c.text), QLatin1String(c.base)), c.found) << c.text;
    // A document's own ranges stand; the rest is still looked at.
    const QString text = QStringLiteral("Bonjour tout le monde. Ich habe gestern mit meinem Bruder telefoniert.");
    EXPECT_EQ(find(text, QStringLiteral("en"), {{0, 21, QStringLiteral("fr")}}),
              (Found{{"Bonjour tout le monde", "fr"}, {"Ich habe gestern mit meinem Bruder telefoniert", "de"}}));
}

} // namespace

