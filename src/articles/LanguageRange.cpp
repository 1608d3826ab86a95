#include "articles/LanguageRange.h"

#include "articles/ReadingPlaces.h"
#include "articles/SavedArticles.h"
#include "platform/shell/ProgramPaths.h"

#include <QFileInfo>

#include <QRegularExpression>

namespace LanguageRanges {

QByteArray ToText(const TLanguageRanges &ranges)
{
    QByteArray text;
    for (const TLanguageRange &r : ranges) {
        if (!text.isEmpty())
            text += ' ';
        text += QByteArray::number(r.Start) + ',' + QByteArray::number(r.Length) + ',' + r.Language.toLatin1();
    }
    return text;
}

TLanguageRanges FromText(const QByteArray &text, int length)
{
    TLanguageRanges ranges;
    int end = 0;
    for (const QByteArray &item : text.split(' ')) {
        if (item.isEmpty())
            continue;
        const QList<QByteArray> fields = item.split(',');
        bool startOk = false, lengthOk = false;
        const int start = fields.value(0).toInt(&startOk);
        const int size = fields.value(1).toInt(&lengthOk);
        const QString language = Code(QString::fromLatin1(fields.value(2)));
        if (fields.size() != 3 || !startOk || !lengthOk || start < end || size <= 0 || size > length - start ||
            language.isEmpty())
            return {};
        ranges.push_back({start, size, language});
        end = start + size;
    }
    return ranges;
}

QString Code(const QString &language)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z]{2,3}([-_][A-Za-z0-9]{1,8})*$"));
    if (!form.match(language).hasMatch())
        return {};
    QString code = language;
    code.replace(QLatin1Char('_'), QLatin1Char('-'));
    return code;
}

bool SameLanguage(const QString &a, const QString &b)
{
    const auto primary = [](const QString &code) { return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0); };
    return primary(a).compare(primary(b), Qt::CaseInsensitive) == 0;
}

void Append(TLanguageRanges &ranges, const TLanguageRanges &more, int at)
{
    for (TLanguageRange r : more) {
        r.Start += at;
        ranges.push_back(r);
    }
}

} // namespace LanguageRanges

namespace ArticleLanguages {

QString File() { return ProgramPaths::JoinPath(QFileInfo(SavedArticles::File()).path(), QStringLiteral("PWLanguages.txt")); }

QHash<QByteArray, TLanguageRanges> Load(const QString &file, QString *problem)
{
    QHash<QByteArray, TLanguageRanges> found;
    QByteArray text;
    if (ProgramPaths::ReadSideFile(file, 64 * 1024 * 1024, &text, problem) != ProgramPaths::TSideRead::Read)
        return found;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        const TLanguageRanges ranges = tab == 40 ? LanguageRanges::FromText(line.mid(41).trimmed()) : TLanguageRanges{};
        if (!ranges.isEmpty())
            found.insert(line.left(40), ranges);
    }
    return found;
}

bool Save(const QString &file, const std::vector<std::pair<QByteArray, TLanguageRanges>> &articles)
{
    QByteArray text;
    for (const auto &[key, ranges] : articles)
        text += key + '\t' + LanguageRanges::ToText(ranges) + '\n';
    return ReadingPlaces::SaveBeside(file, text);
}

} // namespace ArticleLanguages
