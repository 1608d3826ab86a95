#include "platform/sapi/Lexicon.h"
#include "platform/sapi/LexiconDialog.h"
#include "platform/sapi/TextPrep.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

TEST(LexiconTest, EveryLineOfTheFileSurvivesAnEditorRoundTrip)
{
    TempHome home;
    EXPECT_TRUE(Lexicon::Load().isEmpty());
    // Lines that are no entry (no tab, no word, not UTF-8) come back byte for byte.
    const QByteArray odd = "no tab here\n\tmissing word\n\xff\xfe\tbad\n";
    // More than the 4 MiB once read: every entry must be read and written back.
    QByteArray big = "GIF\tjiff\nNew York\tnoo york\ne-mail\tee mail\nC++\tsee plus plus\n" + odd;
    for (int i = 0; i < 100000; ++i)
        big += "word" + QByteArray::number(i) + "\tsounds like the entry number " + QByteArray::number(i) + "\n";
    ASSERT_GT(big.size(), 4 * 1024 * 1024);
    TempHome::WriteFile(Lexicon::FilePath(), big);
    const Lexicon::Contents read = Lexicon::Read();
    ASSERT_EQ(read.Entries.size(), 100004);
    EXPECT_EQ(read.Entries[1], (Lexicon::Entry{QStringLiteral("New York"), QStringLiteral("noo york")}));
    EXPECT_EQ(read.Kept, (QList<QByteArray>{"no tab here", "\tmissing word", "\xff\xfe\tbad"}));
    {
        LexiconDialog dialog(QStringLiteral("gmw/en-US+f3"), {50, 175});
        ASSERT_TRUE(dialog.Loaded);
        EXPECT_EQ(dialog.Table->rowCount(), 100004);
        dialog.accept();
    }
    const QByteArray saved = TempHome::ReadFile(Lexicon::FilePath());
    EXPECT_EQ(saved.size(), big.size());
    EXPECT_TRUE(saved.endsWith(odd));
    EXPECT_TRUE(saved.contains("word99999\tsounds like the entry number 99999\n"));
}

TEST(LexiconTest, PhrasesAndWordsWithSymbolsAreSpokenAsRespelled)
{
    const LexiconTable table = Lexicon::Table({{QStringLiteral("New York"), QStringLiteral("noo york")},
                                               {QStringLiteral("e-mail"), QStringLiteral("ee mail")},
                                               {QStringLiteral("C++"), QStringLiteral("see plus plus")},
                                               {QStringLiteral("new"), QStringLiteral("gnu")},
                                               {QStringLiteral("GIF"), QStringLiteral("jiff")}});
    struct Case
    {
        QString text;
        std::string markup; // between <speak> and </speak>
    } cases[] = {
        {QStringLiteral("I love new  York."), "I love noo york."}, // any blanks between the words
        {QStringLiteral("new yorker"), "gnu yorker"},              // a phrase ends where a word does
        {QStringLiteral("Send an E-Mail in C++!"), "Send an ee mail in see plus plus!"},
        {QStringLiteral("gifs and a gif"), "gifs and a jiff"},
    };
    for (const Case &c : cases) {
        const PreparedText p = TextPrep::Prepare(c.text, false, {50, 175}, &table);
        EXPECT_EQ(p.markup, "<speak>" + c.markup + "</speak>") << c.text.toStdString();
    }
    // Every character of a respelling points back at the start of what it replaces.
    const QString text = QStringLiteral("Go to New York now");
    const PreparedText p = TextPrep::Prepare(text, false, {50, 175}, &table);
    const int york = static_cast<int>(p.markup.find("york")) + 1;
    EXPECT_EQ(p.OriginalIndex(york), text.indexOf(QStringLiteral("New")));
    EXPECT_EQ(p.OriginalIndex(static_cast<int>(p.markup.find("now")) + 1), text.indexOf(QStringLiteral("now")));
}

TEST(LexiconTest, TheEditorAddsChangesDeletesAndSavesOnOk)
{
    TempHome home;
    Lexicon::Save({{QStringLiteral("GIF"), QStringLiteral("jiff")}});
    LexiconDialog dialog(QStringLiteral("gmw/en-US+f3"), {50, 175});
    ASSERT_EQ(dialog.Table->rowCount(), 1);

    dialog.WordEdit->setText(QStringLiteral("Parlewind"));
    dialog.SoundsLikeEdit->setText(QStringLiteral("par lay wind"));
    dialog.AddBtn->click();
    dialog.WordEdit->setText(QStringLiteral("parlewind")); // same word, any case: replaces
    dialog.SoundsLikeEdit->setText(QStringLiteral("parley wind"));
    dialog.AddBtn->click();
    EXPECT_EQ(dialog.Table->rowCount(), 2);
    dialog.WordEdit->setText(QStringLiteral("two words"));
    dialog.SoundsLikeEdit->clear();
    dialog.AddBtn->click(); // nothing to say: refused with a message, nothing added
    EXPECT_EQ(dialog.Table->rowCount(), 2);

    dialog.Table->selectRow(0);
    dialog.DeleteBtn->click();
    EXPECT_EQ(dialog.Table->rowCount(), 1);
    dialog.accept();
    const auto saved = Lexicon::Load();
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].second, QStringLiteral("parley wind"));
}

} // namespace
