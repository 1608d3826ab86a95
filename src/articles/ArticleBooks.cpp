#include "articles/ArticleBooks.h"

#include "articles/ReadingPlaces.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace ArticleBooks {

namespace {

constexpr qint64 largestList = 16 * 1024 * 1024;
constexpr qint64 largestCover = 8 * 1024 * 1024;

QString CoverPrefix(const QString &file)
{
    return QFileInfo(file).completeBaseName() + QStringLiteral("-cover-");
}

QByteArray Field(const QString &text)
{
    return QUrl::toPercentEncoding(text);
}
QString Unfield(const QByteArray &field)
{
    return QUrl::fromPercentEncoding(field);
}


} // namespace

// Lines of tab-separated fields: "book", its number, title, author and cover file
// (percent-encoded); "article", its key and its book's number.
QHash<QByteArray, TBook> Load(const QString &file)
{
    QHash<QByteArray, TBook> articles;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly) || in.size() > largestList)
        return articles;
    const QDir dir = QFileInfo(file).dir();
    QHash<QByteArray, TBook> books;
    for (const QByteArray &line : in.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 5 && fields[0] == "book") {
            TArticleBook book{Unfield(fields[2]), Unfield(fields[3]), {}};
            const QString cover = Unfield(fields[4]);
            // Only a cover of ours, beside the list.
            if (!cover.isEmpty() && cover.startsWith(CoverPrefix(file)) &&
                !cover.contains(QLatin1Char('/'))) {
                QFile picture(dir.filePath(cover));
                if (picture.open(QIODevice::ReadOnly) && picture.size() <= largestCover)
                    book.Cover = picture.readAll();
            }
            books.insert(fields[1], std::make_shared<const TArticleBook>(std::move(book)));
        } else if (fields.size() == 3 && fields[0] == "article" && fields[1].size() == 40 &&
                   books.contains(fields[2])) {
            articles.insert(fields[1], books.value(fields[2]));
        }
    }
    return articles;
}

bool Save(const QString &file, const std::vector<std::pair<QByteArray, TBook>> &articles)
{
    const QDir dir = QFileInfo(file).dir();
    QHash<const TArticleBook *, int> numbers;
    QStringList covers;
    QByteArray books, lines;
    bool saved = true;
    for (const auto &[key, book] : articles) {
        if (!book)
            continue;
        auto number = numbers.find(book.get());
        if (number == numbers.end()) {
            number = numbers.insert(book.get(), int(numbers.size()));
            QString cover;
            if (!book->Cover.isEmpty()) {
                const QByteArray sum =
                    QCryptographicHash::hash(book->Cover, QCryptographicHash::Sha1).toHex();
                cover = CoverPrefix(file) + QString::fromLatin1(sum);
                if (!QFile::exists(dir.filePath(cover)))
                    saved = ReadingPlaces::SaveBeside(dir.filePath(cover), book->Cover) && saved;
                covers << cover;
            }
            books += "book\t" + QByteArray::number(*number) + '\t' + Field(book->Title) + '\t' +
                     Field(book->Author) + '\t' + Field(cover) + '\n';
        }
        lines += "article\t" + key + '\t' + QByteArray::number(*number) + '\n';
    }
    saved = ReadingPlaces::SaveBeside(file, books + lines) && saved;
    // Covers of books no longer in the list go.
    for (const QString &old : dir.entryList({CoverPrefix(file) + QLatin1Char('*')}, QDir::Files))
        if (!covers.contains(old))
            QFile::remove(dir.filePath(old));
    return saved;
}

} // namespace ArticleBooks
