#include "audio/ReadAlongBook.h"

#include "audio/SpeechFiles.h"
#include "log/UtilsClass.h"
#include "platform/shell/ProgramPaths.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

// The class reading apps give what is being spoken, unless told another.
const QString activeClass = QStringLiteral("-epub-media-overlay-active");
const QString folder = QStringLiteral("OEBPS/");

qint64 Milliseconds(double seconds) { return std::llround(std::max(0.0, seconds) * 1000); }

QString ClockMs(qint64 ms)
{
    return QStringLiteral("%1:%2:%3.%4")
        .arg(ms / 3600000)
        .arg(ms / 60000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000, 3, 10, QLatin1Char('0'));
}

// XML of any text: what would be markup is escaped, and what XML may not hold (a
// control character, half of a surrogate pair) becomes a space, so that the text
// keeps its length and every place in it stays where it was.
QString Escaped(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == QLatin1Char('&'))
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            out += QStringLiteral("&gt;");
        else if (c == QLatin1Char('"'))
            out += QStringLiteral("&quot;");
        else if (c.isHighSurrogate() && k + 1 < text.size() && text[k + 1].isLowSurrogate()) {
            out += c;
            out += text[++k];
        } else if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || c.isSurrogate() || c.unicode() >= 0xfffe)
            out += QLatin1Char(' ');
        else
            out += c;
    }
    return out;
}

// A picture that may be an EPUB's cover: its extension and type.
std::pair<QString, QString> CoverType(const QByteArray &cover)
{
    if (cover.startsWith("\xff\xd8\xff"))
        return {QStringLiteral("jpg"), QStringLiteral("image/jpeg")};
    if (cover.startsWith("\x89PNG\r\n\x1a\n"))
        return {QStringLiteral("png"), QStringLiteral("image/png")};
    if (cover.startsWith("GIF87a") || cover.startsWith("GIF89a"))
        return {QStringLiteral("gif"), QStringLiteral("image/gif")};
    return {};
}

bool Aac(const QString &audio) { return !audio.endsWith(QLatin1String(".mp3"), Qt::CaseInsensitive); }

QString LanguageAttributes(const QString &language)
{
    const QString code = Escaped(language);
    return QStringLiteral(" xml:lang=\"%1\" lang=\"%1\"").arg(code) +
           (TReadAlongBook::RightToLeft(language) ? QStringLiteral(" dir=\"rtl\"") : QString());
}

const char *xmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";

} // namespace

TReadAlongBook::~TReadAlongBook()
{
    for (const TChapter &chapter : Chapters) {
        if (!chapter.Audio.isEmpty())
            QFile::remove(chapter.Audio);
    }
}

QString TReadAlongBook::Clock(double seconds) { return ClockMs(Milliseconds(seconds)); }

bool TReadAlongBook::RightToLeft(const QString &language)
{
    static const QStringList scripts{QStringLiteral("ar"), QStringLiteral("arc"), QStringLiteral("ckb"), QStringLiteral("dv"),
                                     QStringLiteral("fa"), QStringLiteral("he"),  QStringLiteral("ks"),  QStringLiteral("ku"),
                                     QStringLiteral("ps"), QStringLiteral("sd"),  QStringLiteral("syr"), QStringLiteral("ug"),
                                     QStringLiteral("ur"), QStringLiteral("yi")};
    return scripts.contains(language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower());
}

QString TReadAlongBook::ChapterName(size_t chapter) const { return QStringLiteral("c%1").arg(chapter + 1, 3, 10, QLatin1Char('0')); }

QString TReadAlongBook::AudioName(size_t chapter) const
{
    return QStringLiteral("audio/") + ChapterName(chapter) + (Aac(Chapters[chapter].Audio) ? QStringLiteral(".m4a") : QStringLiteral(".mp3"));
}

QString TReadAlongBook::Heading(size_t chapter) const
{
    const QString title = Chapters[chapter].Title.simplified();
    return title.isEmpty() ? QStringLiteral("Chapter %1").arg(chapter + 1) : title;
}

QByteArray TReadAlongBook::Package(const QString &identifier, const QString &modified) const
{
    const QString language = Language.isEmpty() ? QStringLiteral("en") : Language;
    QString metadata = QStringLiteral("    <dc:identifier id=\"book-id\">urn:uuid:%1</dc:identifier>\n"
                                      "    <dc:title>%2</dc:title>\n"
                                      "    <dc:language>%3</dc:language>\n")
                           .arg(identifier, Escaped(Title.simplified().isEmpty() ? Heading(0) : Title.simplified()),
                                Escaped(language));
    if (!Author.simplified().isEmpty())
        metadata += QStringLiteral("    <dc:creator id=\"author\">%1</dc:creator>\n"
                                   "    <meta refines=\"#author\" property=\"role\" scheme=\"marc:relators\">aut</meta>\n")
                        .arg(Escaped(Author.simplified()));
    if (!Narrator.simplified().isEmpty())
        metadata += QStringLiteral("    <dc:contributor id=\"narrator\">%1</dc:contributor>\n"
                                   "    <meta refines=\"#narrator\" property=\"role\" scheme=\"marc:relators\">nrt</meta>\n"
                                   "    <meta property=\"media:narrator\">%1</meta>\n")
                        .arg(Escaped(Narrator.simplified()));
    metadata += QStringLiteral("    <meta property=\"dcterms:modified\">%1</meta>\n").arg(modified);
    QString manifest = QStringLiteral("    <item id=\"nav\" href=\"nav.xhtml\" media-type=\"application/xhtml+xml\" properties=\"nav\"/>\n"
                                      "    <item id=\"css\" href=\"style.css\" media-type=\"text/css\"/>\n");
    const auto [coverExtension, coverType] = CoverType(Cover);
    if (!coverType.isEmpty())
        manifest += QStringLiteral("    <item id=\"cover\" href=\"cover.%1\" media-type=\"%2\" properties=\"cover-image\"/>\n")
                        .arg(coverExtension, coverType);
    QString spine;
    qint64 total = 0;
    for (size_t k = 0; k < Chapters.size(); ++k) {
        const QString name = ChapterName(k);
        const qint64 ms = Milliseconds(Chapters[k].Duration);
        total += ms;
        metadata += QStringLiteral("    <meta property=\"media:duration\" refines=\"#%1-overlay\">%2</meta>\n").arg(name, ClockMs(ms));
        manifest += QStringLiteral("    <item id=\"%1\" href=\"%1.xhtml\" media-type=\"application/xhtml+xml\" media-overlay=\"%1-overlay\"/>\n"
                                   "    <item id=\"%1-overlay\" href=\"%1.smil\" media-type=\"application/smil+xml\"/>\n"
                                   "    <item id=\"%1-audio\" href=\"%2\" media-type=\"%3\"/>\n")
                        .arg(name, AudioName(k), Aac(Chapters[k].Audio) ? QStringLiteral("audio/mp4") : QStringLiteral("audio/mpeg"));
        spine += QStringLiteral("    <itemref idref=\"%1\"/>\n").arg(name);
    }
    metadata += QStringLiteral("    <meta property=\"media:duration\">%1</meta>\n"
                               "    <meta property=\"media:active-class\">%2</meta>\n")
                    .arg(ClockMs(total), activeClass);
    return xmlHead +
           QStringLiteral("<package xmlns=\"http://www.idpf.org/2007/opf\" version=\"3.0\" unique-identifier=\"book-id\">\n"
                          "  <metadata xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n%1  </metadata>\n"
                          "  <manifest>\n%2  </manifest>\n"
                          "  <spine%3>\n%4  </spine>\n"
                          "</package>\n")
               .arg(metadata, manifest,
                    RightToLeft(language) ? QStringLiteral(" page-progression-direction=\"rtl\"") : QString(), spine)
               .toUtf8();
}

QByteArray TReadAlongBook::Navigation() const
{
    QString items;
    for (size_t k = 0; k < Chapters.size(); ++k)
        items += QStringLiteral("        <li><a href=\"%1.xhtml\">%2</a></li>\n").arg(ChapterName(k), Escaped(Heading(k)));
    const QString title = Escaped(Title.simplified().isEmpty() ? Heading(0) : Title.simplified());
    return xmlHead + QStringLiteral("<!DOCTYPE html>\n"
                                    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\"%1>\n"
                                    "  <head>\n    <meta charset=\"UTF-8\"/>\n    <title>%2</title>\n  </head>\n"
                                    "  <body>\n    <nav epub:type=\"toc\" id=\"toc\">\n      <h1>%2</h1>\n      <ol>\n%3      </ol>\n"
                                    "    </nav>\n  </body>\n</html>\n")
                         .arg(LanguageAttributes(Language.isEmpty() ? QStringLiteral("en") : Language), title, items)
                         .toUtf8();
}

QByteArray TReadAlongBook::ChapterPage(size_t chapter, std::vector<bool> *shown) const
{
    const TChapter &c = Chapters[chapter];
    const QString &text = c.Text;
    // The stretches marked: each sentence, and each word inside its sentence.
    struct TMark
    {
        int From;
        int To;
        QString Open;
        size_t Index;
    };
    std::vector<TMark> sentences, words;
    if (shown)
        shown->assign(Words ? c.Spans.Words.size() : c.Spans.Sentences.size(), false);
    for (size_t s = 0; s < c.Spans.Sentences.size(); ++s) {
        const TTimedSpan &span = c.Spans.Sentences[s];
        sentences.push_back({span.From, span.To, QStringLiteral("<span id=\"s%1\">").arg(s + 1), s});
    }
    for (size_t w = 0, s = 0; Words && w < c.Spans.Words.size(); ++w) {
        const TTimedSpan &word = c.Spans.Words[w];
        while (s < sentences.size() && sentences[s].To <= word.From)
            ++s;
        if (s < sentences.size() && word.From >= sentences[s].From)
            words.push_back({word.From, std::min(word.To, sentences[s].To), QStringLiteral("<span id=\"w%1\">").arg(w + 1), w});
    }
    // A paragraph a line, its marks cut to it; the first line is the heading when
    // it is the title.
    QString body;
    bool first = true;
    size_t nextSentence = 0, nextWord = 0;
    for (int lineStart = 0; lineStart <= text.size();) {
        int lineEnd = int(text.indexOf(QLatin1Char('\n'), lineStart));
        if (lineEnd < 0)
            lineEnd = int(text.size());
        int from = lineStart;
        int to = lineEnd;
        while (from < to && text.at(from).isSpace())
            ++from;
        while (to > from && text.at(to - 1).isSpace())
            --to;
        // Where marks open and how many close, at each place of the line.
        std::map<int, std::pair<int, QString>> marks;
        for (auto [list, next] : {std::pair{&sentences, &nextSentence}, std::pair{&words, &nextWord}}) {
            while (*next < list->size() && (*list)[*next].To <= from)
                ++*next;
            for (size_t k = *next; k < list->size() && (*list)[k].From < to; ++k) {
                const int f = std::max((*list)[k].From, from);
                const int t = std::min((*list)[k].To, to);
                // Each is marked once, where it begins.
                if (f >= t || (*list)[k].From < lineStart)
                    continue;
                if (shown && list == (Words ? &words : &sentences))
                    (*shown)[(*list)[k].Index] = true;
                marks[f].second += (*list)[k].Open;
                marks[t].first += 1;
            }
        }
        if (from < to) {
            const bool heading = first && text.mid(from, to - from).simplified() == c.Title.simplified();
            if (first && !heading)
                body += QStringLiteral("      <h1>%1</h1>\n").arg(Escaped(Heading(chapter)));
            first = false;
            QString paragraph;
            int at = from;
            for (const auto &[place, mark] : marks) {
                paragraph += Escaped(QStringView(text).mid(at, place - at));
                for (int k = 0; k < mark.first; ++k)
                    paragraph += QStringLiteral("</span>");
                paragraph += mark.second;
                at = place;
            }
            paragraph += Escaped(QStringView(text).mid(at, to - at));
            const QString tag = heading ? QStringLiteral("h1") : QStringLiteral("p");
            body += QStringLiteral("      <%1>%2</%1>\n").arg(tag, paragraph);
        }
        lineStart = lineEnd + 1;
    }
    if (first)
        body += QStringLiteral("      <h1>%1</h1>\n").arg(Escaped(Heading(chapter)));
    return xmlHead + QStringLiteral("<!DOCTYPE html>\n"
                                    "<html xmlns=\"http://www.w3.org/1999/xhtml\" xmlns:epub=\"http://www.idpf.org/2007/ops\"%1>\n"
                                    "  <head>\n    <meta charset=\"UTF-8\"/>\n    <title>%2</title>\n"
                                    "    <link rel=\"stylesheet\" type=\"text/css\" href=\"style.css\"/>\n  </head>\n"
                                    "  <body>\n    <section id=\"chapter\" epub:type=\"chapter\">\n%3    </section>\n  </body>\n</html>\n")
                         .arg(LanguageAttributes(c.Language.isEmpty() ? QStringLiteral("en") : c.Language),
                              Escaped(Heading(chapter)), body)
                         .toUtf8();
}

QByteArray TReadAlongBook::Overlay(size_t chapter) const
{
    const TChapter &c = Chapters[chapter];
    const QString page = ChapterName(chapter) + QStringLiteral(".xhtml");
    const QString audio = AudioName(chapter);
    QString pars;
    const auto &spans = Words ? c.Spans.Words : c.Spans.Sentences;
    const QString prefix = Words ? QStringLiteral("w") : QStringLiteral("s");
    // What the page does not mark (a word outside its sentence) is left out here too.
    std::vector<bool> shown;
    ChapterPage(chapter, &shown);
    for (size_t k = 0; k < spans.size(); ++k) {
        const QString id = prefix + QString::number(k + 1);
        if (!shown[k])
            continue;
        const qint64 begin = Milliseconds(spans[k].Start);
        const qint64 end = std::max(begin, Milliseconds(spans[k].End));
        pars += QStringLiteral("    <par id=\"p%1\">\n      <text src=\"%2#%3\"/>\n"
                               "      <audio src=\"%4\" clipBegin=\"%5\" clipEnd=\"%6\"/>\n    </par>\n")
                    .arg(QString::number(k + 1), page, id, audio, ClockMs(begin), ClockMs(end));
    }
    if (pars.isEmpty()) {
        // A chapter without a word spoken (a heading only): its audio, whole.
        pars = QStringLiteral("    <par id=\"p1\">\n      <text src=\"%1#chapter\"/>\n"
                              "      <audio src=\"%2\" clipBegin=\"0:00:00.000\" clipEnd=\"%3\"/>\n    </par>\n")
                   .arg(page, audio, Clock(c.Duration));
    }
    return xmlHead + QStringLiteral("<smil xmlns=\"http://www.w3.org/ns/SMIL\" xmlns:epub=\"http://www.idpf.org/2007/ops\" version=\"3.0\">\n"
                                    "  <body>\n%1  </body>\n</smil>\n")
                         .arg(pars)
                         .toUtf8();
}

bool TReadAlongBook::Write(const QString &path, bool overwrite, QString *failure)
{
    const QString temporary = SpeechFiles::Create(QFileInfo(path).absolutePath(), QStringLiteral(".epub"));
    if (temporary.isEmpty()) {
        *failure = ProgramPaths::UnableToCreate(path);
        return false;
    }
    QFile file(temporary);
    QString problem;
    {
        QuaZip zip(&file);
        // The first entry must be the type, stored as it is with nothing after its header.
        zip.setDataDescriptorWritingEnabled(false);
        zip.setUtf8Enabled(true);
        const auto add = [&](const QString &name, const QByteArray &bytes, bool stored = false) {
            if (!problem.isEmpty())
                return;
            QuaZipFile entry(&zip);
            QuaZipNewInfo info(name);
            info.dateTime = QDateTime::currentDateTime();
            if (!entry.open(QIODevice::WriteOnly, info, nullptr, 0, stored ? 0 : Z_DEFLATED) ||
                entry.write(bytes) != bytes.size() || (entry.close(), entry.getZipError() != ZIP_OK))
                problem = file.errorString();
        };
        const auto addFile = [&](const QString &name, const QString &from) {
            if (!problem.isEmpty())
                return;
            QFile in(from);
            if (!in.open(QIODevice::ReadOnly)) {
                problem = QCoreApplication::translate("Audio", "its sound %1 cannot be read: %2")
                              .arg(from, in.errorString());
                return;
            }
            QuaZipFile entry(&zip);
            QuaZipNewInfo info(name);
            info.dateTime = QDateTime::currentDateTime();
            // Sound is packed already: it is stored.
            if (!entry.open(QIODevice::WriteOnly, info, nullptr, 0, 0)) {
                problem = file.errorString();
                return;
            }
            QByteArray chunk;
            while (!(chunk = in.read(1 << 20)).isEmpty()) {
                if (entry.write(chunk) != chunk.size()) {
                    problem = file.errorString();
                    return;
                }
            }
            entry.close();
            if (entry.getZipError() != ZIP_OK)
                problem = file.errorString();
        };
        if (!zip.open(QuaZip::mdCreate)) {
            problem = file.errorString();
        } else {
            add(QStringLiteral("mimetype"), "application/epub+zip", true);
            add(QStringLiteral("META-INF/container.xml"),
                QByteArray(xmlHead) +
                    "<container version=\"1.0\" xmlns=\"urn:oasis:names:tc:opendocument:xmlns:container\">\n"
                    "  <rootfiles>\n    <rootfile full-path=\"OEBPS/package.opf\" media-type=\"application/oebps-package+xml\"/>\n"
                    "  </rootfiles>\n</container>\n");
            const QString modified = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-ddThh:mm:ssZ"));
            add(folder + QStringLiteral("package.opf"), Package(QUuid::createUuid().toString(QUuid::WithoutBraces), modified));
            add(folder + QStringLiteral("nav.xhtml"), Navigation());
            add(folder + QStringLiteral("style.css"),
                "." + activeClass.toUtf8() + " { background-color: #ffe066; color: #000000; }\n"
                "p, h1 { line-height: 1.5; }\n");
            if (const auto [extension, type] = CoverType(Cover); !type.isEmpty())
                add(folder + QStringLiteral("cover.") + extension, Cover, true);
            for (size_t k = 0; k < Chapters.size(); ++k) {
                add(folder + ChapterName(k) + QStringLiteral(".xhtml"), ChapterPage(k));
                add(folder + ChapterName(k) + QStringLiteral(".smil"), Overlay(k));
                addFile(folder + AudioName(k), Chapters[k].Audio);
            }
            zip.close();
            if (problem.isEmpty() && (zip.getZipError() != ZIP_OK || file.error() != QFileDevice::NoError))
                problem = file.errorString();
        }
    }
    if (problem.isEmpty()) {
        const bool renamed = overwrite ? std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) == 0
                                       : ProgramPaths::RenameNoReplace(temporary, path);
        if (renamed)
            return true;
        problem = errno == EEXIST ? QCoreApplication::translate("Audio", "it is already there")
                                  : QString::fromLocal8Bit(std::strerror(errno));
    }
    UtilsClass::DeleteTraced(temporary);
    *failure = ProgramPaths::CouldNotCreate(path + QStringLiteral(": ") + problem);
    return false;
}
