#pragma once

#include "documents/Document.h"

class QWidget;

// Reads a file for "Open" and dropping: a long PDF is read away from the window,
// which meanwhile shows how far it is and can stop it; other files are read at
// once, with the wait pointer.
namespace DocumentOpen {

enum class TResult { Read, Failed, Stopped };

TResult Articles(QWidget *parent, const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles,
                 QString *error);

// How long a reading goes on before its progress is shown (tests show it at once).
void SetShowAfter(int ms);

} // namespace DocumentOpen
