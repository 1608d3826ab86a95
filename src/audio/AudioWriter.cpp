#include "audio/AudioWriter.h"

#include "audio/M4bWriter.h"
#include "audio/Mp3Encode.h"
#include "audio/OpusWriter.h"
#include "audio/SpeechFiles.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utility>

namespace OutputFormats {

QString Extension(TOutputFormat format)
{
    switch (format) {
    case TOutputFormat::Mp3:
        return QStringLiteral(".mp3");
    case TOutputFormat::M4b:
        return QStringLiteral(".m4b");
    case TOutputFormat::Opus:
        return QStringLiteral(".opus");
    case TOutputFormat::Epub:
        return QStringLiteral(".epub");
    case TOutputFormat::Wav:
        break;
    }
    return QStringLiteral(".wav");
}

TOutputFormat FromSetting(int value)
{
    return value >= 1 && value <= 4 ? static_cast<TOutputFormat>(value) : TOutputFormat::Wav;
}

} // namespace OutputFormats

std::unique_ptr<TAudioWriter> TAudioWriter::Make(TOutputFormat format, const QString &fileName, const TAudioTags &tags)
{
    switch (format) {
    case TOutputFormat::Mp3:
        return std::make_unique<TMp3Writer>(fileName, tags);
    case TOutputFormat::M4b:
        return std::make_unique<TM4bWriter>(fileName, tags);
    case TOutputFormat::Opus:
        return std::make_unique<TOpusWriter>(fileName, tags);
    case TOutputFormat::Epub: // made of its chapters' files
    case TOutputFormat::Wav:
        break;
    }
    return nullptr;
}

TAudioWriter::TAudioWriter(const QString &fileName, const TAudioTags &tags)
    : m_Tags(tags), m_FileName(fileName), m_File(fileName)
{
}

TAudioWriter::~TAudioWriter()
{
    // Not finished: nothing is left under the name, and no half file beside it.
    if (m_File.isOpen())
        m_File.cancelWriting();
    // The name kept apart (empty until the file was whole) goes too.
    if (!m_Apart.isEmpty())
        QFile::remove(m_Apart);
}

bool TAudioWriter::Fail(const QString &message)
{
    m_Failure = message;
    return false;
}

bool TAudioWriter::Open(int rate)
{
    m_Rate = rate;
    // Written beside the target and put in its place only when finished; kept
    // apart under a name of its own until then when an existing file is kept.
    if (KeepExisting) {
        const QString apart = SpeechFiles::Create(QFileInfo(m_FileName).path(),
                                                 QLatin1Char('.') + QFileInfo(m_FileName).suffix());
        if (apart.isEmpty())
            return Fail(ProgramPaths::UnableToCreate(m_FileName));
        m_File.setFileName(apart);
        m_Apart = apart;
    }
    if (!m_File.open(QIODevice::WriteOnly))
        return Fail(ProgramPaths::UnableToCreate(m_FileName, m_File.errorString()));
    return Begin();
}

bool TAudioWriter::Put(const char *data, qint64 size)
{
    if (m_File.write(data, size) != size)
        return Fail(QCoreApplication::translate("Audio", "Write Error (1)\r\r%1")
                        .arg(ProgramPaths::WhereAndWhy(m_FileName, m_File.errorString())));
    return true;
}

bool TAudioWriter::PutAt(qint64 position, const QByteArray &bytes)
{
    const qint64 end = m_File.pos();
    return m_File.seek(position) && Put(bytes.constData(), bytes.size()) && m_File.seek(end);
}

bool TAudioWriter::Finish(const std::vector<TAudioChapter> &chapters)
{
    if (!End(chapters))
        return false;
    if (!m_File.commit())
        return Fail(QCoreApplication::translate("Audio", "Write error (2)\r\r%1")
                        .arg(ProgramPaths::WhereAndWhy(m_FileName, m_File.errorString())));
    if (KeepExisting && !ProgramPaths::RenameNoReplace(std::exchange(m_Apart, QString()), m_FileName)) {
        const int error = errno;
        QFile::remove(m_File.fileName());
        return Fail(error == EEXIST
                        ? QCoreApplication::translate("Audio", "%1 is already there and is kept")
                              .arg(m_FileName)
                        : ProgramPaths::UnableToCreate(
                              m_FileName, QString::fromLocal8Bit(std::strerror(error))));
    }
    return true;
}
