#pragma once

#include <QMainWindow>
#include <QStringList>

#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QFrame;
class QImage;
class QLabel;
class QMenu;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class TCB_PromptForm;
class TClipboardPage;
class TClipboardWatch;
class TFavoriteVoicesPage;
class TFileOptionsPage;
class TGauge;
class TMemoListBox;
class TMIOptionsSheet;
class TMiscPage;
class TVoiceSourcesPage;
class TNotifyIcon;
class TProgramCore;
class TReadingActions;
class TSIBusyForm;
class TSIOptionsSheet;
class TToolBarForm;
class TVoiceEditPage;

// The main window: tool bar, options area, article area and status line. It shows
// what the program core holds and hands every command to it; closing it only
// minimises the program.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int TopPanelHeight = 257;
    static constexpr int ToolBarHeight = 56;

    // `arguments` are the command-line arguments after the program name.
    TForm1(TProgramCore &core, const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    TProgramCore &Core() const { return m_Core; }
    // Shown and activated: the first article is marked.
    bool ListInfoInitialized = false;
    QString HelpFile;

    // True once the program has decided to end (no speech engine); ExitCode says how.
    bool Terminated() const { return m_Terminated; }
    int ExitCode() const { return m_ExitCode; }

    // Said when the window is closed where no notification area could bring it back.
    static QString NoTrayNotice();

    // Controls, by their designed names.
    QWidget *TopPanel = nullptr;
    QToolBar *ToolBar1 = nullptr;
    QToolButton *ToolButton1 = nullptr;
    QToolButton *ToolButton2 = nullptr;
    QToolButton *ReadFileBtn = nullptr;
    QToolButton *PasteBtn = nullptr;
    QToolButton *PlayToolBtn = nullptr;
    QToolButton *PlayFileBtn = nullptr;
    QToolButton *PauseBtn = nullptr;
    QToolButton *SkipBtn = nullptr;
    QToolButton *StopBtn = nullptr;
    QToolButton *OptionsBtn = nullptr;
    QButtonGroup *ModeButtons = nullptr;
    QWidget *Panel3 = nullptr;
    QStackedWidget *MISIOptionsPage = nullptr;
    TSIOptionsSheet *SIOptionsSheet = nullptr;
    TMIOptionsSheet *MIOptionsSheet = nullptr;
    QTabWidget *PageControl1 = nullptr;
    TClipboardPage *ClipboardSheet = nullptr;
    TFavoriteVoicesPage *TabSheet5 = nullptr; // "Favorite Voices"
    TVoiceEditPage *VoiceEditSheet = nullptr;
    TFileOptionsPage *FileOptionsSheet = nullptr;
    TMiscPage *MiscSheet = nullptr;
    TVoiceSourcesPage *VoiceSourcesSheet = nullptr;
    QFrame *MainTextPanel = nullptr;
    TMemoListBox *MemoListBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    TGauge *StatusGauge = nullptr;
    QTimer *Timer1 = nullptr;
    // The notification-area icon with its menu, and the floating tool bar.
    TNotifyIcon *TrayIcon = nullptr;
    std::unique_ptr<TToolBarForm> ToolBarForm;
    TClipboardWatch *ClipboardWatch = nullptr;
    // The prompt asking what to do with a copied text, and the dialog saying why
    // none is taken while reading.
    TCB_PromptForm *CB_PromptForm = nullptr;
    TSIBusyForm *SIBusyForm = nullptr;

    QMenu *mnuFile = nullptr;
    QMenu *mnuView = nullptr;
    QMenu *mnuOptions = nullptr;
    QMenu *mnuRead = nullptr;
    QMenu *mnuAudioHelp = nullptr;
    QMenu *mnuHelp = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QAction *TellaFriend1 = nullptr;
    QAction *ExitParlewind = nullptr;
    QAction *OpenMItm = nullptr;
    QAction *OpenAddressMItm = nullptr;
    QAction *PrevArticleMItm = nullptr;
    QAction *NextArticleMItm = nullptr;
    QAction *EditStripMItm = nullptr;
    QAction *ShowToolbarMItm = nullptr;
    QAction *OptionsPanelsMItm = nullptr;
    QAction *MonitorCBMItm = nullptr;
    QAction *SingleArticleMItm = nullptr;
    QAction *MultiArticleMItm = nullptr;
    QActionGroup *ModeMenuGroup = nullptr;
    QAction *SelAudioDevMItm = nullptr;
    QAction *PronunciationMItm = nullptr;
    QAction *LanguagesMItm = nullptr;
    QAction *ReadAloudMItm = nullptr;
    QAction *ReadToFileMItm = nullptr;
    QAction *PauseMItm = nullptr;
    QAction *SkipMItm = nullptr;
    QAction *StopMItm = nullptr;
    QAction *ReadFromHereMItm = nullptr;
    QAction *PrevSentenceMItm = nullptr;
    QAction *NextSentenceMItm = nullptr;
    QMenu *StopAfterMenu = nullptr;
    QAction *Contents1 = nullptr;
    QAction *VisitBrivantaTechnologies1 = nullptr;
    QAction *About1 = nullptr;
    QAction *AddNewPopup = nullptr;
    QAction *DelSelPopup = nullptr;

    // The status line (and the notification area's tip and the floating tool bar's).
    void ShowStatus(const QString &text);
    // Opens each file (text or document) into articles; dropped files too.
    void OpenFiles(const QStringList &files);
    // The text of a picture copied or pasted, recognised as an opened one is; empty
    // (the reason told) when there is none.
    QString PictureText(const QImage &picture);
    // Reads the current article aloud from the word at the caret (or where its
    // reading stopped), then the articles after it.
    void ReadFromHereClick();
    // The engine's languages; true when the voices changed and every list shows them.
    bool LanguagesMItmClick();
    // "Watch Clipboard": the menu item and the Clipboard page's check box.
    void MonitorCBClick(bool on);
    // Another program put text (or something else) on the clipboard.
    void ClipboardChanged(const QString &text, bool hasText);
    // "Highlight Position" of the Misc page.
    void HighlightPosnClick(bool on);
    // The previous (-1) or next (1) article becomes the marked one, its text focused.
    void MoveToArticle(int step);
    // A later start of the program asked this one to come to the front.
    void RestoreRequest();
    // Hides the window to the notification area (or the task bar when there is none)
    // and shows the floating tool bar as ToolbarOnMinOption says.
    void ApplicationMinimize();
    void RestoreMainWindow();
    // The option page or mode sheet shown; each sits in a scroll area of its own.
    void ShowOptionPage(QWidget *page);
    QWidget *CurrentOptionPage() const;
    QWidget *CurrentModeSheet() const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    // The tables of the tool bar and the menus (MainMenus.cpp).
    void BuildToolBar();
    void BuildMenus();
    void BuildReadMenu();
    void ConnectMenus();
    void BuildTray();
    void OpenFileDialog();
    void OpenAddressDialog();
    // Text that is only a web address (copied, pasted): asks whether to read the
    // page and opens it (`later`: once the events in hand are done); true when it did.
    bool OfferPage(const QString &text, bool later = false);
    void BuildOptionsArea();
    void BuildStatusBar();
    void BuildArticleArea();
    // What the option pages need of the program.
    void ConnectOptionPages();
    // Where the reading commands live, and what the window shows of the reading.
    void ConnectReading();
    // What the window does at the core's exit, mode and favourites.
    void ConnectCore();
    void BuildClipboard();
    void ShowReading();
    void FormCreate();
    void FormShow();
    void FormActivate();
    void ShowTrayIcon();
    void ApplyLayout();
    void ApplyMode();
    void SizeStatusPanels();
    bool TrayInUse() const;
    // Whether minimising now shows the floating tool bar.
    bool ToolbarOnMinimize() const;
    void Terminate(int exitCode);
    // No usable speech engine: say so, then end.
    void EngineMissing();
    void ToolBarPONtryClick();
    void SelAudioDevMItmClick();
    void Contents1Click();
    void ShowProgress(int maximum, int value);
    void ShowReadingStatus(const QString &longText, const QString &shortText);
    // The user sent the window away (close box, minimise box); the first time
    // ever, the notification area says where the program went.
    void MinimizeByUser();
    // The main window is on the screen (not hidden, not minimised).
    bool MainWindowShown() const { return isVisible() && !isMinimized(); }

    TProgramCore &m_Core;
    TReadingActions *m_Actions = nullptr;
    QStringList m_Arguments;
    bool m_Activated = false;
    // The first show is done; the notification-area icon is still to come.
    bool m_TrayPending = false;
    bool m_Terminated = false;
    int m_ExitCode = 0;
    bool m_MinimizePending = false;
    // Minimised by us on Wayland, which never says when the window comes back.
    bool m_WaylandMinimized = false;
};
