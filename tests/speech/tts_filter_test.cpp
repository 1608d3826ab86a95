#include "settings/Preferences.h"
#include "speech/TTSFilter.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace {

class TTSFilterTest : public ::testing::Test
{
protected:
    TempHome home;
    TPreferences prefs;
    TTTSFilter filter{prefs};
};

TEST_F(TTSFilterTest, SymbolsBecomeBlanksOnlyWhileTheSettingIsOn)
{
    const QString text = QStringLiteral("a(b)c<d>e[f\\g]h^i{j|k}l");
    prefs.TTS_FilterSymbols = false;
    EXPECT_EQ(filter.Filter(text), text);
    prefs.TTS_FilterSymbols = true; // read at every call
    EXPECT_EQ(filter.Filter(text), QStringLiteral("a b c d e f g h i j k l"));
    EXPECT_TRUE(filter.Records().empty());
    // Other punctuation, accents and characters beyond the basic plane are kept.
    const QString other = QStringLiteral("Füße: \"x\" 'y' /z/ 😀 – ok!");
    EXPECT_EQ(filter.Filter(other), other);
}

TEST_F(TTSFilterTest, HttpPrefixesBecomeSevenBlanksWithoutARecord)
{
    EXPECT_EQ(filter.Filter(QStringLiteral("see http://x")), QStringLiteral("see        x"));
    EXPECT_TRUE(filter.Records().empty());
    EXPECT_EQ(filter.Filter(QStringLiteral("http://a http://b")), QStringLiteral("       a        b"));
    EXPECT_EQ(filter.Filter(QStringLiteral("HTTP://a")), QStringLiteral("HTTP://a")); // case matters
}

TEST_F(TTSFilterTest, WwwIsSpeltOutAndMappedBack)
{
    EXPECT_EQ(filter.Filter(QStringLiteral("www")), QStringLiteral("w w w"));
    ASSERT_EQ(filter.Records().size(), 1u);
    EXPECT_EQ(filter.Records()[0].Start, 0);
    EXPECT_EQ(filter.Records()[0].End, 5);
    EXPECT_EQ(filter.Records()[0].Delta, -2);
    for (int p = 0; p <= 5; ++p)
        EXPECT_EQ(filter.MapPosition(p), 0) << p;
    EXPECT_EQ(filter.MapPosition(6), 4);

    // Inside a longer word, and a run of w's that only spells out whole triples.
    EXPECT_EQ(filter.Filter(QStringLiteral("awwwb")), QStringLiteral("aw w wb"));
    EXPECT_EQ(filter.Filter(QStringLiteral("wwwww")), QStringLiteral("w w w w w"));
    EXPECT_EQ(filter.Records().size(), 2u);
    EXPECT_EQ(filter.Records()[1].Start, 4);
}

TEST_F(TTSFilterTest, ALongLinkPathIsReadAsWebLink)
{
    // "www.ab.cd" then "/" and nine more characters, then a blank: b - s = 10.
    const QString given = QStringLiteral("go www.ab.cd/123456789 now");
    const QString spoken = filter.Filter(given);
    EXPECT_EQ(spoken, QStringLiteral("go w w w.ab.cd web link  now"));
    EXPECT_EQ(spoken.size(), given.size() + 2);
    // The word after the link maps back onto itself.
    EXPECT_EQ(given.mid(filter.MapPosition(static_cast<qint32>(spoken.indexOf(QStringLiteral("now")))), 3),
              QStringLiteral("now"));

    // Eight characters after the slash (b - s = 9): the path is read.
    EXPECT_EQ(filter.Filter(QStringLiteral("go www.ab.cd/12345678 now")),
              QStringLiteral("go w w w.ab.cd/12345678 now"));
    // At the end of the text, with no blank after it: the path is read.
    EXPECT_EQ(filter.Filter(QStringLiteral("go www.ab.cd/123456789012")),
              QStringLiteral("go w w w.ab.cd/123456789012"));
    // Only a blank ends a link: a line break does not.
    EXPECT_EQ(filter.Filter(QStringLiteral("www.a/b\r\nlonger line")),
              QStringLiteral("w w w.a web link  line"));
}

TEST_F(TTSFilterTest, SeveralLinksShiftLaterPositionsByTwoEach)
{
    const QString given = QStringLiteral("www.one.org/abcdefghijkl and http://www.two.org/abcdefghijkl end");
    const QString spoken = filter.Filter(given);
    EXPECT_EQ(spoken, QStringLiteral("w w w.one.org web link     and        w w w.two.org web link     end"));
    ASSERT_EQ(filter.Records().size(), 2u);
    const qint32 secondGiven = static_cast<qint32>(given.indexOf(QStringLiteral("www.two")));
    EXPECT_EQ(filter.Records()[1].Start, secondGiven + 2);
    EXPECT_EQ(filter.MapPosition(filter.Records()[1].Start + 3), secondGiven);

    const qint32 end = static_cast<qint32>(spoken.indexOf(QStringLiteral("end")));
    EXPECT_EQ(filter.MapPosition(end), end - 4);
    EXPECT_EQ(given.mid(filter.MapPosition(end)), QStringLiteral("end"));
    // Between the links only the first counts.
    const qint32 andAt = static_cast<qint32>(spoken.indexOf(QStringLiteral("and")));
    EXPECT_EQ(given.mid(filter.MapPosition(andAt), 3), QStringLiteral("and"));

    // The records describe the last text only.
    filter.Filter(QStringLiteral("plain"));
    EXPECT_TRUE(filter.Records().empty());
    EXPECT_EQ(filter.MapPosition(end), end);
}

} // namespace
