#pragma once

#include "platform/sapi/TextPrep.h"

#include <QByteArray>
#include <QString>

#include <vector>

class LexiconTable;

// Flite's front end reads ASCII only: curly quotes and dashes would become words of
// their own, "café" would be spoken "caf". The text is folded to what it reads —
// letters without their accents, quotes and dashes as their ASCII kin, an ellipsis as
// three dots, anything it cannot say as a blank — keeping, for every byte, the place
// in the original it came from.
struct FoldedText
{
    QByteArray ascii;
    std::vector<int> source; // source[i]: the UTF-16 index in the original of ascii[i]
    // Where the prosody changes (a "\Pit=N\" or "\Spd=N\" tag): from that byte on.
    struct Change
    {
        int at = 0;
        Prosody prosody;
    };
    std::vector<Change> changes;
};

namespace FliteText {

// Longest token the library is given: longer runs of letters are cut, and numbers
// are read in groups of at most this many digits (a 400-digit number would speak
// for minutes, a 20,000-letter word would take minutes to make).
constexpr int MaxToken = 40;
constexpr int MaxDigits = 12;
// A run of that many characters without a blank is no word, number or address
// anyone says: only its start is spoken (the voice spells what it cannot say, and
// a 200,000-letter run would speak for hours).
constexpr int MaxRun = 200;

// `tagged`: "\Pit=N\" and "\Spd=N\" are read as prosody changes, starting from
// `base`. Words of the user's lexicon are replaced by how they sound.
FoldedText Fold(const QString &text, bool tagged, const Prosody &base, const LexiconTable *lexicon);

} // namespace FliteText
