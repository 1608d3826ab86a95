#pragma once

#include "articles/MemoEntry.h"
#include "articles/MemoEntryLocked.h"

#include <QColor>
#include <QFrame>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QScrollBar;
class TMemoEntryView;

// The articles of the run, shown VisibleEntries at a time from top to bottom, one
// of them current. Positions are 1-based over the articles that are not hidden;
// hidden articles wait at the end of Entries until they are deleted.
class TMemoListBox : public QFrame
{
    Q_OBJECT
public:
    using ArticleEvent = std::function<void(TMemoEntry *)>;

    explicit TMemoListBox(QWidget *parent = nullptr);
    ~TMemoListBox() override;

    void SetVisibleEntries(int n);
    int VisibleEntries() const { return m_VisibleEntries; }
    int Count() const { return static_cast<int>(Entries.size()) - HiddenCount; }
    TMemoEntry *CurrentEntry() const { return m_CurrentEntry; }
    TMemoEntry *EntryAt(int position) const { return Entries.at(static_cast<size_t>(position - 1)).get(); }

    TMemoEntry *Add(const QString &text, const QString &voice);
    void MarkEntry(int position);
    void ScrollToTop(int top);
    void Relayout();
    void OnEntryHandler(TMemoEntry *entry);
    int FindEntry(TMemoEntry *entry);
    // The position without a trace line; 0 when absent or hidden.
    int PositionOf(const TMemoEntry *entry) const;
    void DeleteSelected();
    void DeleteMemoEntry(TMemoEntry *entry);
    void DeleteAll();
    void HideEntry(TMemoEntry *entry);
    void DeleteHiddenEntries();
    void DeleteBlankEntries();
    void UnlockAllEntries();
    // An article's text became (or may have become) blank.
    void BlankMayHaveAppeared(const TMemoEntry *entry);

    // Writes the articles that are not hidden; false (with ExportError) when the
    // file could not be written, in which case the previous file is unchanged.
    bool ExportList(const QString &path);
    // What a restore found: whether the file was damaged, and how many articles
    // with text it held (to tell whether the list now holds fewer).
    struct ImportResult
    {
        bool Damaged = false;
        int NonBlankInFile = 0;
        QString Problem; // a file that could not be read at all, set aside
    };
    // The largest saved-articles file that is read.
    static constexpr qint64 LargestList = qint64(256) << 20;
    ImportResult ImportList(const QString &path, const ArticleEvent &onRead, const ArticleEvent &onReadToFile,
                            const ArticleEvent &onDelete);
    // Articles whose text is not blank.
    int NonBlankCount() const;
    QString ExportError() const { return m_ExportError; }

    // The user changed an article's text, title or voice.
    std::function<void()> OnEdited;
    void Edited()
    {
        if (OnEdited && !Importing)
            OnEdited();
    }

    // Every installed voice, for the articles' voice boxes.
    std::function<QStringList()> VoiceNames;
    // "More languages…" in an article's voice box (given before articles are
    // added); true when the voices changed.
    std::function<bool()> MoreLanguages;

    std::vector<std::unique_ptr<TMemoEntry>> Entries;
    quint8 ListMode = 0;
    int HiddenCount = 0;
    int TitleLength = 20;
    bool ShowProperties = true;
    bool MarkOnFocus = true;
    QColor SelectedColor;
    QColor UnselectedColor;
    bool Exporting = false;
    bool Importing = false;

    QScrollBar *ScrollBar = nullptr;
    QWidget *ClientPanel = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    // A new desktop palette (a dark theme chosen while running) recolours the articles.
    void changeEvent(QEvent *event) override;

private:
    QString Suffix() const;
    void Trace(const char *operation) const;
    void DestroyEntry(size_t index);
    TMemoEntryView *FreeView();
    bool IsShown(const TMemoEntry *entry) const;
    void FocusText(TMemoEntry *entry);

    TMemoEntry *m_CurrentEntry = nullptr;
    int m_VisibleEntries = 1;
    std::vector<TMemoEntryView *> m_Views;
    // While importing, the layout waits for the end: where it would have scrolled to.
    int m_PendingTop = 0;
    // The first this many articles were not blank when last looked at.
    int m_CheckedNotBlank = 0;
    // Counts removals, so that a long operation can tell whether it must look again.
    quint64 m_Removals = 0;
    QString m_ExportError;
};
