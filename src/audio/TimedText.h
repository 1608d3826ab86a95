#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The kinds of timed text written beside a file; the numbers are those the settings keep.
enum class TSubtitleFormat { None = 0, Srt = 1, Vtt = 2, Lrc = 3 };

// A stretch of a text, from `From` up to `To`, and when it is spoken: from the
// moment its first word begins until the next stretch begins.
struct TTimedSpan
{
    int From;
    int To;
    double Start;
    double End;
};

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

    // Each text's sentences (whole, however long), and its words when asked, are
    // kept too: a read-along book lights them as they are spoken.
    bool KeepSpans = false;
    bool KeepWords = false;
    struct TTextSpans
    {
        std::vector<TTimedSpan> Sentences;
        std::vector<TTimedSpan> Words;
    };
    // One a text, in order, once the next text has begun or the sound has ended.
    const std::vector<TTextSpans> &Spans() const { return m_Spans; }

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
    TTextSpans TextSpans(double seconds) const;

    QString m_Text;
    QString m_Language;
    std::vector<TWord> m_Words;
    std::vector<TCue> m_Cues;
    std::vector<TTextSpans> m_Spans;
};
