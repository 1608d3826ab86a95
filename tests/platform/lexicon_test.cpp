#include "platform/sapi/Lexicon.h"
#include "platform/sapi/LexiconDialog.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace {

TEST(LexiconTest, FileRoundTripSkipsWhatIsNotAnEntry)
{
    TempHome home;
    EXPECT_TRUE(Lexicon::Load().isEmpty());
    TempHome::WriteFile(Lexicon::FilePath(),
                        "GIF\tjiff\nno tab here\n\tmissing word\ntwo words\tx\nSQL\t  sequel \n\xff\xfe\n");
    const auto entries = Lexicon::Load();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1], (Lexicon::Entry{QStringLiteral("SQL"), QStringLiteral("sequel")}));
    EXPECT_EQ(Lexicon::Table(entries).value(QStringLiteral("gif")), QStringLiteral("jiff"));
    ASSERT_TRUE(Lexicon::Save({{QStringLiteral("Qt"), QStringLiteral("cute")}}));
    EXPECT_EQ(Lexicon::Load().size(), 1);
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
    dialog.AddBtn->click(); // refused with a message, nothing added
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
