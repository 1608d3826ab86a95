#include "articles/TextFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace TextFile {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned codes
// keep their Latin-1 meaning, as Windows itself does.
constexpr char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

} // namespace

QString Decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        // One line from another program must not turn the rest into mojibake:
        // each line that is valid UTF-8 is read as UTF-8.
        text.clear();
        text.reserve(bytes.size());
        qsizetype start = 0;
        while (start < bytes.size()) {
            qsizetype end = bytes.indexOf('\n', start);
            end = end < 0 ? bytes.size() : end + 1;
            const QByteArrayView line(bytes.constData() + start, end - start);
            QStringDecoder lineDecoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
            const QString decoded = lineDecoder.decode(line);
            text += lineDecoder.hasError() ? DecodeCp1252(line) : decoded;
            start = end;
        }
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n || lines.isEmpty())
        lines << text.mid(start);
    return lines;
}

bool ReadLines(const QByteArray &bytes, const QString &name, QStringList *lines, QString *error)
{
    if (LooksBinary(bytes)) {
        *error =
            QCoreApplication::translate("TextFile", "%1 does not contain text; it was not opened.")
                .arg(name);
        return false;
    }
    if (bytes.trimmed().isEmpty()) {
        *error =
            QCoreApplication::translate("TextFile", "%1 is empty; it was not opened.").arg(name);
        return false;
    }
    *lines = SplitLines(Decode(bytes));
    return true;
}

bool IsBlank(const QString &text)
{
    for (const QChar c : text) {
        if (c > QLatin1Char(' '))
            return false;
    }
    return true;
}

bool LooksBinary(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return true;
    qsizetype controls = 0;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        // Tabs, line and page ends, escapes and backspaces (a terminal's bold) are text.
        controls += u < 0x20 && u != '\t' && u != '\n' && u != '\r' && u != '\f' && u != '\v' && u != 0x1b && u != '\b';
    }
    return controls * 100 > bytes.size();
}

bool ReadCapped(QIODevice &in, qint64 cap, QByteArray *bytes)
{
    bytes->clear();
    // A file that says it is larger is refused before it is read.
    if (!in.isSequential() && in.size() > cap)
        return false;
    for (;;) {
        const QByteArray part = in.read(std::min<qint64>(cap + 1 - bytes->size(), 1 << 20));
        if (part.isEmpty()) {
            // A pipe may have nothing yet without being at its end.
            if (!in.atEnd() && in.waitForReadyRead(-1))
                continue;
            return true;
        }
        bytes->append(part);
        if (bytes->size() > cap)
            return false;
    }
}

} // namespace TextFile
