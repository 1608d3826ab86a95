#include "platform/sapi/AudioDestinations.h"

#include "platform/sapi/EspeakWorker.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <cstring>
#include <QtEndian>

namespace {

QByteArray Header(int rate, qint64 samples)
{
    const quint32 dataBytes = static_cast<quint32>(samples * 2);
    QByteArray h(44, '\0');
    char *p = h.data();
    std::memcpy(p, "RIFF", 4);
    qToLittleEndian<quint32>(36 + dataBytes, p + 4);
    std::memcpy(p + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, p + 16);
    qToLittleEndian<quint16>(1, p + 20); // PCM
    qToLittleEndian<quint16>(1, p + 22); // mono
    qToLittleEndian<quint32>(static_cast<quint32>(rate), p + 24);
    qToLittleEndian<quint32>(static_cast<quint32>(rate * 2), p + 28);
    qToLittleEndian<quint16>(2, p + 32);
    qToLittleEndian<quint16>(16, p + 34);
    std::memcpy(p + 36, "data", 4);
    qToLittleEndian<quint32>(dataBytes, p + 40);
    return h;
}

} // namespace

WaveFileWriter::~WaveFileWriter() { Finish(); }

HRESULT WaveFileWriter::Open(const QString &path)
{
    std::lock_guard lock(m_Mutex);
    if (m_File.isOpen())
        m_File.close();
    m_File.setFileName(path);
    m_Samples = 0;
    m_Failed = false;
    if (!m_File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return TTSERR_DISKERROR;
    if (m_File.write(Header(m_SampleRate, 0)) != 44) {
        m_File.close();
        return TTSERR_DISKERROR;
    }
    return S_OK;
}

bool WaveFileWriter::Append(const qint16 *samples, int count)
{
    std::lock_guard lock(m_Mutex);
    if (!m_File.isOpen() || m_Failed)
        return false;
    qint64 written = 0;
    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) {
        written = m_File.write(reinterpret_cast<const char *>(samples), qint64(count) * 2);
    } else {
        QByteArray bytes(count * 2, Qt::Uninitialized);
        for (int i = 0; i < count; ++i)
            qToLittleEndian<qint16>(samples[i], bytes.data() + 2 * i);
        written = m_File.write(bytes);
    }
    if (written != qint64(count) * 2) {
        m_Failed = true;
        return false;
    }
    m_Samples += count;
    return true;
}

HRESULT WaveFileWriter::Finish()
{
    std::lock_guard lock(m_Mutex);
    if (!m_File.isOpen())
        return S_OK;
    bool ok = !m_Failed && m_File.seek(0) && m_File.write(Header(m_SampleRate, m_Samples)) == 44;
    ok = m_File.flush() && ok;
    m_File.close();
    return ok ? S_OK : TTSERR_DISKERROR;
}

bool WaveFileWriter::IsOpen()
{
    std::lock_guard lock(m_Mutex);
    return m_File.isOpen();
}

QString WaveFileWriter::Path()
{
    std::lock_guard lock(m_Mutex);
    return m_File.fileName();
}

qint64 WaveFileWriter::Size()
{
    std::lock_guard lock(m_Mutex);
    return 44 + m_Samples * 2;
}

qint64 WaveFileWriter::SamplesWritten()
{
    std::lock_guard lock(m_Mutex);
    return m_Samples;
}

HRESULT MultiMediaDeviceDest::DeviceNumSet(qint32 deviceId)
{
    if (deviceId < -1 || deviceId >= QMediaDevices::audioOutputs().size())
        return AUDERR_BADDEVICEID;
    m_Device = deviceId;
    return S_OK;
}

AudioFileDest::AudioFileDest() : m_Writer(std::make_shared<WaveFileWriter>(SynthRate)) {}

HRESULT AudioFileDest::Set(const QString &fileName, quint32 flags)
{
    Q_UNUSED(flags);
    if (fileName.isEmpty())
        return E_INVALIDARG;
    m_Writer->Finish();
    return m_Writer->Open(fileName);
}

HRESULT AudioFileDest::Flush() { return m_Writer->Finish(); }
