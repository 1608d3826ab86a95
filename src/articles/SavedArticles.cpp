#include "articles/SavedArticles.h"

#include "articles/TextFile.h"
#include "platform/shell/ProgramPaths.h"

#include <QFileInfo>

namespace SavedArticles {

const QString StartDelimiter = QStringLiteral("||||||Parlewind MP3 Start of Article||||||");
const QString EndDelimiter = QStringLiteral("||||||Parlewind MP3 End of Article||||||");

namespace {

const QString crlf = QStringLiteral("\r\n");

QString Field(QString text) { return text.replace(QLatin1Char('|'), QLatin1Char('_')); }

} // namespace

bool Record::IsBlank() const
{
    for (const QString &line : Lines) {
        if (!TextFile::IsBlank(line))
            return false;
    }
    return true;
}

int LineCount(const QString &text)
{
    return text.isEmpty() ? 0 : static_cast<int>(TextFile::SplitLines(text).size());
}

QByteArray Serialize(const QString &title, const QString &voice, const QString &text)
{
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    body.replace(QLatin1Char('\n'), crlf);
    const QString record = StartDelimiter + crlf + Field(title) + QLatin1Char('|') + Field(voice) +
                           QLatin1Char('|') + QString::number(LineCount(text)) + crlf + body + crlf +
                           EndDelimiter + crlf;
    return record.toUtf8();
}

Parsed Parse(const QByteArray &bytes)
{
    Parsed out;
    if (bytes.isEmpty())
        return out;
    const QStringList lines = TextFile::SplitLines(TextFile::Decode(bytes));
    const qsizetype n = lines.size();
    qsizetype i = 0;
    while (i < n) {
        if (lines.at(i) != StartDelimiter) {
            // Anything but blank lines here is a damaged record; later records are
            // counted so that the caller knows what the file held.
            for (qsizetype k = i; k < n; ++k) {
                if (!lines.at(k).trimmed().isEmpty())
                    out.Damaged = true;
                if (lines.at(k) == StartDelimiter)
                    ++out.NonBlankInFile;
            }
            break;
        }
        ++i;
        if (i >= n) {
            out.Damaged = true; // a start delimiter with nothing behind it
            break;
        }
        const QStringList fields = lines.at(i++).split(QLatin1Char('|'));
        Record record;
        record.Title = fields.value(0);
        record.Voice = fields.value(1);

        bool counted = false;
        const qsizetype count = fields.value(2).toLongLong(&counted);
        qsizetype take = -1;
        if (counted && count >= 0 && count <= n - i) {
            if (i + count < n && lines.at(i + count) == EndDelimiter)
                take = count;
            // A text ending in a line break, or an empty text, is written with
            // one more (empty) line than it counts.
            else if (i + count + 1 < n && lines.at(i + count).isEmpty() && lines.at(i + count + 1) == EndDelimiter)
                take = count + 1;
        }
        if (take >= 0) {
            record.Lines = lines.mid(i, take);
            i += take + 1;
        } else {
            const qsizetype start = i;
            while (i < n && lines.at(i) != EndDelimiter)
                ++i;
            record.Lines = lines.mid(start, i - start);
            if (i < n)
                ++i; // the end delimiter
        }
        if (!record.IsBlank())
            ++out.NonBlankInFile;
        out.Records.push_back(std::move(record));
    }
    return out;
}

} // namespace SavedArticles

QString SavedArticles::File() { return ProgramPaths::JoinPath(ProgramPaths::ProgramDir(), QStringLiteral("PWExport.txt")); }
