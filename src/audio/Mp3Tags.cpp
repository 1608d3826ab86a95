#include "audio/Mp3Tags.h"

#include <id3v2framefactory.h>
#include <id3v2tag.h>
#include <tpropertymap.h>

#include <mutex>

namespace {

TagLib::String Utf8(const QString &text) { return TagLib::String(text.toStdString(), TagLib::String::UTF8); }

} // namespace

QByteArray TMp3Tags::Render() const
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
    set("ENCODING", QStringLiteral("Parlewind MP3 " PARLEWIND_VERSION));
    TagLib::ID3v2::Tag tag;
    tag.setProperties(properties);
    const TagLib::ByteVector bytes = tag.render();
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
