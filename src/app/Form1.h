#pragma once

#include "audio/AudioWriter.h"
#include "audio/TimedText.h"

#include <QHash>

#include "app/ReadState.h"

#include <QMainWindow>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QAction;
class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TTTS;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QStackedWidget;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolBar;
class QToolButton;
class TGauge;
class TMemoEntry;
struct TArticleBook;
class TMemoListBox;
class TArticleList;
class TPreferences;
class TTTSForm;
class TSIOptionsSheet;
class TMIOptionsSheet;
class TClipboardPage;
class TFavoriteVoicesPage;
class TVoiceEditPage;
class TFileOptionsPage;
class TMiscPage;
class TClipboardWatch;
class TCB_PromptForm;
class TSIBusyForm;
class TNotifyIcon;
class TToolBarForm;
class TEncodeJobs;

// The main window: tool bar, options area, article area and status line. It owns the
// run: preferences are loaded when it is created and saved by the exit command;
// closing it only minimises the program.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int TopPanelHeight = 257;
    static constexpr int ToolBarHeight = 56;

    // `arguments` are the command-line arguments after the program name.
    explicit TForm1(const QStringList &arguments, QWidget *parent = nullptr);
    ~TForm1() override;

    // Main-window state.
    bool Initialized = false;
    bool Activated = false;
    bool ListInfoInitialized = false;
    TReadState ReadingState = rsIdle;
    TReadTarget ReadTarget = rtSpeakers;
    // The reading in progress.
    TReadTarget RunTarget = rtSpeakers;
    TMemoEntry *CurrentArticle = nullptr;
    QString SpeechFileName;
    QString Mp3FileName;
    QString WavFileName; // where a WAV file's speech goes when it is complete
    // The MP3 files of file runs, made on worker threads while the reading goes on.
    TEncodeJobs *EncodeJobs = nullptr;
    int RoundRobinPos = -1;
    QString HelpFile;

    std::unique_ptr<TPreferences> Prefs;
    // The voice manager, created after this window by the program's entry.
    QPointer<TTTSForm> TTSForm;
    // Seeded at the first show; chooses random voices.
    QRandomGenerator Random;

    // True once the program has decided to end (no sound card, say); ExitCode says how.
    bool Terminated() const { return m_Terminated; }
    int ExitCode() const { return m_ExitCode; }

    void ShowStatus(const QString &text);
    void ResetStatus();
    // The progress gauges (0-100), as the MP3 encoding reports it.
    void SetProgress(int percent);
    QString CountText() const;

    // Articles.
    QString ChooseVoice();
    TMemoEntry *AddMemo(const QString &text, const QString &voice, bool save = true);
    TMemoEntry *AddNew();
    // Saves the list to "PWExport.txt" and shows the article count (or why saving
    // failed; a quiet save shows only a failure). False when it was not saved.
    bool SaveArticles(bool quiet = false);
    // Saves a while after the user stopped typing or changed a title or voice.
    QTimer *SaveTimer = nullptr;
    static constexpr int SaveDelayMs = 2000;
    // The favourite voices in the voice manager's order; rebuilt by LoadFavoriteVoices.
    QStringList FavoriteVoices;
    void LoadFavoriteVoices();

    // The mail command of "Tell a Friend", as handed to the desktop.
    static QString TellAFriendCommand();
    static const QString MakerSite;
    // Said when the window is closed where no notification area could bring it back.
    static const QString NoTrayNotice;

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
    // The pages' controls that other parts of the window use.
    QButtonGroup *ODestGrp = nullptr; // "File Output:" on the multi-article sheet
    QButtonGroup *FileFormatRGrp = nullptr;
    QLineEdit *OutDirEdit = nullptr;
    QPushButton *Button1 = nullptr; // "Browse"
    QFrame *MainTextPanel = nullptr;
    TMemoListBox *MemoListBox1 = nullptr;
    // The articles the list shows.
    TArticleList *Articles = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;
    TGauge *StatusGauge = nullptr;
    QTimer *Timer1 = nullptr;
    // The notification-area icon with its menu, and the floating tool bar.
    TNotifyIcon *TrayIcon = nullptr;
    std::unique_ptr<TToolBarForm> ToolBarForm;

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

    // Handlers.
    void TellaFriend1Click();
    void ExitParlewindClick();
    // The system asked the program to end (log-out, SIGTERM): as Exit, but a list
    // that cannot be saved keeps its old file instead of keeping the program open.
    void TerminationRequested();
    void ShowToolbarMItmClick();
    void MMLabel1Click();
    void Contents1Click();
    void VisitBrivantaTechnologies1Click();
    void About1Click();
    void PasteBtnClick();
    void PronunciationMItmClick();
    // The engine's languages; true when the voices changed and every list shows them.
    bool LanguagesMItmClick();
    // What uses these voices: the articles, one line each, and the default voice.
    QStringList VoiceUsage(const QStringList &voices) const;
    // The previous (-1) or next (1) article becomes the marked one, its text focused.
    void MoveToArticle(int step);
    // An entry of "&Audio Help": its topic is read with the default voice.
    void AudioHelpItemClick(QAction *item);
    void SelAudioDevMItmClick();
    void ToolButton1Click();
    void ToolButton2Click();
    void AddNewPopupClick();
    void DelSelPopupClick();
    void ReadFileBtnClick();
    // Opens each file (text or document) into articles; dropped files too.
    void OpenFiles(const QStringList &files);
    void TextDropped(const QString &text);
    // An article's own Delete button.
    void ArticleDelete(TMemoEntry *entry);

    // Reading.
    void PlayAllBtnClick();
    void PlayFileBtnClick();
    void PauseBtnClick();
    void SkipBtnClick();
    void StopBtnClick();
    void HighlightPosnClick(bool on);
    // "Watch Clipboard": the menu item and the Clipboard page's check box.
    void MonitorCBClick(bool on);

    // Clipboard capture: the text of the last change taken, the prompt asking what
    // to do with it, and the dialog saying why none is taken while reading.
    TClipboardWatch *ClipboardWatch = nullptr;
    TCB_PromptForm *CB_PromptForm = nullptr;
    TSIBusyForm *SIBusyForm = nullptr;
    QString ClipBoardMemo;
    // Another program put text (or something else) on the clipboard.
    void ClipboardChanged(const QString &text, bool hasText);
    // New or Append from the prompt, with the text held in ClipBoardMemo.
    void PromptAction(bool append);
    // A voice heard from the voice pages.
    void TestVoice(const QString &voice);
    void ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton = false);
    void SpeakTest(const QString &text, const QString &voice);
    void SetReadingState(TReadState state);
    bool PrepareOutput(TMemoEntry *article, TReadTarget target);
    // Tells the user when the output folder is missing.
    bool OutputDirectoryExists();
    // `from`: where in the article's text the reading begins (a word's start).
    void StartReading(TMemoEntry *article, TReadTarget target, int from = 0);
    // Reads the current article aloud from the word at the caret (or where its
    // reading stopped), then the articles after it.
    void ReadFromHereClick();
    // While reading aloud: starts again at the previous (-1) or next (+1) sentence.
    void SentenceJump(int direction);
    // The sleep timer: the reading stops after `minutes` (at the end of a
    // sentence), at the end of the article (-1), or never (0).
    void SetSleepTimer(int minutes);
    // Where each article's reading stopped, kept beside the saved articles.
    void RememberPlace(TMemoEntry *article, int place);
    void SavePlaces();
    void ApplyPlaces();
    // The books the articles came from, kept beside them and given back at the start.
    void SaveBooks();
    void ApplyBooks();
    // The last word heard of the article being read aloud (-1 before the first).
    int LastWordHeard() const { return m_LastWord; }
    // Tests shorten the sleep timer's minutes by this much.
    static inline int SleepTimerScale = 1;
    // Closes the output and makes the MP3; false when the file could not be
    // finished (the user was told), which ends the run.
    bool FinishOutput(bool abort);
    // Ends a run after a failure: everything unlocked, the engine off, idle.
    void EndRun();
    void SoundDeviceLost();
    void EngineFailed();
    bool PutWavInPlace();
    // Runs a call into the engine from a handler; a failure is shown and ends the
    // run (false).
    bool EngineCall(const std::function<void()> &call);
    void WordPosition(TTTS *sender, quint64 timeStamp, quint32 byteOffset);
    void ShowWordPosition(quint32 byteOffset);

    // Every place a reading command lives, switched together by SetReadingState;
    // the tray menu and the floating tool bar add theirs.
    struct ReadingCommandPlaces
    {
        QList<QObject *> Aloud, File, Pause, Skip, Stop, Devices;
    } ReadingCommands;
    void Timer1Timer();

    // Hides the window to the notification area (or the task bar when there is none)
    // and shows the floating tool bar as ToolbarOnMinOption says.
    void ApplicationMinimize();
    void RestoreMainWindow();
    // "Show &Toolbar" of the notification menu.
    void ToolBarPONtryClick();
    // Both progress gauges, the status bar's and the floating tool bar's, always
    // show the same.
    void SetGauges(int maxValue, int progress);
    void SetGaugeProgress(int progress);
    void ShowGauges(bool on);
    // A later start of the program asked this one to come to the front.
    void RestoreRequest();

signals:
    // The reading started, stopped, paused or went on to another article.
    void ReadingChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    // Marks a handler that lets pending events run (saving, restoring, marking an
    // article, converting): an exit arriving meanwhile waits until the outermost
    // one has finished, so that nothing it works on is taken away under it.
    class NestedPass
    {
    public:
        explicit NestedPass(TForm1 *form) : m_Form(form) { ++m_Form->m_NestedDepth; }
        ~NestedPass();
        NestedPass(const NestedPass &) = delete;
        NestedPass &operator=(const NestedPass &) = delete;

    private:
        TForm1 *m_Form;
    };
    // Saves and ends; runs once nothing lets events run below it.
    void CompleteExit();
    // The read article, the list, or nothing changed in the meantime.
    bool RunStopped() const { return ReadingState == rsIdle || ReadingState == rsExiting; }
    void BuildToolBar();
    void BuildOptionsArea();
    void BuildMenus();
    // What the option pages need of the window.
    void ConnectOptionPages();

public:
    // The option page or mode sheet shown; each sits in a scroll area of its own.
    void ShowOptionPage(QWidget *page);
    QWidget *CurrentOptionPage() const;
    QWidget *CurrentModeSheet() const;

private:
    void BuildStatusBar();
    void FormCreate();
    void FormShow();
    void FormActivate();
    void ApplyLayout();
    void ApplyMode();
    void SizeStatusPanels();
    bool TrayInUse() const;
    // Whether minimising now shows the floating tool bar.
    bool ToolbarOnMinimize() const;
    void Terminate(int exitCode);
    // The stored output device's number, found again from its name.
    void FindAudioDevice();
    // No usable speech engine: say so, then end.
    void EngineMissing();
    void InitializeListInfo();
    void SwitchMode(quint8 mode);

    // Reads the list from its first article to ReadTarget.
    void StartRun();
    void RunTextDone();
    // Reads the article at this position of a run (after preparing its file).
    void ContinueRun(int position);
    void SingleTextDone();
    // The end of a run or of a single reading once its MP3 files are made.
    void FinishRun();
    void EncodeJobEnded(const QString &mp3File, const QString &speechFile, bool ok, const QString &failure);
    // Goes on with a run that waited for a worker, or ends one whose MP3 files are made.
    void EncodeWorkerFreed();
    // What the status line adds about the MP3 files being made.
    QString EncodingText() const;
    // "Converting to MP3 format: ", or the format being made.
    QString ConvertingText() const;
    void TestTextDone();
    void ConnectTextDone(void (TForm1::*handler)());
    void SetPauseCaptions(bool paused);
    void ShowReadingStatus(const QString &longText, const QString &shortText);

    QStringList m_Arguments;
    int m_NestedDepth = 0;
    // Speech into a file: the word the caret goes to at the next tick, -1 for none.
    QTimer *m_WordTimer = nullptr;
    qint64 m_PendingWord = -1;
    // A run's next article while every worker is making an MP3 file, else 0.
    int m_NextArticle = 0;
    // The reading is over; the run ends when its MP3 files are made.
    bool m_EncodingToEnd = false;
    // The MP3 files of a multiple-files run are numbered as tracks.
    int m_RunTrack = 0;
    // Reading aloud: where in the article the speech began, the last word heard,
    // where to start again after a sentence jump.
    int m_ReadFrom = 0;
    int m_LastWord = -1;
    int m_RestartAt = -1;
    // The sleep timer: when it runs out (or at the article's end); once due, the
    // reading ends at the next sentence's start.
    QTimer *m_SleepTimer = nullptr;
    bool m_SleepAtArticleEnd = false;
    int m_SleepStopAt = -1;
    QString SleepText() const;
    // The output being spoken goes on to an encoded file (MP3, M4B, Opus), or is
    // a WAV file; a single file's chapters: where each article begins in it.
    TOutputFormat m_OutputFormat = TOutputFormat::Wav;
    std::vector<TAudioChapter> m_Chapters;
    // The text timed to the speech of the output being spoken, and that of files
    // still being encoded, written beside each when it is in place.
    TSubtitleFormat m_Subtitles = TSubtitleFormat::None;
    TTimedText m_Timed;
    QHash<QString, std::pair<QString, QByteArray>> m_PendingTimedText; // sound file: where, what
    void WriteTimedText(const QString &path, const QByteArray &text);
    bool m_ExitPending = false;
    bool m_ExitBySignal = false;
    bool m_LastSaveFailed = false;
    // The articles' books as last written this run (none yet: written at the first save).
    std::optional<std::vector<std::pair<QByteArray, std::shared_ptr<const TArticleBook>>>> m_SavedBooks;
    // What the user should hear about the start: a damaged settings file, a
    // saved list that could not be restored whole.
    QStringList m_StartNotices;
    // Keeps the saved list aside when the restore kept fewer articles than it held.
    void KeepRestoredFile(const QString &path, int restored, int held, bool damaged);
    bool m_Terminated = false;
    int m_ExitCode = 0;
    bool m_MinimizePending = false;
    // Minimised by us on Wayland, which never says when the window comes back.
    bool m_WaylandMinimized = false;
    // The user sent the window away (close box, minimise box); the first time
    // ever, the notification area says where the program went.
    void MinimizeByUser();
    // The main window is on the screen (not hidden, not minimised).
    bool MainWindowShown() const { return isVisible() && !isMinimized(); }
    void BuildTray();
};
