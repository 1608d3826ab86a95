#pragma once

#include "documents/Document.h"

class TZip;

// A Word document: its paragraphs and headings (by style), its title from its metadata.
bool ReadDocx(TZip &zip, TDocument *document, QString *error);
