#pragma once

#include <QString>

// Names made from articles: a title from the start of a text, and the file an
// article is read into.
namespace ArticleNames {

// The first `limit` letters, digits and single spaces of the text, spaces as
// underscores; empty when the text has none.
QString TitleFromText(const QString &text, int limit);

// The file in `directory` named after the title: separators and control
// characters become "_", the name is cut to what a file system holds. Empty when
// the title makes no name (blank, or dots alone).
QString OutputFile(const QString &directory, const QString &title, const QString &extension);

} // namespace ArticleNames
