#pragma once

#include "documents/Document.h"
#include "documents/Paragraphs.h"

#include <QByteArray>

namespace HtmlReader {

// The paragraphs of an HTML or XHTML page as a browser shows them: nothing hidden,
// no script, style, template or drawing, footnote marks left out; decoded as the
// page declares (else UTF-8, else Windows-1252). `title`, when given, gets the
// title its head gives. Nothing outside the page is ever loaded. `progress` is
// told the bytes read so far (its answer is not asked). With `mainText`, a web
// page gives only its main text (MainText.h). Throws std::bad_alloc when memory
// runs out, rather than return the part read until then.
TParagraphs Read(const QByteArray &bytes, QString *title, const DocumentReader::TProgress &progress = {},
                 bool mainText = false);

} // namespace HtmlReader
