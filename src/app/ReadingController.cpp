// The main window's reading controller: reads articles aloud or into WAV and MP3
// files, one after another, driven by the speech component's events.
#include "app/Form1.h"
#include "app/options/OutDirDialog.h"
#include "app/options/FavoriteVoicesPage.h"
#include "app/options/VoiceEditPage.h"
#include "app/tray/NotifyIcon.h"
#include "app/tray/ToolBarForm.h"
#include "articles/ArticleNames.h"
#include "articles/MemoEntryView.h"
#include "articles/MemoListBox.h"
#include "audio/EncodeJobs.h"
#include "articles/ReadingPlaces.h"
#include "audio/AudioTags.h"
#include "audio/TimedText.h"
#include "audio/SpeechFiles.h"
#include "controls/Gauge.h"
#include "log/UtilsClass.h"
#include "platform/sapi/PcmPlayer.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QAction>
#include <QButtonGroup>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>

namespace {

bool IsFileTarget(TReadTarget target) { return target == rtSingleFile || target == rtMultipleFiles; }

void SetEnabled(const QList<QObject *> &places, bool on)
{
    for (QObject *place : places) {
        if (auto *action = qobject_cast<QAction *>(place))
            action->setEnabled(on);
        else if (auto *widget = qobject_cast<QWidget *>(place))
            widget->setEnabled(on);
    }
}

} // namespace

void TForm1::HighlightPosnClick(bool on)
{
    Prefs->TTS_HighlightPosition = on;
    if (on && ReadingState == rsReading && CurrentArticle) {
        const int position = Articles->PositionOf(CurrentArticle);
        if (position > 0 && !CurrentArticle->View())
            MemoListBox1->ScrollToTop(position);
        if (CurrentArticle->View())
            CurrentArticle->View()->TextBox->setFocus();
    }
}

void TForm1::SetReadingState(TReadState state)
{
    if (state == rsExiting || ReadingState == rsExiting) {
        ReadingState = rsExiting;
        return;
    }
    ReadingState = state;
    const bool idle = state == rsIdle;
    const bool active = state == rsReading || state == rsPaused;
    SetEnabled(ReadingCommands.Aloud, idle);
    SetEnabled(ReadingCommands.File, idle);
    SetEnabled(ReadingCommands.Pause, active);
    SetEnabled(ReadingCommands.Skip, state == rsReading && Prefs->ML_ListMode == 1);
    SetEnabled(ReadingCommands.Stop, active);
    SetEnabled(ReadingCommands.Devices, idle);
    // Reading started while everything was away: the floating tool bar comes to control it.
    if (state == rsReading && Prefs->ToolbarOnMinOption == 2 && !MainWindowShown() && !ToolBarForm->isVisible() &&
        Initialized) {
        ToolBarForm->ShowToolbar();
        TrayIcon->ToolBarPONtry->setEnabled(false);
    }
    // The voice test of "Favorite Voices" also wants exactly one voice selected.
    if (TabSheet5)
        TabSheet5->UpdateTest();
    emit ReadingChanged();
}

void TForm1::ConnectTextDone(void (TForm1::*handler)())
{
    TTSForm->TTS1->OnTextDataDone = [this, handler](TTTS *, quint64, quint32 flags) {
        if (flags & TTSBNSF_AUDIOLOST)
            SoundDeviceLost();
        else if (flags & TTSBNSF_ENGINEFAILED)
            EngineFailed();
        else if (m_RestartAt >= 0 && CurrentArticle)
            // A sentence jump: the same article again, from there.
            EngineCall([this, at = std::exchange(m_RestartAt, -1)] { StartReading(CurrentArticle, RunTarget, at); });
        else
            EngineCall([this, handler] { (this->*handler)(); });
    };
}

// An unplugged headset, a sound server that ended: the reading stops and says why.
void TForm1::SoundDeviceLost()
{
    if (ReadingState == rsExiting || !TTSForm->TTS1->Active())
        return;
    // The device the sound went to last: the server may have moved it from the one chosen.
    const QString lost = PcmPlayer::LostDevice().isEmpty() ? TTSForm->PlayingDevice : PcmPlayer::LostDevice();
    const QString device = lost.isEmpty() ? QStringLiteral("in use") : QLatin1Char('"') + lost + QLatin1Char('"');
    const QString message = QStringLiteral("The sound device %1 is gone. Reading has stopped.").arg(device);
    UtilsClass::Trace(message);
    StopBtnClick();
    Messages::ShowError(message);
}

// The engine could not make a text into speech: nothing unfinished is kept.
void TForm1::EngineFailed()
{
    if (ReadingState == rsExiting || !TTSForm->TTS1->Active())
        return;
    const QString title = CurrentArticle ? CurrentArticle->Title() : QString();
    const QString message = QStringLiteral("The voice could not speak \"%1\" (its speech engine failed on it). Reading has stopped.").arg(title);
    UtilsClass::Trace(message);
    StopBtnClick();
    Messages::ShowError(message);
}

bool TForm1::EngineCall(const std::function<void()> &call)
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

void TForm1::EndRun()
{
    Articles->UnlockAllEntries();
    CurrentArticle = nullptr;
    m_NextArticle = 0;
    m_EncodingToEnd = false;
    // The speech being written is given up; the MP3 files of finished articles
    // are still made.
    EncodeJobs->DropIncomplete();
    if (TTSForm && TTSForm->TTS1->Active()) {
        try {
            TTSForm->TTS1->SetActive(false);
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Closing the engine failed: ") + ErrorMessage(error));
        }
    }
    if (ReadingState == rsExiting)
        return;
    SetPauseCaptions(false);
    SetReadingState(rsIdle);
    ResetStatus();
}

void TForm1::PlayAllBtnClick()
{
    if (!Initialized || !TTSForm || TTSForm->TTS1->Active() || ReadingState == rsExiting)
        return;
    ReadTarget = rtSpeakers;
    StartRun();
}

void TForm1::StartRun()
{
    const NestedPass pass(this);
    TArticleList &list = *Articles;
    if (list.Count() == 0)
        return;
    m_RunTrack = 0;
    list.MarkEntry(1);
    if (ReadingState == rsExiting || list.Count() == 0)
        return;
    ConnectTextDone(&TForm1::RunTextDone);
    if (PrepareOutput(list.EntryAt(1), ReadTarget))
        StartReading(list.EntryAt(1), ReadTarget);
}

void TForm1::PlayFileBtnClick()
{
    if (!Initialized || !TTSForm || TTSForm->TTS1->Active() || ReadingState == rsExiting)
        return;
    ReadTarget = Prefs->ML_ListMode == 1 ? static_cast<TReadTarget>(Prefs->OUT_FileDest) : rtSingleFile;
    const NestedPass pass(this);
    TArticleList &list = *Articles;
    if (ReadTarget == rtMultipleFiles) {
        for (int k = 1; k <= list.Count(); ++k) {
            TMemoEntry *article = list.EntryAt(k);
            if (ArticleNames::OutputFile(Prefs->OUT_Directory, article->Title(), QStringLiteral(".x")).isEmpty()) {
                if (!isVisible())
                    RestoreMainWindow();
                list.MarkEntry(k);
                article->FocusTitle();
                Messages::ShowMessage(QStringLiteral("A title is required for each item entry when\routputting to multiple files"));
                return;
            }
        }
    }
    StartRun();
}

bool TForm1::OutputDirectoryExists()
{
    if (QFileInfo(Prefs->OUT_Directory).isDir())
        return true;
    Messages::ShowMessage(QStringLiteral("Output directory ") + Prefs->OUT_Directory + QStringLiteral(" is not valid"));
    return false;
}

bool TForm1::PrepareOutput(TMemoEntry *article, TReadTarget target)
{
    if (!IsFileTarget(target))
        return true;
    const QString dir = Prefs->OUT_Directory;
    const TOutputFormat format = OutputFormats::FromSetting(Prefs->OUT_FileFormat);
    const bool encoded = format != TOutputFormat::Wav;
    // A book read into one file is named after the book.
    const TArticleBook *book = article->Book.get();
    const QString name = target == rtSingleFile && book && !book->Title.isEmpty() ? book->Title : article->Title();
    const QString final = ArticleNames::OutputFile(dir, name, OutputFormats::Extension(format));
    if (final.isEmpty()) {
        article->FocusTitle();
        Messages::ShowMessage(QStringLiteral("A title is required to output speech to a file"));
        return false;
    }
    // The engine creates its file when it is opened: a missing folder is told
    // in the user's words before that.
    if (!OutputDirectoryExists())
        return false;
    // A speech left unfinished (a reading that replaces a run) is not made into a file.
    EncodeJobs->DropIncomplete();
    m_OutputFormat = format;
    m_Chapters.clear();
    m_Timed = TTimedText();
    m_Subtitles = TTimedText::FromSetting(Prefs->OUT_Subtitles);
    // Each file still being encoded keeps its own speech file; a WAV file's speech is
    // written beside its name and put in place when complete, so that a Stop, a
    // full disk or a kill leaves a file of that name as it was. What a run that
    // was killed left is cleaned first.
    SpeechFiles::RemoveLeftovers(dir);
    SpeechFileName = SpeechFiles::Create(dir);
    (encoded ? Mp3FileName : WavFileName) = final;
    if (SpeechFileName.isEmpty()) {
        Messages::ShowError(QStringLiteral("Unable to create ") + ProgramPaths::WhereAndWhy(final));
        return false;
    }
    try {
        if (!TTSForm->PlayToFileInit(article->Voice(), SpeechFileName, encoded ? QString() : WavFileName))
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
            for (int k = 1; k <= Articles->Count(); ++k)
                planned.push_back({0, Articles->EntryAt(k)->Title()});
        }
        EncodeJobs->Start(SpeechFileName, Mp3FileName, format, tags, planned);
    }
    return true;
}

void TForm1::StartReading(TMemoEntry *article, TReadTarget target, int from)
{
    if (isVisible() && article->View())
        article->View()->TextBox->setFocus();
    TTSForm->TTS1->OnWordPosition = [this](TTTS *sender, quint64 ts, quint32 offset) { WordPosition(sender, ts, offset); };
    // Written to a file, a text starts at its place in the file: there its chapter begins.
    TTSForm->TTS1->OnTextDataStarted = nullptr;
    if (IsFileTarget(target)) {
        TTSForm->TTS1->OnTextDataStarted = [this, article](TTTS *, quint64 position) {
            const double at = double(position) / SpeechFiles::BytesPerSecond;
            m_Chapters.push_back({at, article->Title()});
            if (m_Subtitles != TSubtitleFormat::None)
                m_Timed.BeginText(article->Text(), at);
        };
    }
    m_PendingWord = -1; // a word of the article before
    CurrentArticle = article;
    TTSForm->TTS1->Tag = reinterpret_cast<qintptr>(article);
    emit ReadingChanged();
    RunTarget = target;
    StatusPanel1->setText(QStringLiteral(" "));
    // A single file goes on from article to article: its folder may have gone since.
    if (IsFileTarget(target) && !OutputDirectoryExists()) {
        EndRun();
        return;
    }
    article->SetLocked(true);
    const QString text = article->Text();
    m_ReadFrom = target == rtSpeakers ? std::clamp(from, 0, int(text.size())) : 0;
    m_LastWord = -1;
    SetGauges(static_cast<int>(text.size()), 0);
    ShowGauges(true);
    if (ReadingState != rsReading)
        SetReadingState(rsReading);
    bool started = false;
    try {
        started = target == rtSpeakers ? TTSForm->Play(text.mid(m_ReadFrom), article->Voice()) : TTSForm->SpeakText(text);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
    }
    if (!started) {
        EncodeJobs->DropIncomplete();
        SetReadingState(rsIdle);
        article->SetLocked(false);
        ShowGauges(false);
    }
    ShowStatus(QString());
}

void TForm1::RunTextDone()
{
    // Marking the next article and saving let events run: a Stop or an exit
    // arriving meanwhile ends the run there.
    const NestedPass pass(this);
    if (RunTarget == rtMultipleFiles && !FinishOutput(false)) {
        EndRun();
        return;
    }
    if (RunStopped())
        return;
    TArticleList &list = *Articles;
    TMemoEntry *finished = CurrentArticle;
    int n = finished ? list.PositionOf(finished) : 0;
    if (finished)
        finished->SetLocked(false);
    // Read to its end: no place to go back to.
    if (finished && RunTarget == rtSpeakers && finished->Place >= 0)
        RememberPlace(finished, -1);
    // The sleep timer ends the reading with the article (or ran out in its last sentence).
    if (RunTarget == rtSpeakers && (m_SleepAtArticleEnd || m_SleepStopAt >= 0)) {
        UtilsClass::Trace(QStringLiteral("The sleep timer stops the reading"));
        SetSleepTimer(0);
        EndRun();
        return;
    }
    if (finished && n > 0 && Prefs->ML_ListMode == 1 && Prefs->ML_AutoDelete) {
        list.HideEntry(finished);
        SaveArticles();
        if (RunStopped())
            return;
    } else {
        ++n;
    }
    if (n >= 1 && n <= list.Count()) {
        list.MarkEntry(n);
        if (RunStopped())
            return;
        if (RunTarget == rtMultipleFiles && EncodeJobs->Full()) {
            // Every worker is making an MP3 file: the next speech waits for one,
            // so that finished speech does not pile up on the disk.
            CurrentArticle = nullptr;
            m_NextArticle = n;
            ShowStatus(QString());
            return;
        }
        ContinueRun(n);
        return;
    }
    if (RunTarget != rtMultipleFiles && !FinishOutput(false)) {
        EndRun();
        return;
    }
    if (RunStopped())
        return;
    FinishRun();
}

void TForm1::ContinueRun(int n)
{
    TArticleList &list = *Articles;
    // The list may have changed while the run waited.
    if (n > list.Count()) {
        FinishRun();
        return;
    }
    TMemoEntry *next = list.EntryAt(n);
    if (RunTarget == rtMultipleFiles && !PrepareOutput(next, rtMultipleFiles)) {
        CurrentArticle = nullptr;
        SetReadingState(rsIdle);
        ResetStatus();
        return;
    }
    StartReading(next, RunTarget);
}

void TForm1::FinishRun()
{
    CurrentArticle = nullptr;
    if (EncodeJobs->Busy()) {
        // The speech is all there; the run ends when its MP3 files are.
        m_EncodingToEnd = true;
        SetReadingState(rsConverting);
        ShowStatus(QString());
        SetProgress(EncodeJobs->Percent());
        ShowGauges(true);
        return;
    }
    m_EncodingToEnd = false;
    if (Articles->Count() == 0)
        AddNew();
    SetReadingState(rsIdle);
    ResetStatus();
}

void TForm1::WriteTimedText(const QString &path, const QByteArray &text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        Messages::ShowError(QStringLiteral("Unable to create ") + ProgramPaths::WhereAndWhy(path, file.errorString()));
}

void TForm1::EncodeJobEnded(const QString &mp3File, const QString &speechFile, bool ok, const QString &failure)
{
    const auto [timedPath, timed] = m_PendingTimedText.take(mp3File);
    if (ReadingState == rsExiting)
        return;
    if (ok && !timedPath.isEmpty())
        WriteTimedText(timedPath, timed);
    // The speech is not thrown away with the MP3 that could not be made: it takes
    // the MP3's name as a WAV file, out of reach of the cleaning of leftovers.
    if (!ok) {
        const QFileInfo mp3(mp3File);
        const QString wav = ProgramPaths::JoinPath(mp3.path(), mp3.completeBaseName() + QStringLiteral(".wav"));
        const QString kept = ProgramPaths::RenameNoReplace(speechFile, wav) ? wav : speechFile;
        Messages::ShowError(failure + QStringLiteral("\r\r") + mp3File + QStringLiteral(" was not made. The speech is kept in ") +
                            kept + QStringLiteral("."));
    }
}

void TForm1::EncodeWorkerFreed()
{
    if (ReadingState == rsExiting)
        return;
    if (m_NextArticle > 0 && ReadingState == rsReading && !EncodeJobs->Full()) {
        ContinueRun(std::exchange(m_NextArticle, 0));
        return;
    }
    if (m_EncodingToEnd && !EncodeJobs->Busy()) {
        FinishRun();
        return;
    }
    if (ReadingState == rsReading || ReadingState == rsConverting)
        ShowStatus(QString());
}

void TForm1::ReadArticle(TMemoEntry *article, TReadTarget target, bool ownButton)
{
    if (!Initialized || !TTSForm || ReadingState == rsExiting || ReadingState == rsConverting)
        return;
    const NestedPass pass(this);
    if (ownButton)
        Articles->UnlockAllEntries();
    if (!article)
        article = Articles->CurrentEntry();
    if (!article)
        return;
    // A run waiting for a worker does not go on.
    m_NextArticle = 0;
    ConnectTextDone(&TForm1::SingleTextDone);
    if (PrepareOutput(article, target))
        StartReading(article, target);
}

void TForm1::SingleTextDone()
{
    const NestedPass pass(this);
    Articles->UnlockAllEntries();
    if (!FinishOutput(false)) {
        EndRun();
        return;
    }
    if (ReadingState == rsExiting)
        return;
    FinishRun();
}

bool TForm1::FinishOutput(bool abort)
{
    const NestedPass pass(this);
    const bool mp3 = IsFileTarget(RunTarget) && m_OutputFormat != TOutputFormat::Wav;
    if (TTSForm->TTS1->Active()) {
        try {
            TTSForm->TTS1->SetActive(false);
        } catch (const std::exception &error) {
            // The file could not be finished (a full disk, say): no half file is
            // left under its name, and the user learns which and why.
            UtilsClass::Trace(QStringLiteral("Finishing the output failed: ") + ErrorMessage(error));
            if (abort || !IsFileTarget(RunTarget))
                return !abort;
            // Asked before the file goes: removing it frees the space it took.
            const QString where = ProgramPaths::WhereAndWhy(mp3 ? SpeechFileName : WavFileName);
            if (mp3)
                EncodeJobs->DropIncomplete();
            UtilsClass::DeleteTraced(SpeechFileName);
            Messages::ShowError(ErrorMessage(error) + QStringLiteral("\r\r") + where +
                                QStringLiteral("\r\rThe unfinished file was removed."));
            return false;
        }
    }
    if (abort && IsFileTarget(RunTarget)) {
        // Every MP3 not yet made goes with its speech.
        m_NextArticle = 0;
        m_EncodingToEnd = false;
        EncodeJobs->CancelAll(false);
        m_PendingTimedText.clear();
        UtilsClass::DeleteTraced(SpeechFileName);
    }
    // The timed text of the speech now complete: beside the file once that is in place.
    QByteArray timed;
    if (!abort && IsFileTarget(RunTarget) && m_Subtitles != TSubtitleFormat::None) {
        m_Timed.End(double(QFileInfo(SpeechFileName).size() - 44) / SpeechFiles::BytesPerSecond);
        timed = m_Timed.Render(m_Subtitles);
        m_Timed = TTimedText();
    }
    if (!abort && IsFileTarget(RunTarget) && !mp3) {
        if (!PutWavInPlace())
            return false;
        if (m_Subtitles != TSubtitleFormat::None)
            WriteTimedText(TTimedText::FileFor(WavFileName, m_Subtitles), timed);
    }
    if (!abort && mp3 && m_Subtitles != TSubtitleFormat::None)
        m_PendingTimedText.insert(Mp3FileName, {TTimedText::FileFor(Mp3FileName, m_Subtitles), timed});
    if (!abort && mp3) {
        // The file is made from here on while the next article is read.
        EncodeJobs->SpeechComplete(RunTarget == rtSingleFile ? m_Chapters : std::vector<TAudioChapter>{});
        UtilsClass::Trace(ConvertingText() + QFileInfo(Mp3FileName).fileName());
    }
    if (ReadingState != rsExiting) {
        StatusPanel1->setText(QStringLiteral(" "));
        Articles->DeleteHiddenEntries();
    }
    return true;
}

bool TForm1::PutWavInPlace()
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(SpeechFileName).toStdString(), QFile::encodeName(WavFileName).toStdString(), error);
    if (!error)
        return true;
    UtilsClass::Trace(QStringLiteral("Renaming the speech file failed: ") + QString::fromStdString(error.message()));
    UtilsClass::DeleteTraced(SpeechFileName);
    Messages::ShowError(WavFileName + QStringLiteral(" could not be written: ") + QString::fromLocal8Bit(error.message().c_str()) +
                        QStringLiteral("."));
    return false;
}

void TForm1::SetPauseCaptions(bool paused)
{
    PauseBtn->setText(paused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
    PauseMItm->setText(paused ? QStringLiteral("&Resume") : QStringLiteral("&Pause"));
    TrayIcon->PausePONtry->setText(PauseMItm->text());
}

void TForm1::PauseBtnClick()
{
    // A run waiting for a worker pauses too: its next article waits for Resume.
    if (!TTSForm || (!TTSForm->TTS1->Active() && m_NextArticle == 0))
        return;
    if (PauseBtn->text() == QStringLiteral("Pause")) {
        SetPauseCaptions(true);
        StatusPanel1->setText(QStringLiteral("Pause"));
        UtilsClass::Trace(QStringLiteral("Pause"));
        if (EngineCall([this] {
                if (TTSForm->TTS1->Active())
                    TTSForm->TTS1->SetAudioPaused(true);
            }))
            SetReadingState(rsPaused);
    } else {
        SetPauseCaptions(false);
        StatusPanel1->setText(QString());
        UtilsClass::Trace(QStringLiteral("Resume"));
        if (CurrentArticle && CurrentArticle->View() && CurrentArticle->View()->isVisible())
            CurrentArticle->View()->TextBox->setFocus();
        if (EngineCall([this] {
                if (TTSForm->TTS1->Active())
                    TTSForm->TTS1->SetAudioPaused(false);
            }))
            SetReadingState(rsReading);
        if (ReadingState == rsReading && m_NextArticle > 0 && !EncodeJobs->Full())
            ContinueRun(std::exchange(m_NextArticle, 0));
    }
}

void TForm1::SkipBtnClick()
{
    if (!TTSForm || !TTSForm->TTS1->Active())
        return;
    UtilsClass::Trace(QStringLiteral("Skip"));
    SetPauseCaptions(false);
    EngineCall([this] { TTSForm->TTS1->AudioReset(); });
}

void TForm1::StopBtnClick()
{
    if (!TTSForm || (!TTSForm->TTS1->Active() && m_NextArticle == 0))
        return;
    // Stopped in the middle of an article read aloud: its place is kept.
    if (CurrentArticle && RunTarget == rtSpeakers && m_LastWord > 0)
        RememberPlace(CurrentArticle, m_LastWord);
    SetPauseCaptions(false);
    Articles->UnlockAllEntries();
    UtilsClass::Trace(QStringLiteral("Abort"));
    try {
        TTSForm->TTS1->AudioReset();
    } catch (const std::exception &error) {
        UtilsClass::Trace(QStringLiteral("Stopping the speech failed: ") + ErrorMessage(error));
    }
    FinishOutput(true);
    CurrentArticle = nullptr;
    SetReadingState(rsIdle);
    ResetStatus();
}

void TForm1::WordPosition(TTTS *, quint64 position, quint32 byteOffset)
{
    if (!CurrentArticle)
        return;
    if (IsFileTarget(RunTarget) && m_Subtitles != TSubtitleFormat::None)
        m_Timed.Word(TTSForm->TTSFilter.MapPosition(qint32(byteOffset / 2)), double(position) / SpeechFiles::BytesPerSecond);
    // Speech into a file is made many times faster than it is spoken: the caret
    // follows the latest word a few times a second, and the window stays free
    // for the work that counts.
    if (IsFileTarget(RunTarget)) {
        if (!m_WordTimer) {
            m_WordTimer = new QTimer(this);
            m_WordTimer->setSingleShot(true);
            m_WordTimer->setInterval(50);
            m_WordTimer->callOnTimeout(this, [this] {
                if (CurrentArticle && m_PendingWord >= 0)
                    ShowWordPosition(static_cast<quint32>(std::exchange(m_PendingWord, -1)));
            });
        }
        m_PendingWord = byteOffset;
        if (!m_WordTimer->isActive())
            m_WordTimer->start();
        return;
    }
    ShowWordPosition(byteOffset);
}

void TForm1::ShowWordPosition(quint32 byteOffset)
{
    const qint32 c = static_cast<qint32>(byteOffset / 2);
    const qint32 p = TTSForm->TTSFilter.MapPosition(c) + (IsFileTarget(RunTarget) ? 0 : m_ReadFrom);
    if (!IsFileTarget(RunTarget)) {
        m_LastWord = p;
        // The sleep timer ran out: the sentence being spoken was the last.
        if (m_SleepStopAt >= 0 && p >= m_SleepStopAt) {
            const int place = m_SleepStopAt;
            m_SleepStopAt = -1;
            UtilsClass::Trace(QStringLiteral("The sleep timer stops the reading"));
            TMemoEntry *article = CurrentArticle;
            StopBtnClick();
            RememberPlace(article, place);
            return;
        }
    }
    TMemoEntryView *view = CurrentArticle->View();
    // Look at the characters where they are; copying a long text per word would
    // keep the window busy.
    QTextDocument *document = view ? view->TextBox->document() : nullptr;
    const QString text = document ? QString() : CurrentArticle->Text();
    const auto n = static_cast<qint32>(document ? document->characterCount() - 1 : text.size());
    const auto at = [&](qint32 i) { return document ? document->characterAt(i) : text.at(i); };
    qint32 e = p + 1;
    while (e - 1 < n) {
        const QChar ch = at(e - 1);
        // The document keeps line breaks as paragraph separators.
        if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r') || ch == QLatin1Char(' ') || ch == QChar::ParagraphSeparator)
            break;
        ++e;
    }
    SetGaugeProgress(e);
    if (!view)
        return;
    const qint32 start = std::clamp(p, 0, n);
    view->ShowReadingPosition(start, Prefs->TTS_HighlightPosition ? std::clamp(e - 1, 0, n) : start);
}

void TForm1::SpeakTest(const QString &text, const QString &voice)
{
    if (!TTSForm || ReadingState == rsExiting || ReadingState == rsConverting)
        return;
    // A file run this replaces does not go on; its finished speech is still made into MP3.
    m_NextArticle = 0;
    EncodeJobs->DropIncomplete();
    TTSForm->TTS1->OnWordPosition = nullptr;
    ConnectTextDone(&TForm1::TestTextDone);
    if (ReadingState != rsReading)
        SetReadingState(rsReading);
    SetEnabled(ReadingCommands.Skip, false);
    bool started = false;
    try {
        started = TTSForm->Play(text, voice);
    } catch (const std::exception &error) {
        Messages::ShowError(ErrorMessage(error));
    }
    if (!started) {
        SetReadingState(rsIdle);
        ResetStatus();
    }
}

void TForm1::TestTextDone()
{
    TTSForm->TTS1->SetActive(false);
    if (ReadingState == rsExiting)
        return;
    SetReadingState(rsIdle);
    ResetStatus();
}

void TForm1::ShowReadingStatus(const QString &longText, const QString &shortText)
{
    StatusPanel0->setText(longText);
    TrayIcon->SetTip(longText);
    ToolBarForm->SetStatus(shortText);
    UtilsClass::Trace(longText);
}

void TForm1::ShowStatus(const QString &text)
{
    if (!text.trimmed().isEmpty()) {
        ShowReadingStatus(text, text);
        return;
    }
    const QString encoding = EncodingText();
    if (ReadingState == rsReading && CurrentArticle) {
        const QString shortText = QStringLiteral("Article %1 of %2")
                                      .arg(Articles->PositionOf(CurrentArticle))
                                      .arg(Articles->Count());
        const QString title = CurrentArticle->Title();
        QString longText = title.trimmed().isEmpty() ? shortText : title + QStringLiteral(" : ") + shortText;
        if (!SleepText().isEmpty())
            longText += QStringLiteral(" \u00b7 ") + SleepText();
        // The MP3 files of earlier articles being made meanwhile are named too.
        ShowReadingStatus(encoding.isEmpty() ? longText : longText + QStringLiteral(" \u00b7 ") + encoding, shortText);
    } else if (ReadingState == rsConverting || ((ReadingState == rsReading || ReadingState == rsPaused) && m_NextArticle > 0)) {
        ShowReadingStatus(encoding.isEmpty() ? ConvertingText() + QFileInfo(Mp3FileName).fileName() : encoding,
                          ConvertingText().section(QLatin1Char(' '), 0, 2));
    } else {
        ShowReadingStatus(CountText(), CountText());
    }
}

void TForm1::ReadFromHereClick()
{
    if (!Initialized || !TTSForm || TTSForm->TTS1->Active() || ReadingState != rsIdle)
        return;
    TMemoEntry *article = Articles->CurrentEntry();
    if (!article)
        return;
    const QString text = article->Text();
    int from = article->Place >= 0 ? article->Place : 0;
    if (article->View())
        from = article->View()->TextBox->textCursor().selectionStart();
    // From the start of the word the caret is in.
    from = std::clamp(from, 0, int(text.size()));
    while (from > 0 && !text.at(from - 1).isSpace())
        --from;
    const NestedPass pass(this);
    ReadTarget = rtSpeakers;
    m_RunTrack = 0;
    m_NextArticle = 0;
    ConnectTextDone(&TForm1::RunTextDone);
    StartReading(article, rtSpeakers, from);
}

void TForm1::SentenceJump(int direction)
{
    if (ReadingState != rsReading || RunTarget != rtSpeakers || !CurrentArticle || !TTSForm->TTS1->Active())
        return;
    const std::vector<int> starts = TTimedText::SentenceStarts(CurrentArticle->Text());
    // The sentence being spoken, and the one before or after it.
    const auto current = std::upper_bound(starts.begin(), starts.end(), std::max(m_LastWord, 0)) - starts.begin() - 1;
    const auto target = std::clamp<qsizetype>(current + direction, 0, qsizetype(starts.size()) - 1);
    if (direction > 0 && target == current)
        return; // the last sentence: nothing after it
    UtilsClass::Trace(direction > 0 ? QStringLiteral("Next sentence") : QStringLiteral("Previous sentence"));
    m_RestartAt = starts[size_t(target)];
    EngineCall([this] { TTSForm->TTS1->AudioReset(); });
}

void TForm1::SetSleepTimer(int minutes)
{
    if (!m_SleepTimer) {
        m_SleepTimer = new QTimer(this);
        m_SleepTimer->setSingleShot(true);
        connect(m_SleepTimer, &QTimer::timeout, this, [this] {
            // Due: the reading ends where the next sentence would begin.
            if (ReadingState == rsIdle || !CurrentArticle) {
                SetSleepTimer(0);
                return;
            }
            const std::vector<int> starts = TTimedText::SentenceStarts(CurrentArticle->Text());
            const auto next = std::upper_bound(starts.begin(), starts.end(), std::max(m_LastWord, 0));
            m_SleepStopAt = next == starts.end() ? int(CurrentArticle->Text().size()) : *next;
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

QString TForm1::SleepText() const
{
    if (m_SleepAtArticleEnd)
        return QStringLiteral("Stops at the end of this article");
    if (m_SleepStopAt >= 0)
        return QStringLiteral("Stops at the end of this sentence");
    if (m_SleepTimer && m_SleepTimer->isActive())
        return QStringLiteral("Stops in %1 min").arg((m_SleepTimer->remainingTime() * SleepTimerScale + 59999) / 60000);
    return {};
}

void TForm1::RememberPlace(TMemoEntry *article, int place)
{
    if (!article)
        return;
    article->Place = place;
    if (place >= 0 && article->View())
        article->View()->ShowReadingPosition(place, place);
    SavePlaces();
}

void TForm1::SavePlaces()
{
    QHash<QByteArray, int> places;
    for (int k = 1; k <= Articles->Count(); ++k) {
        const TMemoEntry *article = Articles->EntryAt(k);
        if (article->Place >= 0)
            places.insert(ReadingPlaces::Key(article->Title(), article->Text()), article->Place);
    }
    if (!ReadingPlaces::Save(ReadingPlaces::File(), places))
        UtilsClass::Trace(QStringLiteral("The reading places could not be saved to ") + ReadingPlaces::File());
}

void TForm1::ApplyPlaces()
{
    QString problem;
    const QHash<QByteArray, int> places = ReadingPlaces::Load(ReadingPlaces::File(), &problem);
    if (!problem.isEmpty())
        m_StartNotices << problem;
    if (places.isEmpty())
        return;
    for (int k = 1; k <= Articles->Count(); ++k) {
        TMemoEntry *article = Articles->EntryAt(k);
        const QString text = article->Text();
        const int place = places.value(ReadingPlaces::Key(article->Title(), text), -1);
        // Only a place that still fits the text: a word's start within it.
        if (place > 0 && place < text.size() && text.at(place - 1).isSpace() && !text.at(place).isSpace()) {
            article->Place = place;
            if (article->View())
                article->View()->ShowReadingPosition(place, place);
        }
    }
}

QString TForm1::ConvertingText() const
{
    const QString name = m_OutputFormat == TOutputFormat::M4b    ? QStringLiteral("M4B")
                         : m_OutputFormat == TOutputFormat::Opus ? QStringLiteral("Opus")
                                                                 : QStringLiteral("MP3");
    return QStringLiteral("Converting to %1 format: ").arg(name);
}

QString TForm1::EncodingText() const
{
    QStringList names;
    for (const QString &file : EncodeJobs->Encoding())
        names << QFileInfo(file).fileName();
    return names.isEmpty() ? QString() : ConvertingText() + names.join(QStringLiteral(", "));
}

void TForm1::ResetStatus()
{
    StatusPanel0->clear();
    TrayIcon->setToolTip(QStringLiteral("Parlewind MP3"));
    ShowStatus(CountText());
    ShowGauges(false);
    SetGaugeProgress(0);
}
