#pragma once

#include "core/ReadState.h"
#include "documents/Document.h"
#include "speech/TTSForm.h"

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QTimer;
class TArticleList;
class TMemoEntry;
class TPreferences;
class TReadingSession;
struct TArticleBook;

// The program without its windows: the preferences, the articles, the reading,
// the voice choice, the saves, the start and the exit. Every command of every
// window, menu and remote control enters here; what the windows show, it signals.
class TProgramCore : public QObject
{
    Q_OBJECT
public:
    explicit TProgramCore(QObject *parent = nullptr);
    ~TProgramCore() override;

    TPreferences &Prefs() const { return *m_Prefs; }
    TArticleList &Articles() const { return *m_Articles; }
    TReadingSession &Session() const { return *m_Session; }
    // The voice manager, made once the preferences are loaded.
    TTTSForm *Voices() const { return m_Voices; }
    void SetVoiceManager(TTTSForm *voices) { m_Voices = voices; }

    // The start: the leftovers of a kill are cleaned and the preferences loaded.
    void Load();
    // The voices initialised and the articles restored; false when there is no
    // usable speech engine.
    bool Start();
    bool Initialized() const { return m_Initialized; }
    // Something the user should hear about the start, in the status line.
    void AddStartNotice(const QString &notice) { m_StartNotices << notice; }
    // The first article marked (a new one when there are none); what went wrong at
    // the start stays in the status line.
    void InitializeList();

    // Marks work that lets pending events run (saving, restoring, marking an
    // article, a dialog): an exit arriving meanwhile waits until the outermost
    // one has finished, so that nothing it works on is taken away under it.
    class NestedPass
    {
    public:
        explicit NestedPass(TProgramCore &core) : m_Core(core) { ++m_Core.m_NestedDepth; }
        ~NestedPass();
        NestedPass(const NestedPass &) = delete;
        NestedPass &operator=(const NestedPass &) = delete;

    private:
        TProgramCore &m_Core;
    };
    // The user asked to end the program, or the system did (`bySignal`: log-out,
    // SIGTERM), in which case a list that cannot be saved keeps its old file instead
    // of keeping the program open.
    void RequestExit(bool bySignal = false);

    // The reading state, and what the commands can do in it.
    TReadState State() const;
    TMemoEntry *CurrentArticle() const;
    bool CanRead() const { return State() == rsIdle; }
    bool CanPause() const { return State() == rsReading || State() == rsPaused; }
    bool CanSkip() const;
    bool CanStop() const { return CanPause(); }
    // Back a sentence, or on to the next.
    bool CanJumpSentence() const { return CanPause(); }

    // The reading commands.
    void ReadAloud();
    void ReadToFile();
    void TogglePause();
    void Skip();
    void Stop();
    void ReadFromHere(TMemoEntry *article, int caret);
    void JumpSentence(int direction);
    void SetSleepTimer(int minutes);
    void ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton = false);
    // The text of a selection (or another program's), read aloud as a new article.
    void ReadSelection(const QString &text);
    // A voice heard from the voice pages; a help topic read with the default voice.
    void TestVoice(const QString &voice);
    void ReadHelp(const QString &text);

    // The article commands.
    QString ChooseVoice();
    TMemoEntry *AddMemo(const QString &text, const QString &voice, bool save = true);
    TMemoEntry *AddNew();
    void DeleteSelected();
    // An article's own Delete button.
    void DeleteArticle(TMemoEntry *entry);
    // A document's chapters, each an article of the book; read at once when
    // single-article mode says so.
    void AddChapters(const std::vector<TDocument::TChapter> &chapters, const TDocument &about);
    void TextDropped(const QString &text);
    void SwitchMode(quint8 mode);
    // Saves the list and shows the article count (or why saving failed; a quiet
    // save shows only a failure). False when it was not saved.
    bool SaveArticles(bool quiet = false);
    static constexpr int SaveDelayMs = 2000;
    QString CountText() const;
    void ShowStatus(const QString &text);

    // Another program put text on the clipboard: what became of it.
    enum class TClipboardResult { Ignored, Added, Prompt, Busy };
    bool WatchingClipboard() const;
    TClipboardResult ClipboardText(const QString &text);
    // The prompt's answer: a new article, or appended to the current one.
    void TakeClipboard(bool append);
    bool CanAppend() const;

    // The favourite voices in the voice manager's order.
    QStringList FavoriteVoices() const { return m_FavoriteVoices; }
    void LoadFavoriteVoices();
    // The voices of the user's other speech programs, listed in the background and
    // offered once no reading is in progress.
    void ListOtherVoices();
    // The Piper program and voice folders the user chose; false while reading
    // (the voice list is not rebuilt under a reading).
    bool SetPiper(const QString &program, const QStringList &folders);
    // What uses these voices: the articles, one line each, and the default voice.
    QStringList VoiceUsage(const QStringList &voices) const;

signals:
    // Before the settings are saved at the exit: the window keeps its placement.
    void BeforeSettingsSaved();
    // The exit waits for the operation in progress; one asked for by the system
    // ends any dialog holding it up.
    void ExitWaiting(bool bySignal);
    void ExitStarted();
    void ExitFinished();
    void FavoritesChanged();
    void ModeChanged(quint8 mode);

private:
    void CompleteExit();
    void SaveBooks();
    QString ApplyBooks();
    // The parts in other languages of the articles from documents, kept beside them.
    void SaveLanguages();
    QString ApplyLanguages();
    void KeepRestoredFile(const QString &path, int restored, int held, bool damaged);
    void FindAudioDevice();

    std::unique_ptr<TPreferences> m_Prefs;
    TArticleList *m_Articles = nullptr;
    TReadingSession *m_Session = nullptr;
    QPointer<TTTSForm> m_Voices;
    bool m_Initialized = false;
    int m_NestedDepth = 0;
    bool m_ExitPending = false;
    bool m_ExitBySignal = false;
    bool m_LastSaveFailed = false;
    // Saves a while after the user stopped typing or changed a title or voice.
    QTimer *m_SaveTimer = nullptr;
    QStringList m_FavoriteVoices;
    int m_RoundRobinPos = -1;
    // Seeded at the start; chooses random voices.
    QRandomGenerator m_Random;
    // The text of the clipboard change waiting for the prompt's answer.
    QString m_ClipboardText;
    // The articles' books as last written this run (none yet: written at the first save).
    std::optional<std::vector<std::pair<QByteArray, std::shared_ptr<const TArticleBook>>>> m_SavedBooks;
    std::optional<std::vector<std::pair<QByteArray, TLanguageRanges>>> m_SavedLanguages;
    // What the user should hear about the start: a damaged settings file, a
    // saved list that could not be restored whole.
    QStringList m_StartNotices;
};
