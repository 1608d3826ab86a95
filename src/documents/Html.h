#pragma once

#include "documents/Document.h"
#include "documents/Paragraphs.h"

#include <QByteArray>

namespace HtmlReader {

struct TOptions
{
    // A web page gives only its main text (MainText.h), and its title loses the
    // site's name ("How tides work | Coast News" is "How tides work").
    bool MainText = false;
    // The encoding the server said the page is in; it comes before the page's own.
    QByteArray Charset;
    // The language of a page that names none (a book's), or empty.
    QString Language = {};
};

// What a page says of itself beside its text.
struct TPage
{
    QString Title;
    QString Next; // the address of its next part (rel="next"), as the page writes it
    bool Article = false; // a web page's main text: one article, however many headings
};

// The paragraphs of an HTML or XHTML page as a browser shows them: nothing hidden,
// no script, style, template or drawing, footnote marks left out; decoded as the
// server or the page declares (else UTF-8, else Windows-1252). Nothing outside the
// page is ever loaded. `progress` is told the bytes read so far (its answer is not
// asked). Throws std::bad_alloc when memory runs out, rather than return the part
// read until then.
TParagraphs Read(const QByteArray &bytes, TPage *page, const DocumentReader::TProgress &progress = {},
                 const TOptions &options = {});

// A title without the site's name, told by the page's headline (its first <h1>)
// when it has one.
QString PageTitle(const QString &title, const QString &headline);

} // namespace HtmlReader
