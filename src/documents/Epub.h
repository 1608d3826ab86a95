#pragma once

#include "documents/Document.h"

class TZip;

// An e-book: a chapter for every part of its reading order that holds text.
// `progress` is told the parts read so far.
bool ReadEpub(TZip &zip, TDocument *document, QString *error, const DocumentReader::TProgress &progress = {});
