#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// Piper's neural voices, where the user has the piper program and voice files (a
// NAME.onnx model beside its NAME.onnx.json). Each voice speaks through a piper
// process of its own that stays running (its model loads once), given one
// sentence at a time in piper's JSON input, each written to a WAV file whose
// path piper prints: the start of every sentence is known to the sample. Files are
// made by one such process per core.
namespace PiperEngine {

inline const QString ProductName = QStringLiteral("Piper");

struct TVoice
{
    QString name;     // as offered: "Piper lessac (en_US, medium)"
    QString model;    // the .onnx file
    QString config;   // its .onnx.json
    QString language; // "en_US"
    QString quality;  // "medium"
    int sampleRate = 22050;
};

// The folders looked in besides those the user added.
QStringList StandardFolders();
// The program (empty: piper on the PATH) and the folders the user added; the
// voices are looked for anew. Call before the voices are first listed.
void Configure(const QString &program, const QStringList &folders);
// Adds the voices found to the voice modes.
void Register();

// The voice of a model's JSON, or none (an empty name) when the file is not a
// voice's: name, language, quality and rate from it.
TVoice ReadVoice(const QString &model);

// How long a piper process may answer nothing before it is taken for hung (tests
// shorten it); 30 seconds unless set.
void SetSilenceLimit(int ms);

struct TSummary
{
    QString program; // the program found, empty when none
    QStringList folders;
    int voices = 0;
};
TSummary Summary();

} // namespace PiperEngine
