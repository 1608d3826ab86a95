#pragma once

#include <QString>

#include <vector>

class TPreferences;

// Where one "www" was spelt out as "w w w": the inserted letters occupy
// [Start, End) of the rewritten text, and every later position is Delta away from
// its place in the original.
struct TOffsetRecord
{
    qint32 Start = 0;
    qint32 End = 0;
    qint32 Delta = 0;
};

// Rewrites a text just before it is spoken so that the engine does not read out
// brackets, "http://" or the long path of a web link. All rewrites keep the length
// except spelling out "www"; those are recorded so that a position in the spoken
// text can be mapped back to the text the user sees.
class TTTSFilter
{
public:
    explicit TTTSFilter(const TPreferences &prefs) : m_Prefs(prefs) {}

    QString Filter(const QString &text);
    // A 0-based position in the text last returned by Filter, as a position in the
    // text that was given to it.
    qint32 MapPosition(qint32 position) const;

    const std::vector<TOffsetRecord> &Records() const { return m_Records; }

    static bool IsFilteredSymbol(QChar c);

private:
    const TPreferences &m_Prefs;
    std::vector<TOffsetRecord> m_Records;
};
