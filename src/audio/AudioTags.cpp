#include "audio/AudioTags.h"

#include <attachedpictureframe.h>
#include <chapterframe.h>
#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <tableofcontentsframe.h>
#include <textidentificationframe.h>
#include <tpropertymap.h>

#include <cmath>
#include <mutex>

namespace {

TagLib::String Utf8(const QString &text) { return TagLib::String(text.toStdString(), TagLib::String::UTF8); }

TagLib::ByteVector Bytes(const QByteArray &bytes)
{
    return TagLib::ByteVector(bytes.constData(), static_cast<unsigned int>(bytes.size()));
}

// An ID3v2 size: seven bits a byte.
void PutSynchsafe(QByteArray &tag, int at, int value)
{
    for (int k = 3; k >= 0; --k, value >>= 7)
        tag[at + k] = char(value & 0x7f);
}

} // namespace

QString TAudioTags::Software() { return QStringLiteral("Parlewind MP3 " PARLEWIND_VERSION); }

QString TAudioTags::PictureMime(const QByteArray &picture)
{
    if (picture.startsWith("\xff\xd8\xff"))
        return QStringLiteral("image/jpeg");
    if (picture.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("image/png");
    return {};
}

QByteArray TAudioTags::Render() const { return Render({}, 0, 0); }

QByteArray TAudioTags::Render(const std::vector<TAudioChapter> &chapters, double seconds, int size) const
{
    // Titles in any script: the frames are written in UTF-8 rather than Latin-1.
    static std::once_flag encoding;
    std::call_once(encoding, [] { TagLib::ID3v2::FrameFactory::instance()->setDefaultTextEncoding(TagLib::String::UTF8); });

    TagLib::PropertyMap properties;
    const auto set = [&](const char *key, const QString &value) {
        if (!value.isEmpty())
            properties.insert(key, TagLib::StringList(Utf8(value)));
    };
    set("TITLE", Title);
    set("ARTIST", Artist);
    set("ALBUM", Album);
    if (Track > 0)
        set("TRACKNUMBER", QString::number(Track));
    set("GENRE", Genre);
    set("ENCODING", Software());
    TagLib::ID3v2::Tag tag;
    tag.setProperties(properties);
    if (!PictureMime(Cover).isEmpty()) {
        auto *picture = new TagLib::ID3v2::AttachedPictureFrame;
        picture->setTextEncoding(TagLib::String::UTF8);
        picture->setMimeType(Utf8(PictureMime(Cover)));
        picture->setType(TagLib::ID3v2::AttachedPictureFrame::FrontCover);
        picture->setPicture(Bytes(Cover));
        tag.addFrame(picture);
    }
    // Each chapter runs to the next one's start; the last to the end.
    TagLib::ByteVectorList ids;
    for (size_t k = 0; k < chapters.size(); ++k) {
        const auto ms = [](double s) { return static_cast<unsigned int>(std::lround(std::max(0.0, s) * 1000)); };
        const double end = k + 1 < chapters.size() ? chapters[k + 1].Start : seconds;
        const TagLib::ByteVector id(("chp" + std::to_string(k)).c_str());
        auto *title = new TagLib::ID3v2::TextIdentificationFrame("TIT2", TagLib::String::UTF8);
        title->setText(Utf8(chapters[k].Title));
        // No byte offsets: players go by the times (0xFFFFFFFF says so).
        TagLib::ID3v2::FrameList embedded;
        embedded.append(title);
        tag.addFrame(new TagLib::ID3v2::ChapterFrame(id, ms(chapters[k].Start), ms(std::max(end, chapters[k].Start)),
                                                     0xFFFFFFFF, 0xFFFFFFFF, embedded));
        ids.append(id);
    }
    if (!ids.isEmpty()) {
        auto *toc = new TagLib::ID3v2::TableOfContentsFrame("toc", ids);
        toc->setIsTopLevel(true);
        toc->setIsOrdered(true);
        tag.addFrame(toc);
    }
    // The frames, then as much padding as asked for: a tag rendered again with its
    // chapters fits the room the first one left.
    TagLib::ByteVector frames;
    for (const TagLib::ID3v2::Frame *frame : tag.frameList())
        frames.append(frame->render());
    QByteArray rendered("ID3\x04\x00\x00\0\0\0\0", 10);
    rendered.append(frames.data(), static_cast<qsizetype>(frames.size()));
    if (rendered.size() < size)
        rendered.append(QByteArray(size - rendered.size(), '\0'));
    PutSynchsafe(rendered, 6, int(rendered.size()) - 10);
    return rendered;
}
