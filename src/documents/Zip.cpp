#include "documents/Zip.h"

#include "documents/Paragraphs.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <quazipfile.h>
#include <quazipfileinfo.h>

TZip::TZip(const QByteArray &bytes) : m_Bytes(bytes), m_Buffer(&m_Bytes), m_Zip(&m_Buffer) {}

bool TZip::Open(QString *error)
{
    if (!m_Zip.open(QuaZip::mdUnzip)) {
        *error =
            QCoreApplication::translate("Documents", "is damaged (not a readable zip archive)");
        return false;
    }
    qint64 declared = 0;
    for (const QuaZipFileInfo64 &info : m_Zip.getFileInfoList64())
        declared += qint64(info.uncompressedSize);
    if (declared > maxUnpacked) {
        *error = QCoreApplication::translate("Documents", "would unpack to more than 256 MB");
        return false;
    }
    return true;
}

bool TZip::Read(const QString &name, QByteArray *bytes, QString *error)
{
    if (!m_Zip.setCurrentFile(name)) {
        *error = QCoreApplication::translate("Documents", "is damaged (%1 is missing)").arg(name);
        return false;
    }
    QuaZipFileInfo64 info;
    if (m_Zip.getCurrentFileInfo(&info) && (info.flags & 1)) {
        *error = QCoreApplication::translate("Documents", "is encrypted");
        return false;
    }
    // Parts that are not read (pictures, sound) may be as large as they like.
    if (qint64(info.uncompressedSize) > maxPartUnpacked) {
        *error = QCoreApplication::translate("Documents",
                                             "is refused (%1 would unpack to more than 64 MB)")
                     .arg(name);
        return false;
    }
    QuaZipFile file(&m_Zip);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("Documents", "is damaged (%1 cannot be unpacked)")
                     .arg(name);
        return false;
    }
    bytes->clear();
    // The sizes a zip declares may lie: what is really unpacked counts.
    char chunk[65536];
    for (;;) {
        const qint64 n = file.read(chunk, sizeof chunk);
        if (n < 0 || file.getZipError() != UNZ_OK) {
            *error = QCoreApplication::translate("Documents", "is damaged (%1 cannot be unpacked)")
                         .arg(name);
            return false;
        }
        if (n == 0)
            break;
        m_Unpacked += n;
        if (m_Unpacked > maxUnpacked) {
            *error = QCoreApplication::translate("Documents", "would unpack to more than 256 MB");
            return false;
        }
        if (bytes->size() + n > maxPartUnpacked) { // as declared, the zip reader stops there; never more
            *error = QCoreApplication::translate("Documents",
                                                 "is refused (%1 would unpack to more than 64 MB)")
                         .arg(name);
            bytes->clear();
            return false;
        }
        bytes->append(chunk, n);
    }
    // An entry that declares less than it holds is read only so far: its
    // checksum, tested on closing, tells.
    file.close();
    if (file.getZipError() != UNZ_OK) {
        *error =
            QCoreApplication::translate("Documents", "is damaged (%1 does not match its checksum)")
                .arg(name);
        return false;
    }
    // The XML reader expands entities a part declares for itself, each within a
    // limit but not in all: a few hundred bytes could become gigabytes of text.
    // No office document or e-book declares any.
    if (bytes->contains("<!DOCTYPE") && bytes->contains("<!ENTITY")) {
        *error =
            QCoreApplication::translate("Documents", "is refused (%1 declares entities of its own, "
                                                     "which could make it expand without end)")
                .arg(name);
        bytes->clear();
        return false;
    }
    return true;
}

QByteArray TZip::Optional(const QString &name)
{
    QByteArray bytes;
    QString ignored;
    return Has(name) && Read(name, &bytes, &ignored) ? bytes : QByteArray();
}

QString TZip::DcTitle(const QString &name)
{
    QXmlStreamReader reader(Optional(name));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("title"))
            return Paragraphs::Clean(reader.readElementText(QXmlStreamReader::IncludeChildElements));
    }
    return {};
}

bool XmlFailed(const QXmlStreamReader &reader, const QString &part, QString *error)
{
    if (!reader.hasError() || reader.error() == QXmlStreamReader::PrematureEndOfDocumentError)
        return false;
    *error = QCoreApplication::translate("Documents", "is damaged (%1: %2)")
                 .arg(part, reader.errorString());
    return true;
}
