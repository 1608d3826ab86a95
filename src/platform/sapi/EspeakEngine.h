#pragma once

#include "platform/sapi/EspeakWorker.h"
#include "platform/sapi/Sapi.h"
#include "platform/sapi/SpeechShaping.h"

#include <QString>

#include <vector>

// One voice mode of our engine and the espeak-ng voice behind it.
struct EspeakMode
{
    TTSMODEINFO info;
    QString voice; // espeak-ng voice name with variant, or the other engine's own
    Prosody defaults;
    Synthesizer *synthesizer = nullptr; // another engine's; none: espeak-ng
    // The fastest the engine itself is asked to speak (words a minute): the sound is
    // made faster beyond it. Voices trained on speech at a normal pace blur and rise
    // in pitch when hurried much (Flite's, Piper's: half again at most); espeak-ng's
    // rules hold up to 450.
    int fastest = SpeechShaping::EngineFastest;
    // An engine that plays its speech itself opens its modes its own way.
    using Opener = HRESULT (*)(const EspeakMode &mode, std::shared_ptr<IAudio> destination,
                               std::shared_ptr<ITTSCentral> *central);
    Opener open = nullptr;
};

namespace EspeakEngine {

inline const QString ProductName = QStringLiteral("Parlewind Speech");
inline const QString MfgName = QStringLiteral("Parlewind");

// Pitch and speed limits in engine units; speed in words a minute, half to four
// times the normal 175 (the fastest part made by stretching the sound).
constexpr quint16 MinPitch = 1;
constexpr quint16 MaxPitch = 100;
constexpr quint32 MinSpeed = 88;
constexpr quint32 MaxSpeed = 700;

// The modes, "Mary" first; built from the voices the library has and the
// languages chosen. Only the user-interface thread reads or rebuilds them.
const std::vector<EspeakMode> &Modes();
void RebuildModes();
const EspeakMode *FindMode(const QUuid &modeId);
// espeak-ng's voice for a language ("de", "fr-CA"), listed or not, female (gender 1)
// or male (2): it reads a part of a text in that language when no listed voice
// speaks it. None for a language espeak-ng does not speak.
const EspeakMode *LanguageMode(const QString &language, quint16 gender);

HRESULT CreateEnumerator(std::shared_ptr<ITTSEnum> *enumerator, std::shared_ptr<ITTSFind> *find);

// A mode of ours, as every engine's modes are made.
EspeakMode MakeMode(const QString &name, const QString &voice, quint16 gender, quint16 language,
                    const QString &dialect, Prosody defaults);
// Another engine's modes, listed after the English voices of espeak-ng.
using ModeSource = std::vector<EspeakMode> (*)();
void AddModeSource(ModeSource source);

} // namespace EspeakEngine
