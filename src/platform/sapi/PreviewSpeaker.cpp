#include "platform/sapi/PreviewSpeaker.h"

#include "platform/sapi/EspeakWorker.h"
#include "platform/sapi/PcmPlayer.h"
#include "platform/shell/Messages.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>

namespace {

class PreviewTarget : public SynthTarget
{
public:
    PreviewTarget(std::shared_ptr<PcmQueue> queue, std::shared_ptr<std::atomic<bool>> abort)
        : m_Queue(std::move(queue)), m_Abort(std::move(abort))
    {
    }
    bool Audio(const qint16 *s, int n, const std::vector<SynthMark> &marks) override
    {
        return m_Queue->Push(0, *m_Abort, s, n, marks);
    }
    void Finished(bool) override {}

private:
    std::shared_ptr<PcmQueue> m_Queue;
    std::shared_ptr<std::atomic<bool>> m_Abort;
};

} // namespace

PreviewSpeaker::~PreviewSpeaker()
{
    if (m_Player)
        m_Player->Close();
}

bool PreviewSpeaker::Speak(const QString &voice, const Prosody &prosody, const QString &text)
{
    if (text.isEmpty())
        return false;
    if (!m_Player) {
        m_Player = new PcmPlayer(QMediaDevices::defaultAudioOutput(), this);
        if (!m_Player->Open()) {
            Messages::ShowError(
                QCoreApplication::translate("Voices", "No sound device is available."));
            m_Player->Close();
            m_Player->deleteLater();
            m_Player = nullptr;
            return false;
        }
    }
    m_Player->Reset();
    SynthJob job;
    job.voice = voice;
    job.prosody = prosody;
    job.text = text;
    job.abort = std::make_shared<std::atomic<bool>>(false);
    job.target = std::make_shared<PreviewTarget>(m_Player->Queue(), job.abort);
    EspeakWorker::Instance().Submit(std::move(job));
    return true;
}
