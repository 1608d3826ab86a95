#include "core/ProgramCore.h"

#include "articles/ArticleBooks.h"
#include "articles/ArticleList.h"
#include "articles/ReadingPlaces.h"
#include "articles/SavedArticles.h"
#include "articles/TextFile.h"
#include "audio/AudioDeviceDlg.h"
#include "core/ReadingSession.h"
#include "log/StartupTrace.h"
#include "log/UtilsClass.h"
#include "platform/registry/RegistryEnhanced.h"
#include "platform/sapi/Lexicon.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "platform/waveout/WaveOut.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

TProgramCore::TProgramCore(QObject *parent) : QObject(parent), m_Prefs(std::make_unique<TPreferences>())
{
    m_Articles = new TArticleList(this);
    m_Session = new TReadingSession(*this, this);
    m_SaveTimer = new QTimer(this);
    m_SaveTimer->setObjectName(QStringLiteral("SaveTimer"));
    m_SaveTimer->setSingleShot(true);
    m_SaveTimer->setInterval(SaveDelayMs);
    connect(m_SaveTimer, &QTimer::timeout, this, [this] {
        if (m_Initialized && State() != rsExiting)
            SaveArticles(true);
    });
    connect(m_Articles, &TArticleList::EntryEdited, this, [this] {
        if (m_Initialized && State() != rsExiting)
            m_SaveTimer->start();
    });
    connect(m_Articles, &TArticleList::ReadRequested, this,
            [this](TMemoEntry *entry, bool toFile) { ReadArticle(entry, toFile ? rtSingleFile : rtSpeakers, true); });
    connect(m_Articles, &TArticleList::DeleteRequested, this, &TProgramCore::DeleteArticle);
}

TProgramCore::~TProgramCore()
{
    TRegistryEnhanced::SetProblemHandler([](const QString &problem) { UtilsClass::Trace(problem); });
}

TProgramCore::NestedPass::~NestedPass()
{
    if (--m_Core.m_NestedDepth == 0 && m_Core.m_ExitPending) {
        m_Core.m_ExitPending = false;
        QMetaObject::invokeMethod(&m_Core, &TProgramCore::CompleteExit, Qt::QueuedConnection);
    }
}

TReadState TProgramCore::State() const { return m_Session->State(); }

TMemoEntry *TProgramCore::CurrentArticle() const { return m_Session->CurrentArticle(); }

bool TProgramCore::CanSkip() const
{
    return State() == rsReading && m_Prefs->ML_ListMode == 1 && !m_Session->Testing();
}

void TProgramCore::Load()
{
    UtilsClass::RotateLogs();
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
    // Settings problems are told in the status line once the program has started.
    TRegistryEnhanced::SetProblemHandler([this](const QString &problem) {
        UtilsClass::Trace(problem);
        if (!m_StartNotices.contains(problem))
            m_StartNotices << problem;
    });
    m_Prefs->Load();
    m_Prefs->LoadFields();
    UtilsClass::Trace(QStringLiteral("Version: ") + m_Prefs->GetVersion());
    FindAudioDevice();
    m_Articles->ListMode = m_Prefs->ML_ListMode;
}

void TProgramCore::FindAudioDevice()
{
    if (m_Prefs->TTS_AudioDeviceName.isEmpty())
        return;
    const qint32 number = TAuDevDlg::DeviceNumber(m_Prefs->TTS_AudioDeviceName);
    if (number == WAVE_MAPPER)
        UtilsClass::Trace(QStringLiteral("The audio output ") + m_Prefs->TTS_AudioDeviceName +
                          QStringLiteral(" is not there; the default output is used"));
    else if (number != m_Prefs->TTS_AudioDeviceID)
        UtilsClass::Trace(QStringLiteral("The audio output ") + m_Prefs->TTS_AudioDeviceName +
                          QStringLiteral(" is now device %1").arg(number));
    m_Prefs->TTS_AudioDeviceID = number;
}

bool TProgramCore::Start()
{
    const NestedPass pass(*this);
    // Without a sound server (a headless machine, a server that failed) articles are
    // still gathered and read into files; reading aloud says what it needs. The
    // devices themselves are counted when sound is first wanted.
    const bool soundCard = waveOutCheckServer();
    if (!soundCard)
        UtilsClass::Trace(QStringLiteral("No sound device found"));
    StartupTrace::Mark("sound server asked");
    if (!m_Voices)
        return false;
    try {
        m_Voices->Initialize();
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Voice initialization failed: ") + ErrorMessage(error));
        return false;
    }
    if (m_Voices->VoiceCount() == 0)
        return false;
    StartupTrace::Mark("voices initialized");
    // The voice manager has declared each voice's values; read them from the store.
    m_Prefs->Load();
    m_Voices->LoadVoiceSettings();
    LoadFavoriteVoices();
    StartupTrace::Mark("voice settings and favourites loaded");
    m_Random.seed(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch()));

    QString restore = SavedArticles::File();
    // Settings that went missing (a cleaned configuration folder, copied data) do
    // not make a user new: saved articles are restored, never replaced by the
    // introduction.
    const bool settingsLost = m_Prefs->FirstTimeUser && QFileInfo(restore).isFile();
    const bool saved = !m_Prefs->FirstTimeUser || settingsLost;
    if (m_Prefs->FirstTimeUser) {
        m_Prefs->FirstTimeUser = false;
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
    const TArticleList::ImportResult restored = m_Articles->ImportList(restore);
    StartupTrace::Mark("articles imported");
    if (!restored.Problem.isEmpty())
        m_StartNotices << restored.Problem;
    // Where each article's reading stopped last time, and the books they came from.
    if (saved) {
        for (const QString &problem : {m_Session->ApplyPlaces(), ApplyBooks(), ApplyLanguages()}) {
            if (!problem.isEmpty())
                m_StartNotices << problem;
        }
    }
    if (!soundCard)
        m_StartNotices << TTTSForm::NoSoundDevice();
    if (saved && (restored.Damaged || m_Articles->NonBlankCount() < restored.NonBlankInFile))
        KeepRestoredFile(restore, m_Articles->NonBlankCount(), restored.NonBlankInFile, restored.Damaged);
    else if (settingsLost)
        m_StartNotices << tr(
            "The settings were missing; defaults are used. The saved articles were restored.");
    m_Initialized = true;
    StartupTrace::Mark("core started");
    return true;
}

void TProgramCore::KeepRestoredFile(const QString &path, int restored, int held, bool damaged)
{
    const QString backup = path + QStringLiteral(".bak");
    QFile::remove(backup);
    const bool kept = QFile::copy(path, backup);
    QString notice =
        damaged ? tr("The saved articles file is damaged: %1 of %2 articles were restored.")
                : tr("%1 of the %2 saved articles were restored (single-article mode keeps one).");
    notice = notice.arg(restored).arg(held);
    notice += QLatin1Char(' ') + (kept ? tr("The file as it was is kept in %1")
                                       : tr("The file could not be copied to %1"))
                                     .arg(backup);
    UtilsClass::Trace(notice);
    m_StartNotices << notice;
}

void TProgramCore::InitializeList()
{
    const NestedPass pass(*this);
    ShowStatus(CountText());
    if (m_Articles->Count() >= 1)
        m_Articles->MarkEntry(1);
    else
        AddNew();
    // What went wrong at the start stays in view until the next status.
    if (!m_StartNotices.isEmpty() && State() != rsExiting)
        ShowStatus(m_StartNotices.join(QLatin1Char(' ')));
}

void TProgramCore::RequestExit(bool bySignal)
{
    if (bySignal)
        m_ExitBySignal = true;
    if (State() == rsExiting)
        return;
    UtilsClass::Trace(QStringLiteral("Entered ExitParlewindClick"));
    m_Session->BeginExit();
    m_SaveTimer->stop();
    emit ExitStarted(); // a document being opened is not waited for
    if (m_NestedDepth > 0) {
        // Something below is saving, restoring or converting: it finishes first.
        UtilsClass::Trace(QStringLiteral("Exit waits for the operation in progress"));
        m_ExitPending = true;
        emit ExitWaiting(m_ExitBySignal);
        return;
    }
    CompleteExit();
}

void TProgramCore::CompleteExit()
{
    {
        const NestedPass pass(*this);
        QCoreApplication::processEvents();
    }
    m_Session->StopSpeech();
    m_Articles->UnlockAllEntries();
    if (m_Initialized && !SaveArticles()) {
        if (m_ExitBySignal) {
            UtilsClass::Trace(QStringLiteral("Exit: the articles could not be saved; the saved file was left as it was"));
        } else {
            // Ending now would lose every change since the last save.
            Messages::ShowError(tr("The articles could not be saved to %1: %2\r\rParlewind stays "
                                   "open so that nothing "
                                   "is lost. Make room on the disk, then choose Exit again.")
                                    .arg(SavedArticles::File(), m_Articles->ExportError()));
            m_Session->CancelExit();
            return;
        }
    }
    emit BeforeSettingsSaved();
    m_Prefs->StoreFields();
    if (m_Voices)
        m_Voices->SaveVoiceSettings();
    m_Prefs->Save();
    emit ExitFinished();
    QCoreApplication::quit();
}

void TProgramCore::ReadAloud() { m_Session->ReadAloud(); }
void TProgramCore::ReadToFile() { m_Session->ReadToFile(); }
void TProgramCore::TogglePause() { m_Session->TogglePause(); }
void TProgramCore::Skip() { m_Session->Skip(); }
void TProgramCore::Stop() { m_Session->Stop(); }
void TProgramCore::ReadFromHere(TMemoEntry *article, int caret) { m_Session->ReadFromHere(article, caret); }
void TProgramCore::JumpSentence(int direction) { m_Session->JumpSentence(direction); }
void TProgramCore::SetSleepTimer(int minutes) { m_Session->SetSleepTimer(minutes); }
void TProgramCore::ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton)
{
    m_Session->ReadArticle(article, target, ownButton);
}
void TProgramCore::ShowStatus(const QString &text) { m_Session->ShowStatus(text); }

void TProgramCore::ReadSelection(const QString &text)
{
    // As a paste makes it in the current mode, and read with the article's voice.
    if (TMemoEntry *article = AddMemo(text, ChooseVoice()))
        ReadArticle(article, rtSpeakers, true);
}

void TProgramCore::TestVoice(const QString &voice)
{
    if (State() != rsIdle)
        return;
    ShowStatus(tr("Reading Test Message"));
    m_Session->SpeakTest(QStringLiteral("Thanks for trying Parlewind MP3"), voice);
}

void TProgramCore::ReadHelp(const QString &text)
{
    if (!m_Initialized)
        return;
    ShowStatus(tr("Reading Audio Help"));
    m_Session->SpeakTest(text, m_Prefs->TTS_DefaultVoiceName);
}

QString TProgramCore::CountText() const
{
    int n = m_Articles->Count();
    if (n == 1 && m_Articles->EntryAt(1)->IsBlank())
        n = 0;
    if (n == 0)
        return tr("No articles");
    if (n == 1)
        return tr("1 article");
    // Two or more: a language with more plural forms gives each its own.
    return tr("%n articles", nullptr, n);
}

void TProgramCore::ListOtherVoices()
{
    if (!m_Voices)
        return;
    m_Voices->ListOtherVoices([this] {
        // The voice list is not rebuilt under a reading.
        const auto offer = [this] {
            if (!m_Voices)
                return;
            m_Voices->Reinitialize();
            LoadFavoriteVoices();
        };
        if (State() == rsIdle) {
            offer();
            return;
        }
        auto *once = new QObject(this);
        connect(m_Session, &TReadingSession::StateChanged, once, [once, offer](TReadState state) {
            if (state != rsIdle)
                return;
            once->deleteLater();
            offer();
        });
    });
}

bool TProgramCore::SetPiper(const QString &program, const QStringList &folders)
{
    if (!m_Voices || State() != rsIdle)
        return false;
    m_Voices->SetPiper(program, folders);
    LoadFavoriteVoices();
    return true;
}

void TProgramCore::LoadFavoriteVoices()
{
    UtilsClass::Trace(QStringLiteral("Entering LoadFavoriteVoices"));
    m_FavoriteVoices.clear();
    if (m_Voices) {
        for (const auto &voice : m_Voices->Voices) {
            if (voice->Favorite)
                m_FavoriteVoices << voice->Name;
        }
    }
    m_RoundRobinPos = -1;
    emit FavoritesChanged();
}

QStringList TProgramCore::VoiceUsage(const QStringList &voices) const
{
    QStringList uses;
    if (voices.contains(m_Prefs->TTS_DefaultVoiceName))
        uses << tr("the default voice (%1)").arg(m_Prefs->TTS_DefaultVoiceName);
    for (int k = 1; k <= m_Articles->Count(); ++k) {
        const TMemoEntry *article = m_Articles->EntryAt(k);
        if (voices.contains(article->Voice()))
            uses << tr("article %1 \"%2\" (%3)").arg(k).arg(article->Title(), article->Voice());
    }
    return uses;
}

QString TProgramCore::ChooseVoice()
{
    const quint8 selection = m_Prefs->ML_ListMode == 1 ? m_Prefs->MI_Voice : m_Prefs->SI_Voice;
    // Without favourites there is nothing to choose from but the default voice.
    if (m_FavoriteVoices.isEmpty() || selection == 0)
        return m_Prefs->TTS_DefaultVoiceName;
    if (selection == 1)
        return m_FavoriteVoices.at(static_cast<int>(m_Random.bounded(static_cast<quint32>(m_FavoriteVoices.size()))));
    ++m_RoundRobinPos;
    if (m_RoundRobinPos >= m_FavoriteVoices.size())
        m_RoundRobinPos = 0;
    return m_FavoriteVoices.at(m_RoundRobinPos);
}

TMemoEntry *TProgramCore::AddMemo(const QString &text, const QString &voice, bool save)
{
    TMemoEntry *entry = nullptr;
    try {
        entry = m_Articles->Add(text, voice);
    } catch (const EMemoEntryLocked &) {
        UtilsClass::Trace(QStringLiteral("AddMemo: the article is being read"));
        Messages::ShowError(tr("This item is currently being read and cannot be deleted"));
    } catch (const std::exception &error) {
        const QString message = QString::fromLocal8Bit(error.what());
        UtilsClass::Trace(QStringLiteral("AddMemo Exception: ") + message);
        Messages::ShowError(message);
    } catch (...) {
        Messages::ShowError(tr("AddMemo Failed"));
    }
    if (save)
        SaveArticles();
    return entry;
}

TMemoEntry *TProgramCore::AddNew() { return AddMemo(QString(), ChooseVoice()); }

bool TProgramCore::SaveArticles(bool quiet)
{
    if (m_Articles->Importing) {
        // A half-restored list must not replace the whole one: save once it is in.
        m_SaveTimer->start();
        return false;
    }
    const NestedPass pass(*this);
    m_SaveTimer->stop();
    const bool saved = m_Articles->ExportList(SavedArticles::File());
    if (saved) {
        SaveBooks();
        SaveLanguages();
    }
    if (!saved)
        ShowStatus(tr("The articles could not be saved: %1").arg(m_Articles->ExportError()));
    else if (!quiet || m_LastSaveFailed)
        ShowStatus(CountText());
    m_LastSaveFailed = !saved;
    return saved;
}

void TProgramCore::SaveBooks()
{
    std::vector<std::pair<QByteArray, ArticleBooks::TBook>> articles;
    for (int k = 1; k <= m_Articles->Count(); ++k) {
        const TMemoEntry *article = m_Articles->EntryAt(k);
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

QString TProgramCore::ApplyBooks()
{
    QString problem;
    const QHash<QByteArray, ArticleBooks::TBook> books = ArticleBooks::Load(ArticleBooks::File(), &problem);
    for (int k = 1; k <= m_Articles->Count() && !books.isEmpty(); ++k) {
        TMemoEntry *article = m_Articles->EntryAt(k);
        if (const ArticleBooks::TBook book = books.value(ReadingPlaces::Key(article->Title(), article->Text())))
            article->Book = book;
    }
    return problem;
}

void TProgramCore::SaveLanguages()
{
    std::vector<std::pair<QByteArray, TLanguageRanges>> articles;
    for (int k = 1; k <= m_Articles->Count(); ++k) {
        const TMemoEntry *article = m_Articles->EntryAt(k);
        const TLanguageRanges languages = article->Hidden ? TLanguageRanges{} : article->Languages();
        if (!languages.isEmpty())
            articles.push_back({ReadingPlaces::Key(article->Title(), article->Text()), languages});
    }
    if (m_SavedLanguages == articles)
        return;
    if (ArticleLanguages::Save(ArticleLanguages::File(), articles))
        m_SavedLanguages = std::move(articles);
    else
        UtilsClass::Trace(QStringLiteral("The languages of the articles could not be saved to ") + ArticleLanguages::File());
}

QString TProgramCore::ApplyLanguages()
{
    QString problem;
    const QHash<QByteArray, TLanguageRanges> languages = ArticleLanguages::Load(ArticleLanguages::File(), &problem);
    for (int k = 1; k <= m_Articles->Count() && !languages.isEmpty(); ++k) {
        TMemoEntry *article = m_Articles->EntryAt(k);
        const QString text = article->Text();
        const TLanguageRanges ranges = languages.value(ReadingPlaces::Key(article->Title(), text));
        // Ranges that do not fit the text are no use.
        if (!ranges.isEmpty() && ranges.back().Start + ranges.back().Length <= text.size())
            article->SetLanguages(ranges);
    }
    return problem;
}

void TProgramCore::DeleteSelected()
{
    if (!m_Initialized)
        return;
    try {
        m_Articles->DeleteSelected();
    } catch (const EMemoEntryLocked &) {
        Messages::ShowError(tr("This item is currently being read and cannot be deleted"));
    }
    if (m_Articles->Count() == 0)
        AddNew();
    SaveArticles();
}

void TProgramCore::DeleteArticle(TMemoEntry *entry)
{
    if (!m_Initialized)
        return;
    try {
        m_Articles->HideEntry(entry);
    } catch (const EMemoEntryLocked &) {
        Messages::ShowError(tr("This item is currently being read and cannot be deleted"));
    }
    if (m_Articles->Count() == 0)
        AddNew();
    // The reading's own status stays; only a failure to save is told over it.
    SaveArticles(State() == rsReading || State() == rsPaused || State() == rsConverting);
}

void TProgramCore::AddChapters(const std::vector<TDocument::TChapter> &chapters, const TDocument &about)
{
    TMemoEntry *entry = nullptr;
    const auto book = std::make_shared<const TArticleBook>(TArticleBook{about.Title, about.Author, about.Cover, about.Language});
    // A book's chapters are saved once, all together.
    for (const TDocument::TChapter &chapter : chapters) {
        entry = AddMemo(QString(), ChooseVoice(), false);
        if (!entry)
            break;
        entry->Book = book;
        entry->AppendLines(TextFile::SplitLines(chapter.Text));
        if (entry->Text() == chapter.Text)
            entry->SetLanguages(chapter.Languages);
        // Without a title it could not be read to a file.
        if (entry->Title().trimmed().isEmpty())
            entry->SetTitle(chapter.Title);
    }
    SaveArticles();
    if (entry && m_Prefs->ML_ListMode == 0 && m_Prefs->SI_AutoSpeak && !entry->IsBlank())
        ReadArticle(entry, rtSpeakers);
}

void TProgramCore::TextDropped(const QString &text)
{
    if (!m_Initialized || State() == rsExiting || TextFile::IsBlank(text))
        return;
    TMemoEntry *article = AddMemo(text, ChooseVoice());
    if (article && m_Prefs->ML_ListMode == 0 && m_Prefs->SI_AutoSpeak)
        ReadArticle(article, rtSpeakers);
}

void TProgramCore::SwitchMode(quint8 mode)
{
    if (m_Prefs->ML_ListMode == mode)
        return;
    UtilsClass::Trace(mode == 1 ? QStringLiteral("Entering Multi-Article Mode")
                                : QStringLiteral("Entering Single-Article Mode"));
    m_Prefs->ML_ListMode = mode;
    m_Articles->ListMode = mode;
    emit ModeChanged(mode);
    if (!m_Initialized)
        return;
    m_Articles->DeleteBlankEntries();
    if (m_Articles->Count() == 0) {
        UtilsClass::Trace(QStringLiteral("Calling AddNew"));
        AddNew();
    }
}

bool TProgramCore::WatchingClipboard() const
{
    return m_Initialized && m_Prefs->CB_Monitor && State() != rsExiting;
}

TProgramCore::TClipboardResult TProgramCore::ClipboardText(const QString &text)
{
    if (!WatchingClipboard())
        return TClipboardResult::Ignored;
    if (m_Prefs->ML_ListMode == 0 && m_Articles->Count() >= 1 && m_Articles->EntryAt(1)->Locked)
        return TClipboardResult::Busy;
    m_ClipboardText = text;
    if (text.size() <= m_Prefs->CB_ThreshHold)
        return TClipboardResult::Ignored;
    if (m_Prefs->CB_Prompt)
        return TClipboardResult::Prompt;
    AddMemo(m_ClipboardText, ChooseVoice());
    return TClipboardResult::Added;
}

bool TProgramCore::CanAppend() const
{
    return m_Articles->CurrentEntry() && !(m_Articles->Count() == 1 && m_Articles->EntryAt(1)->IsBlank());
}

void TProgramCore::TakeClipboard(bool append)
{
    if (!m_Initialized || State() == rsExiting)
        return;
    TMemoEntry *article = append ? m_Articles->CurrentEntry() : nullptr;
    if (article) {
        QString current = article->Text();
        if (!current.isEmpty() && !current.endsWith(QLatin1Char('\n')) && !current.endsWith(QLatin1Char('\r')) &&
            !current.endsWith(QChar(0)))
            current += QLatin1Char(' ');
        article->SetText(current + m_ClipboardText);
        // Saved a while later, like any edit.
        m_SaveTimer->start();
    } else {
        article = AddMemo(m_ClipboardText, ChooseVoice());
    }
    if (article && m_Prefs->ML_ListMode == 0 && m_Prefs->SI_AutoSpeak)
        ReadArticle(article, rtSpeakers);
}
