#include "speech/SpTools.h"

#include <QCoreApplication>

#include "platform/flite/FliteEngine.h"
#include "platform/piper/PiperEngine.h"

#include "platform/waveout/WaveOut.h"
#include "speech/SpeechError.h"

#include <functional>

bool SpeechApiPresent = false;
bool TtsEnginePresent = false;
bool WaveOutPresent = false;

namespace {

std::shared_ptr<ITTSEnum> CreateEnum()
{
    std::shared_ptr<ITTSEnum> enumerator;
    const HRESULT hr = CreateTTSEnumerator(&enumerator, nullptr);
    if (FAILED(hr) || !enumerator)
        throw EOleError(
            ESpeechError::SystemText(hr).isEmpty()
                ? QCoreApplication::translate("Voices", "The speech engine could not be started.")
                : ESpeechError::SystemText(hr));
    return enumerator;
}

} // namespace

QString TrimControls(const QString &text)
{
    int start = 0;
    int end = static_cast<int>(text.size());
    while (start < end && text.at(start) <= QLatin1Char(' '))
        ++start;
    while (end > start && text.at(end - 1) <= QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

void DetectSpeechSupport(bool sound)
{
    SpeechApiPresent = false;
    TtsEnginePresent = false;
    WaveOutPresent = false;
    FliteEngine::Register();
    PiperEngine::Register();
    std::shared_ptr<ITTSEnum> enumerator;
    if (SUCCEEDED(CreateTTSEnumerator(&enumerator, nullptr)) && enumerator) {
        SpeechApiPresent = true;
        TTSMODEINFO mode;
        quint32 fetched = 0;
        enumerator->Reset();
        TtsEnginePresent = enumerator->Next(1, &mode, &fetched) == S_OK && fetched == 1;
    }
    WaveOutPresent = sound && waveOutCheckServer();
}

namespace {

HRESULT EachMode(const std::function<void(const TTSMODEINFO &)> &take)
{
    const auto enumerator = CreateEnum();
    HRESULT hr = enumerator->Reset();
    if (hr != S_OK)
        return hr;
    for (;;) {
        TTSMODEINFO mode;
        quint32 fetched = 0;
        hr = enumerator->Next(1, &mode, &fetched);
        if (hr != S_OK || fetched == 0)
            break;
        take(mode);
    }
    return hr;
}

} // namespace

HRESULT ListModeNames(QStringList &list)
{
    return EachMode([&](const TTSMODEINFO &mode) { list << mode.szModeName; });
}

std::vector<TTSMODEINFO> ListModes()
{
    std::vector<TTSMODEINFO> modes;
    EachMode([&](const TTSMODEINFO &mode) { modes.push_back(mode); });
    return modes;
}

QUuid FindModeID(const QString &name)
{
    const auto enumerator = CreateEnum();
    const auto check = [](HRESULT hr) {
        if (FAILED(hr))
            throw EOleError(ESpeechError::SystemText(hr));
    };
    check(enumerator->Reset());
    const QString wanted = TrimControls(name);
    TTSMODEINFO mode;
    quint32 fetched = 0;
    check(enumerator->Next(1, &mode, &fetched));
    while (fetched == 1) {
        if (TrimControls(mode.szModeName) == wanted)
            return mode.gModeID;
        check(enumerator->Next(1, &mode, &fetched));
    }
    return {};
}
