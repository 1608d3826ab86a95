// Saving and restoring the article list ("PWExport.txt").
#include "articles/MemoListBox.h"
#include "articles/TextFile.h"
#include "log/UtilsClass.h"
#include "platform/shell/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

const QString TMemoListBox::StartDelimiter = QStringLiteral("||||||Parlewind MP3 Start of Article||||||");
const QString TMemoListBox::EndDelimiter = QStringLiteral("||||||Parlewind MP3 End of Article||||||");

namespace {

const QString crlf = QStringLiteral("\r\n");

int LineCount(const QString &text) { return text.isEmpty() ? 0 : static_cast<int>(TextFile::SplitLines(text).size()); }

QString Field(QString text) { return text.replace(QLatin1Char('|'), QLatin1Char('_')); }

QByteArray Record(const TMemoEntry &entry)
{
    const QString text = entry.Text();
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    body.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    body.replace(QLatin1Char('\n'), crlf);
    const QString record = TMemoListBox::StartDelimiter + crlf + Field(entry.Title()) + QLatin1Char('|') +
                           Field(entry.Voice()) + QLatin1Char('|') + QString::number(LineCount(text)) + crlf + body +
                           crlf + TMemoListBox::EndDelimiter + crlf;
    return record.toUtf8();
}

} // namespace

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
        if (file.write(Record(*EntryAt(k))) < 0)
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

void TMemoListBox::ImportList(const QString &path, const ArticleEvent &onRead, const ArticleEvent &onReadToFile,
                              const ArticleEvent &onDelete)
{
    Trace("ImportList");
    Importing = true;
    m_PendingTop = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Importing = false;
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        UtilsClass::Trace(QStringLiteral("Import error - ReadLn (1)"));
        Messages::ShowError(QStringLiteral("Error restoring saved articles"));
    }
    file.close();
    const QStringList lines = TextFile::SplitLines(TextFile::Decode(bytes));

    qsizetype i = 0;
    const qsizetype n = bytes.isEmpty() ? 0 : lines.size();
    while (i < n) {
        if (lines.at(i++) != StartDelimiter)
            break;
        // A start delimiter on the last line has no record behind it.
        if (i >= n)
            break;
        const QStringList fields = lines.at(i++).split(QLatin1Char('|'));
        QCoreApplication::processEvents();
        // The line count is not needed: the text runs to the end delimiter.
        TMemoEntry *entry = nullptr;
        quint64 removals = 0;
        try {
            entry = Add(QString(), fields.value(1));
        } catch (const std::exception &error) {
            UtilsClass::Trace(QStringLiteral("Import stopped: ") + QString::fromLocal8Bit(error.what()));
            break;
        }
        removals = m_Removals;
        entry->SetTitle(fields.value(0));
        entry->OnRead = onRead;
        entry->OnReadToFile = onReadToFile;
        entry->OnDelete = onDelete;

        QStringList text;
        while (i < n) {
            const QString &line = lines.at(i++);
            QCoreApplication::processEvents();
            if (line == EndDelimiter)
                break;
            text << line;
        }
        // The user may have deleted the article while messages were processed.
        if (removals == m_Removals || PositionOf(entry) > 0)
            entry->AppendLines(text);
    }
    Importing = false;
    if (m_PendingTop > 0) {
        const int top = std::min(m_PendingTop, std::max(1, Count()));
        m_PendingTop = 0;
        ScrollToTop(top);
    }
    Trace("Import Complete");
}
