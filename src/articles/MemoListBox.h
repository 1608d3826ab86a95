#pragma once

#include "articles/ArticleList.h"

#include <QColor>
#include <QFrame>
#include <QString>

#include <functional>
#include <vector>

class QScrollBar;
class TMemoEntryView;

// The view of an article list: VisibleEntries articles at a time from top to
// bottom, through a small pool of widgets, scrolled to the current article when
// the list says it changed.
class TMemoListBox : public QFrame
{
    Q_OBJECT
public:
    // A view of `list`; without one, of a list of its own.
    explicit TMemoListBox(QWidget *parent = nullptr);
    explicit TMemoListBox(TArticleList &list, QWidget *parent = nullptr);
    ~TMemoListBox() override;

    TArticleList &List() const { return *m_List; }
    int Count() const { return m_List->Count(); }
    TMemoEntry *EntryAt(int position) const { return m_List->EntryAt(position); }
    TMemoEntry *CurrentEntry() const { return m_List->CurrentEntry(); }

    void SetVisibleEntries(int n);
    int VisibleEntries() const { return m_VisibleEntries; }
    void ScrollToTop(int top);
    void Relayout();

    // Every installed voice, for the articles' voice boxes.
    std::function<QStringList()> VoiceNames;
    // "More languages…" in an article's voice box (given before articles are
    // added); true when the voices changed.
    std::function<bool()> MoreLanguages;
    // The text of a picture pasted into an article (recognised), or empty.
    std::function<QString(const QImage &)> PictureText;
    // Text pasted into an article: true when it was a web address whose page is
    // opened instead.
    std::function<bool(const QString &)> AddressPasted;

    bool ShowProperties = true;
    QScrollBar *ScrollBar = nullptr;
    QWidget *ClientPanel = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A new desktop palette (a dark theme chosen while running) recolours the articles.
    void changeEvent(QEvent *event) override;

private:
    void Follow();
    void Trace(const char *operation) const;
    TMemoEntryView *FreeView();
    bool IsShown(const TMemoEntry *entry) const;
    void FocusText(TMemoEntry *entry);
    void ShowAdded(TMemoEntry *entry);
    void ShowCurrent(int position);
    void ShowRemoved();

    TArticleList *m_List;
    int m_VisibleEntries = 1;
    std::vector<TMemoEntryView *> m_Views;
    // While importing, the layout waits for the end: where it would have scrolled to.
    int m_PendingTop = 0;
};
