#include "audio/MMWave.h"

#include "platform/resample/Resampler.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include "platform/shell/ProgramPaths.h"

#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

const char *const readError = QT_TRANSLATE_NOOP("Audio", "Error reading wave file");
const char *const invalidFile = QT_TRANSLATE_NOOP("Audio", "Invalid wave file...");
const char *const convertError = QT_TRANSLATE_NOOP("Audio", "Unable to convert wave file");

QString Tr(const char *text)
{
    return QCoreApplication::translate("Audio", text);
}

// Chunks we keep a copy of are small; a bigger one is not kept whole.
constexpr qint64 maxKeptChunk = 1 << 20;
constexpr qint64 ioBufferSize = 32768;

quint32 U32(const char *p)
{
    const auto *b = reinterpret_cast<const quint8 *>(p);
    return quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
}

quint16 U16(const char *p)
{
    const auto *b = reinterpret_cast<const quint8 *>(p);
    return static_cast<quint16>(quint16(b[0]) | quint16(b[1]) << 8);
}

void Put16(QByteArray &out, quint16 v)
{
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>(v >> 8));
}

void Put32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray FormatBytes(const TPcmFormat &f, const QByteArray &extra)
{
    QByteArray out;
    Put16(out, f.FormatTag);
    Put16(out, f.Channels);
    Put32(out, f.SamplesPerSec);
    Put32(out, f.AvgBytesPerSec);
    Put16(out, f.BlockAlign);
    Put16(out, f.BitsPerSample);
    Put16(out, f.FormatTag == WAVE_FORMAT_PCM ? 0 : static_cast<quint16>(extra.size()));
    if (f.FormatTag != WAVE_FORMAT_PCM)
        out += extra;
    return out;
}

QByteArray Chunk(const char *id, const QByteArray &body)
{
    QByteArray out(id, 4);
    Put32(out, static_cast<quint32>(body.size()));
    out += body;
    if (body.size() & 1)
        out.append('\0');
    return out;
}

// Writes a RIFF WAVE file: header, "fmt ", "data"; at Close the sizes, "fact",
// "DISP" and "LIST"/"INFO".
class WaveWriter
{
public:
    WaveWriter(QFile &file, const TWaveFileInfo &info) : m_File(file), m_Info(info) {}

    bool Open()
    {
        QByteArray head("RIFF", 4);
        Put32(head, 0);
        head += "WAVE";
        head += Chunk("fmt ", FormatBytes(m_Info.Format, m_Info.FormatExtra));
        head += "data";
        Put32(head, 0);
        m_DataSizeAt = head.size() - 4;
        return m_File.write(head) == head.size();
    }

    bool Write(const char *data, qint64 size)
    {
        m_DataBytes += size;
        return m_File.write(data, size) == size;
    }

    bool Close()
    {
        QByteArray tail;
        if (m_DataBytes & 1)
            tail.append('\0');
        QByteArray fact;
        const quint32 align = std::max<quint32>(1, m_Info.Format.BlockAlign);
        Put32(fact, static_cast<quint32>(m_DataBytes / align));
        tail += Chunk("fact", fact);
        for (const auto &[type, data] : m_Info.DispEntries) {
            if ((type != 1 && type != 8) || data.isEmpty())
                continue;
            QByteArray body;
            Put32(body, type);
            body += data;
            tail += Chunk("DISP", body);
        }
        QByteArray info("INFO", 4);
        for (const auto &[id, text] : m_Info.InfoStrings) {
            if (!text.isEmpty())
                info += Chunk(id.left(4).leftJustified(4, ' ').constData(), text + '\0');
        }
        if (info.size() > 4)
            tail += Chunk("LIST", info);
        if (m_File.write(tail) != tail.size())
            return false;
        const qint64 end = m_File.pos();
        QByteArray size;
        Put32(size, static_cast<quint32>(m_DataBytes));
        QByteArray riff;
        Put32(riff, static_cast<quint32>(end - 8));
        return m_File.seek(m_DataSizeAt) && m_File.write(size) == 4 && m_File.seek(4) && m_File.write(riff) == 4 &&
               m_File.flush();
    }

private:
    QFile &m_File;
    const TWaveFileInfo &m_Info;
    qint64 m_DataSizeAt = 0;
    qint64 m_DataBytes = 0;
};

// Where the audio of a data chunk that says it holds nothing really ends (a writer
// that was stopped before it filled in the size): at the first place from which
// well-formed chunks run exactly to `end`, looked for among the last 64 KB; else
// at `end`.
qint64 DataEndOfUnsizedChunk(QIODevice &device, qint64 body, qint64 end)
{
    const qint64 from = std::max(body, end - 65536);
    if (!device.seek(from))
        return end;
    const QByteArray tail = device.read(end - from);
    const auto plausibleId = [](const char *id) {
        for (int i = 0; i < 4; ++i) {
            if (id[i] < 0x20 || id[i] > 0x7E)
                return false;
        }
        return id[0] != ' ';
    };
    for (qint64 p = from + ((from - body) & 1); p + 8 <= end; p += 2) {
        qint64 q = p;
        while (q + 8 <= end && plausibleId(tail.constData() + (q - from))) {
            const qint64 size = U32(tail.constData() + (q - from) + 4);
            q += 8 + size + (size & 1);
        }
        if (q == end && q != p)
            return p;
    }
    return end;
}

TWaveFileInfo ParseDevice(QIODevice &device, qint64 fileSize)
{
    char header[12];
    if (device.read(header, 12) != 12 || memcmp(header, "RIFF", 4) != 0 || memcmp(header + 8, "WAVE", 4) != 0)
        throw EMMWaveError(Tr(invalidFile));
    const qint64 riffEnd = 8 + qint64(U32(header + 4));
    TWaveFileInfo info;
    bool haveFmt = false, haveData = false, haveFact = false;
    quint32 factFrames = 0;
    qint64 dataEnd = -1; // start of the chunk after the data, once seen
    qint64 pos = 12;
    while (pos + 8 <= fileSize) {
        char ch[8];
        if (!device.seek(pos) || device.read(ch, 8) != 8)
            break;
        const QByteArray id(ch, 4);
        qint64 size = U32(ch + 4);
        const qint64 body = pos + 8;
        if (body + size > riffEnd) {
            if (haveFmt && haveData)
                break;
            size = std::max<qint64>(0, std::min(size, fileSize - body));
        }
        // The data runs up to the next chunk that is really there.
        if (haveData && dataEnd < 0)
            dataEnd = pos;
        if (id == "fmt ") {
            if (haveFmt)
                break;
            haveFmt = true;
            const QByteArray raw = device.read(std::min(size, maxKeptChunk));
            // A short record reads as zeros where it ends.
            char f[18] = {};
            std::memcpy(f, raw.constData(), static_cast<size_t>(std::min<qsizetype>(raw.size(), 18)));
            TPcmFormat &fmt = info.Format;
            fmt.FormatTag = U16(f);
            fmt.Channels = U16(f + 2);
            fmt.SamplesPerSec = U32(f + 4);
            fmt.AvgBytesPerSec = U32(f + 8);
            fmt.BlockAlign = U16(f + 12);
            fmt.BitsPerSample = U16(f + 14);
            fmt.ExtraSize = raw.size() >= 18 ? U16(f + 16) : 0;
            if (fmt.FormatTag != WAVE_FORMAT_PCM && raw.size() > 18)
                info.FormatExtra = raw.mid(18, fmt.ExtraSize);
        } else if (id == "data") {
            if (haveData)
                break;
            haveData = true;
            info.DataStart = body;
            if (size == 0) {
                const qint64 end = riffEnd > body && riffEnd <= fileSize ? riffEnd : fileSize;
                size = DataEndOfUnsizedChunk(device, body, end) - body;
            }
        } else if (id == "fact") {
            if (haveFact)
                break;
            haveFact = true;
            char f[4] = {};
            if (size >= 4 && device.read(f, 4) == 4)
                factFrames = U32(f);
        } else if (id == "LIST" && size >= 4 && size <= maxKeptChunk) {
            const QByteArray list = device.read(size);
            if (list.startsWith("INFO")) {
                for (qsizetype p = 4; p + 8 <= list.size();) {
                    const qsizetype n = U32(list.constData() + p + 4);
                    if (n < 0 || p + 8 + n > list.size())
                        break;
                    QByteArray text = list.mid(p + 8, n);
                    const qsizetype zero = text.indexOf('\0');
                    if (zero >= 0)
                        text.truncate(zero);
                    info.InfoStrings.append({list.mid(p, 4), text});
                    p += 8 + n + (n & 1);
                }
            }
        } else if (id == "DISP" && size >= 4 && size <= maxKeptChunk) {
            const QByteArray disp = device.read(size);
            info.DispEntries.append({U32(disp.constData()), disp.mid(4)});
        }
        pos = body + size + (size & 1);
    }
    if (!haveFmt)
        throw EMMWaveError(Tr(invalidFile));
    TPcmFormat &fmt = info.Format;
    if (fmt.FormatTag == WAVE_FORMAT_PCM) {
        fmt.BlockAlign = static_cast<quint16>(quint32(fmt.Channels) * fmt.BitsPerSample / 8);
        fmt.AvgBytesPerSec = quint32(fmt.BlockAlign) * fmt.SamplesPerSec;
    }
    if (!haveData) {
        info.DataStart = fileSize;
        info.DataLength = 0;
    } else {
        const qint64 end = dataEnd >= info.DataStart ? dataEnd : fileSize;
        info.DataLength = std::max<qint64>(0, end - info.DataStart);
    }
    if (fmt.BlockAlign > 0)
        info.DataLength -= info.DataLength % fmt.BlockAlign;
    const quint32 frames = fmt.BlockAlign > 0 ? static_cast<quint32>(info.DataLength / fmt.BlockAlign) : 0;
    info.Frames = haveFact && factFrames == frames ? factFrames : frames;
    return info;
}

} // namespace

TWaveFileInfo TWaveFileInfo::Read(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EMMWaveError(Tr(readError));
    TWaveFileInfo info = ParseDevice(file, file.size());
    info.FileName = QFileInfo(fileName).absoluteFilePath();
    return info;
}

TWaveFileInfo TWaveFileInfo::Parse(const QByteArray &contents, qint64 fileSize)
{
    QBuffer buffer;
    buffer.setData(contents);
    buffer.open(QIODevice::ReadOnly);
    return ParseDevice(buffer, fileSize);
}

TWaveFileInfo TWaveFileInfo::Parse(QIODevice &device, qint64 fileSize)
{
    if (!device.seek(0))
        throw EMMWaveError(Tr(readError));
    return ParseDevice(device, fileSize);
}

void TMMWave::SetFileName(const QString &fileName)
{
    m_Info.reset();
    m_Info = std::make_unique<TWaveFileInfo>(TWaveFileInfo::Read(fileName));
}

qint64 ConversionChunkBytes(const TPcmFormat &source)
{
    return qint64(source.AvgBytesPerSec) - qint64(source.AvgBytesPerSec) % std::max<quint16>(1, source.BlockAlign);
}

qint32 ConvertedChunkBytes(const TPcmFormat &source, const TPcmFormat &target)
{
    const auto slack = static_cast<qint32>((target.SamplesPerSec / source.SamplesPerSec + 2) * target.BlockAlign);
    return PcmConvertedSize(static_cast<qint32>(ConversionChunkBytes(source)), source, target) + slack;
}

void TMMWave::ConvertToFile(const QString &targetName, const TPcmFormat *targetFormat)
{
    if (!m_Info || !targetFormat || targetName.isEmpty())
        throw EMMWaveError(QCoreApplication::translate("Audio", "Invalid param passed!"));
    const TPcmFormat &source = m_Info->Format;
    if (!IsConvertiblePcm(&source) || !IsConvertiblePcm(targetFormat))
        throw EMMWaveError(
            QCoreApplication::translate("Audio", "This wave file is not valid for conversion"));

    QFile input(m_Info->FileName);
    if (!input.open(QIODevice::ReadOnly))
        throw EMMWaveError(QCoreApplication::translate("Audio", "Unable to open wave file"));
    if (!input.seek(m_Info->DataStart))
        throw EMMWaveError(QCoreApplication::translate("Audio", "Unable to setup file IO buffer"));
    const qint64 total = m_Info->DataLength;

    TWaveFileInfo target;
    target.Format = *targetFormat;
    target.InfoStrings = m_Info->InfoStrings;
    target.DispEntries = m_Info->DispEntries;

    // A fresh name beside the target that no file has: nothing of the user's is
    // ever overwritten before the new file is complete.
    const QString fullTarget = QFileInfo(targetName).absoluteFilePath();
    QTemporaryFile temp(QFileInfo(fullTarget).absolutePath() + QStringLiteral("/w-XXXXXX.TMP"));
    temp.setAutoRemove(true);
    const auto writeFailure = [&] { return ProgramPaths::WhereAndWhy(fullTarget, temp.errorString()); };
    if (!temp.open())
        throw EMMWaveError(Tr(convertError) + QStringLiteral("\r\r") + writeFailure());
    WaveWriter writer(temp, target);
    bool ok = writer.Open();
    // Why the conversion failed, added to its message: where, and what happened.
    QString failure = ok ? QString() : writeFailure();

    const qint64 chunk = ConversionChunkBytes(source);
    const qint32 outSize = ConvertedChunkBytes(source, *targetFormat);
    std::vector<char> in(static_cast<size_t>(chunk), 0);
    std::vector<char> out(static_cast<size_t>(std::max(outSize, 1)), 0);
    const QString tempPath = temp.fileName();
    std::unique_ptr<TResampler> resampler;
    if (BandLimited && RateChangeOnly(source, *targetFormat))
        resampler = TResampler::Make(source.SamplesPerSec, targetFormat->SamplesPerSec);
    std::vector<int16_t> resampled;
    qint64 done = 0;
    while (ok && done < total) {
        const qint64 got = input.read(in.data(), std::min(chunk, total - done));
        if (got <= 0) {
            // The data ends before its length: a read error, not the end.
            ok = false;
            failure = m_Info->FileName + QStringLiteral(": ") +
                      (got < 0 ? input.errorString()
                               : QCoreApplication::translate(
                                     "Audio", "the file ends before its sound data does"));
            break;
        }
        done += got;
        qint32 converted = 0;
        const char *bytes = out.data();
        if (resampler) {
            resampled = resampler->Process(reinterpret_cast<const int16_t *>(in.data()), size_t(got / 2));
            // The last piece also gives what the resampler still holds.
            if (done >= total) {
                const std::vector<int16_t> &rest = resampler->Process(nullptr, 0);
                resampled.insert(resampled.end(), rest.begin(), rest.end());
            }
            converted = qint32(resampled.size() * 2);
            bytes = reinterpret_cast<const char *>(resampled.data());
        } else {
            converted = PcmConvert(static_cast<qint32>(got), in.data(), source, out.data(), *targetFormat);
            if (converted <= 0) {
                ok = false;
                break;
            }
        }
        const qint64 free = QStorageInfo(tempPath).bytesAvailable();
        if (free < 0 || free < qint64(converted) + ioBufferSize + 10240) {
            ok = false;
            failure = fullTarget + QStringLiteral(": ") +
                      QCoreApplication::translate("ProgramPaths", "the disk is full");
            break;
        }
        ok = writer.Write(bytes, converted);
        if (!ok)
            failure = writeFailure();
        // Stopped: nothing replaces the target.
        if (ok && OnProgress && !OnProgress(done, total))
            ok = false;
        QCoreApplication::processEvents();
    }
    input.close();
    if (ok && !writer.Close()) {
        ok = false;
        failure = writeFailure();
    }
    temp.close();
    if (ok) {
        std::error_code error;
        std::filesystem::rename(tempPath.toStdString(), fullTarget.toStdString(), error);
        ok = !error;
        if (ok)
            temp.setAutoRemove(false);
        else
            failure = fullTarget + QStringLiteral(": ") + QString::fromStdString(error.message());
    }
    if (!ok)
        throw EMMWaveError(failure.isEmpty() ? Tr(convertError)
                                             : Tr(convertError) + QStringLiteral("\r\r") + failure);
}
