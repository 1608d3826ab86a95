#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The kinds of timed text written beside a file; the numbers are those the settings keep.
enum class TSubtitleFormat { None = 0, Srt = 1, Vtt = 2, Lrc = 3 };

// The text of a file timed to its sound: a cue a sentence (a long one cut at words,
// about every seven seconds), in the article's own words, each shown from the
// moment its first word is spoken until the next one begins.
class TTimedText
{
public:
    // A text is spoken from `seconds` into the file on (the one before ends there);
    // its sentences are found by the rules of `language` ("de"; empty for English).
    void BeginText(const QString &text, double seconds, const QString &language = {});
    // The word at `index` of the current text is spoken from `seconds` on.
    void Word(int index, double seconds);
    // The sound ends at `seconds`.
    void End(double seconds);
    bool IsEmpty() const { return m_Cues.empty() && m_Words.empty(); }

    QByteArray Render(TSubtitleFormat format) const;
    // ".srt", ".vtt", ".lrc"
    static QString Extension(TSubtitleFormat format);
    // The settings' number, or the command line's name ("srt", "vtt", "lrc").
    static TSubtitleFormat FromSetting(int value);
    static TSubtitleFormat FromName(const QString &name);
    // Where the timed text of `soundFile` goes: beside it, under its name.
    static QString FileFor(const QString &soundFile, TSubtitleFormat format);

    // Where the text's sentences start, as a reader finds them (see Sentences).
    static std::vector<int> SentenceStarts(const QString &text, const QString &language = {});

    // A cue is cut at a word when it has run this long.
    static constexpr double LongestCue = 7.0;

private:
    struct TCue
    {
        double Start = 0;
        double End = 0;
        QString Text;
    };
    struct TWord
    {
        int Index;
        double Start;
    };
    void CloseText(double seconds);

    QString m_Text;
    QString m_Language;
    std::vector<TWord> m_Words;
    std::vector<TCue> m_Cues;
};
