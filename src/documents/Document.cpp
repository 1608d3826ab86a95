#include "documents/Document.h"

#include "articles/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

QString Kind(const QString &name)
{
    return QFileInfo(name).suffix().toLower();
}

} // namespace

QString TDocument::Name(const QString &fileTitle) const
{
    // A page without a title of its own is named by its one heading, not its file.
    if (!Title.isEmpty())
        return Title;
    return Chapters.size() == 1 && !Chapters.front().Title.isEmpty() ? Chapters.front().Title
                                                                     : fileTitle;
}

QString TDocument::Text() const
{
    QStringList parts;
    for (const TChapter &chapter : Chapters)
        parts << chapter.Text;
    return parts.join(QLatin1Char('\n'));
}

TLanguageRanges TDocument::Languages() const
{
    TLanguageRanges ranges;
    int at = 0;
    for (const TChapter &chapter : Chapters) {
        LanguageRanges::Append(ranges, chapter.Languages, at);
        at += int(chapter.Text.size()) + 1;
    }
    return ranges;
}

namespace DocumentReader {

QString NotOpened(const QString &path, const QString &why)
{
    return QCoreApplication::translate("Documents", "%1 %2; it was not opened.").arg(path, why);
}

bool IsDocument(const QString &path)
{
    static const QStringList kinds{
        QStringLiteral("html"), QStringLiteral("htm"),      QStringLiteral("xhtml"),
        QStringLiteral("md"),   QStringLiteral("markdown"), QStringLiteral("epub"),
        QStringLiteral("odt"),  QStringLiteral("docx"),     QStringLiteral("pdf")};
    return kinds.contains(Kind(path)) || IsPicture(path);
}

bool IsPicture(const QString &path)
{
    static const QStringList kinds{QStringLiteral("png"),  QStringLiteral("jpg"),
                                   QStringLiteral("jpeg"), QStringLiteral("tif"),
                                   QStringLiteral("tiff"), QStringLiteral("webp"),
                                   QStringLiteral("bmp"),  QStringLiteral("gif")};
    return kinds.contains(Kind(path));
}

QString FileFilter()
{
    const QString pictures = QStringLiteral("*.png *.jpg *.jpeg *.tif *.tiff *.webp *.bmp *.gif");
    return QCoreApplication::translate("Documents", "Text and documents (%1)")
               .arg(QStringLiteral(
                        "*.txt *.html *.htm *.xhtml *.md *.markdown *.epub *.odt *.docx *.pdf ") +
                    pictures) +
           QStringLiteral(";;") + QCoreApplication::translate("Documents", "Text files (*.txt)") +
           QStringLiteral(";;") +
           QCoreApplication::translate("Documents", "Pictures of text (%1)").arg(pictures) +
           QStringLiteral(";;") + QCoreApplication::translate("Documents", "All files (*)");
}

bool Load(const QString &path, QByteArray *bytes, QString *error)
{
    // Opening a pipe or a device would wait for a writer, or never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        *error =
            QCoreApplication::translate("Documents", "%1 is not a file that can be read (a folder, "
                                                     "a device or a pipe); it was not opened.")
                .arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Documents", "The file %1 could not be opened: %2")
                     .arg(path, file.errorString());
        return false;
    }
    if (!TextFile::ReadCapped(file, TextFile::MaxTextFileBytes, bytes)) {
        *error =
            QCoreApplication::translate(
                "Documents",
                "%1 is too large to be read as an article (more than 64 MB); it was not opened.")
                .arg(path);
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        *error = QCoreApplication::translate("Documents", "Error reading input file %1: %2")
                     .arg(path, file.errorString());
        return false;
    }
    return true;
}

std::vector<TDocument::TChapter> Articles(const TDocument &document, const QString &fileTitle,
                                          bool chapters)
{
    const QString title = document.Name(fileTitle);
    if (!chapters || document.Chapters.size() == 1)
        return {{title, document.Text(), document.Languages()}};
    std::vector<TDocument::TChapter> articles;
    for (const TDocument::TChapter &chapter : document.Chapters)
        articles.push_back(
            {chapter.Title.isEmpty() ? title : chapter.Title, chapter.Text, chapter.Languages});
    return articles;
}

} // namespace DocumentReader
