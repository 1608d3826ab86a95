#include "audio/M4bWriter.h"

#include "platform/shell/ProgramPaths.h"

#include <QBuffer>
#include <QImageReader>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libavutil/mem.h>
}

#include <algorithm>

namespace {

constexpr int ioBufferSize = 64 * 1024;

void Set(AVDictionary **dictionary, const char *key, const QString &value)
{
    if (!value.isEmpty())
        av_dict_set(dictionary, key, value.toUtf8().constData(), 0);
}

} // namespace

TM4bWriter::TM4bWriter(const QString &fileName, const TAudioTags &tags) : TAudioWriter(fileName, tags) {}

TM4bWriter::~TM4bWriter()
{
    av_frame_free(&m_Frame);
    av_packet_free(&m_Packet);
    avcodec_free_context(&m_Codec);
    if (m_Io) {
        av_freep(&m_Io->buffer);
        avio_context_free(&m_Io);
    }
    if (m_Format)
        m_Format->pb = nullptr;
    avformat_free_context(m_Format);
}

bool TM4bWriter::LibraryFailed(const char *what, int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    // A write that failed has said why already.
    if (!Failure().isEmpty() && error == AVERROR(EIO))
        return false;
    return Fail(QStringLiteral("The audiobook could not be made (%1: %2)\r\r").arg(QLatin1String(what), QString::fromUtf8(text)) +
                FileName());
}

int TM4bWriter::WriteOut(void *opaque, uint8_t *data, int size)
{
    auto *self = static_cast<TM4bWriter *>(opaque);
    return self->Put(reinterpret_cast<const char *>(data), size) ? size : AVERROR(EIO);
}

int64_t TM4bWriter::SeekOut(void *opaque, int64_t offset, int whence)
{
    QSaveFile &file = static_cast<TM4bWriter *>(opaque)->File();
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE:
        return file.size();
    case SEEK_SET:
        break;
    case SEEK_CUR:
        offset += file.pos();
        break;
    case SEEK_END:
        offset += file.size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    return file.seek(offset) ? offset : AVERROR(EIO);
}

bool TM4bWriter::Begin()
{
    // Its complaints are ours to tell, in the user's words.
    av_log_set_level(AV_LOG_QUIET);
    int error = avformat_alloc_output_context2(&m_Format, nullptr, "ipod", nullptr);
    if (error < 0)
        return LibraryFailed("the container", error);
    const AVCodec *aac = avcodec_find_encoder(AV_CODEC_ID_AAC);
    m_Stream = avformat_new_stream(m_Format, nullptr);
    m_Codec = aac ? avcodec_alloc_context3(aac) : nullptr;
    if (!m_Stream || !m_Codec)
        return LibraryFailed("the AAC encoder", AVERROR_ENCODER_NOT_FOUND);
    m_Codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    m_Codec->sample_rate = m_Rate;
    av_channel_layout_default(&m_Codec->ch_layout, 1);
    m_Codec->bit_rate = BitRate;
    m_Codec->time_base = {1, m_Rate};
    if (m_Format->oformat->flags & AVFMT_GLOBALHEADER)
        m_Codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    // The fast coder: a fraction of the default one's time, and speech hardly tells.
    AVDictionary *options = nullptr;
    av_dict_set(&options, "aac_coder", "fast", 0);
    error = avcodec_open2(m_Codec, aac, &options);
    av_dict_free(&options);
    if (error < 0)
        return LibraryFailed("the AAC encoder", error);
    avcodec_parameters_from_context(m_Stream->codecpar, m_Codec);
    m_Stream->time_base = m_Codec->time_base;

    AVDictionary **meta = &m_Format->metadata;
    Set(meta, "title", m_Tags.Title);
    Set(meta, "artist", m_Tags.Artist);
    Set(meta, "album_artist", m_Tags.Artist);
    Set(meta, "album", m_Tags.Album);
    Set(meta, "genre", m_Tags.Genre);
    if (m_Tags.Track > 0)
        Set(meta, "track", QString::number(m_Tags.Track));
    Set(meta, "encoder", TAudioTags::Software());
    av_dict_set(meta, "media_type", "2", 0); // an audiobook
    AVStream *cover = nullptr;
    const QString mime = TAudioTags::PictureMime(m_Tags.Cover);
    if (!mime.isEmpty()) {
        cover = avformat_new_stream(m_Format, nullptr);
        if (!cover)
            return LibraryFailed("the cover", AVERROR(ENOMEM));
        cover->disposition = AV_DISPOSITION_ATTACHED_PIC;
        cover->codecpar->codec_type = AVMEDIA_TYPE_VIDEO;
        cover->codecpar->codec_id = mime == QLatin1String("image/png") ? AV_CODEC_ID_PNG : AV_CODEC_ID_MJPEG;
        // The container wants its size.
        QBuffer picture;
        picture.setData(m_Tags.Cover);
        const QSize size = QImageReader(&picture).size();
        cover->codecpar->width = std::max(1, size.width());
        cover->codecpar->height = std::max(1, size.height());
        cover->time_base = {1, 90000};
    }

    auto *buffer = static_cast<unsigned char *>(av_malloc(ioBufferSize));
    m_Io = buffer ? avio_alloc_context(buffer, ioBufferSize, 1, this, nullptr, WriteOut, SeekOut) : nullptr;
    if (!m_Io) {
        av_free(buffer);
        return LibraryFailed("the output", AVERROR(ENOMEM));
    }
    m_Format->pb = m_Io;
    m_Format->flags |= AVFMT_FLAG_CUSTOM_IO;
    error = avformat_write_header(m_Format, nullptr);
    if (error < 0)
        return LibraryFailed("the header", error);
    m_HeaderWritten = true;
    if (cover) {
        AVPacket *picture = av_packet_alloc();
        if (!picture || av_new_packet(picture, int(m_Tags.Cover.size())) < 0) {
            av_packet_free(&picture);
            return LibraryFailed("the cover", AVERROR(ENOMEM));
        }
        std::copy(m_Tags.Cover.begin(), m_Tags.Cover.end(), picture->data);
        picture->stream_index = cover->index;
        picture->flags |= AV_PKT_FLAG_KEY;
        error = av_interleaved_write_frame(m_Format, picture);
        av_packet_free(&picture);
        if (error < 0)
            return LibraryFailed("the cover", error);
    }

    m_Frame = av_frame_alloc();
    m_Packet = av_packet_alloc();
    if (!m_Frame || !m_Packet)
        return LibraryFailed("the encoder", AVERROR(ENOMEM));
    m_Frame->format = AV_SAMPLE_FMT_FLTP;
    m_Frame->sample_rate = m_Rate;
    m_Frame->nb_samples = m_Codec->frame_size;
    av_channel_layout_copy(&m_Frame->ch_layout, &m_Codec->ch_layout);
    error = av_frame_get_buffer(m_Frame, 0);
    if (error < 0)
        return LibraryFailed("the encoder", error);
    return true;
}

bool TM4bWriter::Encode(AVFrame *frame)
{
    int error = avcodec_send_frame(m_Codec, frame);
    if (error < 0)
        return LibraryFailed("the AAC encoder", error);
    for (;;) {
        error = avcodec_receive_packet(m_Codec, m_Packet);
        if (error == AVERROR(EAGAIN) || error == AVERROR_EOF)
            return true;
        if (error < 0)
            return LibraryFailed("the AAC encoder", error);
        av_packet_rescale_ts(m_Packet, m_Codec->time_base, m_Stream->time_base);
        m_Packet->stream_index = m_Stream->index;
        error = av_interleaved_write_frame(m_Format, m_Packet);
        if (error < 0)
            return LibraryFailed("the output", error);
    }
}

bool TM4bWriter::Write(const int16_t *samples, qint64 count)
{
    while (count > 0) {
        if (m_Filled == 0) {
            const int error = av_frame_make_writable(m_Frame);
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
    // Chapters may come after the sound: they are written with the index at the end.
    const double seconds = double(m_Samples) / m_Rate;
    for (size_t k = 0; k < chapters.size(); ++k) {
        const auto at = [this](double s) { return int64_t(std::llround(std::max(0.0, s) * m_Rate)); };
        const double end = k + 1 < chapters.size() ? chapters[k + 1].Start : seconds;
        auto *chapter = static_cast<AVChapter *>(av_mallocz(sizeof(AVChapter)));
        if (!chapter || av_dynarray_add_nofree(&m_Format->chapters, reinterpret_cast<int *>(&m_Format->nb_chapters), chapter) < 0) {
            av_free(chapter);
            return LibraryFailed("the chapters", AVERROR(ENOMEM));
        }
        chapter->id = int64_t(k);
        chapter->time_base = {1, m_Rate};
        chapter->start = at(chapters[k].Start);
        chapter->end = std::max(chapter->start, at(end));
        Set(&chapter->metadata, "title", chapters[k].Title);
    }
    const int error = av_write_trailer(m_Format);
    if (error < 0)
        return LibraryFailed("the index", error);
    avio_flush(m_Io);
    return m_Io->error < 0 ? LibraryFailed("the output", m_Io->error) : true;
}
