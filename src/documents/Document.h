#pragma once

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
    };

    QString Title; // the document's own, or empty
    std::vector<TChapter> Chapters;

    // Every chapter, one after another.
    QString Text() const;
    // What the whole is called: its own title, else (one chapter) that chapter's
    // heading, else `fileTitle`.
    QString Name(const QString &fileTitle) const;
};

// Reads HTML, Markdown, EPUB, OpenDocument text, Word and PDF files.
namespace DocumentReader {

// Told how far a long reading is (pages of a PDF); false stops the reading, which
// then fails with "was not opened: stopped".
using TProgress = std::function<bool(int done, int total)>;

// The file is one of those documents (by its name).
bool IsDocument(const QString &path);
// The "Open" dialog's filter of everything that can be opened.
QString FileFilter();
// False with the reason (naming the file) in `error`: too large, damaged,
// encrypted, a zip that would unpack to too much, no text in it.
bool Read(const QString &path, TDocument *document, QString *error, const TProgress &progress = {});
// The same for a document's bytes; `name` says where they came from and which kind they are.
bool ReadBytes(const QByteArray &bytes, const QString &name, TDocument *document, QString *error,
               const TProgress &progress = {});

// What "Open" makes of a file, text or document: titled articles, one a chapter
// when `chapters` (and the document has several), else one. An article's title
// is its chapter's, else the document's own, else the file's name without its
// extension.
bool Articles(const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles, QString *error,
              const TProgress &progress = {});

} // namespace DocumentReader
