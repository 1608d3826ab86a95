// Saving and restoring the article list ("PWExport.txt").
#include "articles/MemoListBox.h"
#include "platform/shell/ProgramPaths.h"
#include "articles/SavedArticles.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

bool TMemoListBox::ExportList(const QString &path)
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

TMemoListBox::ImportResult TMemoListBox::ImportList(const QString &path, const ArticleEvent &onRead,
                                                    const ArticleEvent &onReadToFile, const ArticleEvent &onDelete)
{
    Trace("ImportList");
    ImportResult result;
    Importing = true;
    m_PendingTop = 0;
    QByteArray bytes;
    // Only a plain file, and no more of it than a list can be: a pipe or a device
    // in its place is set aside rather than waited on or read without end.
    if (ProgramPaths::ReadSideFile(path, LargestList, &bytes, &result.Problem) != ProgramPaths::TSideRead::Read) {
        Importing = false;
        return result;
    }
    SavedArticles::Parsed parsed = SavedArticles::Parse(bytes);
    result.Damaged = result.Damaged || parsed.Damaged;
    result.NonBlankInFile = parsed.NonBlankInFile;

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
        entry->OnRead = onRead;
        entry->OnReadToFile = onReadToFile;
        entry->OnDelete = onDelete;
        QCoreApplication::processEvents();
        // The user may have deleted the article while messages were processed.
        if (removals == m_Removals || PositionOf(entry) > 0)
            entry->AppendLines(record.Lines);
        record.Lines.clear();
    }
    Importing = false;
    if (m_PendingTop > 0) {
        const int top = std::min(m_PendingTop, std::max(1, Count()));
        m_PendingTop = 0;
        ScrollToTop(top);
    }
    Trace("Import Complete");
    return result;
}
