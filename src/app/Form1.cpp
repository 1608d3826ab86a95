#include "app/Form1.h"

#include "app/AboutBox.h"
#include "app/clipboard/CB_PromptForm.h"
#include "app/clipboard/ClipboardWatch.h"
#include "app/clipboard/SIBusyForm.h"
#include "app/DocumentOpen.h"
#include "app/FileDrop.h"
#include "app/options/ClipboardPage.h"
#include "app/options/FavoriteVoicesPage.h"
#include "app/options/FileOptionsPage.h"
#include "app/options/MiscPage.h"
#include "app/options/ModeSheets.h"
#include "app/options/VoiceEditPage.h"
#include "app/options/VoiceSourcesPage.h"
#include "app/ReadingActions.h"
#include "app/tray/NotifyIcon.h"
#include "app/tray/ToolBarForm.h"
#include "articles/ArticleList.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "audio/AudioDeviceDlg.h"
#include "audiohelp/AudioHelp.h"
#include "controls/Gauge.h"
#include "core/ProgramCore.h"
#include "core/ReadingSession.h"
#include "documents/Document.h"
#include "documents/DocumentProcess.h"
#include "log/StartupTrace.h"
#include "log/UtilsClass.h"
#include "platform/shell/FileDialogs.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/shell/Session.h"
#include "platform/shell/ShellOpen.h"
#include "settings/Preferences.h"
#include "speech/EngineWarningForm.h"
#include "speech/TTSForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

QString TForm1::NoTrayNotice()
{
    return tr("This desktop has no notification area, so the window stays open. To end Parlewind, choose "
              "Exit Parlewind in the File menu; to close it to a floating tool bar, choose \"When "
              "minimized\" for \"Show Floating Toolbar\" on the Misc page.");
}

namespace {

const QString caption = QStringLiteral("Parlewind MP3");
const QString autoStartName = QStringLiteral("Parlewind");

QString AutoStartCommand()
{
    return ProgramPaths::QuoteArgument(ProgramPaths::ProgramFile()) + QStringLiteral(" -auto");
}

} // namespace

TForm1::TForm1(TProgramCore &core, const QStringList &arguments, QWidget *parent)
    : QMainWindow(parent), m_Core(core), m_Arguments(arguments)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TmpParlewind"));
    // The program's windows share one icon, decoded once.
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/parlewind-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    resize(639, 604);

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

    BuildMenus();
    BuildToolBar();
    StartupTrace::Mark("menus and tool bar made");
    BuildOptionsArea();
    StartupTrace::Mark("option pages made");
    topLayout->addWidget(ToolBar1);
    topLayout->addWidget(Panel3, 1);
    ConnectMenus();
    BuildStatusBar();
    BuildTray();
    StartupTrace::Mark("status line and tray made");
    TAudioHelp::BuildHelpMenu(mnuAudioHelp, this, [this](QAction *item) {
        if (m_Core.Initialized())
            m_Core.ReadHelp(TAudioHelp::GetTopicText(item->data().toString()));
    });
    ConnectReading();
    // The designed size, wider where the option pages' words need it and the screen
    // has the room.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(std::clamp(TopPanel->sizeHint().width(), width(),
                          std::max(width(), screen->availableGeometry().width())),
               height());

    BuildClipboard();
    ConnectCore();
    FormCreate();
}

void TForm1::BuildClipboard()
{
    ClipboardWatch = new TClipboardWatch(this);
    connect(ClipboardWatch, &TClipboardWatch::Changed, this, &TForm1::ClipboardChanged);
    connect(ClipboardWatch, &TClipboardWatch::PictureCopied, this, [this](const QImage &picture) {
        if (!m_Core.WatchingClipboard())
            return;
        // One picture at a time; a copy made while one is recognised is not taken.
        if (DocumentOpen::Busy() || CB_PromptForm->isVisible()) {
            Messages::Beep();
            return;
        }
        const QString text = PictureText(picture);
        if (!text.isEmpty())
            ClipboardChanged(text, true);
    });
    CB_PromptForm = new TCB_PromptForm(m_Core.Prefs(), this);
    CB_PromptForm->CanAppend = [this] { return m_Core.CanAppend(); };
    CB_PromptForm->PromptAction = [this](bool append) { m_Core.TakeClipboard(append); };
    SIBusyForm = new TSIBusyForm(m_Core.Prefs(), this);
}

void TForm1::ConnectCore()
{
    connect(&m_Core, &TProgramCore::ExitStarted, this, [] { DocumentOpen::Cancel(); });
    connect(&m_Core, &TProgramCore::ExitWaiting, this, [](bool bySignal) {
        // Nobody is there to answer a dialog that holds the operation up.
        if (bySignal) {
            if (QWidget *modal = QApplication::activeModalWidget())
                QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        }
    });
    connect(&m_Core, &TProgramCore::BeforeSettingsSaved, this, [this] {
        // The list goes with the window; a handler still unwinding may look at it.
        MemoListBox1->hide();
        TPreferences::SavePlacement(this);
    });
    connect(&m_Core, &TProgramCore::ExitFinished, this, [this] {
        // The floating tool bar refuses a close (it only hides); it must not keep
        // the program from ending.
        ToolBarForm->hide();
        close();
    });
    connect(&m_Core, &TProgramCore::FavoritesChanged, this, [this] {
        TabSheet5->Fill();
        MiscSheet->FillDefaultVoices(m_Core.FavoriteVoices());
        MiscSheet->FillLanguageVoices();
        VoiceEditSheet->FillVoices(m_Core.FavoriteVoices());
    });
    connect(&m_Core, &TProgramCore::ModeChanged, this, [this](quint8 mode) {
        ApplyMode();
        MemoListBox1->SetVisibleEntries(mode == 1 ? m_Core.Prefs().ML_VisibleEntries : 1);
        if (m_Core.Initialized())
            MemoListBox1->ScrollToTop(1);
    });
}

TForm1::~TForm1()
{
    UtilsClass::Trace(QStringLiteral("Entered Form1 Destroy"));
    TrayIcon->hide();
    UtilsClass::Trace(QStringLiteral("Exitting FormDestroy"));
}

void TForm1::ConnectReading()
{
    m_Actions = new TReadingActions(m_Core, this);
    const TToolBarForm &floating = *ToolBarForm;
    m_Actions->Add(TReadingActions::Aloud, {PlayToolBtn, ReadAloudMItm, TrayIcon->ReadAloudPONtry, floating.PlayToolBtn});
    m_Actions->Add(TReadingActions::File, {PlayFileBtn, ReadToFileMItm, TrayIcon->ReadToFilePONtry, floating.PlayFileBtn});
    m_Actions->Add(TReadingActions::Pause, {PauseBtn, PauseMItm, TrayIcon->PausePONtry, floating.PauseBtn});
    m_Actions->Add(TReadingActions::Skip, {SkipBtn, SkipMItm, TrayIcon->SkipPONtry, floating.SkipBtn});
    m_Actions->Add(TReadingActions::Stop, {StopBtn, StopMItm, TrayIcon->StopPONtry, floating.StopBtn});
    m_Actions->Add(TReadingActions::PreviousSentence,
                   {PrevSentenceMItm, TrayIcon->PrevSentencePONtry, floating.PrevSentenceBtn});
    m_Actions->Add(TReadingActions::NextSentence, {NextSentenceMItm, TrayIcon->NextSentencePONtry, floating.NextSentenceBtn});
    // What has its own handler but waits for the reading: a help topic is read like
    // a test message, not in the middle of a reading.
    m_Actions->Add(TReadingActions::WhenIdle, {ReadFromHereMItm, static_cast<QObject *>(VoiceEditSheet->VoiceEditTestBtn), SelAudioDevMItm,
                                               PronunciationMItm, LanguagesMItm});
    for (QAction *topic : mnuAudioHelp->actions())
        m_Actions->Add(TReadingActions::WhenIdle, topic);
    m_Actions->AddPauseCaption(PauseBtn, tr("Pause"), tr("Resume"));
    m_Actions->AddPauseCaption(PauseMItm, tr("&Pause"), tr("&Resume"));
    m_Actions->AddPauseCaption(TrayIcon->PausePONtry, TNotifyIcon::tr("&Pause"), TNotifyIcon::tr("&Resume"));
    ShowReading();
}

void TForm1::ShowReading()
{
    TReadingSession &session = m_Core.Session();
    connect(&session, &TReadingSession::StateChanged, this, [this](TReadState state) {
        // Reading started while everything was away: the floating tool bar comes to control it.
        if (state == rsReading && m_Core.Prefs().ToolbarOnMinOption == 2 && !MainWindowShown() &&
            !ToolBarForm->isVisible() && m_Core.Initialized()) {
            ToolBarForm->ShowToolbar();
            TrayIcon->ToolBarPONtry->setEnabled(false);
        }
        // The voice test of "Favorite Voices" also wants exactly one voice selected.
        TabSheet5->UpdateTest();
    });
    connect(&session, &TReadingSession::StatusChanged, this, &TForm1::ShowReadingStatus);
    connect(&session, &TReadingSession::ProgressRange, this, [this](int maximum) {
        for (TGauge *gauge : {StatusGauge, ToolBarForm->Gauge1}) {
            gauge->SetMinValue(0);
            gauge->SetMaxValue(maximum);
        }
    });
    connect(&session, &TReadingSession::Progress, this, [this](int value) {
        StatusGauge->SetProgress(value);
        ToolBarForm->Gauge1->SetProgress(value);
    });
    connect(&session, &TReadingSession::ProgressShown, this, [this](bool shown) {
        StatusGauge->setVisible(shown);
        ToolBarForm->Gauge1->setVisible(shown);
    });
    connect(&session, &TReadingSession::PauseChanged, this, [this](bool paused) {
        StatusPanel1->setText(paused ? tr("Pause") : QStringLiteral(" "));
    });
    connect(&session, &TReadingSession::ArticleStarted, this, [this](TMemoEntry *article) {
        StatusPanel1->setText(QStringLiteral(" "));
        if (isVisible() && article->View() && article->View()->isVisible())
            article->View()->TextBox->setFocus();
    });
    connect(&session, &TReadingSession::WordReached, this, [](TMemoEntry *article, int start, int end) {
        if (article->View())
            article->View()->ShowReadingPosition(start, end);
    });
    connect(&session, &TReadingSession::ArticleNeedsTitle, this, [this] {
        if (!isVisible())
            RestoreMainWindow();
    });
}

void TForm1::ShowReadingStatus(const QString &longText, const QString &shortText)
{
    StatusPanel0->setText(longText);
    TrayIcon->SetTip(longText);
    ToolBarForm->SetStatus(shortText);
}

void TForm1::ShowStatus(const QString &text) { m_Core.ShowStatus(text); }

void TForm1::BuildTray()
{
    TrayIcon = new TNotifyIcon(windowIcon(), {MonitorCBMItm, SingleArticleMItm, MultiArticleMItm, ExitParlewind}, this);
    const auto restore = [this] {
        if (m_Core.Initialized())
            RestoreMainWindow();
    };
    connect(TrayIcon, &TNotifyIcon::RestoreRequested, this, restore);
    connect(TrayIcon->ToolBarPONtry, &QAction::triggered, this, &TForm1::ToolBarPONtryClick);
    connect(TrayIcon->AboutPONtry, &QAction::triggered, About1, &QAction::trigger);

    ToolBarForm = std::make_unique<TToolBarForm>(m_Core.Prefs());
    // The main window's pictures.
    const std::pair<QToolButton *, QToolButton *> pictures[] = {
        {ToolBarForm->PlayToolBtn, PlayToolBtn}, {ToolBarForm->PlayFileBtn, PlayFileBtn},
        {ToolBarForm->PauseBtn, PauseBtn},       {ToolBarForm->SkipBtn, SkipBtn},
        {ToolBarForm->StopBtn, StopBtn}};
    for (const auto &[copy, original] : pictures)
        copy->setIcon(original->icon());
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
        // A page wider than the room left for it (a longer language's words, a
        // larger font on a small screen) scrolls rather than cutting them off.
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        area->setWidget(content);
        return area;
    };
    MISIOptionsPage = new QStackedWidget(Panel3);
    MISIOptionsPage->setObjectName(QStringLiteral("MISIOptionsPage"));
    SIOptionsSheet = new TSIOptionsSheet(m_Core.Prefs());
    MIOptionsSheet = new TMIOptionsSheet(m_Core.Prefs());
    MISIOptionsPage->addWidget(scrolled(SIOptionsSheet, MISIOptionsPage, tr("Single-Article Options")));
    MISIOptionsPage->addWidget(scrolled(MIOptionsSheet, MISIOptionsPage, tr("Multi-Article Options")));
    // At least the designed width, wider when its texts need it.
    MISIOptionsPage->setMinimumWidth(std::max(190, std::max(SIOptionsSheet->sizeHint().width(),
                                                            MIOptionsSheet->sizeHint().width()) +
                                                       style()->pixelMetric(QStyle::PM_ScrollBarExtent)));
    MISIOptionsPage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    layout->addWidget(MISIOptionsPage);

    PageControl1 = new QTabWidget(Panel3);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setAccessibleName(tr("Option pages"));
    ClipboardSheet = new TClipboardPage(m_Core.Prefs(), PageControl1);
    TabSheet5 = new TFavoriteVoicesPage(m_Core.Prefs(), PageControl1);
    VoiceEditSheet = new TVoiceEditPage(m_Core.Prefs(), PageControl1);
    FileOptionsSheet = new TFileOptionsPage(m_Core.Prefs(), PageControl1);
    MiscSheet = new TMiscPage(m_Core.Prefs(), PageControl1);
    VoiceSourcesSheet = new TVoiceSourcesPage(PageControl1);
    // No mnemonics on the tabs: the menu bar has their letters; Ctrl+Tab turns pages.
    PageControl1->addTab(scrolled(ClipboardSheet, PageControl1, tr("Clipboard")), tr("Clipboard"));
    PageControl1->addTab(scrolled(TabSheet5, PageControl1, tr("Favorite Voices")), tr("Favorite Voices"));
    PageControl1->addTab(scrolled(VoiceEditSheet, PageControl1, tr("Voice Edit")), tr("Voice Edit"));
    PageControl1->addTab(scrolled(FileOptionsSheet, PageControl1, tr("File Options")), tr("File Options"));
    PageControl1->addTab(scrolled(VoiceSourcesSheet, PageControl1, tr("Voice Sources")), tr("Voice Sources"));
    PageControl1->addTab(scrolled(MiscSheet, PageControl1, tr("Misc")), tr("Misc"));
    layout->addWidget(PageControl1, 1);

    ConnectOptionPages();
}

void TForm1::ConnectOptionPages()
{
    const auto initialized = [this] { return m_Core.Initialized(); };
    const auto voiceManager = [this]() -> TTTSForm * { return m_Core.Voices(); };
    const auto test = [this](const QString &voice) { m_Core.TestVoice(voice); };
    MIOptionsSheet->Initialized = initialized;
    FileOptionsSheet->Initialized = initialized;
    ClipboardSheet->MonitorClicked = [this](bool on) { MonitorCBClick(on); };
    ClipboardSheet->Hint = [this](const QString &text) { ShowStatus(text); };
    TabSheet5->VoiceManager = voiceManager;
    TabSheet5->Initialized = initialized;
    TabSheet5->Idle = [this] { return m_Core.State() == rsIdle; };
    TabSheet5->VoicesChanged = [this] { m_Core.LoadFavoriteVoices(); };
    TabSheet5->TestVoice = test;
    TabSheet5->Languages = [this] { LanguagesMItmClick(); };
    VoiceSourcesSheet->Sources = [this] {
        return m_Core.Voices() ? m_Core.Voices()->VoiceSources() : std::vector<TTTSForm::TVoiceSource>();
    };
    VoiceSourcesSheet->PiperChoices = [this] { return std::make_pair(m_Core.Prefs().PIPER_Program, m_Core.Prefs().PIPER_Folders); };
    VoiceSourcesSheet->ApplyPiper = [this](const QString &program, const QStringList &folders) {
        return m_Core.SetPiper(program, folders);
    };
    auto *drop = new TFileDrop(this);
    connect(drop, &TFileDrop::FilesDropped, this, &TForm1::OpenFiles);
    connect(drop, &TFileDrop::TextDropped, this, [this](const QString &text) { m_Core.TextDropped(text); });
    TabSheet5->MoreVoices = [this] {
        if (HelpFile.isEmpty() || !ShellOpen::Open(HelpFile + QStringLiteral("#more-voices")))
            Messages::ShowError(tr("The help page on more voices could not be opened."));
    };
    VoiceEditSheet->VoiceManager = voiceManager;
    VoiceEditSheet->Initialized = initialized;
    VoiceEditSheet->DefaultVoiceText = [this] { return MiscSheet->DfltVoiceCB->currentText(); };
    VoiceEditSheet->TestVoice = test;
    MiscSheet->HighlightClicked = [this](bool on) { HighlightPosnClick(on); };
    MiscSheet->IsAutoStart = [] { return TPreferences::IsAutoStart(autoStartName); };
    MiscSheet->SetAutoStart = [](bool on) { TPreferences::SetAutoStart(autoStartName, AutoStartCommand(), on); };
    MiscSheet->LanguageChoices = [voiceManager] {
        TTTSForm *voices = voiceManager();
        return voices ? voices->LanguageChoices() : std::vector<TTTSForm::TLanguageVoices>{};
    };
    MiscSheet->ChooseLanguageVoice = [voiceManager](const QString &language, const QString &voice) {
        if (TTTSForm *voices = voiceManager())
            voices->ChooseLanguageVoice(language, voice);
    };
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
    TPreferences &prefs = m_Core.Prefs();
    if (!m_Core.Initialized() || !TClipboardWatch::Supported()) {
        // Nothing changes before the program has started, nor where the desktop
        // cannot tell of copies (the stored choice stays for sessions that can).
        const bool shown = prefs.CB_Monitor && TClipboardWatch::Supported();
        MonitorCBMItm->setChecked(shown);
        ClipboardSheet->MonitorCB->setChecked(shown);
        return;
    }
    prefs.CB_Monitor = on;
    MonitorCBMItm->setChecked(on);
    ClipboardSheet->MonitorCB->setChecked(on);
    // From the next copy on: the text already on the clipboard is not taken.
    ClipboardWatch->SetWatching(on);
}

void TForm1::ClipboardChanged(const QString &text, bool hasText)
{
    if (!hasText || !m_Core.WatchingClipboard())
        return;
    if (CB_PromptForm->isVisible()) {
        // The prompt still holds the earlier text.
        Messages::Beep();
        return;
    }
    // A copied address is most likely the page to read, not text to read out.
    if (OfferPage(text) || m_Core.State() == rsExiting)
        return;
    switch (m_Core.ClipboardText(text)) {
    case TProgramCore::TClipboardResult::Busy:
        if (m_Core.Prefs().SI_ShowBusyDialog) {
            const TProgramCore::NestedPass pass(m_Core);
            SIBusyForm->exec();
        }
        break;
    case TProgramCore::TClipboardResult::Prompt:
        CB_PromptForm->ShowPrompt();
        break;
    case TProgramCore::TClipboardResult::Ignored:
    case TProgramCore::TClipboardResult::Added:
        break;
    }
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

void TForm1::BuildArticleArea()
{
    MainTextPanel->setFrameStyle(QFrame::NoFrame);
    MemoListBox1 = new TMemoListBox(m_Core.Articles(), MainTextPanel);
    auto *listLayout = new QVBoxLayout(MainTextPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(MemoListBox1);
    MemoListBox1->SetVisibleEntries(m_Core.Prefs().ML_ListMode == 1 ? m_Core.Prefs().ML_VisibleEntries : 1);
    MemoListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(MemoListBox1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(MemoListBox1->mapToGlobal(at)); });
    MemoListBox1->MoreLanguages = [this] { return LanguagesMItmClick(); };
    MemoListBox1->PictureText = [this](const QImage &picture) {
        return DocumentOpen::Busy() ? QString() : PictureText(picture);
    };
    // Opened once the paste is over: the page's articles may take the text box's place.
    MemoListBox1->AddressPasted = [this](const QString &text) { return OfferPage(text, true); };
    MemoListBox1->VoiceNames = [this] {
        QStringList names;
        if (m_Core.Voices()) {
            for (const auto &voice : m_Core.Voices()->Voices)
                names << voice->Name;
        }
        return names;
    };
}

void TForm1::FormCreate()
{
    HelpFile = ProgramPaths::DataFile(QStringLiteral("help/index.html"));
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, [this] {
        UtilsClass::Trace(QStringLiteral("FormActivate Timer popped"));
        if (m_Core.Articles().Importing) {
            UtilsClass::Trace(QStringLiteral("Import in progress.  Resetting timer"));
            return;
        }
        UtilsClass::Trace(QStringLiteral("FormActivate Timer: Minimizing now."));
        Timer1->stop();
        ApplicationMinimize();
    });

    TPreferences::RestorePlacement(this);
    SizeStatusPanels();
    StatusPanel1->setText(QStringLiteral(" "));
    StatusGauge->hide();
    ToolBarForm->Gauge1->hide();
    setWindowTitle(caption);
    BuildArticleArea();
    StartupTrace::Mark("article area made");
    ApplyLayout();
    ApplyMode();

    // The option controls show the stored choices.
    const TPreferences &prefs = m_Core.Prefs();
    ClipboardSheet->Load();
    FileOptionsSheet->Load();
    MiscSheet->Load();
    MonitorCBMItm->setChecked(prefs.CB_Monitor);
    ClipboardWatch->SetWatching(prefs.CB_Monitor);
    if (!TClipboardWatch::Supported()) {
        const QString why = TClipboardWatch::UnsupportedReason();
        if (prefs.CB_Monitor)
            m_Core.AddStartNotice(tr("Watching the clipboard is off on this Wayland desktop (see the Clipboard page)."));
        ClipboardSheet->ShowWatchingUnsupported(why);
        MonitorCBMItm->setChecked(false);
        MonitorCBMItm->setEnabled(false);
        MonitorCBMItm->setToolTip(why);
        MonitorCBMItm->setStatusTip(why);
    }
    m_Actions->Update();

    // Keep the log-in entry pointing at this program if it was moved.
    if (TPreferences::IsAutoStart(autoStartName))
        TPreferences::SetAutoStart(autoStartName, AutoStartCommand(), true);

    ShowOptionPage(ClipboardSheet);
}

void TForm1::ApplyLayout()
{
    ToolBar1->setVisible(m_Core.Prefs().ShowToolbar);
    Panel3->setVisible(m_Core.Prefs().ShowOptions);
    ShowToolbarMItm->setChecked(m_Core.Prefs().ShowToolbar);
    OptionsPanelsMItm->setChecked(m_Core.Prefs().ShowOptions);
    OptionsBtn->setChecked(m_Core.Prefs().ShowOptions);
    // The designed heights, or what the buttons' captions need with a larger font;
    // the option pages scroll within theirs.
    const int toolBar = std::max(ToolBarHeight, PlayToolBtn->maximumHeight() + 4);
    ToolBar1->setFixedHeight(toolBar);
    const int options = TopPanelHeight - ToolBarHeight;
    int height = 0;
    if (m_Core.Prefs().ShowOptions)
        height = m_Core.Prefs().ShowToolbar ? toolBar + options : options;
    else if (m_Core.Prefs().ShowToolbar)
        height = toolBar;
    TopPanel->setFixedHeight(height);
    TopPanel->setVisible(height > 0);
}

void TForm1::ApplyMode()
{
    if (m_Core.Prefs().ML_ListMode == 1) {
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

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    FormShow();
}

void TForm1::FormShow()
{
    UtilsClass::Trace(QStringLiteral("Entered FormShow"));
    if (m_Core.Initialized() || m_Terminated)
        return;
    if (!m_Core.Start()) {
        EngineMissing();
        return;
    }
    if (!ListInfoInitialized && isActiveWindow()) {
        UtilsClass::Trace(QStringLiteral("FormShow - Initialize list info and mark entry"));
        ListInfoInitialized = true;
        m_Core.InitializeList();
    }
    StartupTrace::Mark("article list shown");
    TrayIcon->setToolTip(caption);
    // The icon joins the notification area once the window has been painted (or has
    // become active, or a second has passed): docking it takes the display some
    // round trips that the first window need not wait for.
    m_TrayPending = true;
    m_Actions->Update();
    UtilsClass::Trace(QStringLiteral("Exiting FormShow"));
    // Without a window manager, or with one that keeps a window started at login
    // from taking the focus, the window may never become active; what activation
    // starts (the first article marked, the minimizing of "-auto") happens anyway.
    QTimer::singleShot(1000, this, [this] {
        ShowTrayIcon();
        FormActivate();
    });
}

bool TForm1::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (event->type() == QEvent::Paint && m_TrayPending)
        QTimer::singleShot(0, this, &TForm1::ShowTrayIcon);
    return handled;
}

void TForm1::ShowTrayIcon()
{
    if (!m_TrayPending || m_Terminated)
        return;
    m_TrayPending = false;
    // On X11 a notification area that comes later is found then; elsewhere there is
    // nothing to wait for where the desktop has none.
    if (!Session::NativeWayland() || QSystemTrayIcon::isSystemTrayAvailable())
        TrayIcon->show();
}

void TForm1::FormActivate()
{
    if (m_Activated || m_Terminated)
        return;
    m_Activated = true;
    ShowTrayIcon();
    UtilsClass::Trace(ProgramPaths::ProgramFile());
    UtilsClass::Trace(m_Arguments.value(0));
    if (!ListInfoInitialized && m_Core.Initialized()) {
        UtilsClass::Trace(QStringLiteral("FormActivate - Initialize list info and mark entry"));
        ListInfoInitialized = true;
        m_Core.InitializeList();
    }
    if (m_Arguments.value(0) == QStringLiteral("-auto")) {
        UtilsClass::Trace(QStringLiteral("Minimizing ..."));
        Timer1->start(500);
    }
    UtilsClass::Trace(QStringLiteral("Exiting FormActivate"));
}

bool TForm1::TrayInUse() const
{
    return TrayIcon->InUse();
}

bool TForm1::ToolbarOnMinimize() const
{
    return m_Core.Prefs().ToolbarOnMinOption == 1 || (m_Core.Prefs().ToolbarOnMinOption == 2 && m_Core.State() == rsReading);
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
    if (TrayInUse() && !m_Core.Prefs().TrayNoticeShown) {
        m_Core.Prefs().TrayNoticeShown = true;
        TrayIcon->showMessage(caption,
                              tr("Parlewind MP3 is still running. Use the icon here to restore it or to exit."),
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
    if (!m_Core.Initialized() || MainWindowShown())
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
    if (!m_Core.Initialized())
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
    if (m_Core.State() == rsExiting) {
        event->accept();
        return;
    }
    event->ignore();
    // Without a notification area a closed window could not be brought back where
    // the desktop has no window list: only the floating tool bar keeps a way back.
    if (!TrayInUse() && !ToolbarOnMinimize()) {
        UtilsClass::Trace(QStringLiteral("Closed without a notification area: the window stays open"));
        ShowStatus(NoTrayNotice());
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


void TForm1::Contents1Click()
{
    if (HelpFile.isEmpty()) {
        Messages::ShowError(tr("The help file could not be found."));
        return;
    }
    if (!ShellOpen::Open(HelpFile))
        Messages::ShowError(tr("No program could be started to show the help file %1").arg(HelpFile));
}

void TForm1::SelAudioDevMItmClick()
{
    if (!m_Core.Initialized() || !m_Core.Voices() || m_Core.State() != rsIdle)
        return;
    TAuDevDlg dialog;
    dialog.DlgUse = duTTS;
    dialog.AudioDeviceID = m_Core.Prefs().TTS_AudioDeviceID;
    if (!dialog.Execute(this))
        return;
    try {
        if (!m_Core.Voices()->AudioDeviceCheck(dialog.AudioDeviceID))
            return;
        m_Core.Voices()->TTS1->SetAudioDeviceID(dialog.AudioDeviceID);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
        return;
    }
    m_Core.Prefs().TTS_AudioDeviceID = dialog.AudioDeviceID;
    m_Core.Prefs().TTS_AudioDeviceName = TAuDevDlg::DeviceName(dialog.AudioDeviceID);
}

void TForm1::MoveToArticle(int step)
{
    if (!m_Core.Initialized() || m_Core.Articles().Count() == 0)
        return;
    const int from = m_Core.Articles().CurrentEntry() ? m_Core.Articles().PositionOf(m_Core.Articles().CurrentEntry()) : 0;
    const int to = std::clamp(from + step, 1, m_Core.Articles().Count());
    m_Core.Articles().MarkEntry(to);
    if (TMemoEntryView *view = m_Core.Articles().EntryAt(to)->View())
        view->TextBox->setFocus(Qt::OtherFocusReason);
}

bool TForm1::LanguagesMItmClick()
{
    if (!m_Core.Initialized() || !m_Core.Voices() || m_Core.State() != rsIdle)
        return false;
    const bool changed = m_Core.Voices()->LanguagesDialog(this, tr("Parlewind MP3 Languages"),
                                                  [this](const QStringList &voices) { return m_Core.VoiceUsage(voices); });
    if (changed) {
        UtilsClass::Trace(QStringLiteral("Languages changed: %1 voices").arg(m_Core.Voices()->VoiceCount()));
        m_Core.LoadFavoriteVoices();
    }
    return changed;
}

void TForm1::HighlightPosnClick(bool on)
{
    m_Core.Prefs().TTS_HighlightPosition = on;
    TMemoEntry *article = m_Core.CurrentArticle();
    if (on && m_Core.State() == rsReading && article) {
        const int position = m_Core.Articles().PositionOf(article);
        if (position > 0 && !article->View())
            MemoListBox1->ScrollToTop(position);
        if (article->View())
            article->View()->TextBox->setFocus();
    }
}

void TForm1::ReadFromHereClick()
{
    TMemoEntry *article = m_Core.Articles().CurrentEntry();
    m_Core.ReadFromHere(article, article && article->View() ? article->View()->TextBox->textCursor().selectionStart() : -1);
}

bool TForm1::OfferPage(const QString &text, bool later)
{
    if (!TDocumentProcess::IsAddress(text) || DocumentOpen::Busy() || !m_Core.Initialized() || m_Core.State() == rsExiting)
        return false;
    bool read = false;
    {
        const TProgramCore::NestedPass pass(m_Core);
        read = Messages::Confirm(tr("Read the page at %1?").arg(text.trimmed()));
    }
    if (read && m_Core.State() != rsExiting) {
        if (later)
            QTimer::singleShot(0, this, [this, address = text.trimmed()] { OpenFiles({address}); });
        else
            OpenFiles({text.trimmed()});
    }
    return read;
}

void TForm1::OpenAddressDialog()
{
    if (!m_Core.Initialized())
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenAddressDialog"));
    dialog.setWindowTitle(tr("Open Web Address"));
    dialog.setLabelText(tr("&Address of the page (http or https):"));
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setAccessibleName(tr("Address of the page"));
    while (dialog.exec() == QDialog::Accepted) {
        QString address = dialog.textValue().trimmed();
        // "example.com/page" is what people type; the page is fetched as https.
        if (!address.isEmpty() && !address.contains(QLatin1String("://")))
            address.prepend(QStringLiteral("https://"));
        if (TDocumentProcess::IsAddress(address)) {
            OpenFiles({address});
            return;
        }
        Messages::ShowError(tr("%1 is not a web address; an address begins with http:// or https://.")
                                .arg(dialog.textValue().trimmed()));
    }
}

void TForm1::OpenFileDialog()
{
    if (!m_Core.Initialized())
        return;
    TPreferences &prefs = m_Core.Prefs();
    const QString file =
        FileDialogs::GetOpenFileName(this, tr("Open"), prefs.OpenDlgInitialDir, DocumentReader::FileFilter());
    if (file.isEmpty())
        return;
    prefs.OpenDlgInitialDir = QFileInfo(file).absolutePath() + QLatin1Char('/');
    OpenFiles({file});
}

QString TForm1::PictureText(const QImage &picture)
{
    if (!m_Core.Initialized() || m_Core.State() == rsExiting)
        return {};
    const TProgramCore::NestedPass pass(m_Core);
    QString text, error, note;
    const DocumentOpen::TResult result = DocumentOpen::Picture(
        this, picture, TTTSForm::LanguageOf(m_Core.Prefs().TTS_DefaultVoiceName), &text, &error, &note);
    if (m_Core.State() == rsExiting)
        return {};
    if (result == DocumentOpen::TResult::Failed)
        Messages::ShowError(error);
    else if (!note.isEmpty())
        ShowStatus(tr("The copied picture: %1").arg(note));
    return result == DocumentOpen::TResult::Read ? text : QString();
}

void TForm1::OpenFiles(const QStringList &files)
{
    if (!m_Core.Initialized() || m_Core.State() == rsExiting)
        return;
    // What could not be opened is told once, after all the others.
    QStringList failures;
    const auto tell = qScopeGuard([&failures] {
        constexpr qsizetype shown = 10;
        if (failures.isEmpty())
            return;
        QString message = failures.mid(0, shown).join(QStringLiteral("\n\n"));
        if (failures.size() > shown)
            message += QStringLiteral("\n\n") + tr("%n more files could not be opened either.", nullptr, int(failures.size() - shown));
        Messages::ShowError(message);
    });
    for (const QString &file : files) {
        // Only a file that reads well may replace anything (single-article mode).
        std::vector<TDocument::TChapter> articles;
        QString error;
        // A long book takes a while; an exit asked for meanwhile waits for it.
        const TProgramCore::NestedPass pass(m_Core);
        const QString name = TDocumentProcess::IsAddress(file) ? file.trimmed() : QFileInfo(file).fileName();
        ShowStatus(tr("Opening %1…").arg(name));
        StatusPanel0->repaint();
        TDocument about;
        const DocumentOpen::TResult result =
            DocumentOpen::Articles(this, file, m_Core.Prefs().ML_ListMode == 1, &articles, &error, &about,
                                   TTTSForm::LanguageOf(m_Core.Prefs().TTS_DefaultVoiceName), m_Core.Prefs().DOC_WholePage);
        if (m_Core.State() == rsExiting) {
            failures.clear();
            return;
        }
        if (result != DocumentOpen::TResult::Read) {
            ShowStatus(m_Core.CountText());
            if (result == DocumentOpen::TResult::Failed)
                failures << error;
            continue;
        }
        m_Core.AddChapters(articles, about);
        // What text recognition has to say (a language to install, a page hard to read).
        if (!about.Note.isEmpty())
            ShowStatus(name + QStringLiteral(": ") + about.Note);
    }
}
