#include "audio/OpusWriter.h"

#include "platform/shell/ProgramPaths.h"

#include <opus/opus.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

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

namespace {

constexpr int frame = TOpusWriter::EncodeRate / 50;        // 20 ms, the packets' length
constexpr int toGranule = 48000 / TOpusWriter::EncodeRate; // Ogg counts Opus at 48 kHz
// Below this a stretch of speech is a pause (about -42 dBFS).
constexpr int quietLevel = 256;

OpusEncoder *NewEncoder(int *error)
{
    OpusEncoder *encoder =
        opus_encoder_create(TOpusWriter::EncodeRate, 1, OPUS_APPLICATION_AUDIO, error);
    if (encoder) {
        opus_encoder_ctl(encoder, OPUS_SET_BITRATE(TOpusWriter::BitRate));
        opus_encoder_ctl(encoder, OPUS_SET_COMPLEXITY(TOpusWriter::Complexity));
        opus_encoder_ctl(encoder, OPUS_SET_SIGNAL(OPUS_SIGNAL_VOICE));
    }
    return encoder;
}

// One segment's packets, `tail` silent samples after its sound (then up to a frame).
TOpusWriter::TPackets Encode(std::vector<int16_t> samples, int tail)
{
    TOpusWriter::TPackets out;
    int error = 0;
    OpusEncoder *encoder = NewEncoder(&error);
    if (!encoder) {
        out.Failure = QString::fromUtf8(opus_strerror(error));
        return out;
    }
    samples.resize((samples.size() + size_t(tail) + frame - 1) / frame * frame, 0);
    out.Packets.reserve(samples.size() / frame);
    unsigned char packet[4000];
    for (size_t at = 0; at < samples.size(); at += frame) {
        const int size =
            opus_encode(encoder, samples.data() + at, frame, packet, int(sizeof packet));
        if (size < 0) {
            out.Failure = QString::fromUtf8(opus_strerror(size));
            break;
        }
        out.Packets.emplace_back(reinterpret_cast<const char *>(packet), size);
    }
    opus_encoder_destroy(encoder);
    return out;
}

// A frame boundary at or after `from` inside a pause: quiet for two frames before
// it (the next encoder starts without the end of the one before) and one after.
qint64 QuietCut(const std::vector<int16_t> &samples, qint64 from)
{
    const qint64 size = qint64(samples.size());
    qint64 quietSince = -1;
    for (qint64 at = std::max<qint64>(0, (from / frame - 2) * frame); at < size; ++at) {
        if (std::abs(int(samples[size_t(at)])) >= quietLevel) {
            quietSince = -1;
            continue;
        }
        if (quietSince < 0)
            quietSince = at;
        const qint64 cut = at + 1 - frame;
        if (cut >= from && cut % frame == 0 && cut - quietSince >= 2 * frame)
            return cut;
    }
    return -1;
}

} // namespace

TOpusWriter::TOpusWriter(const QString &fileName, const TAudioTags &tags)
    : TAudioWriter(fileName, tags)
{
}

TOpusWriter::~TOpusWriter()
{
    for (auto &pending : m_Pending)
        pending.wait();
    if (m_OggOpen)
        ogg_stream_clear(&m_Ogg);
}

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
        const QByteArray key =
            QStringLiteral("CHAPTER%1").arg(k + 1, 3, 10, QLatin1Char('0')).toLatin1();
        comments << key + '=' + Timestamp(chapters[k].Start);
        comments << key + "NAME=" + chapters[k].Title.toUtf8();
    }
    QByteArray packet("OpusTags");
    PutString(packet, opus_get_version_string());
    PutLe32(packet, quint32(comments.size()));
    for (const QByteArray &comment : comments)
        PutString(packet, comment);
    return packet;
}

QByteArray TOpusWriter::HeadPacket() const
{
    QByteArray packet("OpusHead");
    packet.append(char(1)); // version
    packet.append(char(1)); // mono
    char le[4];
    qToLittleEndian(quint16(m_Lookahead * toGranule), le);
    packet.append(le, 2); // pre-skip
    PutLe32(packet, quint32(EncodeRate));
    packet.append(2, '\0'); // no gain
    packet.append(char(0)); // mono or stereo, no channel table
    return packet;
}

bool TOpusWriter::PutPages(bool flush)
{
    ogg_page page;
    while (flush ? ogg_stream_flush(&m_Ogg, &page) : ogg_stream_pageout(&m_Ogg, &page))
        if (!Put(reinterpret_cast<const char *>(page.header), page.header_len) ||
            !Put(reinterpret_cast<const char *>(page.body), page.body_len))
            return false;
    return true;
}

bool TOpusWriter::Begin()
{
    int error = 0;
    OpusEncoder *probe = NewEncoder(&error);
    if (!probe)
        return Fail(
            QCoreApplication::translate("Audio", "The Opus encoder could not be started (%1)\r\r%2")
                .arg(QString::fromUtf8(opus_strerror(error)), FileName()));
    opus_encoder_ctl(probe, OPUS_GET_LOOKAHEAD(&m_Lookahead));
    opus_encoder_destroy(probe);
    m_Parallel = size_t(std::max(1, QThread::idealThreadCount()));
    m_Serial = int(QRandomGenerator::global()->generate() & 0x7fffffff);
    ogg_stream_init(&m_Ogg, m_Serial);
    m_OggOpen = true;

    QByteArray head = HeadPacket();
    ogg_packet packet{
        reinterpret_cast<unsigned char *>(head.data()), head.size(), 1, 0, 0, m_PacketNo++};
    ogg_stream_packetin(&m_Ogg, &packet);
    if (!PutPages(true))
        return false;
    // Room for the comments that come at the end: the tags, the cover, the planned
    // chapters and some more. Readers pass over the zeros after them.
    std::vector<TAudioChapter> room = PlannedChapters;
    room.resize(room.size() + 16, {0, QString(24, QLatin1Char('x'))});
    QByteArray comments = Comments(room);
    comments.append(QByteArray(1024, '\0'));
    m_CommentsSize = int(comments.size());
    m_CommentsAt = File().pos();
    packet = {
        reinterpret_cast<unsigned char *>(comments.data()), comments.size(), 0, 0, 0, m_PacketNo++};
    ogg_stream_packetin(&m_Ogg, &packet);
    if (!PutPages(true))
        return false;
    m_CommentsPages = File().pos() - m_CommentsAt;
    return true;
}

void TOpusWriter::Submit(std::vector<int16_t> samples, bool last)
{
    m_Input += qint64(samples.size());
    m_Pending.push_back(
        std::async(std::launch::async, Encode, std::move(samples), last ? m_Lookahead : 0));
}

bool TOpusWriter::Collect(size_t keep)
{
    while (!m_Pending.empty() &&
           (m_Pending.size() > keep ||
            m_Pending.front().wait_for(std::chrono::seconds(0)) == std::future_status::ready)) {
        TPackets segment = m_Pending.front().get();
        m_Pending.pop_front();
        if (!segment.Failure.isEmpty())
            return Fail(QCoreApplication::translate("Audio", "The Opus encoder failed (%1)\r\r%2")
                            .arg(segment.Failure, FileName()));
        const bool last = m_Ending && m_Pending.empty();
        for (size_t k = 0; k < segment.Packets.size(); ++k) {
            QByteArray &bytes = segment.Packets[k];
            m_Granule += frame * toGranule;
            const bool end = last && k + 1 == segment.Packets.size();
            // The last packet says where the sound ends; the rest of it is padding.
            const ogg_int64_t granule =
                end ? std::min<ogg_int64_t>(m_Granule, (m_Lookahead + m_Input) * toGranule)
                    : m_Granule;
            ogg_packet packet{reinterpret_cast<unsigned char *>(bytes.data()),
                              bytes.size(),
                              0,
                              end ? 1 : 0,
                              granule,
                              m_PacketNo++};
            ogg_stream_packetin(&m_Ogg, &packet);
        }
        if (!PutPages(last))
            return false;
    }
    return true;
}

bool TOpusWriter::Write(const int16_t *samples, qint64 count)
{
    m_Buffer.insert(m_Buffer.end(), samples, samples + count);
    m_Samples += count;
    while (qint64(m_Buffer.size()) >= SegmentSamples + frame) {
        const qint64 from = std::max(SegmentSamples, m_Searched);
        qint64 cut = QuietCut(m_Buffer, from);
        if (cut < 0) {
            // No pause yet; a sound that never pauses is cut where it is.
            if (qint64(m_Buffer.size()) < 8 * SegmentSamples) {
                m_Searched = std::max(SegmentSamples, qint64(m_Buffer.size()) / frame * frame);
                break;
            }
            cut = qint64(m_Buffer.size()) / frame * frame;
        }
        std::vector<int16_t> segment(m_Buffer.begin(), m_Buffer.begin() + cut);
        m_Buffer.erase(m_Buffer.begin(), m_Buffer.begin() + cut);
        m_Searched = 0;
        if (!Collect(m_Parallel - 1))
            return false;
        Submit(std::move(segment), false);
    }
    return Collect(m_Parallel);
}

bool TOpusWriter::End(const std::vector<TAudioChapter> &chapters)
{
    if (!Collect(m_Parallel - 1))
        return false;
    m_Ending = true;
    Submit(std::move(m_Buffer), true);
    m_Buffer.clear();
    if (!Collect(0))
        return false;

    // The comments again, now with the chapters, paged as before.
    QByteArray comments = Comments(chapters);
    if (comments.size() > m_CommentsSize) {
        // More than there was room for (articles added while the file was made):
        // the file keeps its tags without the chapters.
        comments = Comments({});
        if (comments.size() > m_CommentsSize)
            return true;
    }
    comments.append(QByteArray(m_CommentsSize - comments.size(), '\0'));
    ogg_stream_state again;
    ogg_stream_init(&again, m_Serial);
    QByteArray head = HeadPacket();
    ogg_packet packet{reinterpret_cast<unsigned char *>(head.data()), head.size(), 1, 0, 0, 0};
    ogg_stream_packetin(&again, &packet);
    ogg_page page;
    while (ogg_stream_flush(&again, &page)) {
    }
    packet = {reinterpret_cast<unsigned char *>(comments.data()), comments.size(), 0, 0, 0, 1};
    ogg_stream_packetin(&again, &packet);
    QByteArray pages;
    while (ogg_stream_flush(&again, &page)) {
        pages.append(reinterpret_cast<const char *>(page.header), page.header_len);
        pages.append(reinterpret_cast<const char *>(page.body), page.body_len);
    }
    ogg_stream_clear(&again);
    return pages.size() != m_CommentsPages
               ? Fail(QCoreApplication::translate("Audio",
                                                  "The Opus comments could not be written\r\r%1")
                          .arg(FileName()))
               : PutAt(m_CommentsAt, pages);
}
