#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// The saved-articles file ("PWExport.txt") as plain records, apart from the list
// that shows them: a record per article, a start delimiter line, a property line
// "title|voice|line count", the text, an end delimiter line.
namespace SavedArticles {

// Where the program keeps its articles ("PWExport.txt").
QString File();

extern const QString StartDelimiter;
extern const QString EndDelimiter;

struct Record
{
    QString Title;
    QString Voice;
    QStringList Lines;
    bool IsBlank() const;
};

struct Parsed
{
    std::vector<Record> Records;
    // Reading stopped at a line where a record should have begun, or at a record
    // cut short; what follows is not restored.
    bool Damaged = false;
    // Articles with text that the file holds, as far as can be told: the records
    // read and every further start delimiter after a damaged place.
    int NonBlankInFile = 0;
};

// Reads the file's bytes. A record's line count is trusted when the counted lines
// are followed by the end delimiter, so that an article holding a delimiter line
// comes back whole; otherwise its text runs to the next end delimiter.
Parsed Parse(const QByteArray &bytes);

// One record as it is written, lines ending in CR LF.
QByteArray Serialize(const QString &title, const QString &voice, const QString &text);

// A text's lines as the property line counts them: a line break at the very end
// does not start a further line, an empty text has none.
int LineCount(const QString &text);

} // namespace SavedArticles
