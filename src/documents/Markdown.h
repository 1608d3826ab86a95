#pragma once

#include "documents/Paragraphs.h"

namespace MarkdownReader {

// A Markdown text (GitHub's dialect, with raw HTML) as the page it makes. Front
// matter is not read; a title it gives goes to `title`. Footnote marks are left
// out; the notes are read where they stand.
TParagraphs Read(const QString &markdown, QString *title);

} // namespace MarkdownReader
