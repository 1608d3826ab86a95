#include "articles/ArticleNames.h"

#include "platform/shell/ProgramPaths.h"

#include <QRegularExpression>

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
    // A title's "Part one: the start" reads as "Part one - the start": a colon is
    // one of the characters that the file systems of players, memory cards and
    // other systems refuse (the title itself stays whole in the file's tags).
    const QString portable = QString(title).replace(QStringLiteral(": "), QStringLiteral(" - "));
    for (const QChar c : portable) {
        // Direction marks and overrides would make the name read as another
        // (a title ending in "\u202Eexe.txt"): they are left out.
        const char16_t u = c.unicode();
        if (u == 0x061c || u == 0x200e || u == 0x200f || (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069))
            continue;
        // Separators (of this and of other systems) and control characters.
        const bool refused = QStringView(u"/\\:\"?*<>|").contains(c) || u < 0x20 || u == 0x7f;
        name += refused ? QLatin1Char('_') : c;
    }
    // Nor may a name end in a dot there.
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    if (name.trimmed().isEmpty() || name.count(QLatin1Char('.')) == name.trimmed().size())
        return {};
    // Not hidden, and not taken for an option by the commands the file is given to.
    if (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name[0] = QLatin1Char('_');
    // Names that other systems keep for devices (a memory card, a shared folder).
    static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (device.match(name.trimmed()).hasMatch())
        name += QLatin1Char('_');
    // File names hold at most 255 bytes; a character is never cut in two.
    while (name.toUtf8().size() + extension.toUtf8().size() > 255)
        name.chop(name.size() >= 2 && name.back().isLowSurrogate() && name.at(name.size() - 2).isHighSurrogate() ? 2 : 1);
    return ProgramPaths::JoinPath(directory, name + extension);
}

} // namespace ArticleNames
