#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// Reading text written by this program or by others.
namespace TextFile {

// Larger files are almost certainly not articles, and would make the window crawl.
constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

// Reads to the end, but no more than `cap` bytes: false (and `*bytes` cut off) when
// there is more. The size a file reports is not trusted (/dev/zero, a pipe, a
// file that grows).
bool ReadCapped(QIODevice &in, qint64 cap, QByteArray *bytes);

// UTF-8 (a byte-order mark is dropped); a line that is not valid UTF-8 is read as
// Windows-1252, the code page such lines were most likely written in.
QString Decode(const QByteArray &bytes);

// Splits at CR LF, LF or a lone CR. An empty text is one empty line; a line end
// at the very end does not start a further line.
QStringList SplitLines(const QString &text);

// Splits a text file's bytes into lines, or says (in `error`, naming `name`) why
// it is not one: it is binary or empty.
bool ReadLines(const QByteArray &bytes, const QString &name, QStringList *lines, QString *error);

// Nothing but blanks and control characters.
bool IsBlank(const QString &text);

// The bytes look like a binary file rather than text: a NUL byte anywhere, or more
// control characters than text has.
bool LooksBinary(const QByteArray &bytes);

} // namespace TextFile
