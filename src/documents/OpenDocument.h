#pragma once

#include "documents/Document.h"

class TZip;

// An OpenDocument text: its paragraphs and headings, its title from its metadata.
bool ReadOdt(TZip &zip, TDocument *document, QString *error);
