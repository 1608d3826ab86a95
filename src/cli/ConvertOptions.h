#pragma once

#include "audio/AudioWriter.h"
#include "audio/TimedText.h"

#include <QString>
#include <QStringList>

// What `parlewind --convert` was asked to do.
struct TConvertOptions
{
    enum TAction { Convert, Help, Version, ListVoices };

    TAction Action = Convert;
    QStringList Inputs; // text files; "-" is the standard input
    QString ArticlesFile;
    QString Voice;
    int Speed = 0; // 0: the voice's own
    int Pitch = 0;
    QString Pauses; // as stored ("300,550,900"); empty: the stored ones
    int Languages = -1; // other languages read by their own voices: 1 yes, 0 no, -1 as stored
    TOutputFormat Format = TOutputFormat::Mp3;
    bool Text = false; // the text that would be spoken, not speech
    TSubtitleFormat Subtitles = TSubtitleFormat::None; // timed text beside each file
    // A read-along book: each word lit, not only each sentence; its sound AAC, not MP3.
    bool HighlightWords = false;
    bool BookAac = false;
    QString OutDir = QStringLiteral(".");
    QString SingleFile;
    int Jobs = 0; // 0: one a core
    bool Quiet = false;
    bool WholePage = false; // a web page read whole, not only its main text
    bool Overwrite = false;

    // `arguments` without the program's name. False with the reason in `error`
    // when they make no sense.
    bool Parse(const QStringList &arguments, QString *error);

    // The arguments ask for the command line rather than the window.
    static bool Wanted(const QStringList &arguments);
    static QString Usage();
    // Speech encoded into another format than WAV (by the encoding jobs).
    bool Encoded() const { return !Text && Format != TOutputFormat::Wav; }
};
