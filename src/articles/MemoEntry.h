#pragma once

#include "articles/LanguageRange.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TArticleList;
class TMemoEntryView;

// The book an article was opened from, while the program runs: files read from
// its articles name its author and album and show its cover.
struct TArticleBook
{
    QString Title;
    QString Author;
    QByteArray Cover;
    QString Language; // as the book says it, or empty
};

// One article: title, voice and text, and whether it is being read or waits to be
// deleted. Articles are plain records; the list shows the few that are in view
// through a small set of widgets (TMemoEntryView), so a list of thousands of
// articles costs no more to show than a list of three.
class TMemoEntry
{
public:
    explicit TMemoEntry(TArticleList *owner);
    ~TMemoEntry();
    TMemoEntry(const TMemoEntry &) = delete;
    TMemoEntry &operator=(const TMemoEntry &) = delete;

    QString Title() const { return m_Title; }
    // A "|" would break the saved-articles file; it becomes "_".
    void SetTitle(const QString &title);
    QString Voice() const { return m_Voice; }
    void SetVoice(const QString &voice);
    // Not saved: an article restored from the saved list has none.
    std::shared_ptr<const TArticleBook> Book;
    // Where its reading aloud stopped (the index of the word reached), or -1; the
    // caret goes there when it is shown, and "Read from Here" goes on from it.
    int Place = -1;
    // The parts of its text in other languages, as the document it came from named
    // them (kept beside the saved articles, as its book is): for the text they were
    // given with, none once it has been edited.
    TLanguageRanges Languages() const;
    void SetLanguages(const TLanguageRanges &ranges);

    // The text, lines separated by '\n'.
    QString Text() const;
    void SetText(const QString &text);
    // Appends the lines, each as a new line of the text.
    void AppendLines(const QStringList &lines);
    // Where the word that begins at `position` ends (one past its last character);
    // `length`: the text's length. Read where the text is, so that a long text is
    // not copied for every word spoken.
    int WordEnd(int position, int *length) const;
    // The text is empty apart from blanks and control characters.
    bool IsBlank() const;

    void SetColor(const QColor &color);
    QColor Color() const { return m_Color; }

    // Makes the title from the first letters and digits of the text.
    void SetTitleFromText(int limit);
    // Brings the article into view and puts the cursor into its title editor.
    void FocusTitle();
    // Appends a text file's lines; false when it cannot be read as text. Files
    // that are not valid UTF-8 are read as Windows-1252.
    bool LoadFromFile(const QString &path);

    // The strip with the Read, Read to File and Delete buttons (multi-article mode).
    void ApplyMultiLayout() { m_MultiLayout = true; }
    bool MultiLayout() const { return m_MultiLayout; }

    // The widget showing the article, while it is in view.
    TMemoEntryView *View() const { return m_View; }
    TArticleList *Owner() const { return m_Owner; }
    // Leaves the view that shows it (a hidden article is shown no more).
    void Unshow();

    // Being read: the text cannot be edited meanwhile, and the spoken word's
    // highlight ends with the reading.
    void SetLocked(bool locked);
    bool Locked = false;
    bool Hidden = false;

private:
    friend class TMemoEntryView;
    TLanguageRanges m_Languages;
    size_t m_LanguagesOf = 0; // the hash of the text they were given with
    // Called by the view that starts or stops showing this article.
    void Attach(TMemoEntryView *view) { m_View = view; }
    void Detach(const QString &text);
    void TextEdited();

    TArticleList *m_Owner;
    TMemoEntryView *m_View = nullptr;
    QString m_Title;
    QString m_Voice;
    // While shown, the text is the view's editor's alone (a book is held once):
    // this is empty then.
    QString m_Text;
    // Whether the text is blank: -1 not known yet. The list asks often.
    mutable int m_Blank = -1;
    QColor m_Color;
    bool m_MultiLayout = false;
};
