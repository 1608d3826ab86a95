#include "FormWithVoices.h"
#include "app/clipboard/CB_PromptForm.h"
#include "app/clipboard/SIBusyForm.h"
#include "app/options/ClipboardPage.h"
#include "articles/MemoEntry.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "platform/shell/Messages.h"
#include "speech/SpTools.h"
#include "support/EngineHelpers.h"
#include "support/Printers.h"
#include "support/ProgramProcess.h"
#include "support/StoredPrefs.h"
#include "support/TempHome.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>
#include <QCheckBox>
#include <QLabel>
#include <QClipboard>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <tuple>

// Clipboard capture on the test display: another client (xclip) owns the
// clipboard, as a text editor or a browser would; speech by the real engine.
namespace {

using StoredPrefs::Store;

// Another program copies `bytes` of this type; true once the window has seen the change.
void Copy(const QByteArray &bytes, const QString &type)
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"),
                {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), type, QStringLiteral("-i")});
    ASSERT_TRUE(xclip.waitForStarted(5000));
    xclip.write(bytes);
    xclip.closeWriteChannel();
    ASSERT_TRUE(xclip.waitForFinished(5000));
    // The change reaches the window within milliseconds; give it time to arrive.
    WaitUntil([] { return false; }, 150);
}

void Copy(const QString &text)
{
    Copy(text.toUtf8(), QStringLiteral("UTF8_STRING"));
}

// A line of text as a screenshot shows it.
QImage Screenshot(const QString &line)
{
    QImage picture(1400, 120, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(32);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(picture.rect().adjusted(30, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, line);
    return picture;
}

class ClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DISPLAY")) << "run through scripts/test";
        DetectSpeechSupport();
        Messages::TakeRecorded();
        Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    }
    std::unique_ptr<FormWithVoices> Start(int mode, bool prompt, bool monitor = true)
    {
        Store(QStringLiteral("ML_ListMode"), QString::number(mode));
        Store(QStringLiteral("CB_Prompt"), prompt ? QStringLiteral("true") : QStringLiteral("false"));
        Store(QStringLiteral("CB_Monitor"), monitor ? QStringLiteral("true") : QStringLiteral("false"));
        auto app = std::make_unique<FormWithVoices>();
        EXPECT_TRUE(app->ShowActive());
        return app;
    }
    QStringList Texts(TForm1 &form)
    {
        QStringList texts;
        for (int k = 1; k <= form.Core().Articles().Count(); ++k)
            texts << form.Core().Articles().EntryAt(k)->Text();
        return texts;
    }
    TempHome home;
};

TEST_F(ClipboardTest, OnlyNewLongEnoughTextFromOtherProgramsIsTaken)
{
    Copy(QStringLiteral("on the clipboard before watching"));
    auto app = Start(1, false, false);
    TForm1 &form = app->form;
    const int before = form.Core().Articles().Count();
    Item(form, QStringLiteral("&Options"), QStringLiteral("&Watch Clipboard"))->trigger(); // watching on: what is there already stays there
    EXPECT_TRUE(form.ClipboardSheet->MonitorCB->isChecked());
    WaitUntil([] { return false; }, 150);
    EXPECT_EQ(form.Core().Articles().Count(), before);

    Copy(QStringLiteral("0123456789")); // exactly the threshold: ignored
    EXPECT_EQ(form.Core().Articles().Count(), before);
    Copy(QStringLiteral("0123456789A")); // one more: taken, the next copy after switching on
    EXPECT_EQ(Texts(form).last(), QStringLiteral("0123456789A"));
    const int after = form.Core().Articles().Count();

    // The same text again (a clipboard manager taking it over, a hand-over at focus) is no new copy.
    Copy(QStringLiteral("0123456789A"));
    EXPECT_EQ(form.Core().Articles().Count(), after);

    // A copy made inside Parlewind (Ctrl+C in an article) is not taken back.
    QGuiApplication::clipboard()->setText(QStringLiteral("copied between two articles"));
    WaitUntil([] { return false; }, 150);
    EXPECT_EQ(form.Core().Articles().Count(), after);

    form.ClipboardSheet->MonitorCB->click(); // off
    Copy(QStringLiteral("not watched any more"));
    EXPECT_EQ(form.Core().Articles().Count(), after);
    EXPECT_FALSE(Item(form, QStringLiteral("&Options"), QStringLiteral("&Watch Clipboard"))->isChecked());
}

TEST_F(ClipboardTest, ThePromptDecidesAndABusyPromptBeeps)
{
    Store(QStringLiteral("CB_PromptDelay"), QStringLiteral("0"));
    auto app = Start(1, true);
    TForm1 &form = app->form;
    TCB_PromptForm &prompt = *form.CB_PromptForm;
    Copy(QStringLiteral("The first paragraph copied."));
    ASSERT_TRUE(prompt.isVisible());
    EXPECT_FALSE(prompt.Timer1->isActive()); // a delay of 0: it waits for a button
    EXPECT_EQ(prompt.ModeValue->text(), QStringLiteral("Current Mode is Multi-Article Mode"));
    const int beeps = Messages::BeepCount();
    Copy(QStringLiteral("A second copy while it is open."));
    EXPECT_EQ(Messages::BeepCount(), beeps + 1);
    prompt.New->click();
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(Texts(form).last(), QStringLiteral("The first paragraph copied."));
    EXPECT_EQ(form.Core().Prefs().CB_LastPromptAction, 0);

    // Append: one blank after a letter, none after a line break.
    // (Each copy differs: the same text again is no new copy.)
    for (const auto &[existing, copied, joined] :
         {std::tuple{QStringLiteral("Ends in a letter"), QStringLiteral("More text here."), QStringLiteral("Ends in a letter More text here.")},
          std::tuple{QStringLiteral("Ends in a break\n"), QStringLiteral("More text there."), QStringLiteral("Ends in a break\nMore text there.")}}) {
        form.Core().Articles().CurrentEntry()->SetText(existing);
        Copy(copied);
        prompt.Append->click();
        EXPECT_EQ(form.Core().Articles().CurrentEntry()->Text(), joined);
    }

    // The default button by CB_DfltPromptAction, whether Append makes sense and the last action.
    struct Row
    {
        int action, last;
        bool canAppend;
        QPushButton *TCB_PromptForm::*expected;
    } rows[] = {{0, 2, false, &TCB_PromptForm::New},    {1, 2, true, &TCB_PromptForm::Append},
                {1, 0, false, &TCB_PromptForm::Cancel}, {2, 0, true, &TCB_PromptForm::Cancel},
                {3, 0, true, &TCB_PromptForm::New},     {3, 1, true, &TCB_PromptForm::Append},
                {3, 0, false, &TCB_PromptForm::Cancel}};
    for (const Row &r : rows) {
        form.Core().Prefs().CB_DfltPromptAction = static_cast<quint8>(r.action);
        form.Core().Prefs().CB_LastPromptAction = static_cast<quint8>(r.last);
        prompt.CanAppend = [&r] { return r.canAppend; };
        prompt.ShowPrompt();
        EXPECT_EQ(prompt.DefaultButton(), prompt.*r.expected) << r.action << " " << r.last << " " << r.canAppend;
        EXPECT_TRUE((prompt.*r.expected)->isDefault());
        prompt.Cancel->click();
    }

    // The time-out presses the default button.
    form.Core().Prefs().CB_DfltPromptAction = 0;
    form.Core().Prefs().CB_PromptDelay = 1;
    const int count = form.Core().Articles().Count();
    Copy(QStringLiteral("Taken when nobody answers."));
    ASSERT_TRUE(WaitUntil([&] { return !prompt.isVisible(); }, 3000));
    EXPECT_EQ(form.Core().Articles().Count(), count + 1);
}

TEST_F(ClipboardTest, SingleArticleModeReplacesReadsAndIsBusyWhileReading)
{
    Store(QStringLiteral("SI_AutoSpeak"), QStringLiteral("true"));
    auto app = Start(0, false);
    TForm1 &form = app->form;
    // Without the prompt the text replaces the article but is not read.
    Copy(QStringLiteral("Replaces the single article."));
    EXPECT_EQ(Texts(form), QStringList{QStringLiteral("Replaces the single article.")});
    EXPECT_EQ(form.Core().State(), rsIdle);

    // From the prompt's New it is read aloud (real engine, test sound server).
    form.Core().Prefs().CB_Prompt = true;
    form.Core().Prefs().CB_PromptDelay = 0;
    Copy(QStringLiteral("This text is read aloud at once, and it takes a few seconds to say."));
    ASSERT_TRUE(form.CB_PromptForm->isVisible());
    EXPECT_EQ(form.CB_PromptForm->ModeValue->text(), QStringLiteral("Current Mode is Single-Article Mode"));
    form.CB_PromptForm->New->click();
    EXPECT_EQ(form.Core().State(), rsReading);

    // While it is read, a copy is refused with the busy dialog, which can be switched off.
    bool shown = false;
    QTimer answer;
    answer.callOnTimeout([&] {
        if (auto *busy = qobject_cast<TSIBusyForm *>(QApplication::activeModalWidget())) {
            shown = true;
            busy->DontShowCB->click();
            busy->accept();
        }
    });
    answer.start(10);
    Copy(QStringLiteral("Refused while the article is read."));
    ASSERT_TRUE(WaitUntil([&] { return shown; }, 3000));
    EXPECT_FALSE(form.Core().Prefs().SI_ShowBusyDialog);
    EXPECT_EQ(Texts(form), QStringList{QStringLiteral("This text is read aloud at once, and it takes a few seconds to say.")});
    answer.stop();
    form.Core().Stop();
}

// A copied screenshot is recognised and taken like copied text; pasted into an
// article, its text goes in at the caret.
TEST_F(ClipboardTest, APictureOfTextIsTakenAsItsText)
{
    auto app = Start(1, false);
    TForm1 &form = app->form;
    const int before = form.Core().Articles().Count();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Screenshot(QStringLiteral("Copied from a picture viewer.")).save(&png, "PNG"));
    Copy(png.data(), QStringLiteral("image/png"));
    ASSERT_TRUE(WaitUntil([&] { return Texts(form).last().trimmed() == QStringLiteral("Copied from a picture viewer."); },
                          60000));
    const int after = form.Core().Articles().Count();
    EXPECT_LE(after, before + 1);

    TMemoEntry *article = form.Core().Articles().EntryAt(after);
    article->SetText(QStringLiteral("Before. "));
    article->View()->TextBox->setFocus();
    QTextCursor end = article->View()->TextBox->textCursor();
    end.movePosition(QTextCursor::End);
    article->View()->TextBox->setTextCursor(end);
    QGuiApplication::clipboard()->setImage(Screenshot(QStringLiteral("Pasted into an article.")));
    form.PasteBtn->click();
    EXPECT_EQ(article->View()->TextBox->toPlainText().trimmed(), QStringLiteral("Before. Pasted into an article."));
    EXPECT_EQ(form.Core().Articles().Count(), after); // our own copy is not taken by the watch
    QGuiApplication::clipboard()->clear();
}

// The real program, started minimised as at login: a paragraph copied in another
// program becomes an article and is saved.
TEST(ClipboardE2ETest, ACopiedParagraphBecomesASavedArticle)
{
    TempHome home;
    Store(QStringLiteral("FirstTimeUser"), QStringLiteral("false"));
    Store(QStringLiteral("CB_Prompt"), QStringLiteral("false"));
    Store(QStringLiteral("ML_ListMode"), QStringLiteral("1"));
    ProgramProcess program({QStringLiteral("-auto")});
    const QString log = home.ProgramDir() + QStringLiteral("/parlewind.dbg");
    ASSERT_TRUE(WaitFor([&] { return TempHome::ReadFile(log).contains("Minimizing now."); }, 20000));
    const QString paragraph = QStringLiteral("A paragraph copied in another program while Parlewind waits in the "
                                             "notification area.");
    Copy(paragraph);
    const QString saved = home.ProgramDir() + QStringLiteral("/PWExport.txt");
    EXPECT_TRUE(WaitFor([&] { return TempHome::ReadFile(saved).contains(paragraph.toUtf8()); }, 5000));
    program.Terminate();
    EXPECT_TRUE(program.Process().waitForFinished(10000));
}

} // namespace
