#pragma once

#include "articles/MemoEntry.h"
#include "articles/MemoEntryLocked.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

// The articles of the run, one of them current, apart from any view of them.
// Positions are 1-based over the articles that are not hidden; hidden articles
// wait at the end of Entries until they are deleted. A view follows the list
// through its signals; the list itself never needs a window.
class TArticleList : public QObject
{
    Q_OBJECT
public:
    explicit TArticleList(QObject *parent = nullptr);
    ~TArticleList() override;

    int Count() const { return static_cast<int>(Entries.size()) - HiddenCount; }
    TMemoEntry *CurrentEntry() const { return m_CurrentEntry; }
    TMemoEntry *EntryAt(int position) const { return Entries.at(static_cast<size_t>(position - 1)).get(); }

    // A blank article takes the text if there is one (it keeps its voice); else a
    // new one is added (in single-article mode in place of the one there was).
    TMemoEntry *Add(const QString &text, const QString &voice);
    // The article at `position` becomes the current one.
    void MarkEntry(int position);
    // The user went into an article.
    void Enter(TMemoEntry *entry);
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
    // Articles whose text is not blank.
    int NonBlankCount() const;
    // New colours for the current and the other articles (a new palette).
    void Recolor(const QColor &selected, const QColor &unselected);

    // Writes the articles that are not hidden; false (with ExportError) when the
    // file could not be written, in which case the previous file is unchanged.
    bool ExportList(const QString &path);
    QString ExportError() const { return m_ExportError; }
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
    ImportResult ImportList(const QString &path);

    // The user changed an article's text, title or voice (not told while importing).
    void Edited()
    {
        if (!Importing)
            emit EntryEdited();
    }
    // An article's own Read, Read to File and Delete buttons.
    void RequestRead(TMemoEntry *entry, bool toFile) { emit ReadRequested(entry, toFile); }
    void RequestDelete(TMemoEntry *entry) { emit DeleteRequested(entry); }

    std::vector<std::unique_ptr<TMemoEntry>> Entries;
    quint8 ListMode = 0;
    int HiddenCount = 0;
    int TitleLength = 20;
    bool MarkOnFocus = true;
    QColor SelectedColor;
    QColor UnselectedColor;
    bool Exporting = false;
    bool Importing = false;

signals:
    // MarkEntry made the article at `position` the current one.
    void CurrentChanged(int position);
    void EntryAdded(TMemoEntry *entry);
    // An article was deleted or hidden by the user's command.
    void EntryRemoved();
    void ImportFinished();
    void EntryEdited();
    void ReadRequested(TMemoEntry *entry, bool toFile);
    void DeleteRequested(TMemoEntry *entry);

private:
    QString Suffix() const;
    void Trace(const char *operation) const;
    void DestroyEntry(size_t index);

    TMemoEntry *m_CurrentEntry = nullptr;
    // The first this many articles were not blank when last looked at.
    int m_CheckedNotBlank = 0;
    // Counts removals, so that a long operation can tell whether it must look again.
    quint64 m_Removals = 0;
    QString m_ExportError;
};
