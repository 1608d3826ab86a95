#pragma once

#include "documents/Document.h"

#include <QString>

#include <vector>

// The shared model every format is read into: readable paragraphs, each with its
// heading level, made into chapters.

// A paragraph and, for a heading, its level (1 the highest).
struct TParagraph
{
    QString Text;
    int Heading = 0;
    qreal Size = 0; // of a printed paragraph's type: its first line's height
    TLanguageRanges Languages; // its parts in other languages than the document's
};
using TParagraphs = std::vector<TParagraph>;

namespace Paragraphs {

// Spaces of every kind as plain ones, an image's place left out, trimmed.
QString Clean(QString text);
// The paragraph cleaned, unless nothing is left of it. A reader marks a part in
// another language by LanguageMark before it (and LanguageMark("") where the
// document's own language goes on): the marks become the paragraph's ranges.
void Add(TParagraphs &paragraphs, const QString &text, int heading = 0);
QString LanguageMark(const QString &language);
// A paragraph put at the end of a chapter's text, on a line of its own.
void Append(TDocument::TChapter &chapter, const TParagraph &paragraph);
// Chapters at the highest heading level that occurs more than once; what comes
// before the first such heading is a chapter of its own, titled `untitled`.
std::vector<TDocument::TChapter> Chapters(const TParagraphs &paragraphs, const QString &untitled);

} // namespace Paragraphs
