#include "articles/ArticleBooks.h"

#include "articles/ReadingPlaces.h"
#include "articles/SavedArticles.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace ArticleBooks {

namespace {

constexpr qint64 largestList = 16 * 1024 * 1024;
constexpr qint64 largestCover = 8 * 1024 * 1024;

QString CoverPrefix(const QString &file)
{
    return QFileInfo(file).completeBaseName() + QStringLiteral("-cover-");
}

// A cover's name as this program gives it: the prefix and a SHA-1, nothing else.
bool OurCover(const QString &file, const QString &name)
{
    static const QRegularExpression sum(QStringLiteral("^[0-9a-f]{40}$"));
    return name.startsWith(CoverPrefix(file)) && sum.match(name.mid(CoverPrefix(file).size())).hasMatch();
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

// Lines of tab-separated fields: "book", its number, title, author, cover file and
// language (percent-encoded; lists written before books had a language end at
// the cover); "article", its key and its book's number.
QHash<QByteArray, TBook> Load(const QString &file, QString *problem)
{
    QHash<QByteArray, TBook> articles;
    QByteArray text;
    if (ProgramPaths::ReadSideFile(file, largestList, &text, problem) != ProgramPaths::TSideRead::Read)
        return articles;
    const QDir dir = QFileInfo(file).dir();
    QHash<QByteArray, TBook> books;
    bool damaged = false;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if ((fields.size() == 5 || fields.size() == 6) && fields[0] == "book") {
            TArticleBook book{Unfield(fields[2]), Unfield(fields[3]), {}, fields.size() == 6 ? Unfield(fields[5]) : QString()};
            const QString cover = Unfield(fields[4]);
            // Only a cover of ours, beside the list, and not through a link.
            if (!cover.isEmpty() && OurCover(file, cover)) {
                QString unread;
                ProgramPaths::ReadSideFile(dir.filePath(cover), largestCover, &book.Cover, &unread, false);
            }
            books.insert(fields[1], std::make_shared<const TArticleBook>(std::move(book)));
        } else if (fields.size() == 3 && fields[0] == "article" && fields[1].size() == 40 &&
                   books.contains(fields[2])) {
            articles.insert(fields[1], books.value(fields[2]));
        } else if (!line.trimmed().isEmpty()) {
            damaged = true;
        }
    }
    if (damaged) {
        // What can be read is used; the file as it was is kept, covers and all, as
        // the saved articles are (the next save writes a new list).
        const QString aside = file + QStringLiteral(".damaged");
        QFile::remove(aside);
        const bool kept = QFile::copy(file, aside);
        if (problem)
            *problem = kept ? QCoreApplication::translate(
                                  "ArticleBooks",
                                  "The list of books (%1) is damaged; it is kept as it was in %2.")
                                  .arg(QFileInfo(file).fileName(), QFileInfo(aside).fileName())
                            : QCoreApplication::translate("ArticleBooks",
                                                          "The list of books (%1) is damaged.")
                                  .arg(QFileInfo(file).fileName());
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
                     Field(book->Author) + '\t' + Field(cover) + '\t' + Field(book->Language) + '\n';
        }
        lines += "article\t" + key + '\t' + QByteArray::number(*number) + '\n';
    }
    saved = ReadingPlaces::SaveBeside(file, books + lines) && saved;
    // Covers of books no longer in the list go: only ours (named after their
    // contents), and none a list kept aside still names.
    QByteArray keptAside;
    QString unread;
    ProgramPaths::ReadSideFile(file + QStringLiteral(".damaged"), largestList, &keptAside, &unread);
    for (const QString &old : dir.entryList({CoverPrefix(file) + QLatin1Char('*')}, QDir::Files | QDir::System)) {
        if (covers.contains(old) || !OurCover(file, old) || keptAside.contains(old.toUtf8()))
            continue;
        QByteArray picture;
        if (ProgramPaths::ReadSideFile(dir.filePath(old), largestCover, &picture, &unread, false) ==
                ProgramPaths::TSideRead::Read &&
            CoverPrefix(file) + QString::fromLatin1(QCryptographicHash::hash(picture, QCryptographicHash::Sha1).toHex()) == old)
            QFile::remove(dir.filePath(old));
    }
    return saved;
}

} // namespace ArticleBooks

QString ArticleBooks::File() { return ProgramPaths::JoinPath(QFileInfo(SavedArticles::File()).path(), QStringLiteral("PWBooks.txt")); }
