#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

// The article list and its articles, as the user and the main window use them.
namespace {

class MemoListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.resize(600, 300);
        list.VoiceNames = [] { return QStringList{"Mary", "Mike", "Sam"}; };
        Messages::TakeRecorded();
    }
    void Multi(int visible)
    {
        list.List().ListMode = 1;
        list.SetVisibleEntries(visible);
    }
    // Lays the list out at a known client height.
    void ShowWithClientHeight(int height)
    {
        list.show();
        list.resize(600, height);
        list.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
        QCoreApplication::processEvents();
        ASSERT_EQ(list.ClientPanel->height(), height);
    }
    QList<int> ShownPositions() const
    {
        QList<int> shown;
        for (int k = 1; k <= list.Count(); ++k) {
            if (list.EntryAt(k)->View() && list.EntryAt(k)->View()->isVisibleTo(&list))
                shown << k;
        }
        return shown;
    }
    QString LogText() const { return QString::fromUtf8(TempHome::ReadFile(UtilsClass::LogFile())); }

    TempHome home;
    TMemoListBox list;
};

TEST_F(MemoListTest, AddFillsABlankArticleOrMakesANewCurrentOne)
{
    Multi(3);
    ShowWithClientHeight(300);
    TMemoEntry *first = list.List().Add(QStringLiteral("Hello,  world! 2nd line and more"), QStringLiteral("Mary"));
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - MemoListBox - Add [0 0]\n")));
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Added entry at position 0\n")));
    EXPECT_EQ(list.CurrentEntry(), first);
    EXPECT_EQ(first->Color(), list.List().SelectedColor);
    EXPECT_EQ(first->Title(), QStringLiteral("Hello_world_2nd_line"));
    EXPECT_FALSE(list.ScrollBar->isVisible());
    ASSERT_NE(first->View(), nullptr);
    EXPECT_EQ(first->View()->height(), 300); // the whole client height
    EXPECT_TRUE(first->View()->Strip->ReadButton->isVisibleTo(first->View())); // multi-article strip

    TMemoEntry *blank = list.List().Add(QString(), QStringLiteral("Mike"));
    TMemoEntry *reused = list.List().Add(QStringLiteral("text"), QStringLiteral("Sam"));
    EXPECT_EQ(reused, blank);
    EXPECT_EQ(reused->Voice(), QStringLiteral("Mike")); // the blank article keeps its voice
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(first->Color(), list.List().UnselectedColor);
    EXPECT_EQ(first->View()->height(), 150);

    // A text typed into a shown article is the article's text, also when it
    // leaves the view, and a blanked one is found again.
    first->View()->TextBox->moveCursor(QTextCursor::End);
    QTest::keyClicks(first->View()->TextBox, QStringLiteral("!"));
    EXPECT_TRUE(first->Text().endsWith(QStringLiteral("more!")));
    first->View()->TextBox->clear();
    EXPECT_TRUE(first->IsBlank());
    EXPECT_EQ(list.List().Add(QStringLiteral("refill"), QString()), first);
}

TEST_F(MemoListTest, ManyArticlesScrollAndOnlyTheShownOnesHaveWidgets)
{
    Multi(3);
    ShowWithClientHeight(100);
    for (int i = 1; i <= 5; ++i)
        list.List().Add(QStringLiteral("article %1").arg(i), QStringLiteral("Mary"));
    list.List().Add(QStringLiteral("article 6"), QStringLiteral("Mary"));
    EXPECT_EQ(ShownPositions(), (QList<int>{4, 5, 6}));
    EXPECT_EQ(list.ScrollBar->maximum(), 3);
    EXPECT_EQ(list.ScrollBar->value(), 3);
    EXPECT_TRUE(list.ScrollBar->isVisible());
    EXPECT_EQ(list.EntryAt(4)->View()->height(), 33); // 100 / 3, rounded

    list.List().MarkEntry(2); // above the window: back to the top
    EXPECT_EQ(ShownPositions(), (QList<int>{1, 2, 3}));
    list.List().MarkEntry(5); // below the window: it becomes the bottom one
    EXPECT_EQ(ShownPositions(), (QList<int>{3, 4, 5}));
    EXPECT_EQ(list.CurrentEntry(), list.EntryAt(5));
    list.ScrollBar->setValue(0);
    EXPECT_EQ(ShownPositions(), (QList<int>{1, 2, 3}));

    // A text comes back exactly as it was given, whether its article is in view,
    // scrolled away or edited meanwhile; a view out of use holds no text.
    const QString odd = QStringLiteral("a\u00a0b\tc\n\nline\u2028break \n");
    list.EntryAt(1)->SetText(odd);
    list.EntryAt(6)->SetText(odd);
    EXPECT_EQ(list.EntryAt(1)->Text(), odd);
    list.List().MarkEntry(6);
    EXPECT_EQ(list.EntryAt(1)->View(), nullptr);
    EXPECT_EQ(list.EntryAt(1)->Text(), odd);
    EXPECT_EQ(list.EntryAt(6)->Text(), odd);
    list.EntryAt(6)->View()->TextBox->moveCursor(QTextCursor::End);
    list.EntryAt(6)->View()->TextBox->insertPlainText(QStringLiteral("!"));
    list.List().MarkEntry(1);
    EXPECT_EQ(list.EntryAt(6)->Text(), odd + QLatin1Char('!'));
    for (const TMemoEntryView *view : list.findChildren<TMemoEntryView *>())
        EXPECT_TRUE(view->Entry() || view->TextBox->document()->isEmpty());
    {
        TMemoEntryView other; // shown twice over: the text moves, whole
        other.Bind(list.EntryAt(1));
        EXPECT_EQ(other.TextBox->toPlainText().size(), odd.size());
    }
    EXPECT_EQ(list.EntryAt(1)->Text(), odd);

    for (int i = 0; i < 500; ++i)
        list.List().Add(QStringLiteral("more"), QStringLiteral("Sam"));
    EXPECT_LE(list.findChildren<TMemoEntryView *>().size(), 3);
}

TEST_F(MemoListTest, HiddenArticlesWaitAtTheEndAndDeletingNeedsACurrentOne)
{
    Multi(3);
    ShowWithClientHeight(300);
    TMemoEntry *a = list.List().Add(QStringLiteral("a"), QString());
    list.List().Add(QStringLiteral("b"), QString());
    TMemoEntry *c = list.List().Add(QStringLiteral("c"), QString());
    list.List().HideEntry(c); // c was current
    EXPECT_EQ(list.CurrentEntry(), nullptr);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.List().Entries.size(), 3u);
    EXPECT_TRUE(c->Hidden);
    EXPECT_EQ(ShownPositions(), (QList<int>{1, 2}));
    list.List().Add(QStringLiteral("d"), QString());
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - Inserting entry at position 2\n")));
    EXPECT_EQ(list.List().Entries.back().get(), c); // still last
    EXPECT_EQ(list.EntryAt(3)->Text(), QStringLiteral("d"));

    list.List().HideEntry(list.CurrentEntry());
    list.List().DeleteSelected();
    EXPECT_EQ(Messages::BeepCount(), 1);
    auto shown = Messages::TakeRecorded();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].text, QStringLiteral("No rows are currently selected"));
    EXPECT_EQ(list.List().Entries.size(), 4u); // nothing deleted

    list.List().MarkEntry(1);
    list.List().DeleteSelected(); // deletes a and every hidden article
    EXPECT_EQ(list.List().Entries.size(), 1u);
    EXPECT_EQ(list.List().HiddenCount, 0);
    EXPECT_EQ(list.EntryAt(1)->Text(), QStringLiteral("b"));
    (void)a;
}

TEST_F(MemoListTest, ArticlesBeingReadAreNeitherDeletedNorReplaced)
{
    TMemoEntry *only = list.List().Add(QStringLiteral("being read"), QStringLiteral("Mary"));
    only->Locked = true;
    EXPECT_THROW(list.List().Add(QStringLiteral("new text"), QStringLiteral("Mike")), EMemoEntryLocked);
    EXPECT_THROW(list.List().HideEntry(only), EMemoEntryLocked);
    EXPECT_THROW(list.List().DeleteMemoEntry(only), EMemoEntryLocked);
    EXPECT_THROW(list.List().DeleteAll(), EMemoEntryLocked);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.EntryAt(1)->Text(), QStringLiteral("being read"));
    try {
        list.List().DeleteAll();
    } catch (const EMemoEntryLocked &e) {
        EXPECT_STREQ(e.what(), "Memo Entry Locked");
    }
    list.List().UnlockAllEntries();
    TMemoEntry *replaced = list.List().Add(QStringLiteral("new text"), QStringLiteral("Mike"));
    EXPECT_EQ(list.Count(), 1); // single-article mode keeps one article
    EXPECT_EQ(replaced->Voice(), QStringLiteral("Mike"));
    list.List().DeleteAll();
    list.List().DeleteAll();
    EXPECT_TRUE(LogText().contains(QStringLiteral(" - MemoListBox - DeleteAll - Empty List\n")));
}

TEST_F(MemoListTest, BlankArticlesGoWhereverTheyAre)
{
    Multi(3);
    for (const char *t : {"one", "  \t", "two", "", "three", "\n"})
        list.List().Add(QString(), QString())->SetText(QLatin1String(t));
    list.List().HideEntry(list.EntryAt(1));
    list.List().DeleteBlankEntries();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.EntryAt(1)->Text(), QStringLiteral("two"));
    EXPECT_EQ(list.EntryAt(2)->Text(), QStringLiteral("three"));
    EXPECT_EQ(list.List().HiddenCount, 0);
}

TEST_F(MemoListTest, TitlesFromTextTakeLettersAndDigitsOnly)
{
    TMemoEntry *e = list.List().Add(QStringLiteral("x"), QString());
    const auto title = [e](const QString &text) {
        e->SetTitle(QStringLiteral("kept"));
        e->SetText(text);
        e->SetTitleFromText(20);
        return e->Title();
    };
    EXPECT_EQ(title(QStringLiteral("Hello,  world! 2nd line and more")), QStringLiteral("Hello_world_2nd_line"));
    EXPECT_EQ(title(QStringLiteral("...Starts with dots")), QStringLiteral("Starts_with_dots"));
    EXPECT_EQ(title(QStringLiteral("Ça coûte 5€")), QStringLiteral("a_co_te_5"));
    EXPECT_EQ(title(QStringLiteral("!!! ???")), QStringLiteral("kept"));
    e->SetTitle(QStringLiteral("a|b"));
    EXPECT_EQ(e->Title(), QStringLiteral("a_b"));
}

TEST_F(MemoListTest, TheStripEditsTitleAndVoiceInPlace)
{
    Multi(2);
    ShowWithClientHeight(200);
    TMemoEntry *e = list.List().Add(QStringLiteral("text"), QStringLiteral("Nobody"));
    list.List().Add(QStringLiteral("other"), QStringLiteral("Sam"));
    TPropertyPanel *strip = e->View()->Strip;
    QTest::mouseClick(strip->TitleLabel, Qt::LeftButton);
    ASSERT_TRUE(strip->Editing());
    EXPECT_EQ(strip->TitleEditor->text(), QStringLiteral("text"));
    EXPECT_EQ(strip->VoiceBox->count(), 3); // every voice
    EXPECT_EQ(strip->VoiceBox->currentIndex(), 0); // its own is not installed…
    EXPECT_EQ(e->Voice(), QStringLiteral("Nobody")); // …and stays until one is picked
    strip->TitleEditor->selectAll();
    QTest::keyClicks(strip->TitleEditor, QStringLiteral("My|Title"));
    EXPECT_EQ(e->Title(), QStringLiteral("My_Title"));
    EXPECT_EQ(strip->TitleLabel->text(), QStringLiteral("My_Title"));
    strip->VoiceBox->setCurrentIndex(2);
    EXPECT_EQ(e->Voice(), QStringLiteral("Sam"));
    // Leaving the strip ends editing and keeps what was typed.
    list.EntryAt(2)->View()->TextBox->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(strip->Editing());
    EXPECT_EQ(e->Title(), QStringLiteral("My_Title"));
    EXPECT_EQ(list.CurrentEntry(), list.EntryAt(2)); // focusing an article marks it

    e->FocusTitle();
    EXPECT_TRUE(strip->Editing());
    // A message box taking the focus does not end editing: the title is still
    // to be typed when it closes.
    QLineEdit other;
    other.show();
    other.activateWindow();
    other.setFocus();
    QCoreApplication::processEvents();
    EXPECT_TRUE(strip->Editing());
}

TEST_F(MemoListTest, ALongParagraphShowsTheReadingPositionWhereAFreshLayoutWould)
{
    ShowWithClientHeight(300);
    QString text;
    while (text.size() < 60000)
        text += QStringLiteral("calm voices reading the morning news ");
    TMemoEntry *e = list.List().Add(text, QStringLiteral("Mary"));
    QPlainTextEdit *box = e->View()->TextBox;
    QCoreApplication::processEvents();
    const auto expectFresh = [&](int start, int end) {
        e->View()->ShowReadingPosition(start, end);
        QCoreApplication::processEvents();
        EXPECT_EQ(box->textCursor().selectedText(), e->Text().mid(start, end - start));
        const QRect shown = box->cursorRect();
        EXPECT_TRUE(box->viewport()->rect().contains(shown)) << start;
        // Lay the whole text out again and ask once more.
        box->document()->markContentsDirty(0, box->document()->characterCount());
        e->View()->ShowReadingPosition(start, end);
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, box->cursorRect()) << start;
    };
    expectFresh(30007, 30011);
    expectFresh(50000, 50000);
    // Typing into the paragraph moves what follows.
    box->moveCursor(QTextCursor::Start);
    QTest::keyClicks(box, QStringLiteral("Breaking: "));
    expectFresh(30017, 30021);
    expectFresh(59000, 59004);
    EXPECT_EQ(e->Text().left(12), QStringLiteral("Breaking: ca"));
}

TEST_F(MemoListTest, TextFilesAreAppendedLineByLine)
{
    TMemoEntry *e = list.List().Add(QString(), QString());
    EXPECT_FALSE(e->LoadFromFile(home.Root() + QStringLiteral("/missing.txt")));
    EXPECT_TRUE(Messages::TakeRecorded().isEmpty());
    const QString three = home.Root() + QStringLiteral("/three.txt");
    TempHome::WriteFile(three, "one\r\ntwo\nthree\r\n");
    EXPECT_TRUE(e->LoadFromFile(three));
    EXPECT_EQ(e->Text(), QStringLiteral("one\ntwo\nthree"));
    const QString latin = home.Root() + QStringLiteral("/cp1252.txt");
    TempHome::WriteFile(latin, "caf\xe9 \x80 \x93ok\x94");
    EXPECT_TRUE(e->LoadFromFile(latin));
    EXPECT_EQ(e->Text(), QStringLiteral("one\ntwo\nthree\ncafé € “ok”"));
    const QString binary = home.Root() + QStringLiteral("/program.bin");
    TempHome::WriteFile(binary, QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0", 10));
    EXPECT_FALSE(e->LoadFromFile(binary));
    EXPECT_EQ(Messages::TakeRecorded().size(), 1);
    EXPECT_EQ(e->Text(), QStringLiteral("one\ntwo\nthree\ncafé € “ok”")); // nothing lost
}

} // namespace
