#pragma once

#include "articles/LanguageRange.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// A document read for speaking: its title and its text as chapters of readable
// paragraphs, one a line, without markup.
struct TDocument
{
    struct TChapter
    {
        QString Title;
        QString Text;
        TLanguageRanges Languages; // the parts in other languages than the document's
    };

    QString Title; // the document's own, or empty
    QString Author; // who wrote it, as it says, or empty
    QByteArray Cover; // a book's cover picture (JPEG or PNG), or none
    QString Language; // as the book says it ("en-GB"), or empty
    // What the status line should say about the reading (a language whose data is
    // missing for text recognition, pages that were hard to recognise), or empty.
    QString Note;
    // A web page's next part (as it links it, rel="next"), or empty.
    QString Next;
    std::vector<TChapter> Chapters;

    // Every chapter, one after another, and the parts of that in other languages.
    QString Text() const;
    TLanguageRanges Languages() const;
    // What the whole is called: its own title, else (one chapter) that chapter's
    // heading, else `fileTitle`.
    QString Name(const QString &fileTitle) const;
};

// Reads text files and HTML, Markdown, EPUB, OpenDocument text, Word and PDF
// files, in this process. Reading (Read, ReadBytes) is in the readers' library,
// which only the reader program links: the program itself reads what comes from
// outside in that child process (DocumentProcess.h).
namespace DocumentReader {

// Told how far a long reading is (pages of a PDF, bytes of a page); false stops
// the reading, which then fails with "was not opened: stopped".
using TProgress = std::function<bool(int done, int total)>;

// Pictures of pages (a scan, a photo) are read by text recognition: in these
// languages (Tesseract's names, "deu"; English when none is installed), telling
// each page recognised.
struct TRecognition
{
    QStringList Languages;
    TProgress Progress;
};

// How a web page is read.
struct TPageOptions
{
    bool WholePage = false; // else only its main text, as a reader view shows it
    QByteArray Charset;     // what the server said it is encoded in, or empty
};

// "<file> <what went wrong>; it was not opened."
QString NotOpened(const QString &path, const QString &why);
// The file is one of those documents (by its name); anything else is read as text.
bool IsDocument(const QString &path);
// The "Open" dialog's filter of everything that can be opened.
QString FileFilter();
// A file's bytes, no more than a document may have; false with the reason (naming
// the file) for a folder, a device or a pipe, one too large, one unreadable.
bool Load(const QString &path, QByteArray *bytes, QString *error);
// False with the reason (naming the file) in `error`: too large, damaged,
// encrypted, a zip that would unpack to too much, no text in it. A text file is
// one chapter without a title.
bool Read(const QString &path, TDocument *document, QString *error, const TProgress &progress = {},
          const TRecognition &recognition = {}, const TPageOptions &page = {});
// The same for a file's bytes; `name` says where they came from and which kind they are.
bool ReadBytes(const QByteArray &bytes, const QString &name, TDocument *document, QString *error,
               const TProgress &progress = {}, const TRecognition &recognition = {}, const TPageOptions &page = {});
// A picture (PNG, JPEG, TIFF, WebP, BMP, GIF), by its name.
bool IsPicture(const QString &path);

// What "Open" makes of a document read from a file called `fileTitle` (without
// its extension): titled articles, one a chapter when `chapters` (and the
// document has several), else one. An article's title is its chapter's, else the
// document's own, else the file's.
std::vector<TDocument::TChapter> Articles(const TDocument &document, const QString &fileTitle, bool chapters);

} // namespace DocumentReader
