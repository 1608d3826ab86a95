#include "audio/M4bWriter.h"

#include "platform/shell/LibraryFunctions.h"

#include <QCoreApplication>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libavutil/log.h>
}

#include <algorithm>
#include <cmath>

// libavcodec and the many libraries it brings are loaded when the first audiobook
// is made, not with the program (they would add to every start). Its version is
// the one this was built against.
struct TLibAv
{
    decltype(&::av_packet_alloc) av_packet_alloc = nullptr;
    decltype(&::av_packet_free) av_packet_free = nullptr;
    decltype(&::av_packet_unref) av_packet_unref = nullptr;
    decltype(&::avcodec_find_encoder) avcodec_find_encoder = nullptr;
    decltype(&::avcodec_free_context) avcodec_free_context = nullptr;
    decltype(&::avcodec_receive_packet) avcodec_receive_packet = nullptr;
    decltype(&::avcodec_send_frame) avcodec_send_frame = nullptr;
    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3 = nullptr;
    decltype(&::avcodec_open2) avcodec_open2 = nullptr;
    decltype(&::av_channel_layout_copy) av_channel_layout_copy = nullptr;
    decltype(&::av_channel_layout_default) av_channel_layout_default = nullptr;
    decltype(&::av_dict_free) av_dict_free = nullptr;
    decltype(&::av_dict_set) av_dict_set = nullptr;
    decltype(&::av_frame_alloc) av_frame_alloc = nullptr;
    decltype(&::av_frame_free) av_frame_free = nullptr;
    decltype(&::av_frame_get_buffer) av_frame_get_buffer = nullptr;
    decltype(&::av_frame_make_writable) av_frame_make_writable = nullptr;
    decltype(&::av_log_set_level) av_log_set_level = nullptr;
    decltype(&::av_strerror) av_strerror = nullptr;
};

namespace {

// Packets a chunk: the index has an entry a chunk besides one a packet.
constexpr size_t chunkPackets = 64;
constexpr quint32 movieScale = 1000; // the movie's times are in milliseconds

void Be(QByteArray &bytes, quint64 value, int size)
{
    for (int k = size - 1; k >= 0; --k)
        bytes.append(char((value >> (8 * k)) & 0xff));
}

QByteArray Be32(quint32 value)
{
    QByteArray bytes;
    Be(bytes, value, 4);
    return bytes;
}

QByteArray Box(const char *type, const QByteArray &body)
{
    QByteArray box = Be32(quint32(8 + body.size()));
    box.append(type, 4);
    return box + body;
}

// A box's head for contents of `size` bytes written after it.
QByteArray Header(const char *type, qint64 size)
{
    QByteArray head = Be32(quint32(8 + size));
    head.append(type, 4);
    return head;
}

QByteArray FullBox(const char *type, quint32 versionAndFlags, const QByteArray &body)
{
    return Box(type, Be32(versionAndFlags) + body);
}

// An MPEG-4 descriptor, its length in the four-byte form players all read.
QByteArray Descriptor(int tag, const QByteArray &body)
{
    QByteArray d(1, char(tag));
    for (int shift = 21; shift > 0; shift -= 7)
        d.append(char(0x80 | ((body.size() >> shift) & 0x7f)));
    d.append(char(body.size() & 0x7f));
    return d + body;
}

QByteArray Matrix()
{
    QByteArray m;
    for (const quint32 v : {0x00010000u, 0u, 0u, 0u, 0x00010000u, 0u, 0u, 0u, 0x40000000u})
        Be(m, v, 4);
    return m;
}

QByteArray TrackHeader(quint32 flags, quint32 id, quint32 duration, quint16 group, quint16 volume)
{
    QByteArray b = Be32(0) + Be32(0) + Be32(id) + Be32(0) + Be32(duration) + QByteArray(8, '\0');
    Be(b, 0, 2); // layer
    Be(b, group, 2);
    Be(b, volume, 2);
    Be(b, 0, 2);
    return FullBox("tkhd", flags, b + Matrix() + Be32(0) + Be32(0));
}

QByteArray MediaHeader(quint32 scale, quint64 duration)
{
    const bool wide = duration > 0xffffffffu;
    QByteArray b;
    Be(b, 0, wide ? 8 : 4);
    Be(b, 0, wide ? 8 : 4);
    Be(b, scale, 4);
    Be(b, duration, wide ? 8 : 4);
    Be(b, 0x55c4, 2); // "und"
    Be(b, 0, 2);
    return FullBox("mdhd", wide ? 0x01000000u : 0u, b);
}

QByteArray Handler(const char *type, const char *name)
{
    return FullBox("hdlr", 0,
                   Be32(0) + QByteArray(type, 4) + QByteArray(12, '\0') + QByteArray(name) + '\0');
}

QByteArray EditList(quint32 duration, quint32 mediaTime)
{
    return Box("edts",
               FullBox("elst", 0, Be32(1) + Be32(duration) + Be32(mediaTime) + Be32(0x00010000)));
}

QByteArray DataReferences()
{
    return Box("dinf", FullBox("dref", 0, Be32(1) + FullBox("url ", 1, {})));
}

// Runs of (count, delta) as the time-to-sample table.
QByteArray TimeToSample(const std::vector<std::pair<uint32_t, uint32_t>> &runs)
{
    QByteArray b = Be32(quint32(runs.size()));
    for (const auto &[count, delta] : runs)
        b += Be32(count) + Be32(delta);
    return FullBox("stts", 0, b);
}

QByteArray ChunkOffsets(const std::vector<qint64> &offsets)
{
    const bool wide = !offsets.empty() && offsets.back() > 0xffffffffLL;
    QByteArray b = Be32(quint32(offsets.size()));
    for (const qint64 at : offsets)
        Be(b, quint64(at), wide ? 8 : 4);
    return FullBox(wide ? "co64" : "stco", 0, b);
}

QByteArray Item(const char *key, quint32 type, const QByteArray &value)
{
    return Box(key, Box("data", Be32(type) + Be32(0) + value));
}

// The chapter titles as a text track reads them: length, UTF-8, the encoding said.
QByteArray ChapterSample(const QString &title)
{
    const QByteArray text = title.toUtf8().left(0xffff);
    QByteArray sample;
    Be(sample, quint64(text.size()), 2);
    return sample + text + Box("encd", Be32(0x00000100));
}

// UTF-8 cut to at most `size` bytes without splitting a character.
QByteArray CutUtf8(const QString &text, int size)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.size() <= size)
        return bytes;
    int end = size;
    while (end > 0 && (quint8(bytes[end]) & 0xc0) == 0x80)
        --end;
    return bytes.left(end);
}

// The functions, or null with why not (the library's own words).
const TLibAv *LoadLibAv(QString *why)
{
    static TLibAv av;
    static QString problem;
    static const bool loaded = [] {
        static QLibrary codec(QStringLiteral("avcodec"), LIBAVCODEC_VERSION_MAJOR);
        static QLibrary util(QStringLiteral("avutil"), LIBAVUTIL_VERSION_MAJOR);
        if (!codec.load() || !util.load()) {
            problem = codec.isLoaded() ? util.errorString() : codec.errorString();
            return false;
        }
        const bool fromCodec =
            Resolve(codec, "av_packet_alloc", &av.av_packet_alloc) &&
            Resolve(codec, "av_packet_free", &av.av_packet_free) &&
            Resolve(codec, "av_packet_unref", &av.av_packet_unref) &&
            Resolve(codec, "avcodec_find_encoder", &av.avcodec_find_encoder) &&
            Resolve(codec, "avcodec_free_context", &av.avcodec_free_context) &&
            Resolve(codec, "avcodec_receive_packet", &av.avcodec_receive_packet) &&
            Resolve(codec, "avcodec_send_frame", &av.avcodec_send_frame) &&
            Resolve(codec, "avcodec_alloc_context3", &av.avcodec_alloc_context3) &&
            Resolve(codec, "avcodec_open2", &av.avcodec_open2);
        const bool fromUtil =
            Resolve(util, "av_channel_layout_copy", &av.av_channel_layout_copy) &&
            Resolve(util, "av_channel_layout_default", &av.av_channel_layout_default) &&
            Resolve(util, "av_dict_free", &av.av_dict_free) &&
            Resolve(util, "av_dict_set", &av.av_dict_set) &&
            Resolve(util, "av_frame_alloc", &av.av_frame_alloc) &&
            Resolve(util, "av_frame_free", &av.av_frame_free) &&
            Resolve(util, "av_frame_get_buffer", &av.av_frame_get_buffer) &&
            Resolve(util, "av_frame_make_writable", &av.av_frame_make_writable) &&
            Resolve(util, "av_log_set_level", &av.av_log_set_level) &&
            Resolve(util, "av_strerror", &av.av_strerror);
        // A function missing: the library that lacks it says which.
        if (!fromCodec || !fromUtil)
            problem = (fromCodec ? util : codec).errorString();
        return fromCodec && fromUtil;
    }();
    if (!loaded)
        *why = problem;
    return loaded ? &av : nullptr;
}

} // namespace

TM4bWriter::TM4bWriter(const QString &fileName, const TAudioTags &tags)
    : TAudioWriter(fileName, tags)
{
}

TM4bWriter::~TM4bWriter()
{
    if (!m_Av)
        return;
    m_Av->av_frame_free(&m_Frame);
    m_Av->av_packet_free(&m_Packet);
    m_Av->avcodec_free_context(&m_Codec);
}

bool TM4bWriter::LibraryFailed(const char *what, int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    m_Av->av_strerror(error, text, sizeof text);
    return Fail(
        QCoreApplication::translate("Audio", "The audiobook could not be made (%1: %2)\r\r%3")
            .arg(QLatin1String(what), QString::fromUtf8(text), FileName()));
}

bool TM4bWriter::Begin()
{
    QString why;
    m_Av = LoadLibAv(&why);
    if (!m_Av)
        return Fail(
            QCoreApplication::translate("Audio", "The audiobook could not be made (%1: %2)\r\r%3")
                .arg(QLatin1String("the AAC encoder"), why, FileName()));
    // Its complaints are ours to tell, in the user's words.
    m_Av->av_log_set_level(AV_LOG_QUIET);
    const AVCodec *aac = m_Av->avcodec_find_encoder(AV_CODEC_ID_AAC);
    m_Codec = aac ? m_Av->avcodec_alloc_context3(aac) : nullptr;
    if (!m_Codec)
        return LibraryFailed("the AAC encoder", AVERROR_ENCODER_NOT_FOUND);
    m_Codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_Codec->sample_rate = m_Rate;
    m_Av->av_channel_layout_default(&m_Codec->ch_layout, 1);
    m_Codec->bit_rate = BitRate;
    m_Codec->time_base = {1, m_Rate};
    m_Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER; // the decoder's setup goes in the index
    // The fast coder: a fraction of the default one's time, and speech hardly tells.
    AVDictionary *options = nullptr;
    m_Av->av_dict_set(&options, "aac_coder", "fast", 0);
    int error = m_Av->avcodec_open2(m_Codec, aac, &options);
    m_Av->av_dict_free(&options);
    if (error < 0)
        return LibraryFailed("the AAC encoder", error);
    m_Frame = m_Av->av_frame_alloc();
    m_Packet = m_Av->av_packet_alloc();
    if (!m_Frame || !m_Packet)
        return LibraryFailed("the encoder", AVERROR(ENOMEM));
    m_Frame->format = AV_SAMPLE_FMT_FLTP;
    m_Frame->sample_rate = m_Rate;
    m_Frame->nb_samples = m_Codec->frame_size;
    m_Av->av_channel_layout_copy(&m_Frame->ch_layout, &m_Codec->ch_layout);
    error = m_Av->av_frame_get_buffer(m_Frame, 0);
    if (error < 0)
        return LibraryFailed("the encoder", error);

    // The file's kind, then room to make the sound's box 64-bit should it need it.
    const QByteArray head =
        Box("ftyp", QByteArray("M4B ") + Be32(0x200) + QByteArray("M4B M4A mp42isom")) +
        Box("free", {});
    if (!Put(head.constData(), head.size()))
        return false;
    m_MediaAt = File().pos();
    const QByteArray media = Box("mdat", {});
    return Put(media.constData(), media.size());
}

bool TM4bWriter::Encode(AVFrame *frame)
{
    int error = m_Av->avcodec_send_frame(m_Codec, frame);
    if (error < 0)
        return LibraryFailed("the AAC encoder", error);
    for (;;) {
        error = m_Av->avcodec_receive_packet(m_Codec, m_Packet);
        if (error == AVERROR(EAGAIN) || error == AVERROR_EOF)
            return true;
        if (error < 0)
            return LibraryFailed("the AAC encoder", error);
        if (m_Packet->size > 0xffff)
            return LibraryFailed("the AAC encoder", AVERROR_BUG);
        if (m_Sizes.size() % chunkPackets == 0)
            m_Chunks.push_back(File().pos());
        const bool written = Put(reinterpret_cast<const char *>(m_Packet->data), m_Packet->size);
        m_Sizes.push_back(uint16_t(m_Packet->size));
        const auto duration =
            uint32_t(m_Packet->duration > 0 ? m_Packet->duration : m_Codec->frame_size);
        if (m_Durations.empty() || m_Durations.back().second != duration)
            m_Durations.push_back({0, duration});
        ++m_Durations.back().first;
        m_MediaSamples += duration;
        m_Av->av_packet_unref(m_Packet);
        if (!written)
            return false;
    }
}

bool TM4bWriter::Write(const int16_t *samples, qint64 count)
{
    while (count > 0) {
        if (m_Filled == 0) {
            const int error = m_Av->av_frame_make_writable(m_Frame);
            if (error < 0)
                return LibraryFailed("the encoder", error);
        }
        auto *out = reinterpret_cast<float *>(m_Frame->data[0]) + m_Filled;
        const int take = int(std::min<qint64>(count, m_Frame->nb_samples - m_Filled));
        for (int k = 0; k < take; ++k)
            out[k] = float(samples[k]) / 32768.0F;
        samples += take;
        count -= take;
        m_Filled += take;
        if (m_Filled == m_Frame->nb_samples) {
            m_Frame->pts = m_Samples;
            m_Samples += m_Filled;
            m_Filled = 0;
            if (!Encode(m_Frame))
                return false;
        }
    }
    return true;
}

std::pair<QByteArray, QByteArray> TM4bWriter::AudioTrack(qint64 movieDuration,
                                                         bool chapterTrack) const
{
    // The decoder's buffer and bit rates, over a second's packets at a time.
    const size_t second =
        size_t(std::max(1, (m_Rate + m_Codec->frame_size - 1) / m_Codec->frame_size));
    quint64 total = 0, window = 0, peak = 0;
    quint32 largest = 0;
    for (size_t k = 0; k < m_Sizes.size(); ++k) {
        total += m_Sizes[k];
        window += m_Sizes[k];
        if (k >= second)
            window -= m_Sizes[k - second];
        peak = std::max(peak, window);
        largest = std::max<quint32>(largest, m_Sizes[k]);
    }
    const double seconds = std::max(1.0, double(m_MediaSamples)) / m_Rate;
    const auto average = quint32(std::llround(double(total) * 8 / seconds));
    QByteArray config(1, char(0x40)); // MPEG-4 audio
    config.append(char(0x15));        // an audio stream
    Be(config, largest, 3);
    config += Be32(std::max(average, quint32(peak * 8))) + Be32(average);
    config += Descriptor(
        5, QByteArray(reinterpret_cast<const char *>(m_Codec->extradata), m_Codec->extradata_size));
    QByteArray stream;
    Be(stream, 1, 2); // its id
    stream.append('\0');
    stream += Descriptor(4, config) + Descriptor(6, QByteArray(1, char(2)));

    QByteArray entry(6, '\0');
    Be(entry, 1, 2);              // the data reference
    entry += QByteArray(8, '\0'); // version, revision, vendor
    Be(entry, 2,
       2); // channels and bits as the format fixes them; the stream's own are in its setup
    Be(entry, 16, 2);
    Be(entry, 0, 4);
    entry += Be32(quint32(m_Rate) << 16);
    entry += FullBox("esds", 0, Descriptor(3, stream));

    QByteArray toChunk;
    const size_t packets = m_Sizes.size();
    if (packets >= chunkPackets)
        toChunk += Be32(1) + Be32(chunkPackets) + Be32(1);
    if (packets % chunkPackets != 0)
        toChunk += Be32(quint32(m_Chunks.size())) + Be32(quint32(packets % chunkPackets)) + Be32(1);
    // The packets' sizes (four bytes each) are written from m_Sizes between the two
    // parts: the boxes around them count them without their being here.
    const qint64 sizes = 4 * qint64(packets);
    const QByteArray sizesHead =
        Header("stsz", 12 + sizes) + Be32(0) + Be32(0) + Be32(quint32(packets));
    const QByteArray tableHead = FullBox("stsd", 0, Be32(1) + Box("mp4a", entry)) +
                                 TimeToSample(m_Durations) +
                                 FullBox("stsc", 0, Be32(quint32(toChunk.size() / 12)) + toChunk);
    const QByteArray tableTail = ChunkOffsets(m_Chunks);
    const qint64 table = tableHead.size() + sizesHead.size() + sizes + tableTail.size();
    const QByteArray infoHead = FullBox("smhd", 0, Be32(0)) + DataReferences();
    const qint64 info = infoHead.size() + 8 + table;
    const QByteArray mediaHead =
        MediaHeader(quint32(m_Rate), quint64(m_MediaSamples)) + Handler("soun", "SoundHandler");
    const qint64 media = mediaHead.size() + 8 + info;
    // The encoder's priming is passed over: the sound starts where the speech does.
    const QByteArray trackHead =
        TrackHeader(3, 1, quint32(movieDuration), 1, 0x0100) +
        EditList(quint32(movieDuration), quint32(m_Codec->initial_padding)) +
        (chapterTrack ? Box("tref", Box("chap", Be32(2))) : QByteArray());
    return {Header("trak", trackHead.size() + 8 + media) + trackHead + Header("mdia", media) +
                mediaHead + Header("minf", info) + infoHead + Header("stbl", table) + tableHead +
                sizesHead,
            tableTail};
}

QByteArray TM4bWriter::Tags(const std::vector<TAudioChapter> &chapters) const
{
    QByteArray items;
    const auto text = [&items](const char *key, const QString &value) {
        if (!value.isEmpty())
            items += Item(key, 1, value.toUtf8());
    };
    text("\xa9nam", m_Tags.Title);
    text("\xa9"
         "ART",
         m_Tags.Artist);
    text("aART", m_Tags.Artist);
    text("\xa9"
         "alb",
         m_Tags.Album);
    text("\xa9gen", m_Tags.Genre);
    text("\xa9too", TAudioTags::Software());
    if (m_Tags.Track > 0) {
        QByteArray track;
        Be(track, 0, 2);
        Be(track, quint64(std::min(m_Tags.Track, 0xffff)), 2);
        Be(track, 0, 4);
        items += Item("trkn", 0, track);
    }
    items += Item("stik", 21, QByteArray(1, char(2))); // an audiobook
    const QString mime = TAudioTags::PictureMime(m_Tags.Cover);
    if (!mime.isEmpty())
        items += Item("covr", mime == QLatin1String("image/png") ? 14 : 13, m_Tags.Cover);
    const QByteArray meta =
        FullBox("meta", 0,
                FullBox("hdlr", 0, Be32(0) + QByteArray("mdirappl") + QByteArray(9, '\0')) +
                    Box("ilst", items));
    // The chapters once more, as players that read no chapter track look for them.
    QByteArray marks;
    if (!chapters.empty() && chapters.size() <= 255) {
        marks = Be32(0) + QByteArray(1, char(chapters.size()));
        for (const TAudioChapter &chapter : chapters) {
            Be(marks, quint64(std::llround(std::max(0.0, chapter.Start) * 1e7)), 8); // in 100 ns
            const QByteArray title = CutUtf8(chapter.Title, 255);
            marks += char(title.size()) + title;
        }
        marks = FullBox("chpl", 0x01000000, marks);
    }
    return Box("udta", meta + marks);
}

std::pair<QByteArray, QByteArray> TM4bWriter::Movie(const std::vector<TAudioChapter> &chapters, qint64 chaptersAt,
                                                    const std::vector<int> &chapterSizes) const
{
    const auto duration = qint64(std::llround(double(m_Samples) * movieScale / m_Rate));
    const bool chapterTrack = !chapters.empty();
    QByteArray movie =
        FullBox("mvhd", 0,
                Be32(0) + Be32(0) + Be32(movieScale) + Be32(quint32(duration)) + Be32(0x00010000) +
                    QByteArray("\x01\x00", 2) + QByteArray(10, '\0') + Matrix() +
                    QByteArray(24, '\0') + Be32(chapterTrack ? 3 : 2));
    auto [head, tail] = AudioTrack(duration, chapterTrack);
    movie += head;
    if (chapterTrack) {
        // A text track of the titles, each shown from its chapter's start (the first
        // from the beginning) to the next.
        std::vector<std::pair<uint32_t, uint32_t>> times;
        QByteArray sizes = Be32(0) + Be32(quint32(chapters.size()));
        for (size_t k = 0; k < chapters.size(); ++k) {
            const auto at = [&](size_t i) {
                return i == 0 ? 0
                              : std::clamp<qint64>(std::llround(chapters[i].Start * movieScale), 0,
                                                   duration);
            };
            const qint64 end = k + 1 < chapters.size() ? at(k + 1) : duration;
            times.push_back({1, uint32_t(std::max<qint64>(0, end - at(k)))});
            sizes += Be32(quint32(chapterSizes[k]));
        }
        static const QByteArray textHeader =
            QByteArray::fromHex("00000018676d696e000000000040800080008000000000000000002c7465787400"
                                "0100000000000000000000000000000001000000"
                                "000000000000000000000040000000");
        static const QByteArray textEntry =
            QByteArray::fromHex("000000000000000100000001000000000000000000000000000000000000000100"
                                "00000000000000000d667461620001000100");
        const QByteArray table =
            Box("stbl", FullBox("stsd", 0, Be32(1) + Box("text", textEntry)) + TimeToSample(times) +
                            FullBox("stsc", 0,
                                    Be32(1) + Be32(1) + Be32(quint32(chapters.size())) + Be32(1)) +
                            FullBox("stsz", 0, sizes) + ChunkOffsets({chaptersAt}));
        tail += Box(
            "trak",
            TrackHeader(2, 2, quint32(duration), 0, 0) + EditList(quint32(duration), 0) +
                Box("mdia", MediaHeader(movieScale, quint64(duration)) +
                                Handler("text", "SubtitleHandler") +
                                Box("minf", Box("gmhd", textHeader) + DataReferences() + table)));
    }
    tail += Tags(chapters);
    return {Header("moov", movie.size() + 4 * qint64(m_Sizes.size()) + tail.size()) + movie, tail};
}

bool TM4bWriter::End(const std::vector<TAudioChapter> &chapters)
{
    if (m_Filled > 0) {
        m_Frame->nb_samples = m_Filled;
        m_Frame->pts = m_Samples;
        m_Samples += m_Filled;
        m_Filled = 0;
        if (!Encode(m_Frame))
            return false;
    }
    if (!Encode(nullptr))
        return false;
    // The chapter titles go after the sound, in the same box.
    const qint64 chaptersAt = File().pos();
    std::vector<int> chapterSizes;
    for (const TAudioChapter &chapter : chapters) {
        const QByteArray sample = ChapterSample(chapter.Title);
        if (!Put(sample.constData(), sample.size()))
            return false;
        chapterSizes.push_back(int(sample.size()));
    }
    const qint64 mediaSize = File().pos() - m_MediaAt;
    QByteArray mediaHead;
    if (mediaSize <= 0xffffffffLL) {
        mediaHead = Be32(quint32(mediaSize)) + QByteArray("mdat");
    } else {
        // Over 4 GB: the box takes the free box's room for its 64-bit size.
        mediaHead = Be32(1) + QByteArray("mdat");
        Be(mediaHead, quint64(mediaSize + 8), 8);
    }
    if (!PutAt(mediaSize <= 0xffffffffLL ? m_MediaAt : m_MediaAt - 8, mediaHead))
        return false;
    const auto [head, tail] = Movie(chapters, chaptersAt, chapterSizes);
    if (!Put(head.constData(), head.size()))
        return false;
    QByteArray sizes;
    for (size_t k = 0; k < m_Sizes.size(); k += 16384) {
        sizes.clear();
        for (size_t i = k; i < std::min(m_Sizes.size(), k + 16384); ++i)
            sizes += Be32(m_Sizes[i]);
        if (!Put(sizes.constData(), sizes.size()))
            return false;
    }
    return Put(tail.constData(), tail.size());
}
