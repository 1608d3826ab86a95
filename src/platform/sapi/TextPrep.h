#pragma once

#include "platform/sapi/Lexicon.h"

#include <QHash>
#include <QString>

#include <string>
#include <vector>

// Turns a submitted text into the marked-up text the synthesiser reads, keeping for
// every character of the markup the position of the character of the submitted text
// it came from, so that spoken words can be reported at their place in the original.
//
// - "&", "<" and ">" are escaped; control characters become blanks.
// - With tags on, "\Pit=N\" and "\Spd=N\" change pitch and speed from that point.
// - Words found in the lexicon (whole words, any case) are replaced by how they
//   sound; every character of the replacement points back at the word.
struct PreparedText
{
    std::string markup; // UTF-8
    // positions[i] = UTF-16 index in the original of markup code point i (0-based).
    std::vector<int> positions;
    int originalLength = 0;

    // The original UTF-16 index of a 1-based code point position reported by the
    // synthesiser; -1 when it lies outside the text.
    int OriginalIndex(int codePointPosition) const;
};

struct Prosody
{
    int pitch = 50; // 0-100
    int rate = 175; // words per minute
};

class TextPrep
{
public:
    // `lexicon` (may be null) holds the user's pronunciations.
    // `base` is what the synthesiser is set to; `start` (when given) what is in force
    // at the start of this text; `last` (when given) receives what is in force at its end.
    static PreparedText Prepare(const QString &text, bool tagged, const Prosody &base,
                                const LexiconTable *lexicon, Prosody *last = nullptr,
                                const Prosody *start = nullptr);

    // Reads one control tag ("\Pit=120\", "\spd=200\") at `pos`; returns its length
    // (0 when there is none) and updates `prosody`.
    static int ReadTag(const QString &text, int pos, Prosody &prosody);

    // Where the pieces of `text` from `from` on start and how long they are (without
    // the blanks after them), for a voice that is given a sentence at a time: one a
    // sentence, a sentence longer than `longest` cut at a space.
    static std::vector<std::pair<int, int>> SentencePieces(const QString &text, int from, int longest = 600);
};
