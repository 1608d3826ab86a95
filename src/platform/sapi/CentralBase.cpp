#include "platform/sapi/CentralBase.h"

#include "platform/sapi/EspeakEngine.h"

#include <QDateTime>

#include <algorithm>

QString CentralBase::TextOf(const SDATA &data)
{
    if (!data.pData || data.dwSize < 2)
        return {};
    const auto *chars = static_cast<const char16_t *>(data.pData);
    qsizetype length = data.dwSize / 2;
    for (qsizetype i = 0; i < length; ++i) {
        if (chars[i] == 0) {
            length = i;
            break;
        }
    }
    return QString::fromUtf16(chars, length);
}

HRESULT CentralBase::CheckTextData(quint32 charSet, const SDATA &text, const ITTSBufNotifySink *sink, const QUuid &sinkId)
{
    if (charSet != CHARSET_TEXT)
        return E_NOTIMPL;
    if (!text.pData && text.dwSize > 0)
        return E_POINTER;
    if (!sink)
        return S_FALSE;
    if (sinkId != SapiIds::IID_ITTSBufNotifySink)
        return E_NOINTERFACE;
    return S_OK;
}

quint64 CentralBase::Now() { return static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()) * 10000; }

void CentralBase::NotifyAudio(bool start)
{
    m_AudioOn = start;
    const std::weak_ptr<bool> alive = m_Alive;
    const auto sinks = m_NotifySinks;
    for (const auto &[key, sink] : sinks) {
        if (alive.expired())
            return;
        if (start)
            sink->AudioStart(Now());
        else
            sink->AudioStop(Now());
    }
}

void CentralBase::Attrib(quint32 attribute)
{
    const std::weak_ptr<bool> alive = m_Alive;
    const auto sinks = m_NotifySinks;
    for (const auto &[key, sink] : sinks) {
        if (alive.expired())
            return;
        sink->AttribChanged(attribute);
    }
}

HRESULT CentralBase::Register(std::shared_ptr<ITTSNotifySink> sink, const QUuid &sinkId, quint32 *key)
{
    if (!sink || !key)
        return E_POINTER;
    if (sinkId != SapiIds::IID_ITTSNotifySink)
        return E_NOINTERFACE;
    *key = m_NextKey++;
    m_NotifySinks[*key] = std::move(sink);
    return S_OK;
}

HRESULT CentralBase::UnRegister(quint32 key) { return m_NotifySinks.erase(key) ? S_OK : E_INVALIDARG; }

HRESULT CentralBase::QueryAttributes(std::shared_ptr<ITTSAttributes> *attributes)
{
    if (!attributes)
        return E_POINTER;
    *attributes = std::shared_ptr<ITTSAttributes>(shared_from_this(), this);
    return S_OK;
}

HRESULT CentralBase::QueryDialogs(std::shared_ptr<ITTSDialogs> *dialogs)
{
    if (!dialogs)
        return E_POINTER;
    *dialogs = std::shared_ptr<ITTSDialogs>(shared_from_this(), this);
    return S_OK;
}

HRESULT CentralBase::PitchGet(quint16 *pitch)
{
    if (!pitch)
        return E_POINTER;
    *pitch = static_cast<quint16>(m_Prosody.pitch);
    return S_OK;
}

HRESULT CentralBase::PitchSet(quint16 pitch)
{
    m_Prosody.pitch = std::clamp<int>(pitch, EspeakEngine::MinPitch, EspeakEngine::MaxPitch);
    return S_OK;
}

HRESULT CentralBase::SpeedGet(quint32 *speed)
{
    if (!speed)
        return E_POINTER;
    *speed = static_cast<quint32>(m_Prosody.rate);
    return S_OK;
}

HRESULT CentralBase::SpeedSet(quint32 speed)
{
    m_Prosody.rate = static_cast<int>(std::clamp<quint32>(speed, EspeakEngine::MinSpeed, EspeakEngine::MaxSpeed));
    return S_OK;
}
