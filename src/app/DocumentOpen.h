#pragma once

#include "documents/Document.h"

class QWidget;

// Reads a file for "Open" and dropping, with the wait pointer; a long PDF shows
// how far it is, page by page, and can be stopped.
namespace DocumentOpen {

enum class TResult { Read, Failed, Stopped };

TResult Articles(QWidget *parent, const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles,
                 QString *error);

// How long a reading goes on before its progress is shown; 0 shows it at once and
// lets events run after every page (for tests).
void SetShowAfter(int ms);

} // namespace DocumentOpen
