#pragma once

#include <QByteArray>
#include <QList>
#include <QHash>
#include <QString>

#include <climits>
#include <utility>
#include <vector>

// A part of a text in another language than the one it is read in.
struct TLanguageRange
{
    int Start = 0;
    int Length = 0;
    QString Language; // a language code: "de", "ru", "zh"
    bool operator==(const TLanguageRange &other) const = default;
};
using TLanguageRanges = QList<TLanguageRange>;

namespace LanguageRanges {

// "0,21,fr 40,12,de-AT", as kept in files.
QByteArray ToText(const TLanguageRanges &ranges);
// Nothing of a text that is not that (or has a part outside `length` characters).
TLanguageRanges FromText(const QByteArray &text, int length = INT_MAX);
// A language code as documents write it ("de", "de-AT", "zh_Hans"), in the form
// kept ("de-AT", "zh-Hans"); empty for anything else.
QString Code(const QString &language);
// Whether two language codes name the same language ("en-GB" and "en-US" do).
bool SameLanguage(const QString &a, const QString &b);
// The ranges of texts joined one after another: `more` placed `at` on.
void Append(TLanguageRanges &ranges, const TLanguageRanges &more, int at);

} // namespace LanguageRanges

// The parts in other languages of the articles opened from documents, kept beside
// the saved articles as their reading places are (their file stays as it is).
namespace ArticleLanguages {

// Beside the saved articles ("PWLanguages.txt").
QString File();
// Article key (ReadingPlaces::Key) to its ranges; a line that is damaged is left out.
QHash<QByteArray, TLanguageRanges> Load(const QString &file, QString *problem = nullptr);
bool Save(const QString &file, const std::vector<std::pair<QByteArray, TLanguageRanges>> &articles);

} // namespace ArticleLanguages
