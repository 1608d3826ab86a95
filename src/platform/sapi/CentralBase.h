#pragma once

#include "platform/sapi/Sapi.h"
#include "platform/sapi/TextPrep.h"

#include <map>
#include <memory>

// What every opened voice shares, whoever makes its sound: its pitch and speed,
// and the sinks told when its sound starts and stops.
class CentralBase : public ITTSCentral, public ITTSAttributes, public ITTSDialogs,
                    public std::enable_shared_from_this<CentralBase>
{
public:
    explicit CentralBase(Prosody prosody) : m_Prosody(prosody) {}

    HRESULT Register(std::shared_ptr<ITTSNotifySink> sink, const QUuid &sinkId, quint32 *key) override;
    HRESULT UnRegister(quint32 key) override;
    HRESULT QueryAttributes(std::shared_ptr<ITTSAttributes> *attributes) override;
    HRESULT QueryDialogs(std::shared_ptr<ITTSDialogs> *dialogs) override;

    HRESULT PitchGet(quint16 *pitch) override;
    HRESULT PitchSet(quint16 pitch) override;
    HRESULT SpeedGet(quint32 *speed) override;
    HRESULT SpeedSet(quint32 speed) override;

    // A submitted text: UTF-16 up to its terminating zero.
    static QString TextOf(const SDATA &data);
    // Whether a call of TextData can be taken: S_OK to speak, S_FALSE for a call
    // that only settles settings (no sink: nothing to speak), else the failure.
    static HRESULT CheckTextData(quint32 charSet, const SDATA &text, const ITTSBufNotifySink *sink, const QUuid &sinkId);
    // Now, in the 100 ns units of the notifications.
    static quint64 Now();

protected:
    void NotifyAudio(bool start);
    void Attrib(quint32 attribute);

    Prosody m_Prosody;
    bool m_AudioOn = false;
    // Gone once this voice is: a sink's call may close it.
    std::shared_ptr<bool> m_Alive = std::make_shared<bool>(true);

private:
    std::map<quint32, std::shared_ptr<ITTSNotifySink>> m_NotifySinks;
    quint32 m_NextKey = 1;
};
