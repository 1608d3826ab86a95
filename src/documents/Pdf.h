#pragma once

#include "documents/Document.h"

// A printed document: its lines made paragraphs again, headings told by their type size.
// Pages without text (a scan) are recognised.
bool ReadPdf(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TProgress &progress,
             const DocumentReader::TRecognition &recognition = {});
// A picture of one page or more (every page of a TIFF), recognised and read as a
// printed document is.
bool ReadPicture(const QByteArray &bytes, TDocument *document, QString *error, const DocumentReader::TRecognition &recognition);
