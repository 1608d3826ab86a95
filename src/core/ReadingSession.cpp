#include "core/ReadingSession.h"

#include "articles/ArticleList.h"
#include "articles/ArticleNames.h"
#include "articles/ReadingPlaces.h"
#include "audio/AudioTags.h"
#include "audio/EncodeJobs.h"
#include "audio/Mp3Encode.h"
#include "audio/ReadAlongBook.h"
#include "audio/SpeechFiles.h"
#include "audio/TimedText.h"
#include "core/ProgramCore.h"
#include "log/UtilsClass.h"
#include "platform/sapi/PcmPlayer.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTimer>

#include <filesystem>

namespace {

bool IsFileTarget(TReadTarget target) { return target == rtSingleFile || target == rtMultipleFiles; }

} // namespace

TReadingSession::TReadingSession(TProgramCore &core, QObject *parent) : QObject(parent), m_Core(core)
{
    m_EncodeJobs = new TEncodeJobs(this);
    connect(m_EncodeJobs, &TEncodeJobs::JobEnded, this, &TReadingSession::EncodeJobEnded);
    connect(m_EncodeJobs, &TEncodeJobs::WorkerFreed, this, &TReadingSession::EncodeWorkerFreed);
    connect(m_EncodeJobs, &TEncodeJobs::Progress, this, [this] {
        if (m_State == rsConverting)
            SetProgress(100, m_EncodeJobs->Percent());
    });
}

TReadingSession::~TReadingSession() = default;

bool TReadingSession::BeginBook(TMemoEntry *first)
{
    DropBook();
    // Named after the book the articles came from, else the first article.
    const TArticleBook *from = first->Book.get();
    const QString title = from && !from->Title.trimmed().isEmpty() ? from->Title : first->Title();
    const QString path = ArticleNames::OutputFile(m_Core.Prefs().OUT_Directory, title, OutputFormats::Extension(TOutputFormat::Epub));
    if (path.isEmpty()) {
        first->FocusTitle();
        Messages::ShowMessage(tr("A title is required to output speech to a file"));
        return false;
    }
    if (!OutputDirectoryExists())
        return false;
    m_Book = std::make_unique<TReadAlongBook>();
    m_BookPath = path;
    m_Book->Title = title.simplified();
    m_Book->Narrator = first->Voice();
    if (from) {
        m_Book->Author = from->Author;
        m_Book->Cover = from->Cover;
        m_Book->Language = from->Language;
    }
    if (m_Book->Language.isEmpty())
        m_Book->Language = TTTSForm::LanguageOf(first->Voice());
    m_Book->Words = m_Core.Prefs().OUT_HighlightWords;
    return true;
}

bool TReadingSession::PrepareChapter(TMemoEntry *article)
{
    const QString dir = m_Core.Prefs().OUT_Directory;
    if (RefusedForFiles(article) || !OutputDirectoryExists())
        return false;
    m_EncodeJobs->DropIncomplete();
    SpeechFiles::RemoveLeftovers(dir);
    const bool aac = m_Core.Prefs().OUT_BookAudio == 1;
    // The chapter's sound waits beside the book under a name of ours; the book
    // removes it when it goes.
    TReadAlongBook::TChapter chapter;
    chapter.Title = article->Title();
    chapter.Text = article->Text();
    chapter.Language = TTTSForm::LanguageOf(article->Voice());
    chapter.Audio = SpeechFiles::Create(dir, aac ? QStringLiteral(".m4a") : QStringLiteral(".mp3"));
    m_SpeechFileName = chapter.Audio.isEmpty() ? QString() : SpeechFiles::Create(dir);
    if (!chapter.Audio.isEmpty())
        m_Book->Chapters.push_back(chapter);
    if (m_SpeechFileName.isEmpty()) {
        Messages::ShowError(ProgramPaths::UnableToCreate(m_BookPath));
        return false;
    }
    m_OutputFormat = TOutputFormat::Epub;
    m_Mp3FileName = chapter.Audio;
    m_Chapters.clear();
    m_Subtitles = TSubtitleFormat::None;
    m_Timed = TTimedText();
    m_Timed.KeepSpans = true;
    m_Timed.KeepWords = m_Book->Words;
    try {
        if (!Voices()->PlayToFileInit(article->Voice(), m_SpeechFileName, QString()))
            return false;
    } catch (const std::exception &) {
        return false; // the voice manager has shown it
    }
    const TAudioTags tags{chapter.Title, m_Book->Author.isEmpty() ? article->Voice() : m_Book->Author, m_Book->Title,
                          int(m_Book->Chapters.size())};
    m_EncodeJobs->Start(m_SpeechFileName, m_Mp3FileName, aac ? TOutputFormat::M4b : TOutputFormat::Mp3, tags);
    return true;
}

void TReadingSession::WriteBook()
{
    const std::unique_ptr<TReadAlongBook> book = std::move(m_Book);
    Tell(tr("Writing %1").arg(QFileInfo(m_BookPath).fileName()), tr("Writing the book"));
    QString failure;
    if (book->Write(m_BookPath, true, &failure)) {
        UtilsClass::Trace(QStringLiteral("Read-along book written: ") + m_BookPath);
        return;
    }
    UtilsClass::Trace(failure);
    Messages::ShowError(failure + QStringLiteral("\r\rThe unfinished book was removed."));
}

void TReadingSession::DropBook()
{
    // Its chapters' sound goes with it, and what is still being made of it.
    if (!m_Book)
        return;
    m_EncodeJobs->CancelAll(false);
    m_Book.reset();
}

TTTSForm *TReadingSession::Voices() const { return m_Core.Voices(); }

void TReadingSession::Tell(const QString &longText, const QString &shortText)
{
    UtilsClass::Trace(longText);
    emit StatusChanged(longText, shortText);
}

void TReadingSession::SetProgress(int maximum, int value)
{
    emit ProgressRange(maximum);
    emit Progress(value);
}



void TReadingSession::SetState(TReadState state)
{
    if (state == rsExiting || m_State == rsExiting) {
        m_State = rsExiting;
        return;
    }
    m_State = state;
    if (state != rsReading)
        m_Testing = false;
    emit StateChanged(state);
    emit ReadingChanged();
}

void TReadingSession::ConnectTextDone(void (TReadingSession::*handler)())
{
    Voices()->TTS1->OnTextDataDone = [this, handler](TTTS *, quint64, quint32 flags) {
        if (flags & TTSBNSF_AUDIOLOST)
            SoundDeviceLost();
        else if (flags & TTSBNSF_ENGINEFAILED)
            EngineFailed();
        else if (m_RestartAt >= 0 && m_CurrentArticle)
            // A sentence jump: the same article again, from there.
            EngineCall([this, at = std::exchange(m_RestartAt, -1)] { StartReading(m_CurrentArticle, m_RunTarget, at); });
        else
            EngineCall([this, handler] { (this->*handler)(); });
    };
}

// An unplugged headset, a sound server that ended: the reading stops and says why.
void TReadingSession::SoundDeviceLost()
{
    if (m_State == rsExiting || !Voices()->TTS1->Active())
        return;
    // The device the sound went to last: the server may have moved it from the one chosen.
    const QString lost = PcmPlayer::LostDevice().isEmpty() ? Voices()->PlayingDevice : PcmPlayer::LostDevice();
    const QString device = lost.isEmpty() ? tr("in use") : QLatin1Char('"') + lost + QLatin1Char('"');
    const QString message = tr("The sound device %1 is gone. Reading has stopped.").arg(device);
    UtilsClass::Trace(message);
    Stop();
    Messages::ShowError(message);
}

// The engine could not make a text into speech: nothing unfinished is kept.
void TReadingSession::EngineFailed()
{
    if (m_State == rsExiting || !Voices()->TTS1->Active())
        return;
    const QString title = m_CurrentArticle ? m_CurrentArticle->Title() : QString();
    // A voice of another program says what became of it (a server gone, a program that died).
    const QString reason = Voices()->TTS1->FailureReason();
    const QString message =
        reason.isEmpty() ? tr("The voice could not speak \"%1\" (its speech engine failed on it). Reading has stopped.").arg(title)
                         : tr("The voice %1 could not go on with \"%2\": %3. Reading has stopped.")
                               .arg(m_CurrentArticle ? m_CurrentArticle->Voice() : QString(), title, reason);
    UtilsClass::Trace(message);
    Stop();
    Messages::ShowError(message);
}

bool TReadingSession::EngineCall(const std::function<void()> &call)
{
    // Nothing may escape into the event loop: a failure is told and the run ends.
    try {
        call();
        return true;
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Reading failed: ") + ErrorMessage(error));
        Messages::ShowError(ErrorMessage(error));
        EndRun();
        return false;
    }
}

void TReadingSession::EndRun()
{
    m_Core.Articles().UnlockAllEntries();
    m_CurrentArticle = nullptr;
    m_NextArticle = 0;
    m_EncodingToEnd = false;
    // The speech being written is given up; the MP3 files of finished articles
    // are still made, unless they were to be a book's chapters.
    m_EncodeJobs->DropIncomplete();
    DropBook();
    if (Voices() && Voices()->TTS1->Active()) {
        try {
            Voices()->TTS1->SetActive(false);
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Closing the engine failed: ") + ErrorMessage(error));
        }
    }
    if (m_State == rsExiting)
        return;
    emit PauseChanged(false);
    SetState(rsIdle);
    ResetStatus();
}

void TReadingSession::ReadAloud()
{
    if (!m_Core.Initialized() || !Voices() || Voices()->TTS1->Active() || m_State == rsExiting)
        return;
    m_ReadTarget = rtSpeakers;
    StartRun();
}

void TReadingSession::StartRun()
{
    const TProgramCore::NestedPass pass(m_Core);
    TArticleList &list = m_Core.Articles();
    if (list.Count() == 0)
        return;
    m_RunTrack = 0;
    list.MarkEntry(1);
    if (m_State == rsExiting || list.Count() == 0)
        return;
    ConnectTextDone(&TReadingSession::RunTextDone);
    if (PrepareOutput(list.EntryAt(1), m_ReadTarget))
        StartReading(list.EntryAt(1), m_ReadTarget);
    else
        DropBook();
}

void TReadingSession::ReadToFile()
{
    if (!m_Core.Initialized() || !Voices() || Voices()->TTS1->Active() || m_State == rsExiting)
        return;
    m_ReadTarget = m_Core.Prefs().ML_ListMode == 1 ? static_cast<TReadTarget>(m_Core.Prefs().OUT_FileDest) : rtSingleFile;
    const TProgramCore::NestedPass pass(m_Core);
    TArticleList &list = m_Core.Articles();
    for (int k = 1; k <= list.Count(); ++k) {
        if (RefusedForFiles(list.EntryAt(k)))
            return;
    }
    // A read-along book is one file, of a chapter an article (no title needed).
    DropBook();
    if (OutputFormats::FromSetting(m_Core.Prefs().OUT_FileFormat) == TOutputFormat::Epub) {
        if (list.Count() == 0 || !BeginBook(list.EntryAt(1)))
            return;
        m_ReadTarget = rtMultipleFiles;
        StartRun();
        return;
    }
    if (m_ReadTarget == rtMultipleFiles) {
        for (int k = 1; k <= list.Count(); ++k) {
            TMemoEntry *article = list.EntryAt(k);
            if (ArticleNames::OutputFile(m_Core.Prefs().OUT_Directory, article->Title(), QStringLiteral(".x")).isEmpty()) {
                emit ArticleNeedsTitle(article);
                list.MarkEntry(k);
                article->FocusTitle();
                Messages::ShowMessage(tr("A title is required for each item entry when\routputting to multiple files"));
                return;
            }
        }
    }
    StartRun();
}

// A voice that is only heard cannot make a file: said before anything starts.
bool TReadingSession::RefusedForFiles(TMemoEntry *article)
{
    const TVoiceEntry *voice = Voices()->FindVoice(article->Voice());
    if (!voice || !voice->AloudOnly)
        return false;
    m_Core.Articles().MarkEntry(m_Core.Articles().PositionOf(article));
    const QString message = TTTSForm::AloudOnlyMessage(voice->Name);
    UtilsClass::Trace(message);
    Messages::ShowError(message);
    return true;
}

bool TReadingSession::OutputDirectoryExists()
{
    if (QFileInfo(m_Core.Prefs().OUT_Directory).isDir())
        return true;
    Messages::ShowMessage(tr("Output directory %1 is not valid").arg(m_Core.Prefs().OUT_Directory));
    return false;
}

bool TReadingSession::PrepareOutput(TMemoEntry *article, TReadTarget target)
{
    if (!IsFileTarget(target))
        return true;
    if (m_Book)
        return PrepareChapter(article);
    const QString dir = m_Core.Prefs().OUT_Directory;
    const TOutputFormat format = OutputFormats::FromSetting(m_Core.Prefs().OUT_FileFormat);
    const bool encoded = format != TOutputFormat::Wav;
    // A book read into one file is named after the book.
    const TArticleBook *book = article->Book.get();
    const QString name = target == rtSingleFile && book && !book->Title.isEmpty() ? book->Title : article->Title();
    const QString final = ArticleNames::OutputFile(dir, name, OutputFormats::Extension(format));
    if (final.isEmpty()) {
        article->FocusTitle();
        Messages::ShowMessage(tr("A title is required to output speech to a file"));
        return false;
    }
    if (RefusedForFiles(article))
        return false;
    // The engine creates its file when it is opened: a missing folder is told
    // in the user's words before that.
    if (!OutputDirectoryExists())
        return false;
    // A speech left unfinished (a reading that replaces a run) is not made into a file.
    m_EncodeJobs->DropIncomplete();
    m_OutputFormat = format;
    m_Chapters.clear();
    m_Timed = TTimedText();
    m_Subtitles = TTimedText::FromSetting(m_Core.Prefs().OUT_Subtitles);
    // Each file still being encoded keeps its own speech file; a WAV file's speech is
    // written beside its name and put in place when complete, so that a Stop, a
    // full disk or a kill leaves a file of that name as it was. What a run that
    // was killed left is cleaned first.
    SpeechFiles::RemoveLeftovers(dir);
    m_SpeechFileName = SpeechFiles::Create(dir);
    (encoded ? m_Mp3FileName : m_WavFileName) = final;
    if (m_SpeechFileName.isEmpty()) {
        Messages::ShowError(ProgramPaths::UnableToCreate(final));
        return false;
    }
    try {
        if (!Voices()->PlayToFileInit(article->Voice(), m_SpeechFileName, encoded ? QString() : m_WavFileName))
            return false;
    } catch (const std::exception &) {
        return false; // the voice manager has shown it
    }
    // The encoding follows the speech as the engine writes it.
    if (encoded) {
        // An article of a book: the book's author (not the voice), the book as the album, its cover.
        TAudioTags tags{name, book && !book->Author.isEmpty() ? book->Author : article->Voice(),
                        book ? book->Title : QStringLiteral("Parlewind MP3"), target == rtMultipleFiles ? ++m_RunTrack : 0};
        if (book)
            tags.Cover = book->Cover;
        // A single file has a chapter an article: room is kept for those in the list.
        std::vector<TAudioChapter> planned;
        if (target == rtSingleFile) {
            for (int k = 1; k <= m_Core.Articles().Count(); ++k)
                planned.push_back({0, m_Core.Articles().EntryAt(k)->Title()});
        }
        m_EncodeJobs->Start(m_SpeechFileName, m_Mp3FileName, format, tags, planned);
    }
    return true;
}

void TReadingSession::StartReading(TMemoEntry *article, TReadTarget target, int from)
{
    m_Testing = false;
    emit ArticleStarted(article);
    Voices()->TTS1->OnWordPosition = [this](TTTS *sender, quint64 ts, quint32 offset) { WordPosition(sender, ts, offset); };
    Voices()->TTS1->OnSentencePosition = [this](TTTS *sender, quint64 ts, quint32 offset, quint32 length) {
        WordPosition(sender, ts, offset, length);
    };
    // Written to a file, a text starts at its place in the file: there its chapter begins.
    Voices()->TTS1->OnTextDataStarted = nullptr;
    if (IsFileTarget(target)) {
        Voices()->TTS1->OnTextDataStarted = [this, article](TTTS *, quint64 position) {
            const double at = double(position) / SpeechFiles::BytesPerSecond;
            m_Chapters.push_back({at, article->Title()});
            if (m_Subtitles != TSubtitleFormat::None || m_Book)
                m_Timed.BeginText(article->Text(), at, TTTSForm::LanguageOf(article->Voice()));
        };
    }
    m_PendingWord = -1; // a word of the article before
    m_CurrentArticle = article;
    emit ReadingChanged();
    m_RunTarget = target;
    // A single file goes on from article to article: its folder may have gone since.
    if (IsFileTarget(target) && !OutputDirectoryExists()) {
        EndRun();
        return;
    }
    article->SetLocked(true);
    const QString text = article->Text();
    m_ReadFrom = target == rtSpeakers ? std::clamp(from, 0, int(text.size())) : 0;
    m_LastWord = -1;
    SetProgress(static_cast<int>(text.size()), 0);
    emit ProgressShown(true);
    if (m_State != rsReading)
        SetState(rsReading);
    bool started = false;
    try {
        // Read from a place on, the parts in other languages count from there.
        TLanguageRanges languages;
        for (TLanguageRange range : article->Languages()) {
            const int end = range.Start + range.Length - m_ReadFrom;
            range.Start = std::max(range.Start - m_ReadFrom, 0);
            range.Length = end - range.Start;
            if (range.Length > 0)
                languages.push_back(range);
        }
        started = target == rtSpeakers ? Voices()->Play(text.mid(m_ReadFrom), article->Voice(), languages)
                                       : Voices()->SpeakText(text, languages);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
    }
    if (!started) {
        m_EncodeJobs->DropIncomplete();
        DropBook();
        SetState(rsIdle);
        article->SetLocked(false);
        emit ProgressShown(false);
    }
    ShowStatus(QString());
}

void TReadingSession::RunTextDone()
{
    // Marking the next article and saving let events run: a Stop or an exit
    // arriving meanwhile ends the run there.
    const TProgramCore::NestedPass pass(m_Core);
    if (m_RunTarget == rtMultipleFiles && !FinishOutput(false)) {
        EndRun();
        return;
    }
    if (Stopped())
        return;
    TArticleList &list = m_Core.Articles();
    TMemoEntry *finished = m_CurrentArticle;
    int n = finished ? list.PositionOf(finished) : 0;
    if (finished)
        finished->SetLocked(false);
    // Read to its end: no place to go back to.
    if (finished && m_RunTarget == rtSpeakers && finished->Place >= 0)
        RememberPlace(finished, -1);
    // The sleep timer ends the reading with the article (or ran out in its last sentence).
    if (m_RunTarget == rtSpeakers && (m_SleepAtArticleEnd || m_SleepStopAt >= 0)) {
        UtilsClass::Trace(QStringLiteral("The sleep timer stops the reading"));
        SetSleepTimer(0);
        EndRun();
        return;
    }
    if (finished && n > 0 && m_Core.Prefs().ML_ListMode == 1 && m_Core.Prefs().ML_AutoDelete) {
        list.HideEntry(finished);
        m_Core.SaveArticles();
        if (Stopped())
            return;
    } else {
        ++n;
    }
    if (n >= 1 && n <= list.Count()) {
        list.MarkEntry(n);
        if (Stopped())
            return;
        if (m_RunTarget == rtMultipleFiles && m_EncodeJobs->Full()) {
            // Every worker is making an MP3 file: the next speech waits for one,
            // so that finished speech does not pile up on the disk.
            m_CurrentArticle = nullptr;
            m_NextArticle = n;
            ShowStatus(QString());
            return;
        }
        ContinueRun(n);
        return;
    }
    if (m_RunTarget != rtMultipleFiles && !FinishOutput(false)) {
        EndRun();
        return;
    }
    if (Stopped())
        return;
    FinishRun();
}

void TReadingSession::ContinueRun(int n)
{
    TArticleList &list = m_Core.Articles();
    // The list may have changed while the run waited.
    if (n > list.Count()) {
        FinishRun();
        return;
    }
    TMemoEntry *next = list.EntryAt(n);
    if (m_RunTarget == rtMultipleFiles && !PrepareOutput(next, rtMultipleFiles)) {
        // A book without this chapter is not made.
        DropBook();
        m_CurrentArticle = nullptr;
        SetState(rsIdle);
        ResetStatus();
        return;
    }
    StartReading(next, m_RunTarget);
}

void TReadingSession::FinishRun()
{
    m_CurrentArticle = nullptr;
    if (m_EncodeJobs->Busy()) {
        // The speech is all there; the run ends when its MP3 files are.
        m_EncodingToEnd = true;
        SetState(rsConverting);
        ShowStatus(QString());
        SetProgress(100, m_EncodeJobs->Percent());
        emit ProgressShown(true);
        return;
    }
    m_EncodingToEnd = false;
    if (m_Book)
        WriteBook();
    if (m_Core.Articles().Count() == 0)
        m_Core.AddNew();
    SetState(rsIdle);
    ResetStatus();
}

void TReadingSession::WriteTimedText(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        Messages::ShowError(ProgramPaths::UnableToCreate(path, file.errorString()));
}

void TReadingSession::EncodeJobEnded(const QString &mp3File, const QString &speechFile, bool ok, const QString &failure)
{
    const auto [timedPath, timed] = m_PendingTimedText.take(mp3File);
    if (m_State == rsExiting)
        return;
    if (ok && !timedPath.isEmpty())
        WriteTimedText(timedPath, timed);
    // A chapter that could not be made: no book, and the reading ends.
    if (!ok && m_Book) {
        const QString book = m_BookPath;
        DropBook();
        if (m_EncodingToEnd)
            FinishRun();
        else
            QMetaObject::invokeMethod(this, &TReadingSession::Stop, Qt::QueuedConnection);
        Messages::ShowError(tr("%1\r\r%2 was not made.").arg(failure, book));
        return;
    }
    // The speech is not thrown away with the MP3 that could not be made: it takes
    // the MP3's name as a WAV file, out of reach of the cleaning of leftovers.
    if (!ok) {
        const QFileInfo mp3(mp3File);
        const QString wav = ProgramPaths::JoinPath(mp3.path(), mp3.completeBaseName() + QStringLiteral(".wav"));
        const QString kept = ProgramPaths::RenameNoReplace(speechFile, wav) ? wav : speechFile;
        Messages::ShowError(
            tr("%1\r\r%2 was not made. The speech is kept in %3.").arg(failure, mp3File, kept));
    }
}

void TReadingSession::EncodeWorkerFreed()
{
    if (m_State == rsExiting)
        return;
    if (m_NextArticle > 0 && m_State == rsReading && !m_EncodeJobs->Full()) {
        ContinueRun(std::exchange(m_NextArticle, 0));
        return;
    }
    if (m_EncodingToEnd && !m_EncodeJobs->Busy()) {
        FinishRun();
        return;
    }
    if (m_State == rsReading || m_State == rsConverting)
        ShowStatus(QString());
}

void TReadingSession::ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton)
{
    if (!m_Core.Initialized() || !Voices() || m_State == rsExiting || m_State == rsConverting)
        return;
    const TProgramCore::NestedPass pass(m_Core);
    if (ownButton)
        m_Core.Articles().UnlockAllEntries();
    if (!article)
        article = m_Core.Articles().CurrentEntry();
    if (!article)
        return;
    if (IsFileTarget(target) && RefusedForFiles(article))
        return;
    // A run waiting for a worker does not go on.
    m_NextArticle = 0;
    // To a file as a read-along book: a book of this article.
    DropBook();
    if (IsFileTarget(target) && OutputFormats::FromSetting(m_Core.Prefs().OUT_FileFormat) == TOutputFormat::Epub) {
        if (!BeginBook(article))
            return;
        target = rtMultipleFiles;
    }
    ConnectTextDone(&TReadingSession::SingleTextDone);
    if (PrepareOutput(article, target))
        StartReading(article, target);
    else
        DropBook();
}

void TReadingSession::SingleTextDone()
{
    const TProgramCore::NestedPass pass(m_Core);
    m_Core.Articles().UnlockAllEntries();
    if (!FinishOutput(false)) {
        EndRun();
        return;
    }
    if (m_State == rsExiting)
        return;
    FinishRun();
}

bool TReadingSession::FinishOutput(bool abort)
{
    const TProgramCore::NestedPass pass(m_Core);
    const bool mp3 = IsFileTarget(m_RunTarget) && m_OutputFormat != TOutputFormat::Wav;
    if (Voices()->TTS1->Active()) {
        try {
            Voices()->TTS1->SetActive(false);
        } catch (const std::exception &error) {
            // The file could not be finished (a full disk, say): no half file is
            // left under its name, and the user learns which and why.
            UtilsClass::Trace(QStringLiteral("Finishing the output failed: ") + ErrorMessage(error));
            if (abort || !IsFileTarget(m_RunTarget))
                return !abort;
            // Asked before the file goes: removing it frees the space it took.
            const QString where = ProgramPaths::WhereAndWhy(mp3 ? m_SpeechFileName : m_WavFileName);
            if (mp3)
                m_EncodeJobs->DropIncomplete();
            UtilsClass::DeleteTraced(m_SpeechFileName);
            Messages::ShowError(
                tr("%1\r\r%2\r\rThe unfinished file was removed.").arg(ErrorMessage(error), where));
            return false;
        }
    }
    if (abort && IsFileTarget(m_RunTarget)) {
        // Every MP3 not yet made goes with its speech.
        m_NextArticle = 0;
        m_EncodingToEnd = false;
        m_EncodeJobs->CancelAll(false);
        m_PendingTimedText.clear();
        UtilsClass::DeleteTraced(m_SpeechFileName);
        DropBook();
    }
    // The timed text of the speech now complete: beside the file once that is in place.
    QByteArray timed;
    if (!abort && m_Book && !m_Book->Chapters.empty()) {
        // The chapter's text timed to its sound.
        const double seconds = double(QFileInfo(m_SpeechFileName).size() - 44) / SpeechFiles::BytesPerSecond;
        m_Timed.End(seconds);
        m_Book->Chapters.back().Duration = seconds;
        if (!m_Timed.Spans().empty())
            m_Book->Chapters.back().Spans = m_Timed.Spans().front();
        m_Timed = TTimedText();
    }
    if (!abort && IsFileTarget(m_RunTarget) && m_Subtitles != TSubtitleFormat::None) {
        m_Timed.End(double(QFileInfo(m_SpeechFileName).size() - 44) / SpeechFiles::BytesPerSecond);
        timed = m_Timed.Render(m_Subtitles);
        m_Timed = TTimedText();
    }
    if (!abort && IsFileTarget(m_RunTarget) && !mp3) {
        if (!PutWavInPlace())
            return false;
        if (m_Subtitles != TSubtitleFormat::None)
            WriteTimedText(TTimedText::FileFor(m_WavFileName, m_Subtitles), timed);
    }
    if (!abort && mp3 && m_Subtitles != TSubtitleFormat::None)
        m_PendingTimedText.insert(m_Mp3FileName, {TTimedText::FileFor(m_Mp3FileName, m_Subtitles), timed});
    if (!abort && mp3) {
        // The file is made from here on while the next article is read.
        m_EncodeJobs->SpeechComplete(m_RunTarget == rtSingleFile ? m_Chapters : std::vector<TAudioChapter>{});
        UtilsClass::Trace(ConvertingText() + OutputName());
    }
    if (m_State != rsExiting)
        m_Core.Articles().DeleteHiddenEntries();
    return true;
}

bool TReadingSession::PutWavInPlace()
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_SpeechFileName).toStdString(), QFile::encodeName(m_WavFileName).toStdString(), error);
    if (!error)
        return true;
    UtilsClass::Trace(QStringLiteral("Renaming the speech file failed: ") + QString::fromStdString(error.message()));
    UtilsClass::DeleteTraced(m_SpeechFileName);
    Messages::ShowError(tr("%1 could not be written: %2.")
                            .arg(m_WavFileName, QString::fromLocal8Bit(error.message().c_str())));
    return false;
}


void TReadingSession::TogglePause()
{
    // A run waiting for a worker pauses too: its next article waits for Resume.
    if (!Voices() || (!Voices()->TTS1->Active() && m_NextArticle == 0))
        return;
    if (m_State != rsPaused) {
        emit PauseChanged(true);
        UtilsClass::Trace(QStringLiteral("Pause"));
        if (EngineCall([this] {
                if (Voices()->TTS1->Active())
                    Voices()->TTS1->SetAudioPaused(true);
            }))
            SetState(rsPaused);
    } else {
        emit PauseChanged(false);
        UtilsClass::Trace(QStringLiteral("Resume"));
        if (m_CurrentArticle)
            emit ArticleStarted(m_CurrentArticle); // it goes on: back to its text
        if (EngineCall([this] {
                if (Voices()->TTS1->Active())
                    Voices()->TTS1->SetAudioPaused(false);
            }))
            SetState(rsReading);
        if (m_State == rsReading && m_NextArticle > 0 && !m_EncodeJobs->Full())
            ContinueRun(std::exchange(m_NextArticle, 0));
    }
}

void TReadingSession::Skip()
{
    if (!Voices() || !Voices()->TTS1->Active())
        return;
    UtilsClass::Trace(QStringLiteral("Skip"));
    emit PauseChanged(false);
    EngineCall([this] { Voices()->TTS1->AudioReset(); });
}

void TReadingSession::Stop()
{
    if (!Voices() || (!Voices()->TTS1->Active() && m_NextArticle == 0))
        return;
    // Stopped in the middle of an article read aloud: its place is kept.
    if (m_CurrentArticle && m_RunTarget == rtSpeakers && m_LastWord > 0)
        RememberPlace(m_CurrentArticle, m_LastWord);
    emit PauseChanged(false);
    m_Core.Articles().UnlockAllEntries();
    UtilsClass::Trace(QStringLiteral("Abort"));
    try {
        Voices()->TTS1->AudioReset();
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Stopping the speech failed: ") + ErrorMessage(error));
    }
    FinishOutput(true);
    m_CurrentArticle = nullptr;
    SetState(rsIdle);
    ResetStatus();
}

void TReadingSession::WordPosition(TTTS *, quint64 position, quint32 byteOffset, quint32 byteLength)
{
    if (!m_CurrentArticle)
        return;
    if (IsFileTarget(m_RunTarget) && (m_Subtitles != TSubtitleFormat::None || m_Book))
        m_Timed.Word(Voices()->TTSFilter.MapPosition(qint32(byteOffset / 2)), double(position) / SpeechFiles::BytesPerSecond);
    // Speech into a file is made many times faster than it is spoken: the caret
    // follows the latest word a few times a second, and the window stays free
    // for the work that counts.
    if (IsFileTarget(m_RunTarget)) {
        if (!m_WordTimer) {
            m_WordTimer = new QTimer(this);
            m_WordTimer->setSingleShot(true);
            m_WordTimer->setInterval(50);
            m_WordTimer->callOnTimeout(this, [this] {
                if (m_CurrentArticle && m_PendingWord >= 0)
                    ShowWordPosition(static_cast<quint32>(std::exchange(m_PendingWord, -1)), m_PendingLength);
            });
        }
        m_PendingWord = byteOffset;
        m_PendingLength = byteLength;
        if (!m_WordTimer->isActive())
            m_WordTimer->start();
        return;
    }
    ShowWordPosition(byteOffset, byteLength);
}

void TReadingSession::ShowWordPosition(quint32 byteOffset, quint32 byteLength)
{
    const qint32 c = static_cast<qint32>(byteOffset / 2);
    const qint32 p = Voices()->TTSFilter.MapPosition(c) + (IsFileTarget(m_RunTarget) ? 0 : m_ReadFrom);
    if (!IsFileTarget(m_RunTarget)) {
        m_LastWord = p;
        // The sleep timer ran out: the sentence being spoken was the last.
        if (m_SleepStopAt >= 0 && p >= m_SleepStopAt) {
            const int place = m_SleepStopAt;
            m_SleepStopAt = -1;
            UtilsClass::Trace(QStringLiteral("The sleep timer stops the reading"));
            TMemoEntry *article = m_CurrentArticle;
            Stop();
            RememberPlace(article, place);
            return;
        }
    }
    qint32 n = 0;
    qint32 e = m_CurrentArticle->WordEnd(p, &n);
    // A voice that tells only its sentences has the whole sentence lit.
    if (byteLength > 0) {
        const qint32 last = static_cast<qint32>((byteOffset + byteLength) / 2) - 1;
        e = std::max(e, Voices()->TTSFilter.MapPosition(last) + (IsFileTarget(m_RunTarget) ? 0 : m_ReadFrom) + 1);
    }
    emit Progress(e);
    const qint32 start = std::clamp(p, 0, n);
    emit WordReached(m_CurrentArticle, start, m_Core.Prefs().TTS_HighlightPosition ? std::clamp(e - 1, 0, n) : start);
}

void TReadingSession::SpeakTest(const QString &text, const QString &voice)
{
    if (!Voices() || m_State == rsExiting || m_State == rsConverting)
        return;
    // A file run this replaces does not go on; its finished speech is still made into MP3.
    m_NextArticle = 0;
    m_EncodeJobs->DropIncomplete();
    Voices()->TTS1->OnWordPosition = nullptr;
    Voices()->TTS1->OnSentencePosition = nullptr;
    ConnectTextDone(&TReadingSession::TestTextDone);
    m_Testing = true;
    if (m_State != rsReading)
        SetState(rsReading);
    else
        emit StateChanged(m_State); // nothing to skip to now
    bool started = false;
    try {
        started = Voices()->Play(text, voice);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
    }
    if (!started) {
        SetState(rsIdle);
        ResetStatus();
    }
}

void TReadingSession::TestTextDone()
{
    Voices()->TTS1->SetActive(false);
    if (m_State == rsExiting)
        return;
    SetState(rsIdle);
    ResetStatus();
}


void TReadingSession::ShowStatus(const QString &text)
{
    if (!text.trimmed().isEmpty()) {
        Tell(text, text);
        return;
    }
    const QString encoding = EncodingText();
    if (m_State == rsReading && m_CurrentArticle) {
        const QString shortText = tr("Article %1 of %2")
                                      .arg(m_Core.Articles().PositionOf(m_CurrentArticle))
                                      .arg(m_Core.Articles().Count());
        const QString title = m_CurrentArticle->Title();
        QString longText = title.trimmed().isEmpty() ? shortText : title + QStringLiteral(" : ") + shortText;
        if (!SleepText().isEmpty())
            longText += QStringLiteral(" \u00b7 ") + SleepText();
        // The MP3 files of earlier articles being made meanwhile are named too.
        Tell(encoding.isEmpty() ? longText : longText + QStringLiteral(" \u00b7 ") + encoding, shortText);
    } else if (m_State == rsConverting || ((m_State == rsReading || m_State == rsPaused) && m_NextArticle > 0)) {
        Tell(encoding.isEmpty() ? ConvertingText() + OutputName() : encoding,
                          ConvertingText().section(QLatin1Char(' '), 0, 2));
    } else {
        Tell(m_Core.CountText(), m_Core.CountText());
    }
}

void TReadingSession::ReadFromHere(TMemoEntry *article, int caret)
{
    if (!m_Core.Initialized() || !Voices() || Voices()->TTS1->Active() || m_State != rsIdle || !article)
        return;
    const QString text = article->Text();
    int from = caret >= 0 ? caret : article->Place >= 0 ? article->Place : 0;
    // From the start of the word the caret is in.
    from = std::clamp(from, 0, int(text.size()));
    while (from > 0 && !text.at(from - 1).isSpace())
        --from;
    const TProgramCore::NestedPass pass(m_Core);
    m_ReadTarget = rtSpeakers;
    m_RunTrack = 0;
    m_NextArticle = 0;
    ConnectTextDone(&TReadingSession::RunTextDone);
    StartReading(article, rtSpeakers, from);
}

void TReadingSession::JumpSentence(int direction)
{
    if (m_State != rsReading || m_RunTarget != rtSpeakers || !m_CurrentArticle || !Voices()->TTS1->Active())
        return;
    const std::vector<int> starts = SentencesNearWord();
    // The sentence being spoken, and the one before or after it.
    const auto current = std::upper_bound(starts.begin(), starts.end(), std::max(m_LastWord, 0)) - starts.begin() - 1;
    const auto target = std::clamp<qsizetype>(current + direction, 0, qsizetype(starts.size()) - 1);
    if (direction > 0 && target == current)
        return; // the last sentence: nothing after it
    UtilsClass::Trace(direction > 0 ? QStringLiteral("Next sentence") : QStringLiteral("Previous sentence"));
    m_RestartAt = starts[size_t(target)];
    EngineCall([this] { Voices()->TTS1->AudioReset(); });
}

std::vector<int> TReadingSession::SentencesNearWord() const
{
    // Only the text around the word is looked at, so that a jump in an article of
    // many megabytes costs no more than in a short one; no sentence is that long.
    constexpr int reach = 16384;
    const QString text = m_CurrentArticle->Text();
    const int word = std::clamp(m_LastWord, 0, int(text.size()));
    int from = std::max(0, word - reach);
    while (from > 0 && from < word && !text.at(from - 1).isSpace())
        ++from;
    const int to = std::min(int(text.size()), word + reach);
    std::vector<int> starts =
        TTimedText::SentenceStarts(text.mid(from, to - from), TTTSForm::LanguageOf(m_CurrentArticle->Voice()));
    for (int &start : starts)
        start += from;
    return starts;
}

void TReadingSession::SetSleepTimer(int minutes)
{
    if (!m_SleepTimer) {
        m_SleepTimer = new QTimer(this);
        m_SleepTimer->setSingleShot(true);
        connect(m_SleepTimer, &QTimer::timeout, this, [this] {
            // Due: the reading ends where the next sentence would begin.
            if (m_State == rsIdle || !m_CurrentArticle) {
                SetSleepTimer(0);
                return;
            }
            const std::vector<int> starts = SentencesNearWord();
            const auto next = std::upper_bound(starts.begin(), starts.end(), std::max(m_LastWord, 0));
            m_SleepStopAt = next == starts.end() ? int(m_CurrentArticle->Text().size()) : *next;
            ShowStatus(QString());
        });
    }
    m_SleepTimer->stop();
    m_SleepAtArticleEnd = minutes < 0;
    m_SleepStopAt = -1;
    if (minutes > 0)
        m_SleepTimer->start(std::chrono::milliseconds(qint64(minutes) * 60000 / SleepTimerScale));
    UtilsClass::Trace(QStringLiteral("Sleep timer: %1").arg(minutes));
    ShowStatus(QString());
}

QString TReadingSession::SleepText() const
{
    if (m_SleepAtArticleEnd)
        return tr("Stops at the end of this article");
    if (m_SleepStopAt >= 0)
        return tr("Stops at the end of this sentence");
    if (m_SleepTimer && m_SleepTimer->isActive())
        return tr("Stops in %1 min").arg((m_SleepTimer->remainingTime() * SleepTimerScale + 59999) / 60000);
    return {};
}

void TReadingSession::RememberPlace(TMemoEntry *article, int place)
{
    if (!article)
        return;
    article->Place = place;
    if (place >= 0)
        emit WordReached(article, place, place);
    SavePlaces();
}

void TReadingSession::SavePlaces()
{
    QHash<QByteArray, int> places;
    for (int k = 1; k <= m_Core.Articles().Count(); ++k) {
        const TMemoEntry *article = m_Core.Articles().EntryAt(k);
        if (article->Place >= 0)
            places.insert(ReadingPlaces::Key(article->Title(), article->Text()), article->Place);
    }
    if (!ReadingPlaces::Save(ReadingPlaces::File(), places))
        UtilsClass::Trace(QStringLiteral("The reading places could not be saved to ") + ReadingPlaces::File());
}

QString TReadingSession::ApplyPlaces()
{
    QString problem;
    const QHash<QByteArray, int> places = ReadingPlaces::Load(ReadingPlaces::File(), &problem);
    for (int k = 1; k <= m_Core.Articles().Count(); ++k) {
        TMemoEntry *article = m_Core.Articles().EntryAt(k);
        const QString text = article->Text();
        const int place = places.value(ReadingPlaces::Key(article->Title(), text), -1);
        // Only a place that still fits the text: a word's start within it.
        if (place > 0 && place < text.size() && text.at(place - 1).isSpace() && !text.at(place).isSpace()) {
            article->Place = place;
            emit WordReached(article, place, place);
        }
    }
    return problem;
}

QString TReadingSession::ConvertingText() const
{
    if (m_Book)
        return tr("Making the read-along book: ");
    const QString name = m_OutputFormat == TOutputFormat::M4b    ? QStringLiteral("M4B")
                         : m_OutputFormat == TOutputFormat::Opus ? QStringLiteral("Opus")
                                                                 : QStringLiteral("MP3");
    return tr("Converting to %1 format: ").arg(name);
}

QString TReadingSession::OutputName() const { return QFileInfo(m_Book ? m_BookPath : m_Mp3FileName).fileName(); }

QString TReadingSession::EncodingText() const
{
    QStringList names;
    for (const QString &file : m_EncodeJobs->Encoding())
        names << QFileInfo(file).fileName();
    // A book's chapters wait under names of ours: the book is named.
    if (m_Book && !names.isEmpty())
        names = QStringList{OutputName()};
    return names.isEmpty() ? QString() : ConvertingText() + names.join(QStringLiteral(", "));
}

void TReadingSession::ResetStatus()
{
    ShowStatus(m_Core.CountText());
    emit ProgressShown(false);
    emit Progress(0);
}

void TReadingSession::BeginExit()
{
    // Reading aloud in the middle of an article: the place is kept for the next start.
    if (m_CurrentArticle && m_RunTarget == rtSpeakers && (m_State == rsReading || m_State == rsPaused) && m_LastWord > 0)
        RememberPlace(m_CurrentArticle, m_LastWord);
    if (Voices()) {
        Voices()->TTS1->OnTextDataDone = nullptr;
        Voices()->TTS1->OnWordPosition = nullptr;
        Voices()->TTS1->OnSentencePosition = nullptr;
    }
    SetState(rsExiting);
    Mp3AbortRequested = true; // an encoding in progress ends at its next chunk
    // The files being made stop unfinished; the speech stays for the user.
    m_NextArticle = 0;
    m_EncodingToEnd = false;
    m_EncodeJobs->CancelAll(true);
    DropBook();
}

void TReadingSession::CancelExit()
{
    m_State = rsIdle;
    Mp3AbortRequested = false;
    SetState(rsIdle);
}

void TReadingSession::StopSpeech()
{
    if (Voices() && Voices()->TTS1->Active()) {
        try {
            Voices()->TTS1->AudioReset();
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Stopping the speech at exit failed: ") + ErrorMessage(error));
        }
    }
}
