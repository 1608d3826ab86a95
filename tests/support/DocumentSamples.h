#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <quazip.h>
#include <quazipfile.h>
#include <quazipnewinfo.h>

#include <gtest/gtest.h>

#include <vector>

// Small documents of our own text, made the way their programs make them.
namespace DocumentSamples {

struct Entry
{
    QString name;
    QByteArray bytes;
    const char *password = nullptr;
};

inline QByteArray Zip(const std::vector<Entry> &entries)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QuaZip zip(&buffer);
    EXPECT_TRUE(zip.open(QuaZip::mdCreate));
    for (const Entry &e : entries) {
        QuaZipFile file(&zip);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly, QuaZipNewInfo(e.name), e.password));
        file.write(e.bytes);
        file.close();
    }
    zip.close();
    return bytes;
}

// A small picture, as a book's cover.
inline QByteArray CoverPicture()
{
    QImage image(48, 64, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// `encryption`: the list of encrypted parts a shop adds, when there is one.
inline QByteArray Epub(const QByteArray &chapterText = "It was a bright cold day.", const QByteArray &encryption = {})
{
    const QByteArray opf =
        "<?xml version='1.0'?><package xmlns='http://www.idpf.org/2007/opf' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
        "<metadata><dc:title>The Clock Book</dc:title><dc:creator>Ann Author</dc:creator><dc:language>en-GB</dc:language></metadata><manifest>"
        "<item id='art' href='cover.png' media-type='image/png' properties='cover-image'/>"
        "<item id='c2' href='text/two%20b.xhtml' media-type='application/xhtml+xml'/>"
        "<item id='cover' href='cover.xhtml' media-type='application/xhtml+xml'/>"
        "<item id='c1' href='text/one.xhtml' media-type='application/xhtml+xml'/></manifest>"
        "<spine><itemref idref='cover'/><itemref idref='c1'/><itemref idref='c2'/></spine></package>";
    const auto page = [](const QByteArray &heading, const QByteArray &body) {
        return "<?xml version='1.0'?><html xmlns='http://www.w3.org/1999/xhtml'><head><title>x</title>"
               "<style>p { color: red }</style></head><body><h1>" + heading + "</h1><p>" + body +
               "</p><script>var hidden = 1;</script></body></html>";
    };
    std::vector<Entry> entries{{"mimetype", "application/epub+zip"},
                {"META-INF/container.xml", "<?xml version='1.0'?><container><rootfiles>"
                                           "<rootfile full-path='OEBPS/content.opf'/></rootfiles></container>"},
                {"OEBPS/content.opf", opf},
                {"OEBPS/cover.xhtml", "<html><body><img src='cover.png'/></body></html>"},
                {"OEBPS/cover.png", CoverPicture()},
                {"OEBPS/text/one.xhtml", page("Chapter One", chapterText)},
                {"OEBPS/text/two b.xhtml", page("Chapter Two", "The clocks were striking thirteen.")}};
    if (!encryption.isEmpty())
        entries.push_back({"META-INF/encryption.xml", encryption});
    return Zip(entries);
}

// A PDF of printed lines: "#…" a heading in larger type, "\f" a new page. With no
// lines, a page with a picture and no text layer, as a scan has.
inline QByteArray Printed(const QStringList &lines, const QString &title = {})
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    QPainter painter(&writer);
    if (lines.isEmpty())
        painter.fillRect(QRectF(100, 100, 2000, 2000), Qt::black);
    int y = 400;
    for (const QString &line : lines) {
        if (line == QLatin1String("\f")) {
            writer.newPage();
            y = 400;
            continue;
        }
        const bool heading = line.startsWith(QLatin1Char('#'));
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), heading ? 16 : 12));
        painter.drawText(QPointF(100, y), heading ? line.mid(1) : line);
        y += heading ? 400 : 300;
    }
    painter.end();
    return bytes;
}

// Headings, a word broken at a line's end and at a page's end, a short line
// ending a paragraph, a paragraph after a blank line's gap, a ligature, and a
// page of Hebrew and Arabic.
inline QByteArray Pdf(bool withText)
{
    if (!withText)
        return Printed({}, QStringLiteral("A Printed Report"));
    return Printed({"#Weather on Friday", "The report gives infor-", "mation about the weather. It rained on",
                    "Friday.", "Tomorrow will be dry.", "", "", "Sunday brings snow.", "#Outlook",
                    "Warm days ahead, and the win-", "\f", "ter will be mild, \uFB01nally.", "\f",
                    "\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD", // shalom olam
                    "\u0645\u0631\u062D\u0628\u0627 \u0628\u0627\u0644\u0639\u0627\u0644\u0645"}, // marhaban bil-alam
                   QStringLiteral("A Printed Report"));
}

// A long printed document: a paragraph a page, "Page 1 of many.", "Page 2 …",
// each down the page among the text (at its top, it would be a running head).
inline QByteArray PdfPages(int pages)
{
    QStringList lines;
    for (int k = 1; k <= pages; ++k)
        lines << (k > 1 ? QStringList{QStringLiteral("\f")} : QStringList{}) << QStringList(6, QString())
              << QStringLiteral("Page %1 of many.").arg(k);
    return Printed(lines);
}

// One page on which the same few words are drawn 200,000 times at one place: some
// 24 kB that keep the PDF library's text layout busy for many minutes.
inline QByteArray StackedPdf(int draws = 200000)
{
    QByteArray content = "BT /F1 12 Tf\n";
    for (int k = 0; k < draws; ++k)
        content += "1 0 0 1 100 400 Tm (word" + QByteArray::number(k % 7) + ") Tj\n";
    content += "ET";
    const QByteArray packed = qCompress(content, 9).mid(4); // a zlib stream, without Qt's length
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R /Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode >>\nstream\n" + packed + "\nendstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"};
    QByteArray pdf = "%PDF-1.4\n";
    QByteArray table = "xref\n0 6\n0000000000 65535 f \n";
    for (int k = 0; k < objects.size(); ++k) {
        table += QByteArray::number(pdf.size()).rightJustified(10, '0') + " 00000 n \n";
        pdf += QByteArray::number(k + 1) + " 0 obj\n" + objects[k] + "\nendobj\n";
    }
    return pdf + table + "trailer\n<< /Size 6 /Root 1 0 R >>\nstartxref\n" + QByteArray::number(pdf.size()) + "\n%%EOF\n";
}

} // namespace DocumentSamples
