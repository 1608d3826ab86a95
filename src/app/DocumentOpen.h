#pragma once

#include "documents/Document.h"

class QImage;
class QWidget;

// Reads a file for "Open" and dropping, apart from the window (in a child
// process): the window stays drawn, and a reading that takes a while shows how far
// it is and can be stopped.
namespace DocumentOpen {

enum class TResult { Read, Failed, Stopped };

// `path` is a file or a web address. `document` gets the document's title, author,
// cover, language and note (not its text); pictures of pages are recognised in
// `language` ("de") when they do not say theirs; a web page is read whole with
// `wholePage`, else only its main text.
TResult Articles(QWidget *parent, const QString &path, bool chapters, std::vector<TDocument::TChapter> *articles,
                 QString *error, TDocument *document = nullptr, const QString &language = {}, bool wholePage = false);

// The text of a picture (one copied or pasted), recognised in `language` like a
// picture opened; `note` gets what the status line should say about it.
TResult Picture(QWidget *parent, const QImage &picture, const QString &language, QString *text, QString *error,
                QString *note = nullptr);

// A reading is in progress (its dialog is up, or soon will be).
bool Busy();

// Stops the reading in progress, if any (the program is ending).
void Cancel();

// How long a reading goes on before its progress is shown (for tests).
void SetShowAfter(int ms);

} // namespace DocumentOpen
