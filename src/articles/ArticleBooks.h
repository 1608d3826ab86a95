#pragma once

#include "articles/MemoEntry.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <memory>
#include <vector>

// The books articles were opened from (title, author, cover), kept beside the saved
// articles (not in them, so that their file stays as it is): a book read to an
// audiobook after a restart is still tagged with its author and cover. Articles are
// known as their reading places are, by title and text; the covers are files of
// their own beside the list, named after their contents.
namespace ArticleBooks {

// Beside the saved articles ("PWBooks.txt").
QString File();

using TBook = std::shared_ptr<const TArticleBook>;

// Article key (ReadingPlaces::Key) to its book; the articles of one book share it.
// A list that cannot be read whole is kept aside ("PWBooks.txt.damaged") with its
// covers, and `problem` says so.
QHash<QByteArray, TBook> Load(const QString &file, QString *problem = nullptr);
// Keeps the books of these articles, and no cover of a book no longer kept: only
// covers this program wrote (named after their contents) that no list names go.
bool Save(const QString &file, const std::vector<std::pair<QByteArray, TBook>> &articles);

} // namespace ArticleBooks
