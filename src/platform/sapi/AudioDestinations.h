#pragma once

#include "platform/sapi/Sapi.h"

#include <QFile>

#include <mutex>

// A RIFF WAVE file of 16-bit mono PCM written while it grows; the sizes in its
// header are filled in when it is finished. Safe to append from another thread.
class WaveFileWriter
{
public:
    explicit WaveFileWriter(int sampleRate) : m_SampleRate(sampleRate) {}
    ~WaveFileWriter();

    HRESULT Open(const QString &path);
    // False once writing failed (a full disk) or the file is closed.
    bool Append(const qint16 *samples, int count);
    HRESULT Finish();
    bool IsOpen();
    qint64 SamplesWritten();
    // The file's name, and its size so far (header included).
    QString Path();
    qint64 Size();

private:
    std::mutex m_Mutex;
    QFile m_File;
    int m_SampleRate;
    qint64 m_Samples = 0;
    bool m_Failed = false;
};

class MultiMediaDeviceDest : public IAudioMultiMediaDevice
{
public:
    HRESULT DeviceNumSet(qint32 deviceId) override;
    qint32 DeviceNum() const override { return m_Device; }

private:
    qint32 m_Device = -1;
};

class AudioFileDest : public IAudioFile
{
public:
    AudioFileDest();
    HRESULT Set(const QString &fileName, quint32 flags) override;
    HRESULT Flush() override;
    std::shared_ptr<WaveFileWriter> Writer() const { return m_Writer; }

private:
    std::shared_ptr<WaveFileWriter> m_Writer;
};

class AudioDirectDest : public IAudioDirect
{
public:
    HRESULT Init() override { return S_OK; }
};
