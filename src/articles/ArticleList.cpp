#include "articles/ArticleList.h"

#include "articles/SavedArticles.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSaveFile>

#include <algorithm>

TArticleList::TArticleList(QObject *parent) : QObject(parent) {}

TArticleList::~TArticleList()
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - Destroy"));
    m_CurrentEntry = nullptr;
    Entries.clear();
}

QString TArticleList::Suffix() const
{
    return QStringLiteral(" [%1 %2]").arg(Entries.size()).arg(HiddenCount);
}

void TArticleList::Trace(const char *operation) const
{
    UtilsClass::Trace(QStringLiteral("MemoListBox - ") + QLatin1String(operation) + Suffix());
}

int TArticleList::PositionOf(const TMemoEntry *entry) const
{
    for (int k = 1; k <= Count(); ++k) {
        if (Entries[static_cast<size_t>(k - 1)].get() == entry)
            return k;
    }
    return 0;
}

TMemoEntry *TArticleList::Add(const QString &text, const QString &voice)
{
    Trace("Add");
    TMemoEntry *entry = nullptr;
    if (Entries.empty()) {
        HiddenCount = 0;
    } else {
        int k = std::max(1, m_CheckedNotBlank + 1);
        for (; k <= Count(); ++k) {
            if (EntryAt(k)->IsBlank()) {
                entry = EntryAt(k); // its voice stays
                break;
            }
        }
        m_CheckedNotBlank = k - 1;
    }
    if (!entry) {
        if (ListMode == 0)
            DeleteAll();
        auto created = std::make_unique<TMemoEntry>(this);
        if (ListMode == 1)
            created->ApplyMultiLayout();
        created->SetVoice(voice);
        entry = created.get();
        if (HiddenCount == 0) {
            Entries.push_back(std::move(created));
            UtilsClass::Trace(QStringLiteral("Added entry at position %1").arg(Entries.size() - 1));
        } else {
            UtilsClass::Trace(QStringLiteral("Inserting entry at position %1").arg(Count()));
            Entries.insert(Entries.begin() + Count(), std::move(created));
        }
    }
    entry->SetText(text);
    entry->SetTitleFromText(TitleLength);
    if (MarkOnFocus) {
        if (m_CurrentEntry && m_CurrentEntry != entry)
            m_CurrentEntry->SetColor(UnselectedColor);
        entry->SetColor(SelectedColor);
    } else {
        entry->SetColor(UnselectedColor);
    }
    m_CurrentEntry = entry;
    emit EntryAdded(entry);
    return entry;
}

void TArticleList::Recolor(const QColor &selected, const QColor &unselected)
{
    SelectedColor = selected;
    UnselectedColor = unselected;
    for (int k = 1; k <= Count(); ++k)
        EntryAt(k)->SetColor(EntryAt(k) == m_CurrentEntry ? SelectedColor : UnselectedColor);
}

void TArticleList::MarkEntry(int position)
{
    Trace("MarkEntry");
    for (int k = 1; k <= Count(); ++k) {
        TMemoEntry *entry = EntryAt(k);
        if (k == position) {
            m_CurrentEntry = entry;
            entry->SetColor(SelectedColor);
        } else {
            entry->SetColor(UnselectedColor);
        }
    }
    emit CurrentChanged(position);
}

void TArticleList::Enter(TMemoEntry *entry)
{
    Trace("OnEntryHandler");
    if (MarkOnFocus) {
        if (m_CurrentEntry && m_CurrentEntry != entry)
            m_CurrentEntry->SetColor(UnselectedColor);
        m_CurrentEntry = entry;
        entry->SetColor(SelectedColor);
    } else {
        m_CurrentEntry = entry;
    }
}

int TArticleList::FindEntry(TMemoEntry *entry)
{
    Trace("FindEntry");
    for (size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i].get() == entry) {
            UtilsClass::Trace(QStringLiteral("MemoListBox - Found position %1").arg(i));
            return static_cast<int>(i) + 1;
        }
    }
    UtilsClass::Trace(QStringLiteral("FindEntry Failed") + Suffix());
    return 0;
}

void TArticleList::DestroyEntry(size_t index)
{
    ++m_Removals;
    m_CheckedNotBlank = 0;
    if (Entries[index].get() == m_CurrentEntry)
        m_CurrentEntry = nullptr;
    Entries.erase(Entries.begin() + static_cast<std::ptrdiff_t>(index));
}

void TArticleList::DeleteSelected()
{
    Trace("DeleteSelected");
    if (!m_CurrentEntry) {
        Messages::Beep();
        Messages::ShowMessage(tr("No rows are currently selected"));
        return;
    }
    DeleteMemoEntry(m_CurrentEntry);
    m_CurrentEntry = nullptr;
    DeleteHiddenEntries();
}

void TArticleList::DeleteMemoEntry(TMemoEntry *entry)
{
    Trace("DeleteMemoEntry");
    if (entry->Locked)
        throw EMemoEntryLocked();
    const int p = FindEntry(entry);
    if (p == 0)
        return;
    UtilsClass::Trace(QStringLiteral("MemoListBox - Deleting position %1").arg(p - 1));
    if (entry->Hidden)
        --HiddenCount;
    DestroyEntry(static_cast<size_t>(p - 1));
    emit EntryRemoved();
}

void TArticleList::DeleteAll()
{
    Trace("DeleteAll");
    if (Entries.empty()) {
        UtilsClass::Trace(QStringLiteral("MemoListBox - DeleteAll - Empty List"));
        m_CurrentEntry = nullptr;
        return;
    }
    // Nothing is deleted while any article is being read.
    for (const auto &entry : Entries) {
        if (entry->Locked)
            throw EMemoEntryLocked();
    }
    m_CurrentEntry = nullptr;
    ++m_Removals;
    m_CheckedNotBlank = 0;
    Entries.clear();
    Entries.shrink_to_fit();
    HiddenCount = 0;
}

void TArticleList::HideEntry(TMemoEntry *entry)
{
    Trace("HideEntry");
    if (entry->Locked)
        throw EMemoEntryLocked();
    if (entry->Hidden)
        return;
    if (entry == m_CurrentEntry)
        m_CurrentEntry = nullptr;
    const auto it = std::find_if(Entries.begin(), Entries.end(),
                                 [entry](const std::unique_ptr<TMemoEntry> &e) { return e.get() == entry; });
    if (it == Entries.end())
        return;
    ++HiddenCount;
    ++m_Removals;
    m_CheckedNotBlank = 0;
    entry->Hidden = true;
    entry->Unshow();
    std::rotate(it, it + 1, Entries.end());
    emit EntryRemoved();
}

void TArticleList::DeleteHiddenEntries()
{
    Trace("DeleteHiddenEntries");
    if (HiddenCount == 0)
        return;
    for (int i = HiddenCount; i > 0 && !Entries.empty(); --i) {
        if (Entries.back()->Hidden)
            DestroyEntry(Entries.size() - 1);
    }
    HiddenCount = 0;
}

void TArticleList::DeleteBlankEntries()
{
    Trace("DeleteBlankEntries");
    DeleteHiddenEntries();
    for (size_t i = Entries.size(); i-- > 0;) {
        if (Entries[i]->IsBlank())
            DestroyEntry(i);
    }
}

void TArticleList::BlankMayHaveAppeared(const TMemoEntry *entry)
{
    if (m_CheckedNotBlank == 0)
        return;
    // New articles are blank at the end of the list: that case needs no search.
    const int n = Count();
    const int position = n > 0 && EntryAt(n) == entry ? n : PositionOf(entry);
    if (position > 0)
        m_CheckedNotBlank = std::min(m_CheckedNotBlank, position - 1);
}

void TArticleList::UnlockAllEntries()
{
    Trace("UnlockAllEntries");
    for (const auto &entry : Entries) {
        if (entry->Locked)
            entry->SetLocked(false);
    }
}

int TArticleList::NonBlankCount() const
{
    int n = 0;
    for (int k = 1; k <= Count(); ++k)
        n += EntryAt(k)->IsBlank() ? 0 : 1;
    return n;
}

bool TArticleList::ExportList(const QString &path)
{
    Trace("ExportList");
    if (Exporting) {
        UtilsClass::Trace(QStringLiteral("Bypass Export - already in progress"));
        return true;
    }
    Exporting = true;
    m_ExportError.clear();
    // The old file is replaced only by a complete new one.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    // Handlers may add or delete articles while messages are processed between
    // records, so the list is walked by position and checked every time.
    for (int k = 1; written && k <= Count(); ++k) {
        const TMemoEntry &entry = *EntryAt(k);
        if (file.write(SavedArticles::Serialize(entry.Title(), entry.Voice(), entry.Text())) < 0)
            written = false;
        QCoreApplication::processEvents();
    }
    if (written && !file.commit())
        written = false;
    if (!written) {
        m_ExportError = file.errorString();
        file.cancelWriting();
        UtilsClass::Trace(QStringLiteral("Saving the articles to ") + path + QStringLiteral(" failed: ") + m_ExportError);
    }
    Exporting = false;
    Trace("Export Complete");
    return written;
}

TArticleList::ImportResult TArticleList::ImportList(const QString &path)
{
    Trace("ImportList");
    ImportResult result;
    Importing = true;
    QByteArray bytes;
    // Only a plain file, and no more of it than a list can be: a pipe or a device
    // in its place is set aside rather than waited on or read without end.
    if (ProgramPaths::ReadSideFile(path, LargestList, &bytes, &result.Problem) != ProgramPaths::TSideRead::Read) {
        Importing = false;
        emit ImportFinished();
        return result;
    }
    SavedArticles::Parsed parsed = SavedArticles::Parse(bytes);
    result.Damaged = result.Damaged || parsed.Damaged;
    result.NonBlankInFile = parsed.NonBlankInFile;

    // The window's events are handled after the first article and every 20 ms
    // after that, not after every article (which would make a start with many
    // articles slow): a long import leaves the window alive all the same.
    QElapsedTimer sinceEvents;
    for (SavedArticles::Record &record : parsed.Records) {
        TMemoEntry *entry = nullptr;
        try {
            entry = Add(QString(), record.Voice);
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Import stopped: ") + QString::fromLocal8Bit(error.what()));
            result.Damaged = true;
            break;
        }
        const quint64 removals = m_Removals;
        entry->SetTitle(record.Title);
        if (!sinceEvents.isValid() || sinceEvents.hasExpired(20)) {
            QCoreApplication::processEvents();
            sinceEvents.start();
        }
        // The user may have deleted the article while messages were processed.
        if (removals == m_Removals || PositionOf(entry) > 0)
            entry->AppendLines(record.Lines);
        record.Lines.clear();
    }
    Importing = false;
    emit ImportFinished();
    Trace("Import Complete");
    return result;
}
