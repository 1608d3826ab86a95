#pragma once

#include "platform/sapi/Sapi.h"

#include <QStringList>

#include <vector>

// What the machine offers for speech; set at start, refreshed by each TTTS.
extern bool SpeechApiPresent;
extern bool TtsEnginePresent;
extern bool WaveOutPresent;

// Fills the three flags: the speech library starts and finds its data, it has at
// least one voice, and there is at least one sound output. Without `sound` no
// sound output is looked for (speech into files needs none).
void DetectSpeechSupport(bool sound = true);

// Appends the name of every installed voice, in the engine's order; returns the last
// result code (a failing enumerator raises EOleError).
HRESULT ListModeNames(QStringList &list);
// Every installed voice's description, in the engine's order.
std::vector<TTSMODEINFO> ListModes();

// The name without the blanks and control characters around it.
QString TrimControls(const QString &text);

// The id of the voice of that name (blanks and control characters around either
// name do not count), or the null id.
QUuid FindModeID(const QString &name);
