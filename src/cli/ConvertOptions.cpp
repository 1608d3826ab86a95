#include "cli/ConvertOptions.h"

#include "platform/sapi/SpeechShaping.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cmath>

namespace {

bool PositiveNumber(const QString &text, const QString &option, int *value, QString *error)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1) {
        *error = QCoreApplication::translate("TConvertOptions", "--%1 wants a whole number greater than 0, not \"%2\".").arg(option, text);
        return false;
    }
    *value = n;
    return true;
}

// Words a minute, or a factor of the normal speed ("2.5x", "2.5×").
bool SpeedValue(const QString &text, int *value, QString *error)
{
    if (!text.endsWith(QLatin1Char('x'), Qt::CaseInsensitive) && !text.endsWith(QChar(0x00D7)))
        return PositiveNumber(text, QStringLiteral("speed"), value, error);
    bool ok = false;
    const double factor = text.chopped(1).toDouble(&ok);
    if (!ok || !(factor > 0) || factor > 100) {
        *error = QCoreApplication::translate("TConvertOptions", "--speed wants words a minute or a factor such as 2.5x, not \"%1\".").arg(text);
        return false;
    }
    *value = int(std::lround(factor * SpeechShaping::NormalRate));
    return true;
}

} // namespace

bool TConvertOptions::Wanted(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--convert") || argument == QLatin1String("--help") ||
            argument == QLatin1String("-h") || argument == QLatin1String("--version") ||
            argument == QLatin1String("--list-voices"))
            return true;
    }
    return false;
}

QString TConvertOptions::Usage()
{
    return QCoreApplication::translate("TConvertOptions",
        "Usage: parlewind --convert [options] FILE...\n"
        "Reads text files aloud into MP3, M4B, Opus or WAV files, one a file, with the\n"
        "voices, pronunciations and settings of the Parlewind window. Needs no display\n"
        "and no sound server.\n"
        "\n"
        "  FILE                 a text file (UTF-8, else Windows-1252), an HTML, Markdown,\n"
        "                       EPUB, OpenDocument, Word or PDF document (an e-book\n"
        "                       gives a numbered file a chapter), a picture of text;\n"
        "                       an http or https address reads the web page (only\n"
        "                       its main text); - reads the standard input\n"
        "  --whole-page         a web page is read whole, menus and all\n"
        "  --articles FILE      the articles of a saved-articles file, one output each\n"
        "  --voice NAME         the voice to read with (default: the window's default\n"
        "                       voice, or each saved article's own)\n"
        "  --list-voices        lists the voices and their languages\n"
        "  --speed N            words a minute, within the voice's limits; or a factor\n"
        "                       of its normal speed from 0.5x to 4x (--speed 2.5x)\n"
        "  --pauses short|normal|long  the pauses after sentences and paragraphs and\n"
        "                       between articles (default: as the window sets them)\n"
        "  --languages on|off   parts in other languages read by a voice of their\n"
        "                       language (default: on, unless the window turns it off)\n"
        "  --pitch N            within the voice's limits\n"
        "  --format FORMAT      the files to write: mp3 (the default), m4b (an\n"
        "                       audiobook: AAC with chapters), opus, epub (one read-along\n"
        "                       book: the text lit sentence by sentence as its sound\n"
        "                       plays, a chapter an input), wav, or txt (the text that\n"
        "                       would be spoken, to check or edit first)\n"
        "  --highlight-words    a read-along book lights each word, not only each sentence\n"
        "  --book-audio mp3|aac the sound in a read-along book (default: mp3)\n"
        "  --subtitles srt|vtt|lrc  the text timed to the speech beside each file, a\n"
        "                       line a sentence\n"
        "  --out DIR            where to write them (default: the current folder;\n"
        "                       made when missing)\n"
        "  --single-file NAME   everything into one file of that name, a chapter an input\n"
        "                       (a book's chapters as they are)\n"
        "  --overwrite          replaces files that are already there\n"
        "  --jobs N             files encoded at once (default: one a core)\n"
        "  --quiet              no progress bar\n"
        "  -h, --help           this text\n"
        "  --version            the program's version\n"
        "\n"
        "Files are named after their titles: a text file's name without its extension,\n"
        "a saved article's title. Files are tagged with the title, the voice (or a\n"
        "book's author), the album (\"Parlewind MP3\", the book's or the saved-articles\n"
        "file's name), the track number and a book's cover.\n"
        "\n"
        "Exit status: 0 every file written; 1 some inputs failed (each is named, the\n"
        "others are written); 2 the command was not understood; 128 + the signal's number\n"
        "when stopped by one: 130 Ctrl+C (SIGINT), 143 SIGTERM, 129 SIGHUP.\n"
        "\n"
        "Usage: parlewind [FILE...]\n"
        "Starts the Parlewind window, or hands the files to the one running, as \"Open\"\n"
        "does. Commands for the running program (the read commands and --show start it\n"
        "when none runs; exit status 0 once it has the command, 1 when none runs):\n"
        "  --read-selection     reads the text selected in any program (the clipboard's\n"
        "                       when nothing is selected) aloud; again: stops\n"
        "  --read-clipboard     reads the clipboard's text aloud; again: stops\n"
        "  --pause, --resume, --toggle-pause, --stop, --skip\n"
        "                       as the window's reading commands\n"
        "  --show               brings the window to the front\n");
}

bool TConvertOptions::Parse(const QStringList &arguments, QString *error)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption convert(QStringLiteral("convert"));
    const QCommandLineOption articles(QStringLiteral("articles"), {}, QStringLiteral("FILE"));
    const QCommandLineOption voice(QStringLiteral("voice"), {}, QStringLiteral("NAME"));
    const QCommandLineOption listVoices(QStringLiteral("list-voices"));
    const QCommandLineOption speed(QStringLiteral("speed"), {}, QStringLiteral("N"));
    const QCommandLineOption pitch(QStringLiteral("pitch"), {}, QStringLiteral("N"));
    const QCommandLineOption pauses(QStringLiteral("pauses"), {}, QStringLiteral("short|normal|long"));
    const QCommandLineOption languages(QStringLiteral("languages"), {}, QStringLiteral("on|off"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("mp3|m4b|opus|epub|wav|txt"));
    const QCommandLineOption highlightWords(QStringLiteral("highlight-words"));
    const QCommandLineOption bookAudio(QStringLiteral("book-audio"), {}, QStringLiteral("mp3|aac"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("DIR"));
    const QCommandLineOption single(QStringLiteral("single-file"), {}, QStringLiteral("NAME"));
    const QCommandLineOption overwrite(QStringLiteral("overwrite"));
    const QCommandLineOption subtitles(QStringLiteral("subtitles"), {}, QStringLiteral("srt|vtt|lrc"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), {}, QStringLiteral("N"));
    const QCommandLineOption quiet(QStringLiteral("quiet"));
    const QCommandLineOption wholePage(QStringLiteral("whole-page"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({convert, articles, voice, listVoices, speed, pitch, pauses, languages, format, highlightWords, bookAudio, out, single,
                       overwrite, jobs, quiet, subtitles, wholePage, help, version});
    if (!parser.parse(QStringList{QStringLiteral("parlewind")} + arguments)) {
        *error = parser.errorText();
        return false;
    }
    // Given twice, an option is most likely a slip; the last one would silently win.
    for (const QCommandLineOption *option : {&articles, &voice, &speed, &pitch, &pauses, &languages, &format, &bookAudio, &out, &single, &jobs, &subtitles}) {
        if (parser.values(*option).size() > 1) {
            *error = QCoreApplication::translate("TConvertOptions", "--%1 is given more than once.").arg(option->names().constFirst());
            return false;
        }
    }
    if (parser.isSet(help)) {
        Action = Help;
        return true;
    }
    if (parser.isSet(version)) {
        Action = Version;
        return true;
    }
    if (parser.isSet(listVoices)) {
        Action = ListVoices;
        return true;
    }
    Inputs = parser.positionalArguments();
    ArticlesFile = parser.value(articles);
    Voice = parser.value(voice);
    if (parser.isSet(voice) && Voice.trimmed().isEmpty()) {
        *error = QCoreApplication::translate("TConvertOptions", "--voice wants the name of a voice.");
        return false;
    }
    if (parser.isSet(speed) && !SpeedValue(parser.value(speed), &Speed, error))
        return false;
    if (parser.isSet(pauses)) {
        static const QStringList names{QStringLiteral("short"), QStringLiteral("normal"), QStringLiteral("long")};
        const auto named = names.indexOf(parser.value(pauses).toLower());
        if (named < 0) {
            *error = QCoreApplication::translate("TConvertOptions", "--pauses is short, normal or long, not \"%1\".").arg(parser.value(pauses));
            return false;
        }
        Pauses = PauseLengths::Of(PauseLengths::Preset(named)).ToString();
    }
    if (parser.isSet(languages)) {
        const QString value = parser.value(languages).toLower();
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            *error = QCoreApplication::translate("TConvertOptions", "--languages is on or off, not \"%1\".").arg(parser.value(languages));
            return false;
        }
        Languages = value == QLatin1String("on") ? 1 : 0;
    }
    if (parser.isSet(pitch) && !PositiveNumber(parser.value(pitch), QStringLiteral("pitch"), &Pitch, error))
        return false;
    if (parser.isSet(jobs) && !PositiveNumber(parser.value(jobs), QStringLiteral("jobs"), &Jobs, error))
        return false;
    if (parser.isSet(format)) {
        const QString kind = parser.value(format).toLower();
        // As the settings number them; then the text.
        static const QStringList kinds{QStringLiteral("wav"),  QStringLiteral("mp3"),  QStringLiteral("m4b"),
                                       QStringLiteral("opus"), QStringLiteral("epub"), QStringLiteral("txt")};
        const auto known = kinds.indexOf(kind);
        if (known < 0) {
            *error = QCoreApplication::translate("TConvertOptions", "--format is mp3, m4b, opus, epub, wav or txt, not \"%1\".").arg(parser.value(format));
            return false;
        }
        Text = kind == QLatin1String("txt");
        Format = Text ? TOutputFormat::Wav : static_cast<TOutputFormat>(known);
    }
    HighlightWords = parser.isSet(highlightWords);
    if (parser.isSet(bookAudio)) {
        const QString kind = parser.value(bookAudio).toLower();
        if (kind != QLatin1String("mp3") && kind != QLatin1String("aac")) {
            *error = QCoreApplication::translate("TConvertOptions", "--book-audio is mp3 or aac, not \"%1\".").arg(parser.value(bookAudio));
            return false;
        }
        BookAac = kind == QLatin1String("aac");
    }
    if ((HighlightWords || parser.isSet(bookAudio)) && Format != TOutputFormat::Epub) {
        *error = QCoreApplication::translate("TConvertOptions", "--%1 is for read-along books (--format epub).")
                     .arg(HighlightWords ? QStringLiteral("highlight-words") : QStringLiteral("book-audio"));
        return false;
    }
    if (parser.isSet(subtitles)) {
        Subtitles = TTimedText::FromName(parser.value(subtitles));
        if (Subtitles == TSubtitleFormat::None) {
            *error = QCoreApplication::translate("TConvertOptions", "--subtitles is srt, vtt or lrc, not \"%1\".").arg(parser.value(subtitles));
            return false;
        }
        if (Text) {
            *error = QCoreApplication::translate("TConvertOptions", "--subtitles times speech; --format txt writes none.");
            return false;
        }
        if (Format == TOutputFormat::Epub) {
            *error = QCoreApplication::translate("TConvertOptions", "--subtitles writes timed text beside sound files; a read-along book holds its own.");
            return false;
        }
    }
    if (parser.isSet(out)) {
        OutDir = parser.value(out);
        if (OutDir.isEmpty()) {
            *error = QCoreApplication::translate("TConvertOptions", "--out wants a folder.");
            return false;
        }
    }
    if (parser.isSet(single)) {
        SingleFile = parser.value(single);
        if (SingleFile.trimmed().isEmpty()) {
            *error = QCoreApplication::translate("TConvertOptions", "--single-file wants a file name.");
            return false;
        }
    }
    Overwrite = parser.isSet(overwrite);
    Quiet = parser.isSet(quiet);
    WholePage = parser.isSet(wholePage);
    if (Inputs.isEmpty() && ArticlesFile.isEmpty()) {
        *error = QCoreApplication::translate("TConvertOptions", "Nothing to convert: name text files, - for the standard input, or --articles FILE.");
        return false;
    }
    if (Inputs.count(QStringLiteral("-")) > 1) {
        *error = QCoreApplication::translate("TConvertOptions", "The standard input can be read only once.");
        return false;
    }
    return true;
}
