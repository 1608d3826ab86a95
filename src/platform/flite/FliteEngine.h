#pragma once

#include <QString>

// The second speech engine: Flite's English voices (SLT, RMS, AWB, Kal16), listed
// with the other voices and spoken through the same engine objects. Its 16 kHz
// speech is brought to the program's rate by a band-limited resampler.
namespace FliteEngine {

// Adds Flite's voices to the voice modes; call once, before they are first listed.
void Register();
// The library's version, for the About box.
QString Version();

} // namespace FliteEngine
