#pragma once

#include <QString>

#include <algorithm>
#include <vector>

// How many characters must change to make the recognised text the expected one,
// for each of the expected text's: spaces of every kind count as one, and the
// typographic apostrophe printing makes of ' is no error.
inline double CharacterErrorRate(const QString &expected, const QString &found)
{
    const QString a = QString(expected).replace(QChar(0x2019), QLatin1Char('\'')).simplified();
    const QString b = QString(found).replace(QChar(0x2019), QLatin1Char('\'')).simplified();
    std::vector<int> row(size_t(b.size()) + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[size_t(j)] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[size_t(j)];
            row[size_t(j)] = std::min({above + 1, row[size_t(j - 1)] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return a.isEmpty() ? 1.0 : double(row[size_t(b.size())]) / double(a.size());
}
