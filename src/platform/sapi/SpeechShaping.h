#pragma once

#include "platform/sapi/EspeakWorker.h"

#include <QString>

#include <memory>
#include <vector>

// The pauses the listener chose, in milliseconds at the voice's normal speed; they
// shrink as the speed grows (twice the speed, half the pause).
struct PauseLengths
{
    int sentence = 300;
    int paragraph = 550;
    int article = 900;

    enum Preset { Short, Normal, Long, Custom };
    static PauseLengths Of(Preset preset);
    // The preset these lengths are, or Custom.
    Preset Named() const;
    // "300,550,900"; a value that is not three lengths gives the normal pauses.
    QString ToString() const;
    static PauseLengths FromString(const QString &text);
    bool operator==(const PauseLengths &other) const = default;

    static constexpr int Longest = 5000;
};

namespace SpeechShaping {

// Every voice's normal pace in words a minute: the speed factor is the rate over it.
constexpr int NormalRate = 175;
// The fastest espeak-ng speaks by its own rules.
constexpr int EngineFastest = 450;

// What a new text is read with; the program sets it before a reading starts.
void SetPauses(const PauseLengths &pauses);
PauseLengths Pauses();

// Puts the shaping stages in front of `target` for a text of `text` read at `rate`
// (`tagged`: with the speed tags in it) by an engine that speaks no faster than
// `fastest`: the sound is made faster beyond that (its pitch kept), and the pauses
// between its sentences, between its paragraphs and at its end are made the chosen
// lengths. Word positions move with the sound.
std::shared_ptr<SynthTarget> Shape(std::shared_ptr<SynthTarget> target, const QString &text, bool tagged, int rate,
                                   int fastest, const PauseLengths &pauses);

// Where sentences and paragraphs of `text` start: the index of each one's first
// character and whether a paragraph starts there. The text's first sentence is left out.
struct Boundary
{
    int from = 0;  // after the blanks before it
    int upTo = 0;  // its first letter or digit (an opening quote may come before it)
    bool paragraph = false;
};
std::vector<Boundary> Boundaries(const QString &text);
// A sentence that ends in this (a stop, a question mark, a closing quote) has ended.
bool EndsSentence(QChar c);

} // namespace SpeechShaping
