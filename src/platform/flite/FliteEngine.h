#pragma once

#include <QString>
#include <QStringList>

// The second speech engine: Flite's English voices (SLT, RMS, AWB, Kal16), listed
// with the other voices and spoken through the same engine objects. Its 16 kHz
// speech is brought to the program's rate by a band-limited resampler.
namespace FliteEngine {

// Adds Flite's voices to the voice modes; call once, before they are first listed.
void Register();
// A long text for a file is made in pieces by child processes of the program in
// this hidden mode: `arguments` (after the option) are the voice, pitch and speed;
// the text comes on standard input. Returns the exit status.
int ChildMain(const QStringList &arguments);
inline constexpr const char *ChildOption = "--speak-flite";

} // namespace FliteEngine
