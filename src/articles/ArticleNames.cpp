#include "articles/ArticleNames.h"

#include "platform/shell/ProgramPaths.h"

namespace ArticleNames {

QString TitleFromText(const QString &text, int limit)
{
    QString title;
    int count = 0;
    QChar last;
    for (const QChar c : text) {
        if (count >= limit)
            break;
        const char16_t u = c.unicode();
        const bool plain = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (plain) {
            title += c;
            last = c;
            ++count;
        } else if (last != QLatin1Char(' ')) {
            title += QLatin1Char(' ');
            last = QLatin1Char(' ');
            ++count;
        }
    }
    return title.trimmed().replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString OutputFile(const QString &directory, const QString &title, const QString &extension)
{
    QString name;
    for (const QChar c : title) {
        // Separators (of this and of other systems) and control characters.
        const bool refused = c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f;
        name += refused ? QLatin1Char('_') : c;
    }
    if (name.trimmed().isEmpty() || name.count(QLatin1Char('.')) == name.trimmed().size())
        return {};
    // File names hold at most 255 bytes.
    while (name.toUtf8().size() + extension.toUtf8().size() > 255)
        name.chop(1);
    return ProgramPaths::JoinPath(directory, name + extension);
}

} // namespace ArticleNames
