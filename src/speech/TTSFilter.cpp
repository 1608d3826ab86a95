#include "speech/TTSFilter.h"

#include "settings/Preferences.h"

#include <algorithm>

namespace {

const QString httpPrefix = QStringLiteral("http://");
const QString www = QStringLiteral("www");
const QString spelledWww = QStringLiteral("w w w");
const QString webLink = QStringLiteral(" web link");

// A path shorter than this is read as it stands.
constexpr qsizetype minPathToHide = 10;

} // namespace

bool TTTSFilter::IsFilteredSymbol(QChar c)
{
    switch (c.unicode()) {
    case '(': case ')': case '<': case '>': case '[': case '\\':
    case ']': case '^': case '{': case '|': case '}':
        return true;
    default:
        return false;
    }
}

QString TTTSFilter::Filter(const QString &input)
{
    m_Records.clear();
    QString text = input;

    if (m_Prefs.TTS_FilterSymbols) {
        for (QChar &c : text) {
            if (IsFilteredSymbol(c))
                c = QLatin1Char(' ');
        }
    }

    // Replacing by blanks cannot form a new prefix, so one pass finds them all.
    for (qsizetype at = text.indexOf(httpPrefix); at >= 0; at = text.indexOf(httpPrefix, at))
        text.replace(at, httpPrefix.size(), QString(httpPrefix.size(), QLatin1Char(' ')));

    // Nothing written below can start a "www" before the last letter of the
    // "w w w" just inserted, so each search goes on from there.
    for (qsizetype at = text.indexOf(www); at >= 0; at = text.indexOf(www, at + 4)) {
        text.replace(at, www.size(), spelledWww);
        m_Records.push_back({static_cast<qint32>(at), static_cast<qint32>(at + 5), -2});

        // Only a blank ends a link; a link that runs to the end of the text is
        // left as it is.
        qsizetype slash = -1;
        qsizetype blank = -1;
        for (qsizetype i = at + 5; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (c == QLatin1Char(' ')) {
                blank = i;
                break;
            }
            if (slash < 0 && c == QLatin1Char('/'))
                slash = i;
        }
        if (slash >= 0 && blank >= 0 && blank - slash >= minPathToHide) {
            text.replace(slash, webLink.size(), webLink);
            for (qsizetype i = slash + webLink.size(); i < blank; ++i)
                text[i] = QLatin1Char(' ');
        }
    }

    std::stable_sort(m_Records.begin(), m_Records.end(),
                     [](const TOffsetRecord &a, const TOffsetRecord &b) { return a.Start < b.Start; });
    return text;
}

qint32 TTTSFilter::MapPosition(qint32 position) const
{
    qint32 sum = 0;
    for (const TOffsetRecord &r : m_Records) {
        if (r.Start <= position && position <= r.End)
            return r.Start + sum;
        if (r.Start < position)
            sum += r.Delta;
        else
            break;
    }
    return position + sum;
}
