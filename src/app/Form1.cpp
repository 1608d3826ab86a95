#include "app/Form1.h"

#include "app/AboutBox.h"
#include "app/DocumentOpen.h"
#include "app/FileDrop.h"
#include "app/clipboard/CB_PromptForm.h"
#include "app/clipboard/ClipboardWatch.h"
#include "app/clipboard/SIBusyForm.h"
#include "app/options/ClipboardPage.h"
#include "app/options/FavoriteVoicesPage.h"
#include "app/options/FileOptionsPage.h"
#include "app/options/MiscPage.h"
#include "app/options/ModeSheets.h"
#include "app/options/VoiceEditPage.h"
#include "articles/ArticleBooks.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "articles/ReadingPlaces.h"
#include "articles/SavedArticles.h"
#include "articles/TextFile.h"
#include "audio/AudioDeviceDlg.h"
#include "audio/Mp3Encode.h"
#include "audio/EncodeJobs.h"
#include "documents/Document.h"
#include "app/tray/NotifyIcon.h"
#include "audiohelp/AudioHelp.h"
#include "app/tray/ToolBarForm.h"
#include "controls/Gauge.h"
#include "log/UtilsClass.h"
#include "platform/shell/FileDialogs.h"
#include "platform/shell/Messages.h"
#include "platform/shell/Session.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/shell/ShellOpen.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/sapi/Lexicon.h"
#include "platform/waveout/WaveOut.h"
#include "settings/Preferences.h"
#include "speech/EngineWarningForm.h"
#include "speech/TTSForm.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QTabWidget>
#include <QThread>
#include <QScopeGuard>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

const QString TForm1::MakerSite = QStringLiteral("http://www.brivantatech.com");
const QString TForm1::NoTrayNotice =
    QStringLiteral("This desktop has no notification area, so the window stays open. To end Parlewind, choose "
                   "Exit Parlewind in the File menu; to close it to a floating tool bar, choose \"When "
                   "minimized\" for \"Show Floating Toolbar\" on the Misc page.");

namespace {

const QString caption = QStringLiteral("Parlewind MP3");
const QString autoStartName = QStringLiteral("Parlewind");

QString AutoStartCommand()
{
    return ProgramPaths::QuoteArgument(ProgramPaths::ProgramFile()) + QStringLiteral(" -auto");
}

// A tool button that draws its caption without the padding blanks some captions
// carry, so that it is not cut short on a narrow button.
class CaptionButton : public QToolButton
{
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionToolButton option;
        initStyleOption(&option);
        option.text = option.text.trimmed();
        painter.drawComplexControl(QStyle::CC_ToolButton, option);
    }
};

} // namespace

TForm1::TForm1(const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_Arguments(arguments)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TmpParlewind"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/parlewind.png")));
    resize(639, 604);

    // The option pages are built on the preferences; they are read in FormCreate.
    Prefs = std::make_unique<TPreferences>();
    Articles = new TArticleList(this);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    TopPanel = new QWidget(central);
    TopPanel->setObjectName(QStringLiteral("TopPanel"));
    auto *topLayout = new QVBoxLayout(TopPanel);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);
    layout->addWidget(TopPanel);
    MainTextPanel = new QFrame(central);
    MainTextPanel->setObjectName(QStringLiteral("MainTextPanel"));
    MainTextPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout->addWidget(MainTextPanel, 1);
    setCentralWidget(central);

    BuildToolBar();
    BuildOptionsArea();
    topLayout->addWidget(ToolBar1);
    topLayout->addWidget(Panel3, 1);
    BuildMenus();
    BuildStatusBar();
    BuildTray();
    EncodeJobs = new TEncodeJobs(this);
    connect(EncodeJobs, &TEncodeJobs::JobEnded, this, &TForm1::EncodeJobEnded);
    connect(EncodeJobs, &TEncodeJobs::WorkerFreed, this, &TForm1::EncodeWorkerFreed);
    connect(EncodeJobs, &TEncodeJobs::Progress, this, [this] {
        if (ReadingState == rsConverting)
            SetProgress(EncodeJobs->Percent());
    });
    TAudioHelp::BuildHelpMenu(mnuAudioHelp, this, [this](QAction *item) { AudioHelpItemClick(item); });
    const TToolBarForm &floating = *ToolBarForm;
    ReadingCommands.Aloud = {PlayToolBtn, ReadAloudMItm, ReadFromHereMItm, TrayIcon->ReadAloudPONtry, floating.PlayToolBtn,
                             static_cast<QObject *>(VoiceEditSheet->VoiceEditTestBtn)};
    // A help topic is read like a test message: not in the middle of a reading.
    for (QAction *topic : mnuAudioHelp->actions())
        ReadingCommands.Aloud << topic;
    ReadingCommands.File = {PlayFileBtn, ReadToFileMItm, TrayIcon->ReadToFilePONtry, floating.PlayFileBtn};
    ReadingCommands.Pause = {PauseBtn, PauseMItm, TrayIcon->PausePONtry, floating.PauseBtn, PrevSentenceMItm, NextSentenceMItm,
                              TrayIcon->PrevSentencePONtry, TrayIcon->NextSentencePONtry, floating.PrevSentenceBtn,
                              floating.NextSentenceBtn};
    ReadingCommands.Skip = {SkipBtn, SkipMItm, TrayIcon->SkipPONtry, floating.SkipBtn};
    ReadingCommands.Stop = {StopBtn, StopMItm, TrayIcon->StopPONtry, floating.StopBtn};
    ReadingCommands.Devices = {SelAudioDevMItm, PronunciationMItm, LanguagesMItm};

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

    ClipboardWatch = new TClipboardWatch(this);
    connect(ClipboardWatch, &TClipboardWatch::Changed, this, &TForm1::ClipboardChanged);
    CB_PromptForm = new TCB_PromptForm(*Prefs, this);
    CB_PromptForm->CanAppend = [this] {
        const TArticleList &list = *Articles;
        return list.CurrentEntry() && !(list.Count() == 1 && list.EntryAt(1)->IsBlank());
    };
    CB_PromptForm->PromptAction = [this](bool append) { PromptAction(append); };
    SIBusyForm = new TSIBusyForm(*Prefs, this);

    SaveTimer = new QTimer(this);
    SaveTimer->setObjectName(QStringLiteral("SaveTimer"));
    SaveTimer->setSingleShot(true);
    SaveTimer->setInterval(SaveDelayMs);
    connect(SaveTimer, &QTimer::timeout, this, [this] {
        if (Initialized && ReadingState != rsExiting)
            SaveArticles(true);
    });

    FormCreate();
}

TForm1::NestedPass::~NestedPass()
{
    if (--m_Form->m_NestedDepth == 0 && m_Form->m_ExitPending) {
        m_Form->m_ExitPending = false;
        QMetaObject::invokeMethod(m_Form, &TForm1::CompleteExit, Qt::QueuedConnection);
    }
}

TForm1::~TForm1()
{
    UtilsClass::Trace(QStringLiteral("Entered Form1 Destroy"));
    TRegistryEnhanced::SetProblemHandler([](const QString &problem) { UtilsClass::Trace(problem); });
    TrayIcon->hide();
    UtilsClass::Trace(QStringLiteral("Exitting FormDestroy"));
}

void TForm1::BuildToolBar()
{
    ToolBar1 = new QToolBar(TopPanel);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setFixedHeight(ToolBarHeight);
    ToolBar1->setIconSize(QSize(32, 32));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);

    const auto button = [this](const char *name, const char *text, const char *hint,
                               QStyle::StandardPixmap icon) {
        auto *b = new CaptionButton(ToolBar1);
        b->setObjectName(QLatin1String(name));
        b->setText(QLatin1String(text));
        b->setToolTip(QLatin1String(hint));
        b->setIcon(style()->standardIcon(icon));
        b->setIconSize(QSize(32, 32));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        // The designed size, or what the caption needs with a larger font.
        const QFontMetrics metrics(b->font());
        b->setFixedSize(std::max(60, metrics.horizontalAdvance(b->text().trimmed()) + 10),
                        std::max(52, 32 + metrics.height() + 4));
        b->setAutoRaise(true);
        ToolBar1->addWidget(b);
        return b;
    };
    ToolButton1 = button("ToolButton1", "    Single    ", "Single-Article Mode", QStyle::SP_FileIcon);
    ToolButton2 = button("ToolButton2", "Multi ", "Multi-Article Mode", QStyle::SP_FileDialogListView);
    ToolBar1->addSeparator();
    ReadFileBtn = button("ReadFileBtn", "Open", "Read text file", QStyle::SP_DialogOpenButton);
    PasteBtn = button("PasteBtn", "Paste", "Paste", QStyle::SP_FileDialogContentsView);
    ToolBar1->addSeparator();
    PlayToolBtn = button("PlayToolBtn", "Aloud", "Read text aloud", QStyle::SP_MediaPlay);
    PlayFileBtn = button("PlayFileBtn", "File", "Read text to file", QStyle::SP_DialogSaveButton);
    PauseBtn = button("PauseBtn", "Pause", "Pause / Resume ", QStyle::SP_MediaPause);
    SkipBtn = button("SkipBtn", "Skip", "Skip to next article", QStyle::SP_MediaSkipForward);
    StopBtn = button("StopBtn", "Stop", "Stop reading", QStyle::SP_MediaStop);
    ToolBar1->addSeparator();
    OptionsBtn = button("OptionsBtn", "Options", "Display / Hide Options Panels",
                        QStyle::SP_FileDialogDetailedView);

    // Screen readers say the captions without the blanks that centre them.
    for (QToolButton *b : {ToolButton1, ToolButton2})
        b->setAccessibleName(b->text().trimmed());
    ToolBar1->setAccessibleName(QStringLiteral("Toolbar"));
    ToolButton1->setCheckable(true);
    ToolButton2->setCheckable(true);
    OptionsBtn->setCheckable(true);
    ModeButtons = new QButtonGroup(this);
    ModeButtons->setExclusive(true);
    ModeButtons->addButton(ToolButton1);
    ModeButtons->addButton(ToolButton2);

    connect(PasteBtn, &QToolButton::clicked, this, &TForm1::PasteBtnClick);
    connect(ReadFileBtn, &QToolButton::clicked, this, &TForm1::ReadFileBtnClick);
    connect(PlayToolBtn, &QToolButton::clicked, this, &TForm1::PlayAllBtnClick);
    connect(PlayFileBtn, &QToolButton::clicked, this, &TForm1::PlayFileBtnClick);
    connect(PauseBtn, &QToolButton::clicked, this, &TForm1::PauseBtnClick);
    connect(SkipBtn, &QToolButton::clicked, this, &TForm1::SkipBtnClick);
    connect(StopBtn, &QToolButton::clicked, this, &TForm1::StopBtnClick);
    connect(ToolButton1, &QToolButton::clicked, this, &TForm1::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TForm1::ToolButton2Click);
    connect(OptionsBtn, &QToolButton::clicked, this, &TForm1::MMLabel1Click);
}

void TForm1::BuildTray()
{
    TrayIcon = new TNotifyIcon(windowIcon(), {MonitorCBMItm, SingleArticleMItm, MultiArticleMItm, ExitParlewind}, this);
    const auto restore = [this] {
        if (Initialized)
            RestoreMainWindow();
    };
    connect(TrayIcon, &TNotifyIcon::RestoreRequested, this, restore);
    connect(TrayIcon->ToolBarPONtry, &QAction::triggered, this, &TForm1::ToolBarPONtryClick);
    connect(TrayIcon->ReadAloudPONtry, &QAction::triggered, this, &TForm1::PlayAllBtnClick);
    connect(TrayIcon->ReadToFilePONtry, &QAction::triggered, this, &TForm1::PlayFileBtnClick);
    connect(TrayIcon->SkipPONtry, &QAction::triggered, this, &TForm1::SkipBtnClick);
    connect(TrayIcon->PausePONtry, &QAction::triggered, this, &TForm1::PauseBtnClick);
    connect(TrayIcon->StopPONtry, &QAction::triggered, this, &TForm1::StopBtnClick);
    connect(TrayIcon->PrevSentencePONtry, &QAction::triggered, this, [this] { SentenceJump(-1); });
    connect(TrayIcon->NextSentencePONtry, &QAction::triggered, this, [this] { SentenceJump(+1); });
    connect(TrayIcon->AboutPONtry, &QAction::triggered, this, &TForm1::About1Click);

    ToolBarForm = std::make_unique<TToolBarForm>(*Prefs);
    // The main window's pictures.
    const std::pair<QToolButton *, QToolButton *> pictures[] = {
        {ToolBarForm->PlayToolBtn, PlayToolBtn}, {ToolBarForm->PlayFileBtn, PlayFileBtn},
        {ToolBarForm->PauseBtn, PauseBtn},       {ToolBarForm->SkipBtn, SkipBtn},
        {ToolBarForm->StopBtn, StopBtn}};
    for (const auto &[copy, original] : pictures)
        copy->setIcon(original->icon());
    connect(ToolBarForm->PlayToolBtn, &QToolButton::clicked, this, &TForm1::PlayAllBtnClick);
    connect(ToolBarForm->PlayFileBtn, &QToolButton::clicked, this, &TForm1::PlayFileBtnClick);
    connect(ToolBarForm->PauseBtn, &QToolButton::clicked, this, &TForm1::PauseBtnClick);
    connect(ToolBarForm->PrevSentenceBtn, &QToolButton::clicked, this, [this] { SentenceJump(-1); });
    connect(ToolBarForm->NextSentenceBtn, &QToolButton::clicked, this, [this] { SentenceJump(+1); });
    connect(ToolBarForm->SkipBtn, &QToolButton::clicked, this, &TForm1::SkipBtnClick);
    connect(ToolBarForm->StopBtn, &QToolButton::clicked, this, &TForm1::StopBtnClick);
    connect(ToolBarForm->RestoreBtn, &QToolButton::clicked, this, restore);
    connect(ToolBarForm.get(), &TToolBarForm::Closed, this,
            [this] { TrayIcon->ToolBarPONtry->setEnabled(!MainWindowShown()); });
}

void TForm1::BuildOptionsArea()
{
    Panel3 = new QWidget(TopPanel);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    auto *layout = new QHBoxLayout(Panel3);
    layout->setContentsMargins(2, 2, 2, 2);

    // The options area has a fixed height: what does not fit (large fonts, high
    // scale) scrolls instead of being squashed.
    const auto scrolled = [](QWidget *content, QWidget *parent, const QString &name) {
        auto *area = new QScrollArea(parent);
        area->setObjectName(content->objectName() + QStringLiteral("Scroll"));
        // Not a stop of its own for Tab; its name tells a screen reader which page it is.
        area->setFocusPolicy(Qt::NoFocus);
        area->setAccessibleName(name);
        area->setFrameShape(QFrame::NoFrame);
        area->setWidgetResizable(true);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        area->setWidget(content);
        return area;
    };
    MISIOptionsPage = new QStackedWidget(Panel3);
    MISIOptionsPage->setObjectName(QStringLiteral("MISIOptionsPage"));
    SIOptionsSheet = new TSIOptionsSheet(*Prefs);
    MIOptionsSheet = new TMIOptionsSheet(*Prefs);
    MISIOptionsPage->addWidget(scrolled(SIOptionsSheet, MISIOptionsPage, QStringLiteral("Single-Article Options")));
    MISIOptionsPage->addWidget(scrolled(MIOptionsSheet, MISIOptionsPage, QStringLiteral("Multi-Article Options")));
    // At least the designed width, wider when its texts need it.
    MISIOptionsPage->setMinimumWidth(std::max(190, std::max(SIOptionsSheet->sizeHint().width(),
                                                            MIOptionsSheet->sizeHint().width()) +
                                                       style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    MISIOptionsPage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(MISIOptionsPage);

    PageControl1 = new QTabWidget(Panel3);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(QStringLiteral("Option pages"));
    ClipboardSheet = new TClipboardPage(*Prefs, PageControl1);
    TabSheet5 = new TFavoriteVoicesPage(*Prefs, PageControl1);
    VoiceEditSheet = new TVoiceEditPage(PageControl1);
    FileOptionsSheet = new TFileOptionsPage(*Prefs, PageControl1);
    MiscSheet = new TMiscPage(*Prefs, PageControl1);
    // No mnemonics on the tabs: the menu bar has their letters; Ctrl+Tab turns pages.
    PageControl1->addTab(scrolled(ClipboardSheet, PageControl1, QStringLiteral("Clipboard")), QStringLiteral("Clipboard"));
    PageControl1->addTab(scrolled(TabSheet5, PageControl1, QStringLiteral("Favorite Voices")), QStringLiteral("Favorite Voices"));
    PageControl1->addTab(scrolled(VoiceEditSheet, PageControl1, QStringLiteral("Voice Edit")), QStringLiteral("Voice Edit"));
    PageControl1->addTab(scrolled(FileOptionsSheet, PageControl1, QStringLiteral("File Options")), QStringLiteral("File Options"));
    PageControl1->addTab(scrolled(MiscSheet, PageControl1, QStringLiteral("Misc")), QStringLiteral("Misc"));
    layout->addWidget(PageControl1, 1);

    ODestGrp = MIOptionsSheet->ODestGrp;
    FileFormatRGrp = FileOptionsSheet->FileFormatRGrp;
    OutDirEdit = FileOptionsSheet->OutDirEdit;
    Button1 = FileOptionsSheet->Button1;
    ConnectOptionPages();
}

void TForm1::ConnectOptionPages()
{
    const auto initialized = [this] { return Initialized; };
    const auto voiceManager = [this]() -> TTTSForm * { return TTSForm; };
    const auto test = [this](const QString &voice) { TestVoice(voice); };
    MIOptionsSheet->Initialized = initialized;
    MIOptionsSheet->ReadTargetChosen = [this](int index) { ReadTarget = static_cast<TReadTarget>(index); };
    FileOptionsSheet->Initialized = initialized;
    ClipboardSheet->MonitorClicked = [this](bool on) { MonitorCBClick(on); };
    ClipboardSheet->Hint = [this](const QString &text) { ShowStatus(text); };
    TabSheet5->VoiceManager = voiceManager;
    TabSheet5->Initialized = initialized;
    TabSheet5->Idle = [this] { return ReadingState == rsIdle; };
    TabSheet5->VoicesChanged = [this] { LoadFavoriteVoices(); };
    TabSheet5->TestVoice = test;
    TabSheet5->Languages = [this] { LanguagesMItmClick(); };
    auto *drop = new TFileDrop(this);
    connect(drop, &TFileDrop::FilesDropped, this, &TForm1::OpenFiles);
    connect(drop, &TFileDrop::TextDropped, this, &TForm1::TextDropped);
    TabSheet5->MoreVoices = [this] {
        if (HelpFile.isEmpty() || !ShellOpen::Open(HelpFile + QStringLiteral("#more-voices")))
            Messages::ShowError(QStringLiteral("The help page on more voices could not be opened."));
    };
    VoiceEditSheet->VoiceManager = voiceManager;
    VoiceEditSheet->Initialized = initialized;
    VoiceEditSheet->DefaultVoiceText = [this] { return MiscSheet->DfltVoiceCB->currentText(); };
    VoiceEditSheet->TestVoice = test;
    MiscSheet->HighlightClicked = [this](bool on) { HighlightPosnClick(on); };
    MiscSheet->IsAutoStart = [] { return TPreferences::IsAutoStart(autoStartName); };
    MiscSheet->SetAutoStart = [](bool on) { TPreferences::SetAutoStart(autoStartName, AutoStartCommand(), on); };
}

void TForm1::ShowOptionPage(QWidget *page)
{
    // The page's parent is its scroll area's viewport.
    PageControl1->setCurrentWidget(page->parentWidget()->parentWidget());
}

QWidget *TForm1::CurrentOptionPage() const
{
    const auto *area = qobject_cast<QScrollArea *>(PageControl1->currentWidget());
    return area ? area->widget() : nullptr;
}

QWidget *TForm1::CurrentModeSheet() const
{
    const auto *area = qobject_cast<QScrollArea *>(MISIOptionsPage->currentWidget());
    return area ? area->widget() : nullptr;
}

void TForm1::MonitorCBClick(bool on)
{
    if (!Initialized || !TClipboardWatch::Supported()) {
        // Nothing changes before the program has started, nor where the desktop
        // cannot tell of copies (the stored choice stays for sessions that can).
        const bool shown = Prefs->CB_Monitor && TClipboardWatch::Supported();
        MonitorCBMItm->setChecked(shown);
        ClipboardSheet->MonitorCB->setChecked(shown);
        return;
    }
    Prefs->CB_Monitor = on;
    MonitorCBMItm->setChecked(on);
    ClipboardSheet->MonitorCB->setChecked(on);
    // From the next copy on: the text already on the clipboard is not taken.
    ClipboardWatch->SetWatching(on);
}

void TForm1::ClipboardChanged(const QString &text, bool hasText)
{
    if (!Initialized || !Prefs->CB_Monitor || ReadingState == rsExiting || !hasText)
        return;
    if (CB_PromptForm->isVisible()) {
        // The prompt still holds the earlier text.
        Messages::Beep();
        return;
    }
    TArticleList &list = *Articles;
    if (Prefs->ML_ListMode == 0 && list.Count() >= 1 && list.EntryAt(1)->Locked) {
        if (Prefs->SI_ShowBusyDialog) {
            const NestedPass pass(this);
            SIBusyForm->exec();
        }
        return;
    }
    ClipBoardMemo = text;
    if (text.size() <= Prefs->CB_ThreshHold)
        return;
    if (Prefs->CB_Prompt) {
        CB_PromptForm->ShowPrompt();
        return;
    }
    AddMemo(ClipBoardMemo, ChooseVoice());
}

void TForm1::PromptAction(bool append)
{
    if (!Initialized || ReadingState == rsExiting)
        return;
    TMemoEntry *article = append ? Articles->CurrentEntry() : nullptr;
    if (article) {
        QString current = article->Text();
        if (!current.isEmpty() && !current.endsWith(QLatin1Char('\n')) && !current.endsWith(QLatin1Char('\r')) &&
            !current.endsWith(QChar(0)))
            current += QLatin1Char(' ');
        article->SetText(current + ClipBoardMemo);
        // Saved a while later, like any edit.
        SaveTimer->start();
    } else {
        article = AddMemo(ClipBoardMemo, ChooseVoice());
    }
    if (article && Prefs->ML_ListMode == 0 && Prefs->SI_AutoSpeak)
        ReadArticle(article, rtSpeakers);
}

void TForm1::TestVoice(const QString &voice)
{
    if (ReadingState != rsIdle)
        return;
    ShowStatus(QStringLiteral("Reading Test Message"));
    SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), voice);
}

void TForm1::BuildMenus()
{
    const auto item = [this](QMenu *menu, const char *name, const char *text) {
        QAction *action = menu->addAction(QString::fromUtf8(text));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    TellaFriend1 = item(mnuFile, "TellaFriend1", "Tell a Friend");
    mnuFile->addSeparator();
    // The article commands, for the keyboard; the strip's menu holds the last two too.
    OpenMItm = item(mnuFile, "OpenMItm", "&Open...");
    OpenMItm->setShortcut(QKeySequence::Open);
    mnuFile->addSeparator();
    ExitParlewind = item(mnuFile, "ExitParlewind", "E&xit Parlewind");
    ExitParlewind->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    mnuView = bar->addMenu(QStringLiteral("&View"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    ShowToolbarMItm = item(mnuView, "ShowToolbarMItm", "&Toolbar");
    OptionsPanelsMItm = item(mnuView, "OptionsPanelsMItm", "&Options Panels");
    ShowToolbarMItm->setCheckable(true);
    OptionsPanelsMItm->setCheckable(true);
    mnuView->addSeparator();
    PrevArticleMItm = item(mnuView, "PrevArticleMItm", "&Previous Article");
    NextArticleMItm = item(mnuView, "NextArticleMItm", "&Next Article");
    EditStripMItm = item(mnuView, "EditStripMItm", "&Edit Title and Voice");
    PrevArticleMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    NextArticleMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EditStripMItm->setShortcut(QKeySequence(Qt::Key_F2));

    mnuOptions = bar->addMenu(QStringLiteral("&Options"));
    mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
    MonitorCBMItm = item(mnuOptions, "MonitorCBMItm", "&Watch Clipboard");
    MonitorCBMItm->setCheckable(true);
    mnuOptions->addSeparator();
    SingleArticleMItm = item(mnuOptions, "SingleArticleMItm", "&Single Article");
    MultiArticleMItm = item(mnuOptions, "MultiArticleMItm", "&Multi Article");
    ModeMenuGroup = new QActionGroup(this);
    ModeMenuGroup->setExclusive(true);
    for (QAction *a : {SingleArticleMItm, MultiArticleMItm}) {
        a->setCheckable(true);
        ModeMenuGroup->addAction(a);
    }
    mnuOptions->addSeparator();
    // "S" already chooses "&Single Article" in this menu.
    SelAudioDevMItm = item(mnuOptions, "SelAudioDevMItm", "Select Audio &Device");
    PronunciationMItm = item(mnuOptions, "PronunciationMItm", "&Pronunciation Editor");
    LanguagesMItm = item(mnuOptions, "LanguagesMItm", "&Languages…");

    mnuRead = bar->addMenu(QStringLiteral("&Read"));
    mnuRead->setObjectName(QStringLiteral("mnuRead"));
    ReadAloudMItm = item(mnuRead, "ReadAloudMItm", "Read &Aloud");
    ReadToFileMItm = item(mnuRead, "ReadToFileMItm", "Read to &File");
    mnuRead->addSeparator();
    PauseMItm = item(mnuRead, "PauseMItm", "&Pause");
    SkipMItm = item(mnuRead, "SkipMItm", "S&kip");
    StopMItm = item(mnuRead, "StopMItm", "&Stop");
    ReadAloudMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F6));
    ReadToFileMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F7));
    PauseMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F8));
    SkipMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F9));
    StopMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F10));
    mnuRead->addSeparator();
    ReadFromHereMItm = item(mnuRead, "ReadFromHereMItm", "Read from &Here");
    ReadFromHereMItm->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    PrevSentenceMItm = item(mnuRead, "PrevSentenceMItm", "Pre&vious Sentence");
    PrevSentenceMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F11));
    NextSentenceMItm = item(mnuRead, "NextSentenceMItm", "Ne&xt Sentence");
    NextSentenceMItm->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F12));
    StopAfterMenu = mnuRead->addMenu(QStringLiteral("Stop Af&ter"));
    StopAfterMenu->setObjectName(QStringLiteral("StopAfterMenu"));
    for (const int minutes : {15, 30, 45, 60})
        connect(StopAfterMenu->addAction(QStringLiteral("&%1 Minutes").arg(minutes)), &QAction::triggered, this,
                [this, minutes] { SetSleepTimer(minutes); });
    connect(StopAfterMenu->addAction(QStringLiteral("At the End of This &Article")), &QAction::triggered, this,
            [this] { SetSleepTimer(-1); });
    connect(StopAfterMenu->addAction(QStringLiteral("&Off")), &QAction::triggered, this, [this] { SetSleepTimer(0); });

    mnuAudioHelp = bar->addMenu(QStringLiteral("&Audio Help"));
    mnuAudioHelp->setObjectName(QStringLiteral("mnuAudioHelp"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    Contents1 = item(mnuHelp, "Contents1", "&Contents");
    mnuHelp->addSeparator();
    VisitBrivantaTechnologies1 =
        item(mnuHelp, "VisitBrivantaTechnologies1", "&Visit Brivanta Technologies");
    mnuHelp->addSeparator();
    About1 = item(mnuHelp, "About1", "&About");

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddNewPopup = item(PopupMenu1, "AddNewPopup", "&Add New");
    DelSelPopup = item(PopupMenu1, "DelSelPopup", "&Delete Selected");
    AddNewPopup->setShortcut(QKeySequence::New);
    DelSelPopup->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    mnuFile->insertActions(mnuFile->actions().at(mnuFile->actions().indexOf(OpenMItm) + 1), {AddNewPopup, DelSelPopup});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(ReadFromHereMItm);

    connect(TellaFriend1, &QAction::triggered, this, &TForm1::TellaFriend1Click);
    connect(ExitParlewind, &QAction::triggered, this, &TForm1::ExitParlewindClick);
    connect(ShowToolbarMItm, &QAction::triggered, this, &TForm1::ShowToolbarMItmClick);
    connect(OptionsPanelsMItm, &QAction::triggered, this, &TForm1::MMLabel1Click);
    connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
    connect(VisitBrivantaTechnologies1, &QAction::triggered, this,
            &TForm1::VisitBrivantaTechnologies1Click);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(PronunciationMItm, &QAction::triggered, this, &TForm1::PronunciationMItmClick);
    connect(LanguagesMItm, &QAction::triggered, this, &TForm1::LanguagesMItmClick);
    connect(SelAudioDevMItm, &QAction::triggered, this, &TForm1::SelAudioDevMItmClick);
    connect(MonitorCBMItm, &QAction::triggered, this, &TForm1::MonitorCBClick);
    connect(SingleArticleMItm, &QAction::triggered, this, &TForm1::ToolButton1Click);
    connect(MultiArticleMItm, &QAction::triggered, this, &TForm1::ToolButton2Click);
    connect(AddNewPopup, &QAction::triggered, this, &TForm1::AddNewPopupClick);
    connect(ReadAloudMItm, &QAction::triggered, this, &TForm1::PlayAllBtnClick);
    connect(ReadFromHereMItm, &QAction::triggered, this, &TForm1::ReadFromHereClick);
    connect(PrevSentenceMItm, &QAction::triggered, this, [this] { SentenceJump(-1); });
    connect(NextSentenceMItm, &QAction::triggered, this, [this] { SentenceJump(+1); });
    connect(ReadToFileMItm, &QAction::triggered, this, &TForm1::PlayFileBtnClick);
    connect(PauseMItm, &QAction::triggered, this, &TForm1::PauseBtnClick);
    connect(SkipMItm, &QAction::triggered, this, &TForm1::SkipBtnClick);
    connect(StopMItm, &QAction::triggered, this, &TForm1::StopBtnClick);
    connect(DelSelPopup, &QAction::triggered, this, &TForm1::DelSelPopupClick);
    connect(OpenMItm, &QAction::triggered, this, &TForm1::ReadFileBtnClick);
    connect(PrevArticleMItm, &QAction::triggered, this, [this] { MoveToArticle(-1); });
    connect(NextArticleMItm, &QAction::triggered, this, [this] { MoveToArticle(1); });
    connect(EditStripMItm, &QAction::triggered, this, [this] {
        TMemoEntry *entry = Articles->CurrentEntry();
        if (Initialized && entry && entry->View())
            entry->View()->Strip->StartEdit();
    });
}

void TForm1::BuildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new QLabel(StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    for (QLabel *panel : {StatusPanel0, StatusPanel1})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1, 1);
    setStatusBar(StatusBar1);

    StatusGauge = new TGauge(StatusBar1);
    StatusGauge->setObjectName(QStringLiteral("StatusGauge"));
    StatusGauge->SetShowText(false);
    StatusGauge->hide();
}

void TForm1::FormCreate()
{
    UtilsClass::RotateLogs();
    HelpFile = ProgramPaths::DataFile(QStringLiteral("help/index.html"));

    Initialized = false;
    Activated = false;
    ListInfoInitialized = false;

    // A kill while a file was being replaced leaves its unfinished copy beside it.
    for (const QString &file : {SavedArticles::File(), Lexicon::FilePath(), TRegistryEnhanced::StoreFile(hkCurrentUser)}) {
        for (const QString &stale : ProgramPaths::RemoveStaleTemporaries(file))
            UtilsClass::Trace(QStringLiteral("Removed the unfinished file ") + stale);
    }
    // Likewise the settings store's lock: left by a kill, it would hold up every
    // later save of the settings (the exit among them) for half a minute. This
    // program is the only one writing them, and it runs once.
    const QString settingsLock = TRegistryEnhanced::StoreFile(hkCurrentUser) + QStringLiteral(".lock");
    if (ProgramPaths::RemoveStaleLock(settingsLock))
        UtilsClass::Trace(QStringLiteral("Removed the stale lock ") + settingsLock);
    // Settings problems are told in the status line once the window shows.
    TRegistryEnhanced::SetProblemHandler([this](const QString &problem) {
        UtilsClass::Trace(problem);
        if (!m_StartNotices.contains(problem))
            m_StartNotices << problem;
    });

    Prefs->Load();
    TPreferences::RestorePlacement(this);
    Prefs->LoadFields();
    UtilsClass::Trace(QStringLiteral("Version: ") + Prefs->GetVersion());
    FindAudioDevice();

    SizeStatusPanels();
    StatusPanel1->setText(QStringLiteral(" "));
    ShowGauges(false);

    setWindowTitle(caption);
    MainTextPanel->setFrameStyle(QFrame::NoFrame);

    MemoListBox1 = new TMemoListBox(*Articles, MainTextPanel);
    auto *listLayout = new QVBoxLayout(MainTextPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(MemoListBox1);
    Articles->ListMode = Prefs->ML_ListMode;
    MemoListBox1->SetVisibleEntries(Prefs->ML_ListMode == 1 ? Prefs->ML_VisibleEntries : 1);
    MemoListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MemoListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(MemoListBox1->mapToGlobal(at)); });
    connect(Articles, &TArticleList::EntryEdited, this, [this] {
        if (Initialized && ReadingState != rsExiting)
            SaveTimer->start();
    });
    connect(Articles, &TArticleList::ReadRequested, this,
            [this](TMemoEntry *entry, bool toFile) { ReadArticle(entry, toFile ? rtSingleFile : rtSpeakers, true); });
    connect(Articles, &TArticleList::DeleteRequested, this, &TForm1::ArticleDelete);
    MemoListBox1->MoreLanguages = [this] { return LanguagesMItmClick(); };
    MemoListBox1->VoiceNames = [this] {
        QStringList names;
        if (TTSForm) {
            for (const auto &voice : TTSForm->Voices)
                names << voice->Name;
        }
        return names;
    };

    ApplyLayout();
    ApplyMode();

    // The option controls show the stored choices.
    ClipboardSheet->Load();
    FileOptionsSheet->Load();
    MiscSheet->Load();
    MonitorCBMItm->setChecked(Prefs->CB_Monitor);
    ClipboardWatch->SetWatching(Prefs->CB_Monitor);
    if (!TClipboardWatch::Supported()) {
        const QString why = TClipboardWatch::UnsupportedReason();
        if (Prefs->CB_Monitor)
            m_StartNotices << QStringLiteral("Watching the clipboard is off on this Wayland desktop (see the "
                                             "Clipboard page).");
        ClipboardSheet->ShowWatchingUnsupported(why);
        MonitorCBMItm->setChecked(false);
        MonitorCBMItm->setEnabled(false);
        MonitorCBMItm->setToolTip(why);
        MonitorCBMItm->setStatusTip(why);
    }

    RoundRobinPos = -1;
    ReadTarget = rtSpeakers;
    SetReadingState(rsIdle);

    // Keep the log-in entry pointing at this program if it was moved.
    if (TPreferences::IsAutoStart(autoStartName))
        TPreferences::SetAutoStart(autoStartName, AutoStartCommand(), true);

    ShowOptionPage(ClipboardSheet);
}

void TForm1::ApplyLayout()
{
    ToolBar1->setVisible(Prefs->ShowToolbar);
    Panel3->setVisible(Prefs->ShowOptions);
    ShowToolbarMItm->setChecked(Prefs->ShowToolbar);
    OptionsPanelsMItm->setChecked(Prefs->ShowOptions);
    OptionsBtn->setChecked(Prefs->ShowOptions);
    // The designed heights, or what the buttons' captions need with a larger font;
    // the option pages scroll within theirs.
    const int toolBar = std::max(ToolBarHeight, PlayToolBtn->maximumHeight() + 4);
    ToolBar1->setFixedHeight(toolBar);
    const int options = TopPanelHeight - ToolBarHeight;
    int height = 0;
    if (Prefs->ShowOptions)
        height = Prefs->ShowToolbar ? toolBar + options : options;
    else if (Prefs->ShowToolbar)
        height = toolBar;
    TopPanel->setFixedHeight(height);
    TopPanel->setVisible(height > 0);
}

void TForm1::ApplyMode()
{
    if (Prefs->ML_ListMode == 1) {
        ToolButton2->setChecked(true);
        MultiArticleMItm->setChecked(true);
        MISIOptionsPage->setCurrentWidget(MIOptionsSheet->parentWidget()->parentWidget());
        UtilsClass::Trace(QStringLiteral("Current Mode is Multi-Article"));
    } else {
        ToolButton1->setChecked(true);
        SingleArticleMItm->setChecked(true);
        MISIOptionsPage->setCurrentWidget(SIOptionsSheet->parentWidget()->parentWidget());
        UtilsClass::Trace(QStringLiteral("Current Mode is Single-Article"));
    }
}

void TForm1::SizeStatusPanels()
{
    const int left = static_cast<int>(std::lround(0.75 * width()));
    const int right = std::max(0, width() - left);
    StatusPanel0->setFixedWidth(left);
    StatusGauge->setGeometry(left + 2, 2, right, 15);
}

QString TForm1::CountText() const
{
    int n = Articles->Count();
    if (n == 1 && Articles->EntryAt(1)->IsBlank())
        n = 0;
    if (n == 0)
        return QStringLiteral("No articles");
    if (n == 1)
        return QStringLiteral("1 article");
    return QString::number(n) + QStringLiteral(" articles");
}

void TForm1::SetProgress(int percent)
{
    SetGauges(100, percent);
}

void TForm1::SetGauges(int maxValue, int progress)
{
    for (TGauge *gauge : {StatusGauge, ToolBarForm->Gauge1}) {
        gauge->SetMinValue(0);
        gauge->SetMaxValue(maxValue);
        gauge->SetProgress(progress);
    }
}

void TForm1::SetGaugeProgress(int progress)
{
    StatusGauge->SetProgress(progress);
    ToolBarForm->Gauge1->SetProgress(progress);
}

void TForm1::ShowGauges(bool on)
{
    StatusGauge->setVisible(on);
    ToolBarForm->Gauge1->setVisible(on);
}


void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::FormShow()
{
    UtilsClass::Trace(QStringLiteral("Entered FormShow"));
    if (Initialized || m_Terminated)
        return;
    const NestedPass pass(this);

    // Without a sound server (a headless machine, a server that failed) articles are
    // still gathered and read into files; reading aloud says what it needs.
    const bool soundCard = waveOutGetNumDevs() > 0;
    if (!soundCard)
        UtilsClass::Trace(QStringLiteral("No sound device found"));

    if (!TTSForm) {
        EngineMissing();
        return;
    }
    try {
        TTSForm->Initialize();
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Voice initialization failed: ") + ErrorMessage(error));
        EngineMissing();
        return;
    }
    if (TTSForm->VoiceCount() == 0) {
        EngineMissing();
        return;
    }
    // The voice manager has declared each voice's values; read them from the store.
    Prefs->Load();
    TTSForm->LoadVoiceSettings();
    LoadFavoriteVoices();
    Random.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));

    QString restore = SavedArticles::File();
    // Settings that went missing (a cleaned configuration folder, copied data) do
    // not make a user new: saved articles are restored, never replaced by the
    // introduction.
    const bool settingsLost = Prefs->FirstTimeUser && QFileInfo(restore).isFile();
    const bool saved = !Prefs->FirstTimeUser || settingsLost;
    if (Prefs->FirstTimeUser) {
        Prefs->FirstTimeUser = false;
        if (!settingsLost)
            restore = ProgramPaths::DataFile(QStringLiteral("PWIntro.chl"));
    }
    // Several saved articles were kept in multi-article mode, which holds them all.
    if (settingsLost) {
        QByteArray bytes;
        QString unread;
        if (ProgramPaths::ReadSideFile(restore, TArticleList::LargestList, &bytes, &unread) == ProgramPaths::TSideRead::Read &&
            SavedArticles::Parse(bytes).NonBlankInFile > 1)
            SwitchMode(1);
    }
    const TArticleList::ImportResult restored = Articles->ImportList(restore);
    if (!restored.Problem.isEmpty())
        m_StartNotices << restored.Problem;
    // Where each article's reading stopped last time.
    if (saved) {
        ApplyPlaces();
        ApplyBooks();
    }
    if (!soundCard)
        m_StartNotices << TTTSForm::NoSoundDevice;
    if (saved && (restored.Damaged || Articles->NonBlankCount() < restored.NonBlankInFile))
        KeepRestoredFile(restore, Articles->NonBlankCount(), restored.NonBlankInFile, restored.Damaged);
    else if (settingsLost)
        m_StartNotices << QStringLiteral("The settings were missing; defaults are used. The saved articles were restored.");
    if (!ListInfoInitialized && isActiveWindow()) {
        UtilsClass::Trace(QStringLiteral("FormShow - Initialize list info and mark entry"));
        ListInfoInitialized = true;
        InitializeListInfo();
    }

    TrayIcon->setToolTip(caption);
    // On X11 a notification area that comes later is found then; elsewhere there is
    // nothing to wait for where the desktop has none.
    if (!Session::NativeWayland() || QSystemTrayIcon::isSystemTrayAvailable())
        TrayIcon->show();
    SetReadingState(rsIdle);
    Initialized = true;
    UtilsClass::Trace(QStringLiteral("Exiting FormShow"));
    // Without a window manager, or with one that keeps a window started at login
    // from taking the focus, the window may never become active; what activation
    // starts (the first article marked, the minimizing of "-auto") happens anyway.
    QTimer::singleShot(1000, this, [this] { FormActivate(); });
}

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TForm1::FormActivate()
{
    if (Activated || m_Terminated)
        return;
    Activated = true;
    UtilsClass::Trace(ProgramPaths::ProgramFile());
    UtilsClass::Trace(m_Arguments.value(0));
    if (!ListInfoInitialized && Initialized) {
        UtilsClass::Trace(QStringLiteral("FormActivate - Initialize list info and mark entry"));
        ListInfoInitialized = true;
        InitializeListInfo();
    }
    if (m_Arguments.value(0) == QStringLiteral("-auto")) {
        UtilsClass::Trace(QStringLiteral("Minimizing ..."));
        Timer1->start(500);
    }
    UtilsClass::Trace(QStringLiteral("Exiting FormActivate"));
}

void TForm1::Timer1Timer()
{
    UtilsClass::Trace(QStringLiteral("FormActivate Timer popped"));
    if (Articles->Importing) {
        UtilsClass::Trace(QStringLiteral("Import in progress.  Resetting timer"));
        return;
    }
    UtilsClass::Trace(QStringLiteral("FormActivate Timer: Minimizing now."));
    Timer1->stop();
    ApplicationMinimize();
}

bool TForm1::TrayInUse() const
{
    return TrayIcon->InUse();
}

bool TForm1::ToolbarOnMinimize() const
{
    return Prefs->ToolbarOnMinOption == 1 || (Prefs->ToolbarOnMinOption == 2 && ReadingState == rsReading);
}

void TForm1::ApplicationMinimize()
{
    m_MinimizePending = false;
    if (TrayInUse()) {
        hide();
    } else if (Session::NativeWayland()) {
        if (!m_WaylandMinimized) {
            m_WaylandMinimized = true;
            showMinimized();
        }
    } else if (!isMinimized()) {
        // Without a notification area the task bar is the only way back.
        showMinimized();
    }
    if (ToolbarOnMinimize()) {
        ToolBarForm->ShowToolbar();
        TrayIcon->ToolBarPONtry->setEnabled(false);
    } else {
        TrayIcon->ToolBarPONtry->setEnabled(!ToolBarForm->isVisible());
    }
}

void TForm1::MinimizeByUser()
{
    ApplicationMinimize();
    if (TrayInUse() && !Prefs->TrayNoticeShown) {
        Prefs->TrayNoticeShown = true;
        TrayIcon->showMessage(caption,
                              QStringLiteral("Parlewind MP3 is still running. Use the icon here to restore it or to exit."),
                              QSystemTrayIcon::Information, 10000);
    }
}

void TForm1::RestoreMainWindow()
{
    ToolBarForm->hide();
    // Wayland has no request to bring a window back or to the front: one that may be
    // minimised or behind others is mapped anew, which puts it in front.
    if (Session::NativeWayland() && (m_WaylandMinimized || !isActiveWindow()))
        hide();
    m_WaylandMinimized = false;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    TrayIcon->ToolBarPONtry->setEnabled(false);
    raise();
    activateWindow();
}

void TForm1::ToolBarPONtryClick()
{
    if (!Initialized || MainWindowShown())
        return;
    ToolBarForm->ShowToolbar();
    TrayIcon->ToolBarPONtry->setEnabled(false);
}

void TForm1::RestoreRequest()
{
    UtilsClass::Trace(QStringLiteral("Restore request received"));
    RestoreMainWindow();
}

void TForm1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (!Initialized)
        return;
    if (event->type() == QEvent::ActivationChange && m_WaylandMinimized && isActiveWindow()) {
        // Wayland never says that a window was brought back, only that it has the focus again.
        m_WaylandMinimized = false;
        ToolBarForm->hide();
        TrayIcon->ToolBarPONtry->setEnabled(false);
        return;
    }
    if (event->type() != QEvent::WindowStateChange)
        return;
    // On Wayland the minimised state lasts a moment only: the desktop does not tell
    // whether a window is minimised.
    const bool wayland = Session::NativeWayland();
    if (isMinimized() && !m_MinimizePending && !m_WaylandMinimized) {
        // Hiding from inside the state change confuses some window managers.
        m_MinimizePending = true;
        QTimer::singleShot(0, this, [this, wayland] {
            if (wayland || isMinimized())
                MinimizeByUser();
            m_MinimizePending = false;
        });
    } else if (!wayland && !isMinimized() && isVisible() && ToolBarForm->isVisible()) {
        // Brought back from the task bar, where there is no notification area.
        ToolBarForm->hide();
        TrayIcon->ToolBarPONtry->setEnabled(false);
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    if (ReadingState == rsExiting) {
        event->accept();
        return;
    }
    event->ignore();
    // Without a notification area a closed window could not be brought back where
    // the desktop has no window list: only the floating tool bar keeps a way back.
    if (!TrayInUse() && !ToolbarOnMinimize()) {
        UtilsClass::Trace(QStringLiteral("Closed without a notification area: the window stays open"));
        ShowStatus(NoTrayNotice);
        return;
    }
    MinimizeByUser();
}

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    SizeStatusPanels();
}

void TForm1::EngineMissing()
{
    // Centred on the screen, on its own: the main window may not be mapped yet.
    TEngineWarningForm warning;
    warning.exec();
    Terminate(1);
}

void TForm1::Terminate(int exitCode)
{
    m_Terminated = true;
    m_ExitCode = exitCode;
    // Before the main loop runs, the caller sees Terminated(); asking a loop that is
    // not running to end would make the next dialog return at once.
    if (QThread::currentThread()->loopLevel() > 0)
        QCoreApplication::exit(exitCode);
}

void TForm1::TerminationRequested()
{
    m_ExitBySignal = true;
    ExitParlewindClick();
}

void TForm1::ExitParlewindClick()
{
    if (ReadingState == rsExiting)
        return;
    UtilsClass::Trace(QStringLiteral("Entered ExitParlewindClick"));
    // Reading aloud in the middle of an article: the place is kept for the next start.
    if (CurrentArticle && RunTarget == rtSpeakers && (ReadingState == rsReading || ReadingState == rsPaused) &&
        m_LastWord > 0)
        RememberPlace(CurrentArticle, m_LastWord);
    if (TTSForm) {
        TTSForm->TTS1->OnTextDataDone = nullptr;
        TTSForm->TTS1->OnWordPosition = nullptr;
    }
    SetReadingState(rsExiting);
    Mp3AbortRequested = true; // an encoding in progress ends at its next chunk
    // The MP3 files being made stop unfinished; the speech stays for the user.
    m_NextArticle = 0;
    m_EncodingToEnd = false;
    EncodeJobs->CancelAll(true);
    SaveTimer->stop();
    DocumentOpen::Cancel(); // a document being opened is not waited for
    if (m_NestedDepth > 0) {
        // Something below is saving, restoring or converting: it finishes first.
        UtilsClass::Trace(QStringLiteral("Exit waits for the operation in progress"));
        m_ExitPending = true;
        if (m_ExitBySignal) {
            // Nobody is there to answer a dialog that holds the operation up.
            if (QWidget *modal = QApplication::activeModalWidget())
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        }
        return;
    }
    CompleteExit();
}

void TForm1::CompleteExit()
{
    {
        const NestedPass pass(this);
        QCoreApplication::processEvents();
    }
    if (TTSForm && TTSForm->TTS1->Active()) {
        try {
            TTSForm->TTS1->AudioReset();
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Stopping the speech at exit failed: ") + ErrorMessage(error));
        }
    }
    Articles->UnlockAllEntries();
    if (Initialized && !SaveArticles()) {
        if (m_ExitBySignal) {
            UtilsClass::Trace(QStringLiteral("Exit: the articles could not be saved; the saved file was left as it was"));
        } else {
            // Ending now would lose every change since the last save.
            Messages::ShowError(QStringLiteral("The articles could not be saved to ") + SavedArticles::File() +
                                QStringLiteral(": ") + Articles->ExportError() +
                                QStringLiteral("\r\rParlewind stays open so that nothing is lost. Make room on the "
                                               "disk, then choose Exit again."));
            ReadingState = rsIdle;
            Mp3AbortRequested = false;
            SetReadingState(rsIdle);
            return;
        }
    }
    // The list goes with the window; a handler still unwinding may look at it.
    MemoListBox1->hide();

    TPreferences::SavePlacement(this);
    Prefs->StoreFields();
    if (TTSForm)
        TTSForm->SaveVoiceSettings();
    Prefs->Save();
    // The floating tool bar refuses a close (it only hides); it must not keep
    // the program from ending.
    ToolBarForm->hide();
    close();
    QCoreApplication::quit();
}

void TForm1::ShowToolbarMItmClick()
{
    Prefs->ShowToolbar = !Prefs->ShowToolbar;
    ApplyLayout();
}

void TForm1::MMLabel1Click()
{
    Prefs->ShowOptions = !Prefs->ShowOptions;
    ApplyLayout();
}

QString TForm1::TellAFriendCommand()
{
    const QString recipient;
    QString subject = caption;
    QString body = QStringLiteral("Check out Parlewind MP3 at ") + MakerSite + QStringLiteral(" .  ") +
                   QStringLiteral("Parlewind MP3 lets you listen to text you copy to the clipboard. ") +
                   QStringLiteral("It uses Text to Speech technology which actually synthesizes ") +
                   QStringLiteral("natural sounding speech from ordinary text.  Listen to your ") +
                   QStringLiteral("email, news, any text you want.  You can also convert your text ") +
                   QStringLiteral("to wav or MP3 files so you can listen later.  ") +
                   QStringLiteral("Try Parlewind MP3 free today at ") + MakerSite;
    for (QString *text : {&subject, &body}) {
        text->remove(QLatin1Char('\''));
        text->remove(QLatin1Char('&'));
    }
    if (subject.size() > 100)
        subject = subject.left(100) + QStringLiteral("...");
    const QString command = QStringLiteral("mailto:") + recipient + QStringLiteral("?Subject=") +
                            subject + QStringLiteral("&Body=") + body;
    return command.left(1000);
}

void TForm1::TellaFriend1Click()
{
    if (!ShellOpen::Open(TellAFriendCommand()))
        Messages::ShowError(QStringLiteral("No mail program could be started."));
}

void TForm1::Contents1Click()
{
    if (HelpFile.isEmpty()) {
        Messages::ShowError(QStringLiteral("The help file could not be found."));
        return;
    }
    if (!ShellOpen::Open(HelpFile))
        Messages::ShowError(QStringLiteral("No program could be started to show the help file ") +
                            HelpFile);
}

void TForm1::VisitBrivantaTechnologies1Click()
{
    if (!ShellOpen::Open(MakerSite))
        Messages::ShowError(QStringLiteral("No web browser could be started for ") + MakerSite);
}

void TForm1::About1Click()
{
    TAboutBox about(this);
    about.exec();
}

void TForm1::FindAudioDevice()
{
    if (Prefs->TTS_AudioDeviceName.isEmpty())
        return;
    const qint32 number = TAuDevDlg::DeviceNumber(Prefs->TTS_AudioDeviceName);
    if (number == WAVE_MAPPER)
        UtilsClass::Trace(QStringLiteral("The audio output ") + Prefs->TTS_AudioDeviceName +
                          QStringLiteral(" is not there; the default output is used"));
    else if (number != Prefs->TTS_AudioDeviceID)
        UtilsClass::Trace(QStringLiteral("The audio output ") + Prefs->TTS_AudioDeviceName +
                          QStringLiteral(" is now device %1").arg(number));
    Prefs->TTS_AudioDeviceID = number;
}

void TForm1::SelAudioDevMItmClick()
{
    if (!Initialized || !TTSForm || ReadingState != rsIdle)
        return;
    TAuDevDlg dialog;
    dialog.DlgUse = duTTS;
    dialog.AudioDeviceID = Prefs->TTS_AudioDeviceID;
    if (!dialog.Execute(this))
        return;
    try {
        if (!TTSForm->AudioDeviceCheck(dialog.AudioDeviceID))
            return;
        TTSForm->TTS1->SetAudioDeviceID(dialog.AudioDeviceID);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
        return;
    }
    Prefs->TTS_AudioDeviceID = dialog.AudioDeviceID;
    Prefs->TTS_AudioDeviceName = TAuDevDlg::DeviceName(dialog.AudioDeviceID);
}

void TForm1::AudioHelpItemClick(QAction *item)
{
    if (!Initialized)
        return;
    const QString text = TAudioHelp::GetTopicText(item->data().toString());
    ShowStatus(QStringLiteral("Reading Audio Help"));
    SpeakTest(text, Prefs->TTS_DefaultVoiceName);
}

void TForm1::MoveToArticle(int step)
{
    if (!Initialized || Articles->Count() == 0)
        return;
    const int from = Articles->CurrentEntry() ? Articles->PositionOf(Articles->CurrentEntry()) : 0;
    const int to = std::clamp(from + step, 1, Articles->Count());
    Articles->MarkEntry(to);
    if (TMemoEntryView *view = Articles->EntryAt(to)->View())
        view->TextBox->setFocus(Qt::OtherFocusReason);
}

void TForm1::PronunciationMItmClick()
{
    if (Initialized && TTSForm)
        TTSForm->LexiconDialog(this, QStringLiteral("Parlewind MP3 Pronunciation"));
}

bool TForm1::LanguagesMItmClick()
{
    if (!Initialized || !TTSForm || ReadingState != rsIdle)
        return false;
    const bool changed = TTSForm->LanguagesDialog(this, QStringLiteral("Parlewind MP3 Languages"),
                                                  [this](const QStringList &voices) { return VoiceUsage(voices); });
    if (changed) {
        UtilsClass::Trace(QStringLiteral("Languages changed: %1 voices").arg(TTSForm->VoiceCount()));
        LoadFavoriteVoices();
    }
    return changed;
}

QStringList TForm1::VoiceUsage(const QStringList &voices) const
{
    QStringList uses;
    if (voices.contains(Prefs->TTS_DefaultVoiceName))
        uses << QStringLiteral("the default voice (") + Prefs->TTS_DefaultVoiceName + QLatin1Char(')');
    for (int k = 1; k <= Articles->Count(); ++k) {
        const TMemoEntry *article = Articles->EntryAt(k);
        if (voices.contains(article->Voice()))
            uses << QStringLiteral("article %1 \"%2\" (%3)").arg(k).arg(article->Title(), article->Voice());
    }
    return uses;
}

void TForm1::LoadFavoriteVoices()
{
    UtilsClass::Trace(QStringLiteral("Entering LoadFavoriteVoices"));
    FavoriteVoices.clear();
    if (TTSForm) {
        for (const auto &voice : TTSForm->Voices) {
            if (voice->Favorite)
                FavoriteVoices << voice->Name;
        }
    }
    RoundRobinPos = -1;
    TabSheet5->Fill();
    MiscSheet->FillDefaultVoices(FavoriteVoices);
    VoiceEditSheet->FillVoices(FavoriteVoices);
}

QString TForm1::ChooseVoice()
{
    const quint8 selection = Prefs->ML_ListMode == 1 ? Prefs->MI_Voice : Prefs->SI_Voice;
    // Without favourites there is nothing to choose from but the default voice.
    if (FavoriteVoices.isEmpty() || selection == 0)
        return Prefs->TTS_DefaultVoiceName;
    if (selection == 1)
        return FavoriteVoices.at(static_cast<int>(Random.bounded(static_cast<quint32>(FavoriteVoices.size()))));
    ++RoundRobinPos;
    if (RoundRobinPos >= FavoriteVoices.size())
        RoundRobinPos = 0;
    return FavoriteVoices.at(RoundRobinPos);
}

TMemoEntry *TForm1::AddMemo(const QString &text, const QString &voice, bool save)
{
    TMemoEntry *entry = nullptr;
    try {
        entry = Articles->Add(text, voice);
    } catch (const EMemoEntryLocked &) {
        UtilsClass::Trace(QStringLiteral("AddMemo: the article is being read"));
        Messages::ShowError(QStringLiteral("This item is currently being read and cannot be deleted"));
    } catch (const std::exception &error) {
        const QString message = QString::fromLocal8Bit(error.what());
        UtilsClass::Trace(QStringLiteral("AddMemo Exception: ") + message);
        Messages::ShowError(message);
    } catch (...) {
        Messages::ShowError(QStringLiteral("AddMemo Failed"));
    }
    if (save)
        SaveArticles();
    return entry;
}

TMemoEntry *TForm1::AddNew()
{
    return AddMemo(QString(), ChooseVoice());
}

bool TForm1::SaveArticles(bool quiet)
{
    if (Articles->Importing) {
        // A half-restored list must not replace the whole one: save once it is in.
        SaveTimer->start();
        return false;
    }
    const NestedPass pass(this);
    SaveTimer->stop();
    const bool saved = Articles->ExportList(SavedArticles::File());
    if (saved)
        SaveBooks();
    if (!saved)
        ShowStatus(QStringLiteral("The articles could not be saved: ") + Articles->ExportError());
    else if (!quiet || m_LastSaveFailed)
        ShowStatus(CountText());
    m_LastSaveFailed = !saved;
    return saved;
}

void TForm1::SaveBooks()
{
    std::vector<std::pair<QByteArray, ArticleBooks::TBook>> articles;
    for (int k = 1; k <= Articles->Count(); ++k) {
        const TMemoEntry *article = Articles->EntryAt(k);
        if (article->Book && !article->Hidden)
            articles.push_back({ReadingPlaces::Key(article->Title(), article->Text()), article->Book});
    }
    // Most saves are of edits to other articles: the books' file (and their covers'
    // sums) are written again only when what it holds changes.
    if (m_SavedBooks == articles)
        return;
    if (ArticleBooks::Save(ArticleBooks::File(), articles))
        m_SavedBooks = std::move(articles);
    else
        UtilsClass::Trace(QStringLiteral("The books of the articles could not be saved to ") + ArticleBooks::File());
}

void TForm1::ApplyBooks()
{
    QString problem;
    const QHash<QByteArray, ArticleBooks::TBook> books = ArticleBooks::Load(ArticleBooks::File(), &problem);
    if (!problem.isEmpty())
        m_StartNotices << problem;
    if (books.isEmpty())
        return;
    for (int k = 1; k <= Articles->Count(); ++k) {
        TMemoEntry *article = Articles->EntryAt(k);
        if (const ArticleBooks::TBook book = books.value(ReadingPlaces::Key(article->Title(), article->Text())))
            article->Book = book;
    }
}

void TForm1::KeepRestoredFile(const QString &path, int restored, int held, bool damaged)
{
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    const bool kept = QFile::copy(path, backup);
    QString notice = damaged ? QStringLiteral("The saved articles file is damaged: %1 of %2 articles were restored.")
                             : QStringLiteral("%1 of the %2 saved articles were restored (single-article mode keeps one).");
    notice = notice.arg(restored).arg(held);
    notice += kept ? QStringLiteral(" The file as it was is kept in ") + backup
                   : QStringLiteral(" The file could not be copied to ") + backup;
    UtilsClass::Trace(notice);
    m_StartNotices << notice;
}

void TForm1::InitializeListInfo()
{
    const NestedPass pass(this);
    ShowStatus(CountText());
    if (Articles->Count() >= 1) {
        MemoListBox1->ScrollToTop(1);
        Articles->MarkEntry(1);
    } else {
        AddNew();
    }
    // What went wrong at the start stays in view until the next status.
    if (!m_StartNotices.isEmpty() && ReadingState != rsExiting)
        ShowStatus(m_StartNotices.join(QLatin1Char(' ')));
}

void TForm1::AddNewPopupClick()
{
    if (Initialized)
        AddNew();
}

void TForm1::DelSelPopupClick()
{
    if (!Initialized)
        return;
    try {
        Articles->DeleteSelected();
    } catch (const EMemoEntryLocked &) {
        Messages::ShowError(QStringLiteral("This item is currently being read and cannot be deleted"));
    }
    if (Articles->Count() == 0)
        AddNew();
    SaveArticles();
}

void TForm1::ArticleDelete(TMemoEntry *entry)
{
    if (!Initialized)
        return;
    try {
        Articles->HideEntry(entry);
    } catch (const EMemoEntryLocked &) {
        Messages::ShowError(QStringLiteral("This item is currently being read and cannot be deleted"));
    }
    if (Articles->Count() == 0)
        AddNew();
    const bool reading = ReadingState == rsReading || ReadingState == rsPaused || ReadingState == rsConverting;
    const QString status = StatusPanel0->text();
    SaveArticles();
    if (reading)
        StatusPanel0->setText(status); // the reading's own status stays
}

void TForm1::ReadFileBtnClick()
{
    if (!Initialized)
        return;
    const QString file = FileDialogs::GetOpenFileName(this, QStringLiteral("Open"), Prefs->OpenDlgInitialDir,
                                                      DocumentReader::FileFilter());
    if (file.isEmpty())
        return;
    Prefs->OpenDlgInitialDir = QFileInfo(file).absolutePath() + QLatin1Char('/');
    OpenFiles({file});
}

void TForm1::OpenFiles(const QStringList &files)
{
    if (!Initialized || ReadingState == rsExiting)
        return;
    // What could not be opened is told once, after all the others.
    QStringList failures;
    const auto tell = qScopeGuard([&failures] {
        constexpr qsizetype shown = 10;
        if (failures.isEmpty())
            return;
        QString message = failures.mid(0, shown).join(QStringLiteral("\n\n"));
        if (failures.size() > shown)
            message += QStringLiteral("\n\n%1 more files could not be opened either.").arg(failures.size() - shown);
        Messages::ShowError(message);
    });
    for (const QString &file : files) {
        // Only a file that reads well may replace anything (single-article mode).
        std::vector<TDocument::TChapter> articles;
        QString error;
        // A long book takes a while; an exit asked for meanwhile waits for it.
        const NestedPass pass(this);
        ShowStatus(QStringLiteral("Opening %1…").arg(QFileInfo(file).fileName()));
        StatusPanel0->repaint();
        TDocument about;
        const DocumentOpen::TResult result =
            DocumentOpen::Articles(this, file, Prefs->ML_ListMode == 1, &articles, &error, &about);
        if (ReadingState == rsExiting) {
            failures.clear();
            return;
        }
        if (result != DocumentOpen::TResult::Read) {
            ShowStatus(CountText());
            if (result == DocumentOpen::TResult::Failed)
                failures << error;
            continue;
        }
        TMemoEntry *entry = nullptr;
        const auto book = std::make_shared<const TArticleBook>(TArticleBook{about.Title, about.Author, about.Cover});
        // A book's chapters are saved once, all together.
        for (const TDocument::TChapter &article : articles) {
            entry = AddMemo(QString(), ChooseVoice(), false);
            if (!entry)
                break;
            entry->Book = book;
            entry->AppendLines(TextFile::SplitLines(article.Text));
            // Without a title it could not be read to a file.
            if (entry->Title().trimmed().isEmpty())
                entry->SetTitle(article.Title);
        }
        SaveArticles();
        if (entry && Prefs->ML_ListMode == 0 && Prefs->SI_AutoSpeak && !entry->IsBlank())
            ReadArticle(entry, rtSpeakers);
    }
}

void TForm1::TextDropped(const QString &text)
{
    if (!Initialized || ReadingState == rsExiting || TextFile::IsBlank(text))
        return;
    TMemoEntry *article = AddMemo(text, ChooseVoice());
    if (article && Prefs->ML_ListMode == 0 && Prefs->SI_AutoSpeak)
        ReadArticle(article, rtSpeakers);
}

void TForm1::ToolButton1Click() { SwitchMode(0); }

void TForm1::ToolButton2Click() { SwitchMode(1); }

void TForm1::SwitchMode(quint8 mode)
{
    if (Prefs->ML_ListMode == mode)
        return;
    UtilsClass::Trace(mode == 1 ? QStringLiteral("Entering Multi-Article Mode")
                                : QStringLiteral("Entering Single-Article Mode"));
    Prefs->ML_ListMode = mode;
    ApplyMode();
    Articles->ListMode = mode;
    MemoListBox1->SetVisibleEntries(mode == 1 ? Prefs->ML_VisibleEntries : 1);
    if (!Initialized)
        return;
    Articles->DeleteBlankEntries();
    if (Articles->Count() == 0) {
        UtilsClass::Trace(QStringLiteral("Calling AddNew"));
        AddNew();
    } else {
        MemoListBox1->ScrollToTop(1);
    }
}

void TForm1::PasteBtnClick()
{
    // The tool buttons do not take focus, so the text control the user was in still has it.
    if (QWidget *target = QApplication::focusWidget())
        QMetaObject::invokeMethod(target, "paste");
}
