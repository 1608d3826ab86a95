#pragma once

#include "documents/Document.h"

// A printed document: its lines made paragraphs again, headings told by their type size.
bool ReadPdf(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TProgress &progress);
