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
};
using TParagraphs = std::vector<TParagraph>;

namespace Paragraphs {

// Spaces of every kind as plain ones, an image's place left out, trimmed.
QString Clean(QString text);
// The paragraph cleaned, unless nothing is left of it.
void Add(TParagraphs &paragraphs, const QString &text, int heading = 0);
// Chapters at the highest heading level that occurs more than once; what comes
// before the first such heading is a chapter of its own, titled `untitled`.
std::vector<TDocument::TChapter> Chapters(const TParagraphs &paragraphs, const QString &untitled);
// Every paragraph, one a line.
QString Joined(const TParagraphs &paragraphs);

} // namespace Paragraphs
