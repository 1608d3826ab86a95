#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading text written by this program or by others.
namespace TextFile {

// UTF-8 (a byte-order mark is dropped); bytes that are not valid UTF-8 are read as
// Windows-1252, the code page such files were most likely written in.
QString Decode(const QByteArray &bytes);

// Splits at CR LF, LF or a lone CR. An empty text is one empty line; a line end
// at the very end does not start a further line.
QStringList SplitLines(const QString &text);

// The bytes look like a binary file rather than text (NUL bytes near the start).
bool LooksBinary(const QByteArray &bytes);

} // namespace TextFile
