#include "audiohelp/GrabBaseClass.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Without blanks and control characters at either end.
QStringView Trimmed(QStringView line)
{
    qsizetype begin = 0, end = line.size();
    while (begin < end && line[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && line[end - 1].unicode() <= 0x20)
        --end;
    return line.mid(begin, end - begin);
}

} // namespace

bool GrabBaseClass::Load(const QString &fileName, QString &errorText)
{
    Root.Clear();
    Text.clear();
    Root.Text = QStringView();
    FileName = fileName;
    errorText.clear();
    if (!QFileInfo(fileName).isFile()) {
        errorText = QCoreApplication::translate("AudioHelp", "File:%1 Not Found.").arg(fileName);
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        errorText = QCoreApplication::translate("AudioHelp", "File:%1 cannot be read: %2")
                        .arg(fileName, file.errorString());
        return false;
    }
    if (file.size() > MaxFileBytes) {
        errorText =
            QCoreApplication::translate("AudioHelp", "File:%1 is larger than 64 MB.").arg(fileName);
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError) {
        errorText = QCoreApplication::translate("AudioHelp", "File:%1 cannot be read: %2")
                        .arg(fileName, file.errorString());
        return false;
    }
    Parse(bytes);
    return true;
}

void GrabBaseClass::Parse(const QByteArray &bytes)
{
    Root.Clear();
    Text.clear();
    const QString all = QString::fromUtf8(bytes);
    Text.reserve(all.size());
    // Lines end in LF, CR LF or a lone CR.
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype stop = start;
        while (stop < all.size() && all[stop] != u'\n' && all[stop] != u'\r')
            ++stop;
        Text += Trimmed(QStringView(all).mid(start, stop - start));
        if (stop < all.size() && all[stop] == u'\r' && stop + 1 < all.size() && all[stop + 1] == u'\n')
            ++stop;
        start = stop + 1;
    }
    Root.Parse(Text, QString(), 0, nullptr, QString(), QString());
}

void GrabBaseClass::GetList(const QString &path, const QString &countName, QStringList &list)
{
    list.clear();
    if (const GBItemClass *item = Root.FindItem(path))
        item->GetIndexedList(countName, list);
}

QString GrabBaseClass::GetValue(const QString &path, const QString &name)
{
    const GBItemClass *item = Root.FindItem(path);
    return item ? item->GetValue(name) : QString();
}
