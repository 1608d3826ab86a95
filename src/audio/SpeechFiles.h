#pragma once

#include <QString>

// The speech files that file runs write beside their outputs: hidden, and named
// after the process that writes them (".parlewind-<pid>-<random>.wav"), so that one
// left by a run that was killed is known as ours and cleaned by the next run,
// while a file of the user's (a "temp.wav" of their own) is never touched.
namespace SpeechFiles {

// The engine's speech: 22,050 samples a second of 16 bits; a text's place in its
// file is told in bytes of it.
constexpr double BytesPerSecond = 44100.0;

// A new, empty file of ours in the folder (speech, or an MP3 not yet in place);
// empty when none can be made there.
QString Create(const QString &directory, const QString &extension = QStringLiteral(".wav"));
// Removes the speech files in the folder whose process has ended (and the MP3 files
// such a process had not finished); returns how many.
int RemoveLeftovers(const QString &directory);

} // namespace SpeechFiles
