#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <quazip.h>

class QXmlStreamReader;

// What one zip may unpack to, in all, and one part of it: an e-book's text is a
// few megabytes, and no part holds more text than a text file may.
constexpr qint64 maxUnpacked = 256 * 1024 * 1024;
constexpr qint64 maxPartUnpacked = 64 * 1024 * 1024;

// A damaged zip sends the zip reader outside the bytes: that is a failed seek,
// and no warning on the terminal.
class TQuietBuffer : public QBuffer
{
public:
    using QBuffer::QBuffer;
    bool seek(qint64 pos) override { return pos >= 0 && pos <= size() && QBuffer::seek(pos); }
};

// One zip (an e-book or an office document), its entries read with a limit on
// what they unpack to.
class TZip
{
public:
    explicit TZip(const QByteArray &bytes);

    bool Open(QString *error);
    bool Has(const QString &name) { return m_Zip.setCurrentFile(name); }
    // The entry's bytes; false with the reason when it is missing, encrypted or too large.
    bool Read(const QString &name, QByteArray *bytes, QString *error);
    // An entry that a document may do without: its bytes, or none when it is
    // missing or cannot be read.
    QByteArray Optional(const QString &name);
    // Dublin Core's title in a metadata entry, or empty.
    QString DcTitle(const QString &name);

private:
    QByteArray m_Bytes; // read only, through the buffer
    TQuietBuffer m_Buffer;
    QuaZip m_Zip;
    qint64 m_Unpacked = 0;
};

// True, with the reason, when an entry's XML is damaged (not merely cut short).
bool XmlFailed(const QXmlStreamReader &reader, const QString &part, QString *error);
