#pragma once

#include <QString>

#include <functional>

// Set by the exit command: an encoding in progress stops after its current chunk
// and still finishes a complete (shorter) file.
extern bool Mp3AbortRequested;

// Encodes the samples of a 44100 Hz mono 16-bit wave file into an MP3 file of
// 64 kbit/s. Progress (0-100) is reported after every chunk. Failures are traced
// and shown to the user, or handed to the caller in `failure` when it is given;
// the MP3 file is only replaced by a finished one. True when it was written.
bool EncodeMp3File(const QString &waveFileName, const QString &mp3FileName,
                   const std::function<void(int percent)> &progress = {}, QString *failure = nullptr);
