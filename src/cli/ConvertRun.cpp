#include "cli/ConvertRun.h"

#include "articles/ArticleNames.h"
#include "articles/SavedArticles.h"
#include "articles/TextFile.h"
#include "audio/EncodeJobs.h"
#include "audio/ReadAlongBook.h"
#include "audio/SpeechFiles.h"
#include "documents/DocumentProcess.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"
#include "settings/Preferences.h"
#include "speech/TTSForm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace {

const QString album = QStringLiteral("Parlewind MP3");
// Like the window's titles for text that came without one.
constexpr int titleLength = 20;
constexpr double speechBytesPerSecond = SpeechFiles::BytesPerSecond;

void PrintError(const QString &text) { std::fprintf(stderr, "parlewind: %s\n", qPrintable(text)); }

QString OneLine(QString text)
{
    text.replace(QStringLiteral("\r\r"), QStringLiteral(": "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

} // namespace

TConvertRun::TConvertRun(const TConvertOptions &options, TPreferences &prefs, TTTSForm &voices, QObject *parent)
    : QObject(parent), m_Options(options), m_Prefs(prefs), m_Voices(voices), m_Jobs(new TEncodeJobs(this)),
      m_Bar(!options.Quiet)
{
    if (options.Jobs > 0)
        m_Jobs->SetWorkers(options.Jobs);
    // For this run only: the command line stores no settings.
    if (!options.Pauses.isEmpty())
        m_Prefs.TTS_Pauses = options.Pauses;
    if (options.Languages >= 0)
        m_Prefs.TTS_OwnVoiceOnly = options.Languages == 0;
    // Existing files are kept unless told otherwise, also one made while the run
    // goes on; a book's chapters are files of its own until the book takes them.
    m_Jobs->KeepExisting = !options.Overwrite && !Book();
    // Speech is kept only until encoded, and never much more than 96 MB (about 36
    // minutes) of it ahead of the encoder: a book takes the room of its MP3, not
    // five times that.
    m_Jobs->FreeAsEncoded = 96 * 1024 * 1024;
    connect(m_Jobs, &TEncodeJobs::JobEnded, this, &TConvertRun::JobEnded);
    connect(m_Jobs, &TEncodeJobs::WorkerFreed, this, &TConvertRun::Next);
    m_Ticker.setInterval(100);
    connect(&m_Ticker, &QTimer::timeout, this, &TConvertRun::Tick);
}

TConvertRun::~TConvertRun()
{
    if (!m_Ended)
        Stop();
}

QString TConvertRun::AlreadyThere(const QString &path)
{
    return tr("%1 is already there; --overwrite replaces it").arg(path);
}

void TConvertRun::Fail(const QString &source, const QString &reason)
{
    ++m_Failures;
    UtilsClass::Trace(source + QStringLiteral(": ") + reason);
    // Most reasons name the file already.
    const QString told = reason.contains(source) ? OneLine(reason) : source + QStringLiteral(": ") + OneLine(reason);
    m_Bar.Note(QStringLiteral("parlewind: ") + told);
}

QString TConvertRun::Source(const TOutput &output) const
{
    // One file of many inputs (a book's chapters) is named as the file it was to be.
    return m_Options.SingleFile.isEmpty() || output.Sources.size() < 2 ? output.Sources.constFirst()
                                                                         : QFileInfo(output.Path).fileName();
}

QString TConvertRun::RecordedMessages() const
{
    QStringList texts;
    for (const Messages::Shown &shown : Messages::TakeRecorded())
        texts << OneLine(shown.text);
    return texts.isEmpty() ? tr("the speech engine failed") : texts.join(QStringLiteral("; "));
}

TConvertRun::TResult TConvertRun::AddTextInput(const QString &input)
{
    QStringList lines;
    QString error;
    QString title;
    if (input == QLatin1String("-")) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            Fail(tr("standard input"), in.errorString());
            return SomeFailed;
        }
        QByteArray bytes;
        if (!TextFile::ReadCapped(in, TextFile::MaxTextFileBytes, &bytes)) {
            Fail(tr("standard input"), tr("more than 64 MB, too large to be read as an article"));
            return SomeFailed;
        }
        if (!TextFile::ReadLines(bytes, tr("The standard input"), &lines, &error)) {
            Fail(tr("standard input"), error);
            return SomeFailed;
        }
        title = ArticleNames::TitleFromText(lines.join(QLatin1Char(' ')), titleLength);
        if (title.isEmpty())
            title = tr("Standard input");
    } else {
        if (TDocumentProcess::IsAddress(input))
            return AddDocument(input);
        if (QFileInfo(input).isDir()) {
            Fail(input, tr("is a folder, not a text file"));
            return SomeFailed;
        }
        return AddDocument(input);
    }
    TOutput output;
    output.Sources << (input == QLatin1String("-") ? tr("standard input") : input);
    output.Texts << lines.join(QLatin1Char('\n'));
    output.Languages.emplace_back();
    output.Titles << title;
    output.Voice = m_Options.Voice.isEmpty() ? m_Prefs.TTS_DefaultVoiceName : m_Options.Voice;
    output.Tags = {title, output.Voice, album, 0};
    m_Outputs.push_back(std::move(output));
    return AllWritten;
}

TConvertRun::TResult TConvertRun::AddDocument(const QString &file)
{
    // Read apart, as the window reads it: a file from outside may be made to hurt.
    TDocumentProcess reading;
    reading.SetLanguage(TTTSForm::LanguageOf(m_Options.Voice.isEmpty() ? m_Prefs.TTS_DefaultVoiceName : m_Options.Voice));
    reading.SetWholePage(m_Options.WholePage || m_Prefs.DOC_WholePage);
    reading.Start(file);
    if (reading.Wait() != TDocumentProcess::TResult::Read) {
        Fail(file, reading.Error());
        return SomeFailed;
    }
    const TDocument &document = reading.Document();
    // What text recognition has to say: not a failure, but worth knowing.
    if (!document.Note.isEmpty())
        m_Bar.Note(QStringLiteral("parlewind: ") + file + QStringLiteral(": ") + document.Note);
    const int count = int(document.Chapters.size());
    const QString title = document.Name(TDocumentProcess::FallbackTitle(file));
    const QString voice = m_Options.Voice.isEmpty() ? m_Prefs.TTS_DefaultVoiceName : m_Options.Voice;
    const int digits = int(QString::number(count).size());
    for (int k = 0; k < count; ++k) {
        const TDocument::TChapter &chapter = document.Chapters[size_t(k)];
        TOutput output;
        output.Sources << (count == 1 ? file : tr("%1, chapter %2").arg(file).arg(k + 1));
        output.Texts << chapter.Text;
        output.Languages.push_back(chapter.Languages);
        output.Titles << (chapter.Title.isEmpty() ? title : chapter.Title);
        output.Voice = voice;
        // A book's chapters, numbered so that their files sort in reading order.
        const QString name = count == 1 ? title
                                        : QStringLiteral("%1 %2").arg(k + 1, std::max(2, digits), 10, QLatin1Char('0'))
                                              .arg(chapter.Title.isEmpty() ? title : chapter.Title);
        // A book's author reads better than the voice as its artist.
        output.Tags = {name, document.Author.isEmpty() ? voice : document.Author, count == 1 ? album : title, 0};
        output.Tags.Cover = document.Cover;
        output.Language = document.Language;
        m_Outputs.push_back(std::move(output));
    }
    return AllWritten;
}

TConvertRun::TResult TConvertRun::AddArticles(const QString &file)
{
    QFile in(file);
    if (QFileInfo(file).isDir() || !in.open(QIODevice::ReadOnly)) {
        Fail(file, QFileInfo(file).isDir() ? tr("is a folder, not a saved-articles file")
                                           : in.errorString());
        return SomeFailed;
    }
    // Larger than any list the window saves.
    constexpr qint64 maxArticlesBytes = 256 * 1024 * 1024;
    QByteArray bytes;
    if (!TextFile::ReadCapped(in, maxArticlesBytes, &bytes)) {
        Fail(file, tr("is too large to be a saved-articles file (more than 256 MB)"));
        return SomeFailed;
    }
    if (TextFile::LooksBinary(bytes)) {
        Fail(file, tr("is not a saved-articles file"));
        return SomeFailed;
    }
    const SavedArticles::Parsed parsed = SavedArticles::Parse(bytes);
    TResult result = AllWritten;
    if (parsed.Damaged) {
        Fail(file, tr("is damaged; the articles after the damaged place are not converted"));
        result = SomeFailed;
    }
    int articles = 0;
    int number = 0;
    for (const SavedArticles::Record &record : parsed.Records) {
        ++number;
        if (record.IsBlank())
            continue;
        ++articles;
        TOutput output;
        output.Sources << tr("%1, article %2").arg(file).arg(number);
        output.Texts << record.Lines.join(QLatin1Char('\n'));
        output.Languages.emplace_back();
        output.Titles << record.Title;
        output.Voice = !m_Options.Voice.isEmpty() ? m_Options.Voice
                       : record.Voice.trimmed().isEmpty() ? m_Prefs.TTS_DefaultVoiceName
                                                          : record.Voice;
        output.Tags = {record.Title, output.Voice, QFileInfo(file).completeBaseName(), 0};
        m_Outputs.push_back(std::move(output));
    }
    if (articles == 0 && !parsed.Damaged) {
        Fail(file, tr("holds no article with text"));
        result = SomeFailed;
    }
    return result;
}

TConvertRun::TResult TConvertRun::CheckVoices()
{
    for (auto it = m_Outputs.begin(); it != m_Outputs.end();) {
        TVoiceEntry *voice = m_Voices.FindVoice(it->Voice);
        if (!voice) {
            Fail(it->Sources.constFirst(), tr("Voice %1 does not exist").arg(it->Voice));
            it = m_Outputs.erase(it);
            continue;
        }
        if (voice->AloudOnly) {
            Fail(it->Sources.constFirst(), TTTSForm::AloudOnlyMessage(voice->Name));
            it = m_Outputs.erase(it);
            continue;
        }
        if (m_Options.Speed > 0 || m_Options.Pitch > 0) {
            try {
                if (voice->MinSpeed < 0)
                    m_Voices.FillVoiceRanges(*voice);
            } catch (const std::exception &error) {
                PrintError(ErrorMessage(error));
                return BadUsage;
            }
            const auto outside = [&](const char *what, int value, int low, int high) {
                PrintError(tr("%1 %2 is outside the limits of %3 (%4 to %5).")
                               .arg(tr(what))
                               .arg(value)
                               .arg(voice->Name)
                               .arg(low)
                               .arg(high));
                return BadUsage;
            };
            if (m_Options.Speed > 0 && (m_Options.Speed < voice->MinSpeed || m_Options.Speed > voice->MaxSpeed))
                return outside(QT_TR_NOOP("Speed"), m_Options.Speed, voice->MinSpeed,
                               voice->MaxSpeed);
            if (m_Options.Pitch > 0 && (m_Options.Pitch < voice->MinPitch || m_Options.Pitch > voice->MaxPitch))
                return outside(QT_TR_NOOP("Pitch"), m_Options.Pitch, voice->MinPitch,
                               voice->MaxPitch);
            // For this run only: nothing is stored.
            if (m_Options.Speed > 0)
                voice->Speed = m_Options.Speed;
            if (m_Options.Pitch > 0)
                voice->Pitch = m_Options.Pitch;
        }
        ++it;
    }
    return AllWritten;
}

bool TConvertRun::MakeOutDir()
{
    const QString dir = m_Options.OutDir;
    // A file where a folder of the path should be is named as what is wrong.
    for (QFileInfo part(QDir::cleanPath(QDir(dir).absolutePath()));; part.setFile(part.path())) {
        if (part.exists() && !part.isDir()) {
            Fail(dir, tr("the output folder cannot be made: %1 is a file, not a folder")
                          .arg(part.filePath()));
            return false;
        }
        if (part.exists() || part.isRoot())
            break;
    }
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir)) {
        Fail(dir, tr("the output folder cannot be made: %1").arg(ProgramPaths::WhereAndWhy(dir)));
        return false;
    }
    // Speech that a killed run left here is ours to clean.
    SpeechFiles::RemoveLeftovers(dir);
    // Permissions do not tell it all (a read-only file system, a full disk):
    // a file is tried.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".parlewind-XXXXXX")));
    if (!probe.open()) {
        Fail(dir, tr("nothing can be written in the output folder: %1").arg(probe.errorString()));
        return false;
    }
    return true;
}

void TConvertRun::NameBook()
{
    // Named after the book the chapters came from, else the first of them.
    const TOutput &first = m_Outputs.front();
    const bool oneBook = first.Tags.Album != album && std::all_of(m_Outputs.begin(), m_Outputs.end(), [&](const TOutput &o) {
        return o.Tags.Album == first.Tags.Album;
    });
    const QString title = !m_Options.SingleFile.isEmpty() ? m_Options.SingleFile : oneBook ? first.Tags.Album : first.Tags.Title;
    m_BookPath = !m_Options.SingleFile.isEmpty()
                     ? QDir(m_Options.OutDir).filePath(title.endsWith(QLatin1String(".epub"), Qt::CaseInsensitive) ? title : title + QStringLiteral(".epub"))
                     : ArticleNames::OutputFile(m_Options.OutDir, title, QStringLiteral(".epub"));
    const QString problem =
        m_BookPath.isEmpty() ? tr("A title is required to output speech to a file")
        : QFileInfo::exists(m_BookPath) && !m_Options.Overwrite ? AlreadyThere(m_BookPath)
                                                                : QString();
    if (!problem.isEmpty()) {
        Fail(first.Sources.constFirst(), problem);
        m_Outputs.clear();
        return;
    }
    m_Book = std::make_unique<TReadAlongBook>();
    m_Book->Title = oneBook ? first.Tags.Album : m_Options.SingleFile.isEmpty() ? first.Tags.Title : QFileInfo(m_BookPath).completeBaseName();
    m_Book->Narrator = first.Voice;
    if (oneBook && first.Tags.Artist != first.Voice)
        m_Book->Author = first.Tags.Artist;
    m_Book->Cover = oneBook ? first.Tags.Cover : QByteArray();
    m_Book->Language = first.Language.isEmpty() ? TTTSForm::LanguageOf(first.Voice) : first.Language;
    m_Book->Words = m_Options.HighlightWords;
    int track = 0;
    for (TOutput &output : m_Outputs) {
        output.Tags = {output.Titles.constFirst(), m_Book->Author.isEmpty() ? output.Voice : m_Book->Author, m_Book->Title, ++track};
        output.Timed.KeepSpans = true;
        output.Timed.KeepWords = m_Options.HighlightWords;
        for (const QString &text : output.Texts)
            output.Chars += text.size();
    }
}

void TConvertRun::NameOutputs()
{
    if (Book()) {
        NameBook();
        return;
    }
    const QString extension = m_Options.Text ? QStringLiteral(".txt") : OutputFormats::Extension(m_Options.Format);
    if (!m_Options.SingleFile.isEmpty() && !m_Outputs.empty()) {
        // Everything into one file, read with the first voice, as the window does.
        TOutput single;
        for (TOutput &output : m_Outputs) {
            single.Sources << output.Sources;
            single.Texts << output.Texts;
            single.Languages.insert(single.Languages.end(), output.Languages.begin(), output.Languages.end());
            single.Titles << output.Titles;
        }
        QString name = m_Options.SingleFile;
        if (!name.endsWith(extension, Qt::CaseInsensitive))
            name += extension;
        single.Path = QDir(m_Options.OutDir).filePath(name);
        single.Voice = m_Outputs.front().Voice;
        const bool oneAlbum = std::all_of(m_Outputs.begin(), m_Outputs.end(),
                                          [&](const TOutput &o) { return o.Tags.Album == m_Outputs.front().Tags.Album; });
        single.Tags = {QFileInfo(name).completeBaseName(), single.Voice, oneAlbum ? m_Outputs.front().Tags.Album : album, 0};
        if (oneAlbum) {
            single.Tags.Artist = m_Outputs.front().Tags.Artist;
            single.Tags.Cover = m_Outputs.front().Tags.Cover;
        }
        m_Outputs.clear();
        m_Outputs.push_back(std::move(single));
    } else {
        for (TOutput &output : m_Outputs)
            output.Path = ArticleNames::OutputFile(m_Options.OutDir, output.Tags.Title, extension);
    }
    QStringList taken;
    int track = 0;
    for (auto it = m_Outputs.begin(); it != m_Outputs.end();) {
        const QString source = it->Sources.constFirst();
        QString problem;
        if (it->Path.isEmpty())
            problem = tr("A title is required to output speech to a file");
        else if (taken.contains(it->Path))
            problem = tr("has the same title as an earlier input; %1 is written only once")
                          .arg(QFileInfo(it->Path).fileName());
        else if (QFileInfo::exists(it->Path) && !m_Options.Overwrite)
            problem = AlreadyThere(it->Path);
        else if (m_Options.Subtitles != TSubtitleFormat::None && !m_Options.Overwrite &&
                 QFileInfo::exists(TTimedText::FileFor(it->Path, m_Options.Subtitles)))
            problem = AlreadyThere(TTimedText::FileFor(it->Path, m_Options.Subtitles));
        if (!problem.isEmpty()) {
            Fail(source, problem);
            it = m_Outputs.erase(it);
            continue;
        }
        taken << it->Path;
        if (m_Options.SingleFile.isEmpty() && m_Outputs.size() > 1)
            it->Tags.Track = ++track;
        for (const QString &text : it->Texts)
            it->Chars += text.size();
        ++it;
    }
}

TConvertRun::TResult TConvertRun::Prepare()
{
    // A command that cannot work is told before any input is read.
    if (!m_Options.Voice.isEmpty() && !m_Voices.FindVoice(m_Options.Voice)) {
        PrintError(tr("there is no voice \"%1\"; parlewind --convert --list-voices lists them.")
                       .arg(m_Options.Voice));
        return BadUsage;
    }
    if (const TVoiceEntry *voice = m_Voices.FindVoice(m_Options.Voice); voice && voice->AloudOnly) {
        PrintError(TTTSForm::AloudOnlyMessage(voice->Name));
        return BadUsage;
    }
    for (const QString &input : m_Options.Inputs)
        AddTextInput(input);
    if (!m_Options.ArticlesFile.isEmpty())
        AddArticles(m_Options.ArticlesFile);
    const TResult voices = CheckVoices();
    if (voices != AllWritten)
        return voices;
    if (!m_Outputs.empty() && !MakeOutDir())
        m_Outputs.clear();
    else
        NameOutputs();
    return m_Failures > 0 ? SomeFailed : AllWritten;
}

void TConvertRun::Start()
{
    m_Clock.start();
    m_Voices.TTS1->OnTextDataDone = [this](TTTS *, quint64 position, quint32 flags) {
        if ((flags & TTSBNSF_ENGINEFAILED) && m_Speaking)
            m_Speaking->EngineFailed = true;
        if (m_Speaking)
            m_Speaking->SpeechEnd = double(position) / speechBytesPerSecond;
        // Handled once the engine's notification is over.
        QMetaObject::invokeMethod(this, &TConvertRun::TextDone, Qt::QueuedConnection);
    };
    // A text's place in its file: where its chapter begins.
    m_Voices.TTS1->OnTextDataStarted = [this](TTTS *, quint64 position) {
        if (!m_Speaking || m_Speaking->TextsSpoken >= m_Speaking->Titles.size())
            return;
        const double at = double(position) / speechBytesPerSecond;
        m_Speaking->Chapters.push_back({at, m_Speaking->Titles.at(m_Speaking->TextsSpoken)});
        if (m_Options.Subtitles != TSubtitleFormat::None || Book())
            m_Speaking->Timed.BeginText(m_Speaking->Texts.at(m_Speaking->TextsSpoken), at, TTTSForm::LanguageOf(m_Speaking->Voice));
    };
    m_Voices.TTS1->OnWordPosition = [this](TTTS *, quint64 position, quint32 offset) {
        if (m_Speaking && (m_Options.Subtitles != TSubtitleFormat::None || Book()))
            m_Speaking->Timed.Word(m_Voices.TTSFilter.MapPosition(qint32(offset / 2)), double(position) / speechBytesPerSecond);
        if (m_Speaking && m_Speaking->TextsSpoken < m_Speaking->Texts.size()) {
            const auto length = m_Speaking->Texts.at(m_Speaking->TextsSpoken).size();
            m_SpokenFraction = length > 0 ? std::min(1.0, double(offset) / double(length)) : 1.0;
        }
    };
    if (m_Bar.Shown())
        m_Ticker.start();
    QMetaObject::invokeMethod(this, &TConvertRun::Next, Qt::QueuedConnection);
}

void TConvertRun::Next()
{
    if (m_Stopped || m_Ended || m_Speaking)
        return;
    if (m_Next >= m_Outputs.size()) {
        if (!m_Jobs->Busy())
            Finish();
        return;
    }
    // Every worker is making an MP3: the next speech waits for one.
    if (m_Options.Encoded() && m_Jobs->Full())
        return;
    Begin(m_Outputs[m_Next++]);
}

void TConvertRun::Begin(TOutput &output)
{
    // This output is given up; the run goes on with the next.
    const auto skip = [&](const QString &reason) {
        Fail(Source(output), reason);
        UtilsClass::DeleteTraced(output.Speech);
        output.Finished = true;
        QMetaObject::invokeMethod(this, &TConvertRun::Next, Qt::QueuedConnection);
    };
    // A chapter's sound waits beside the book, under a name of ours.
    if (Book())
        output.Path = SpeechFiles::Create(m_Options.OutDir, m_Options.BookAac ? QStringLiteral(".m4a") : QStringLiteral(".mp3"));
    output.Speech = SpeechFiles::Create(m_Options.OutDir, m_Options.Text ? QStringLiteral(".txt") : QStringLiteral(".wav"));
    if (output.Speech.isEmpty() || output.Path.isEmpty()) {
        skip(ProgramPaths::UnableToCreate(Book() ? m_BookPath : output.Path));
        return;
    }
    if (m_Options.Text) {
        WriteText(output);
        QMetaObject::invokeMethod(this, &TConvertRun::Next, Qt::QueuedConnection);
        return;
    }
    Messages::TakeRecorded();
    bool opened = false;
    try {
        opened = m_Voices.PlayToFileInit(output.Voice, output.Speech);
    } catch (const std::exception &) {
        // told through the messages
    }
    if (!opened) {
        skip(RecordedMessages());
        return;
    }
    if (m_Options.Encoded()) {
        // A single file has a chapter a text; room is kept for them where they go first.
        std::vector<TAudioChapter> planned;
        if (!m_Options.SingleFile.isEmpty()) {
            for (const QString &title : output.Titles)
                planned.push_back({0, title});
        }
        const TOutputFormat format = !Book() ? m_Options.Format : m_Options.BookAac ? TOutputFormat::M4b : TOutputFormat::Mp3;
        m_Jobs->Start(output.Speech, output.Path, format, output.Tags, planned);
    }
    m_Speaking = &output;
    m_SpokenFraction = 0;
    m_Voices.SpeakText(output.Texts.constFirst(), output.Languages.front());
}

void TConvertRun::TextDone()
{
    if (m_Stopped || !m_Speaking)
        return;
    TOutput &output = *m_Speaking;
    ++output.TextsSpoken;
    m_SpokenFraction = 0;
    if (output.TextsSpoken < output.Texts.size() && !output.EngineFailed) {
        m_Voices.SpeakText(output.Texts.at(output.TextsSpoken), output.Languages.at(size_t(output.TextsSpoken)));
        return;
    }
    m_Speaking = nullptr;
    SpeechFinished(output);
    Next();
}

void TConvertRun::SpeechFinished(TOutput &output)
{
    Messages::TakeRecorded();
    try {
        // Closing the component completes the speech file.
        m_Voices.TTS1->SetActive(false);
        if (output.EngineFailed)
            throw std::runtime_error("the voice could not speak it (its speech engine failed on it)");
    } catch (const std::exception &error) {
        if (m_Options.Encoded())
            m_Jobs->DropIncomplete();
        UtilsClass::DeleteTraced(output.Speech);
        output.Finished = true;
        // The engine's code is for the window's dialog; a terminal is told the reason.
        Fail(Source(output),
             ProgramPaths::WhereAndWhy(output.Path, ErrorMessage(error).section(QStringLiteral("\r\nOLE error "), 0, 0)));
        return;
    }
    output.SpeechDone = true;
    output.SpeechBytes = QFileInfo(output.Speech).size();
    output.Timed.End(output.SpeechEnd);
    if (m_Options.Encoded()) {
        m_Jobs->SpeechComplete(m_Options.SingleFile.isEmpty() ? std::vector<TAudioChapter>{} : output.Chapters);
        return;
    }
    PutInPlace(output);
}

void TConvertRun::WriteText(TOutput &output)
{
    QFile file(output.Speech);
    const QByteArray text = output.Texts.join(QStringLiteral("\n")).toUtf8() + '\n';
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush()) {
        const QString why = file.errorString();
        file.close();
        UtilsClass::DeleteTraced(output.Speech);
        output.Finished = true;
        Fail(Source(output),
             ProgramPaths::CouldNotCreate(output.Path + QStringLiteral(": ") + why));
        return;
    }
    file.close();
    output.SpeechDone = true;
    PutInPlace(output);
}

void TConvertRun::PutInPlace(TOutput &output)
{
    // The file takes its name only now that it is whole, and never the place of a
    // file that is to be kept (one made while the run went on included).
    const bool renamed = m_Options.Overwrite ? std::rename(QFile::encodeName(output.Speech).constData(),
                                                           QFile::encodeName(output.Path).constData()) == 0
                                             : ProgramPaths::RenameNoReplace(output.Speech, output.Path);
    if (!renamed) {
        const int error = errno;
        UtilsClass::DeleteTraced(output.Speech);
        Fail(Source(output), error == EEXIST ? AlreadyThere(output.Path)
                                             : ProgramPaths::CouldNotCreate(
                                                   output.Path + QStringLiteral(": ") +
                                                   QString::fromLocal8Bit(std::strerror(error))));
    } else if (!m_Options.Text) {
        WriteTimedText(output);
    }
    output.Finished = true;
}

void TConvertRun::WriteTimedText(TOutput &output)
{
    if (m_Options.Subtitles == TSubtitleFormat::None)
        return;
    const QString path = TTimedText::FileFor(output.Path, m_Options.Subtitles);
    if (!m_Options.Overwrite && QFileInfo::exists(path)) {
        Fail(Source(output), AlreadyThere(path));
        return;
    }
    QSaveFile file(path);
    const QByteArray text = output.Timed.Render(m_Options.Subtitles);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        Fail(Source(output), ProgramPaths::UnableToCreate(path, file.errorString()));
}

void TConvertRun::JobEnded(const QString &mp3, const QString &speech, bool ok, const QString &failure)
{
    for (TOutput &output : m_Outputs) {
        if (output.Path != mp3 || output.Finished)
            continue;
        output.Finished = true;
        if (!ok) {
            // Unlike the window, no one is told where the speech is kept.
            UtilsClass::DeleteTraced(speech);
            Fail(Source(output), failure);
        } else if (!Book()) {
            WriteTimedText(output);
        }
        output.Made = ok;
        break;
    }
}

void TConvertRun::Tick()
{
    double done = 0;
    double total = 0;
    double audio = 0;
    int files = 0;
    for (const TOutput &output : m_Outputs) {
        total += double(output.Chars);
        if (output.Finished) {
            done += double(output.Chars);
            files += 1;
            audio += double(output.SpeechBytes) / speechBytesPerSecond;
            continue;
        }
        if (output.Speech.isEmpty())
            continue;
        double spoken = 1.0;
        if (!output.SpeechDone) {
            qint64 before = 0;
            for (int k = 0; k < output.TextsSpoken; ++k)
                before += output.Texts.at(k).size();
            const qint64 current = output.TextsSpoken < output.Texts.size() ? output.Texts.at(output.TextsSpoken).size() : 0;
            spoken = output.Chars > 0 ? (double(before) + m_SpokenFraction * double(current)) / double(output.Chars) : 1.0;
            audio += double(QFileInfo(output.Speech).size()) / speechBytesPerSecond;
        } else {
            audio += double(output.SpeechBytes) / speechBytesPerSecond;
        }
        const double encoded = m_Options.Encoded() ? m_Jobs->Percent(output.Path) / 100.0 : 1.0;
        done += double(output.Chars) * spoken * encoded;
    }
    m_Bar.Update(total > 0 ? done / total : 1.0, files, int(m_Outputs.size()), audio, double(m_Clock.elapsed()) / 1000.0);
}

void TConvertRun::FinishBook()
{
    // A chapter that could not be made was told; a book without it is not made.
    const bool whole = std::all_of(m_Outputs.begin(), m_Outputs.end(), [](const TOutput &o) { return o.Made; });
    if (whole && !m_Outputs.empty()) {
        for (TOutput &output : m_Outputs) {
            TReadAlongBook::TChapter chapter;
            chapter.Title = output.Titles.constFirst();
            chapter.Text = output.Texts.constFirst();
            chapter.Language = TTTSForm::LanguageOf(output.Voice);
            chapter.Audio = std::exchange(output.Path, QString());
            chapter.Duration = output.SpeechEnd;
            if (!output.Timed.Spans().empty())
                chapter.Spans = output.Timed.Spans().front();
            m_Book->Chapters.push_back(std::move(chapter));
        }
        QString failure;
        if (!m_Book->Write(m_BookPath, m_Options.Overwrite, &failure))
            Fail(m_BookPath, failure);
    } else if (!m_Outputs.empty()) {
        Fail(m_BookPath, tr("was not made: a chapter of it could not be made"));
    }
    for (const TOutput &output : m_Outputs) {
        if (!output.Path.isEmpty())
            QFile::remove(output.Path);
    }
    m_Book.reset();
}

void TConvertRun::Finish()
{
    if (m_Ended)
        return;
    m_Ended = true;
    m_Ticker.stop();
    if (m_Book)
        FinishBook();
    if (m_Bar.Shown())
        Tick();
    m_Bar.Finish();
    emit Done(m_Failures > 0 ? SomeFailed : AllWritten);
}

void TConvertRun::Stop(int signalNumber)
{
    if (m_Ended)
        return;
    m_Stopped = true;
    m_Ended = true;
    m_Ticker.stop();
    if (m_Voices.TTS1->Active()) {
        try {
            m_Voices.TTS1->SetActive(false);
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Closing the engine failed: ") + ErrorMessage(error));
        }
    }
    // Every MP3 not yet made goes, and every speech file with it.
    m_Jobs->CancelAll(false);
    if (m_Speaking)
        UtilsClass::DeleteTraced(m_Speaking->Speech);
    // A book's chapters go with it.
    for (const TOutput &output : m_Outputs) {
        if (m_Book && !output.Path.isEmpty())
            QFile::remove(output.Path);
    }
    m_Book.reset();
    m_Speaking = nullptr;
    m_Bar.Finish();
    emit Done(128 + signalNumber);
}
