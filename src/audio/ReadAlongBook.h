#pragma once

#include "audio/TimedText.h"

#include <QByteArray>
#include <QString>

#include <vector>

// A read-along book: an EPUB 3 with Media Overlays. Each chapter is an article's
// text with its sentences (and, when asked, its words) marked, the sound it was
// read into, and an overlay that says from which millisecond to which each of them
// is spoken, so that a reading app plays the sound and lights the sentence heard.
class TReadAlongBook
{
public:
    struct TChapter
    {
        QString Title;
        QString Text; // as the article shows it, a paragraph a line
        QString Language; // "en-us", "ar"
        QString Audio; // its sound file (MP3, or AAC in MP4), until the book takes it
        double Duration = 0; // seconds of it
        TTimedText::TTextSpans Spans;
    };

    TReadAlongBook() = default;
    // The chapters' sound files go with the book: the book is the only file kept.
    ~TReadAlongBook();
    TReadAlongBook(const TReadAlongBook &) = delete;
    TReadAlongBook &operator=(const TReadAlongBook &) = delete;

    QString Title;
    QString Author; // the book's, else empty
    QString Narrator; // the voice
    QString Language; // the book's, else the first chapter's
    QByteArray Cover; // JPEG, PNG or GIF; anything else is left out
    // Each word is lit as it is spoken, not only each sentence.
    bool Words = false;
    std::vector<TChapter> Chapters;

    // Writes the book into a hidden file beside `path` that takes the name only
    // when it is complete. A file of that name is replaced when `overwrite`, else it
    // is kept and the writing fails. False with the reason in the user's words;
    // nothing is left behind then.
    bool Write(const QString &path, bool overwrite, QString *failure);

    // The parts of the book, as they go into it.
    QByteArray Package(const QString &identifier, const QString &modified) const;
    QByteArray Navigation() const;
    // `shown`: which of its sentences (or words) the page marks.
    QByteArray ChapterPage(size_t chapter, std::vector<bool> *shown = nullptr) const;
    QByteArray Overlay(size_t chapter) const;

    // "0:01:02.345", as overlays and durations are told.
    static QString Clock(double seconds);
    // Written from right to left ("ar", "he-IL").
    static bool RightToLeft(const QString &language);

private:
    QString ChapterName(size_t chapter) const;
    QString AudioName(size_t chapter) const;
    QString Heading(size_t chapter) const;
};
