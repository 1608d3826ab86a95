// The tool bar, the menus and the notification area's menu: what each holds and
// where each of their commands goes.
#include "app/Form1.h"

#include "app/AboutBox.h"
#include "articles/ArticleList.h"
#include "articles/MemoEntryView.h"
#include "controls/CaptionButton.h"
#include "controls/StyleIcons.h"
#include "core/ProgramCore.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ShellOpen.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace {


QAction *item(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void TForm1::BuildToolBar()
{
    ToolBar1 = new QToolBar(TopPanel);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(ToolBarHeight);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);

    const auto button = [this](const char *name, const QString &text, const QString &hint,
                               QStyle::StandardPixmap icon) {
        auto *b = new CaptionButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setToolTip(hint);
        b->setIcon(StyleIcon(b, icon));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        // The designed size, or what the caption needs with a larger font or in a
        // longer language.
        const QFontMetrics metrics(b->font());
        b->setFixedSize(std::max(60, metrics.horizontalAdvance(b->text().trimmed()) + 10),
                        std::max(52, 32 + metrics.height() + 4));
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = button("ToolButton1", tr("    Single    "), tr("Single-Article Mode"), QStyle::SP_FileIcon);
    ToolButton2 = button("ToolButton2", tr("Multi "), tr("Multi-Article Mode"), QStyle::SP_FileDialogListView);
    ToolBar1->addSeparator();
    ReadFileBtn = button("ReadFileBtn", tr("Open"), tr("Read text file"), QStyle::SP_DialogOpenButton);
    PasteBtn = button("PasteBtn", tr("Paste"), tr("Paste"), QStyle::SP_FileDialogContentsView);
    ToolBar1->addSeparator();
    PlayToolBtn = button("PlayToolBtn", tr("Aloud"), tr("Read text aloud"), QStyle::SP_MediaPlay);
    PlayFileBtn = button("PlayFileBtn", tr("File"), tr("Read text to file"), QStyle::SP_DialogSaveButton);
    PauseBtn = button("PauseBtn", tr("Pause"), tr("Pause / Resume "), QStyle::SP_MediaPause);
    SkipBtn = button("SkipBtn", tr("Skip"), tr("Skip to next article"), QStyle::SP_MediaSkipForward);
    StopBtn = button("StopBtn", tr("Stop"), tr("Stop reading"), QStyle::SP_MediaStop);
    ToolBar1->addSeparator();
    OptionsBtn = button("OptionsBtn", tr("Options"), tr("Display / Hide Options Panels"), QStyle::SP_FileDialogDetailedView);

    // Screen readers say the captions without the blanks that centre them.
    for (QToolButton *b : {ToolButton1, ToolButton2})
        b->setAccessibleName(b->text().trimmed());
    ToolBar1->setAccessibleName(tr("Toolbar"));
    for (QToolButton *b : {ToolButton1, ToolButton2, OptionsBtn})
        b->setCheckable(true);
    ModeButtons = new QButtonGroup(this); // exclusive
    ModeButtons->addButton(ToolButton1);
    ModeButtons->addButton(ToolButton2);

    connect(PasteBtn, &QToolButton::clicked, this, [] {
        // The tool buttons do not take focus, so the text control the user was in still has it.
        if (QWidget *target = QApplication::focusWidget())
            QMetaObject::invokeMethod(target, "paste");
    });
    connect(ReadFileBtn, &QToolButton::clicked, OpenMItm, &QAction::trigger);
    connect(ToolButton1, &QToolButton::clicked, SingleArticleMItm, &QAction::trigger);
    connect(ToolButton2, &QToolButton::clicked, MultiArticleMItm, &QAction::trigger);
    connect(OptionsBtn, &QToolButton::clicked, OptionsPanelsMItm, &QAction::trigger);
}


void TForm1::BuildMenus()
{
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    TellaFriend1 = item(mnuFile, "TellaFriend1", tr("Tell a Friend"));
    mnuFile->addSeparator();
    // The article commands, for the keyboard; the strip's menu holds the last two too.
    OpenMItm = item(mnuFile, "OpenMItm", tr("&Open..."));
    OpenMItm->setShortcut(QKeySequence::Open);
    OpenAddressMItm = item(mnuFile, "OpenAddressMItm", tr("Open &Web Address..."));
    OpenAddressMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    mnuFile->addSeparator();
    ExitParlewind = item(mnuFile, "ExitParlewind", tr("E&xit Parlewind"));
    ExitParlewind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuView = bar->addMenu(tr("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    ShowToolbarMItm = item(mnuView, "ShowToolbarMItm", tr("&Toolbar"));
    OptionsPanelsMItm = item(mnuView, "OptionsPanelsMItm", tr("&Options Panels"));
    ShowToolbarMItm->setCheckable(true);
    OptionsPanelsMItm->setCheckable(true);
    mnuView->addSeparator();
    PrevArticleMItm = item(mnuView, "PrevArticleMItm", tr("&Previous Article"));
    NextArticleMItm = item(mnuView, "NextArticleMItm", tr("&Next Article"));
    EditStripMItm = item(mnuView, "EditStripMItm", tr("&Edit Title and Voice"));
    PrevArticleMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    NextArticleMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EditStripMItm->setShortcut(QKeySequence(Qt::Key_F2));

    mnuOptions = bar->addMenu(tr("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    MonitorCBMItm = item(mnuOptions, "MonitorCBMItm", tr("&Watch Clipboard"));
    MonitorCBMItm->setCheckable(true);
    mnuOptions->addSeparator();
    SingleArticleMItm = item(mnuOptions, "SingleArticleMItm", tr("&Single Article"));
    MultiArticleMItm = item(mnuOptions, "MultiArticleMItm", tr("&Multi Article"));
    ModeMenuGroup = new QActionGroup(this);
    ModeMenuGroup->setExclusive(true);
    for (QAction *a : {SingleArticleMItm, MultiArticleMItm}) {
        a->setCheckable(true);
        ModeMenuGroup->addAction(a);
    }
    mnuOptions->addSeparator();
    // "S" already chooses "&Single Article" in this menu.
    SelAudioDevMItm = item(mnuOptions, "SelAudioDevMItm", tr("Select Audio &Device"));
    PronunciationMItm = item(mnuOptions, "PronunciationMItm", tr("&Pronunciation Editor"));
    LanguagesMItm = item(mnuOptions, "LanguagesMItm", tr("&Languages…"));

    BuildReadMenu();
}

void TForm1::BuildReadMenu()
{
    QMenuBar *bar = menuBar();
    mnuRead = bar->addMenu(tr("&Read"));
    mnuRead->setObjectName(QStringLiteral("mnuRead"));
    ReadAloudMItm = item(mnuRead, "ReadAloudMItm", tr("Read &Aloud"));
    ReadToFileMItm = item(mnuRead, "ReadToFileMItm", tr("Read to &File"));
    mnuRead->addSeparator();
    PauseMItm = item(mnuRead, "PauseMItm", tr("&Pause"));
    SkipMItm = item(mnuRead, "SkipMItm", tr("S&kip"));
    StopMItm = item(mnuRead, "StopMItm", tr("&Stop"));
    ReadAloudMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    ReadToFileMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    PauseMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    SkipMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    StopMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F10));
    mnuRead->addSeparator();
    ReadFromHereMItm = item(mnuRead, "ReadFromHereMItm", tr("Read from &Here"));
    ReadFromHereMItm->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    PrevSentenceMItm = item(mnuRead, "PrevSentenceMItm", tr("Pre&vious Sentence"));
    PrevSentenceMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11));
    NextSentenceMItm = item(mnuRead, "NextSentenceMItm", tr("Ne&xt Sentence"));
    NextSentenceMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    StopAfterMenu = mnuRead->addMenu(tr("Stop Af&ter"));
    StopAfterMenu->setObjectName(QStringLiteral("StopAfterMenu"));
    for (const int minutes : {15, 30, 45, 60})
        connect(StopAfterMenu->addAction(tr("&%1 Minutes").arg(minutes)), &QAction::triggered, this,
                [this, minutes] { m_Core.SetSleepTimer(minutes); });
    connect(StopAfterMenu->addAction(tr("At the End of This &Article")), &QAction::triggered, this,
            [this] { m_Core.SetSleepTimer(-1); });
    connect(StopAfterMenu->addAction(tr("&Off")), &QAction::triggered, this, [this] { m_Core.SetSleepTimer(0); });

    mnuAudioHelp = bar->addMenu(tr("&Audio Help"));
    mnuAudioHelp->setObjectName(QStringLiteral("mnuAudioHelp"));

    mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    Contents1 = item(mnuHelp, "Contents1", tr("&Contents"));
    mnuHelp->addSeparator();
    VisitBrivantaTechnologies1 =
        item(mnuHelp, "VisitBrivantaTechnologies1", tr("&Visit Brivanta Technologies"));
    mnuHelp->addSeparator();
    About1 = item(mnuHelp, "About1", tr("&About"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddNewPopup = item(PopupMenu1, "AddNewPopup", tr("&Add New"));
    DelSelPopup = item(PopupMenu1, "DelSelPopup", tr("&Delete Selected"));
    AddNewPopup->setShortcut(QKeySequence::New);
    DelSelPopup->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    mnuFile->insertActions(mnuFile->actions().at(mnuFile->actions().indexOf(OpenAddressMItm) + 1), {AddNewPopup, DelSelPopup});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ReadFromHereMItm);
}

void TForm1::ConnectMenus()
{
    connect(TellaFriend1, &QAction::triggered, this, [] {
        if (!ShellOpen::Open(TellAFriendCommand()))
            Messages::ShowError(tr("No mail program could be started."));
    });
    connect(ExitParlewind, &QAction::triggered, this, [this] { m_Core.RequestExit(); });
    connect(ShowToolbarMItm, &QAction::triggered, this, [this] {
        m_Core.Prefs().ShowToolbar = !m_Core.Prefs().ShowToolbar;
        ApplyLayout();
    });
    connect(OptionsPanelsMItm, &QAction::triggered, this, [this] {
        m_Core.Prefs().ShowOptions = !m_Core.Prefs().ShowOptions;
        ApplyLayout();
    });
    connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
    connect(VisitBrivantaTechnologies1, &QAction::triggered, this, [] {
        if (!ShellOpen::Open(MakerSite))
            Messages::ShowError(tr("No web browser could be started for %1").arg(MakerSite));
    });
    connect(About1, &QAction::triggered, this, [this] { TAboutBox(this).exec(); });
    connect(PronunciationMItm, &QAction::triggered, this, [this] {
        if (m_Core.Initialized() && m_Core.Voices())
            m_Core.Voices()->LexiconDialog(this, tr("Parlewind MP3 Pronunciation"));
    });
    connect(LanguagesMItm, &QAction::triggered, this, &TForm1::LanguagesMItmClick);
    connect(SelAudioDevMItm, &QAction::triggered, this, &TForm1::SelAudioDevMItmClick);
    connect(MonitorCBMItm, &QAction::triggered, this, &TForm1::MonitorCBClick);
    connect(SingleArticleMItm, &QAction::triggered, this, [this] { m_Core.SwitchMode(0); });
    connect(MultiArticleMItm, &QAction::triggered, this, [this] { m_Core.SwitchMode(1); });
    connect(AddNewPopup, &QAction::triggered, this, [this] {
        if (m_Core.Initialized())
            m_Core.AddNew();
    });
    connect(ReadFromHereMItm, &QAction::triggered, this, &TForm1::ReadFromHereClick);
    connect(DelSelPopup, &QAction::triggered, this, [this] { m_Core.DeleteSelected(); });
    connect(OpenMItm, &QAction::triggered, this, &TForm1::OpenFileDialog);
    connect(OpenAddressMItm, &QAction::triggered, this, &TForm1::OpenAddressDialog);
    connect(PrevArticleMItm, &QAction::triggered, this, [this] { MoveToArticle(-1); });
    connect(NextArticleMItm, &QAction::triggered, this, [this] { MoveToArticle(1); });
    connect(EditStripMItm, &QAction::triggered, this, [this] {
        TMemoEntry *entry = m_Core.Articles().CurrentEntry();
        if (m_Core.Initialized() && entry && entry->View())
            entry->View()->Strip->StartEdit();
    });
}
