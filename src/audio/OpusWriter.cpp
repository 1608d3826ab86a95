#include "audio/OpusWriter.h"

#include "platform/shell/ProgramPaths.h"

#include <opusenc.h>

#include <QtEndian>

#include <array>
#include <cmath>

namespace {

constexpr int pageHeaderSize = 27;

// Ogg's checksum: CRC-32 with polynomial 0x04c11db7, not reflected, starting at 0.
quint32 OggCrc(const QByteArray &page)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 r = i << 24;
            for (int k = 0; k < 8; ++k)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04c11db7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    quint32 crc = 0;
    for (const char c : page)
        crc = (crc << 8) ^ table[((crc >> 24) ^ quint8(c)) & 0xff];
    return crc;
}

void PutLe32(QByteArray &bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void PutString(QByteArray &bytes, const QByteArray &text)
{
    PutLe32(bytes, quint32(text.size()));
    bytes.append(text);
}

QByteArray Timestamp(double seconds)
{
    const qint64 ms = std::llround(std::max(0.0, seconds) * 1000);
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000, 2, 10, QLatin1Char('0'))
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'))
        .toLatin1();
}

// The cover as a FLAC picture block, as Ogg files carry it.
QByteArray PictureBlock(const QByteArray &picture, const QString &mime)
{
    QByteArray block;
    const auto be32 = [&block](quint32 v) {
        char be[4];
        qToBigEndian(v, be);
        block.append(be, 4);
    };
    be32(3); // the front cover
    be32(quint32(mime.size()));
    block.append(mime.toLatin1());
    be32(0); // no description
    for (int k = 0; k < 4; ++k)
        be32(0); // width, height, depth, colours: unknown, which players allow
    be32(quint32(picture.size()));
    block.append(picture);
    return block;
}

} // namespace

TOpusWriter::TOpusWriter(const QString &fileName, const TAudioTags &tags) : TAudioWriter(fileName, tags) {}

TOpusWriter::~TOpusWriter()
{
    if (m_Encoder)
        ope_encoder_destroy(m_Encoder);
}

int TOpusWriter::WriteOut(void *user, const unsigned char *data, int size)
{
    auto *self = static_cast<TOpusWriter *>(user);
    // The pages up to the end of the comments are kept, to be written again.
    for (int at = 0; !self->m_HeadDone && at + pageHeaderSize <= size;) {
        const int segments = data[at + 26];
        int body = 0;
        for (int k = 0; k < segments && at + pageHeaderSize + k < size; ++k)
            body += data[at + pageHeaderSize + k];
        const int length = std::min(pageHeaderSize + segments + body, size - at);
        self->m_Head.append(reinterpret_cast<const char *>(data) + at, length);
        ++self->m_Pages;
        if (self->m_Pages > 1 && segments > 0 && data[at + pageHeaderSize + segments - 1] < 255)
            self->m_HeadDone = true;
        at += length;
    }
    return self->Put(reinterpret_cast<const char *>(data), size) ? 0 : 1;
}

int TOpusWriter::CloseOut(void *) { return 0; }

QByteArray TOpusWriter::Comments(const std::vector<TAudioChapter> &chapters) const
{
    QList<QByteArray> comments;
    const auto add = [&comments](const char *key, const QString &value) {
        if (!value.isEmpty())
            comments << QByteArray(key) + '=' + value.toUtf8();
    };
    add("TITLE", m_Tags.Title);
    add("ARTIST", m_Tags.Artist);
    add("ALBUM", m_Tags.Album);
    if (m_Tags.Track > 0)
        add("TRACKNUMBER", QString::number(m_Tags.Track));
    add("GENRE", m_Tags.Genre);
    add("ENCODER", TAudioTags::Software());
    const QString mime = TAudioTags::PictureMime(m_Tags.Cover);
    if (!mime.isEmpty())
        comments << "METADATA_BLOCK_PICTURE=" + PictureBlock(m_Tags.Cover, mime).toBase64();
    for (size_t k = 0; k < chapters.size(); ++k) {
        const QByteArray key = QStringLiteral("CHAPTER%1").arg(k + 1, 3, 10, QLatin1Char('0')).toLatin1();
        comments << key + '=' + Timestamp(chapters[k].Start);
        comments << key + "NAME=" + chapters[k].Title.toUtf8();
    }
    QByteArray packet("OpusTags");
    PutString(packet, m_Vendor);
    PutLe32(packet, quint32(comments.size()));
    for (const QByteArray &comment : comments)
        PutString(packet, comment);
    return packet;
}

bool TOpusWriter::Begin()
{
    // The vendor is the library's; the rest of the comments are written at the end.
    OggOpusComments *empty = ope_comments_create();
    if (!empty)
        return Fail(QStringLiteral("The Opus encoder could not be started\r\r") + FileName());
    OpusEncCallbacks callbacks{WriteOut, CloseOut};
    int error = 0;
    m_Encoder = ope_encoder_create_callbacks(&callbacks, this, empty, m_Rate, 1, 0, &error);
    ope_comments_destroy(empty);
    if (!m_Encoder)
        return Fail(QStringLiteral("The Opus encoder could not be started (%1)\r\r").arg(QString::fromUtf8(ope_strerror(error))) +
                    FileName());
    // Room for the comments that come at the end: the tags, the cover, the planned
    // chapters and some more.
    std::vector<TAudioChapter> room = PlannedChapters;
    room.resize(room.size() + 16, {0, QString(24, QLatin1Char('x'))});
    m_Vendor = QByteArray(64, 'x');
    const int padding = int(Comments(room).size()) + 1024;
    m_Vendor.clear();
    ope_encoder_ctl(m_Encoder, OPE_SET_COMMENT_PADDING(padding));
    ope_encoder_ctl(m_Encoder, OPUS_SET_BITRATE(BitRate));
    ope_encoder_ctl(m_Encoder, OPUS_SET_COMPLEXITY(Complexity));
    ope_encoder_ctl(m_Encoder, OPUS_SET_SIGNAL(OPUS_SIGNAL_VOICE));
    return true;
}

bool TOpusWriter::Write(const int16_t *samples, qint64 count)
{
    while (count > 0) {
        const int take = int(std::min<qint64>(count, 1 << 20));
        const int error = ope_encoder_write(m_Encoder, samples, take);
        if (error != OPE_OK)
            return Failure().isEmpty()
                       ? Fail(QStringLiteral("The Opus encoder failed (%1)\r\r").arg(QString::fromUtf8(ope_strerror(error))) + FileName())
                       : false;
        samples += take;
        count -= take;
        m_Samples += take;
    }
    return true;
}

bool TOpusWriter::End(const std::vector<TAudioChapter> &chapters)
{
    const int error = ope_encoder_drain(m_Encoder);
    if (error != OPE_OK)
        return Failure().isEmpty()
                   ? Fail(QStringLiteral("The Opus encoder failed (%1)\r\r").arg(QString::fromUtf8(ope_strerror(error))) + FileName())
                   : false;
    if (!m_HeadDone)
        return Fail(QStringLiteral("The Opus encoder wrote no header\r\r") + FileName());
    // The comment packet as the pages after the first hold it, and how they cut it.
    QByteArray packet;
    std::vector<int> pageStarts, bodyStarts, bodySizes;
    for (int at = 0, page = 0; at < m_Head.size(); ++page) {
        const int segments = quint8(m_Head.at(at + 26));
        int body = 0;
        for (int k = 0; k < segments; ++k)
            body += quint8(m_Head.at(at + pageHeaderSize + k));
        if (page > 0) {
            pageStarts.push_back(at);
            bodyStarts.push_back(at + pageHeaderSize + segments);
            bodySizes.push_back(body);
            packet.append(m_Head.mid(at + pageHeaderSize + segments, body));
        }
        at += pageHeaderSize + segments + body;
    }
    // "OpusTags", then the vendor's length and the vendor.
    if (packet.size() < 12)
        return Fail(QStringLiteral("The Opus encoder wrote no comments\r\r") + FileName());
    const quint32 vendorSize = qFromLittleEndian<quint32>(packet.constData() + 8);
    m_Vendor = packet.mid(12, int(vendorSize));
    QByteArray comments = Comments(chapters);
    if (comments.size() > packet.size()) {
        // More than there was room for (articles added while the file was made):
        // the file keeps its tags without the chapters.
        comments = Comments({});
        if (comments.size() > packet.size())
            return true;
    }
    // The rest is padding, which readers pass over.
    comments.append(QByteArray(packet.size() - comments.size(), '\0'));
    for (size_t k = 0, from = 0; k < pageStarts.size(); ++k) {
        const int at = pageStarts[k];
        QByteArray page = m_Head.mid(at, bodyStarts[k] - at + bodySizes[k]);
        page.replace(bodyStarts[k] - at, bodySizes[k], comments.mid(int(from), bodySizes[k]));
        from += size_t(bodySizes[k]);
        page.replace(22, 4, QByteArray(4, '\0'));
        char crc[4];
        qToLittleEndian(OggCrc(page), crc);
        page.replace(22, 4, QByteArray(crc, 4));
        if (!PutAt(at, page))
            return false;
    }
    return true;
}
