#pragma once

#include "platform/sapi/Sapi.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

// A scripted speech engine for the speech component's state machine and error paths:
// results are set by the test, calls are recorded.
struct FakeScript
{
    std::vector<TTSMODEINFO> modes;
    // Which mode Find answers (index into modes); by default the best exact match.
    std::function<int(const TTSMODEINFO &, const TTSMODEINFORANK *)> findRule;

    HRESULT createResult = S_OK;
    HRESULT selectResult = S_OK;
    HRESULT textDataResult = S_OK;
    HRESULT injectResult = S_OK;
    HRESULT phonemeResult = S_OK;
    HRESULT attributesResult = S_OK;
    HRESULT dialogsResult = S_OK;
    HRESULT registerResult = S_OK;
    HRESULT pitchGetResult = S_OK;
    HRESULT speedGetResult = S_OK;
    HRESULT lexiconResult = S_OK;

    quint16 pitch = 50, minPitch = 10, maxPitch = 200;
    quint32 speed = 150, minSpeed = 50, maxSpeed = 300;

    QStringList calls;
    QStringList texts;
    std::vector<quint32> textSizes;
    std::vector<quint32> textFlags;
    std::shared_ptr<ITTSBufNotifySink> lastBufSink;
    std::shared_ptr<ITTSNotifySink> notifySink;
    int selects = 0;
    int liveCentrals = 0;

    static TTSMODEINFO Mode(const QString &name, quint32 features = TTSFEATURE_TAGGED,
                            quint32 interfaces = TTSI_ITTSATTRIBUTES | TTSI_ITTSDIALOGS);
};

// Installs the fake as the enumerator class for the lifetime of the object.
class FakeEngineInstall
{
public:
    FakeEngineInstall();
    ~FakeEngineInstall();
    std::shared_ptr<FakeScript> script = std::make_shared<FakeScript>();
};
