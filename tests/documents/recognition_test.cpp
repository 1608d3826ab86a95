#include "documents/DocumentProcess.h"
#include "support/ErrorRate.h"
#include "support/Printers.h"
#include "support/TempHome.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>
// No use of QPDF's old smart pointer here.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <vector>

// Scans and pictures read by text recognition in the confined reading process.
// The scans are made as a scanner would make them, from a real text: groff prints
// it to PDF, pdftoppm renders its pages at 300 dpi, ImageMagick turns them a
// little and adds noise, img2pdf binds them again.
namespace {

const QString prose = QStringLiteral(
    "The lighthouse keeper climbed the stairs every evening at dusk. He carried a small lamp, a notebook and "
    "a flask of tea. From the top he could see the whole bay, the fishing boats coming home and the lights of "
    "the village across the water.\n"
    "In winter the storms were fierce and the waves broke over the rocks below. Ships kept well away from the "
    "point, for the keeper's light warned them of the danger hidden beneath the surface.");

bool Produce(const QString &program, const QStringList &arguments, const QString &dir)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::ForwardedChannels);
    p.start(program, arguments);
    return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// The text in lines of at most `width` characters, long words broken with a
// hyphen where they cross the end; paragraphs apart by an empty line.
QString Hyphenated(const QString &text, int width)
{
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (QString word : paragraph.split(QLatin1Char(' '))) {
            const int room = width - int(line.size()) - (line.isEmpty() ? 0 : 1);
            if (int(word.size()) > room) {
                const int cut = std::min(room - 1, int(word.size()) - 3);
                if (cut >= 3 && word.left(cut).contains(QRegularExpression(QStringLiteral("^[a-z]+$")))) {
                    lines << line + QLatin1Char(' ') + word.left(cut) + QLatin1Char('-');
                    word = word.mid(cut);
                } else {
                    lines << line;
                }
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line << QString();
    }
    return lines.join(QLatin1Char('\n'));
}

class RecognitionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = home.Root();
        QFile::remove(dir + QStringLiteral("/scan.png"));
        // A page of the text in groff's ms macros; in two columns, set line by line
        // with words hyphenated at the ends, as a narrow printed column is.
        QString body = QStringLiteral(".LP\n") + QString(prose).replace(QLatin1Char('\n'), QStringLiteral("\n.PP\n")) + "\n";
        if (twoColumns)
            body = QStringLiteral(".2C\n.LP\n.nf\n") + Hyphenated(prose, 35) + QStringLiteral("\n");
        TempHome::WriteFile(dir + QStringLiteral("/page.ms"), (".nr PS 12\n.nr VS 16\n.hy 0\n" + body).toUtf8());
    }
    // The scan of the page (and of `pages` copies of it) as `kind`: pdf, png, tiff…
    QString Scan(const QString &kind, int pages = 1)
    {
        const QString pdf = dir + QStringLiteral("/printed.pdf");
        if (!QFile::exists(dir + QStringLiteral("/scan.png")))
            Print();
        QStringList copies;
        for (int k = 0; k < pages; ++k)
            copies << dir + QStringLiteral("/scan.png");
        const QString out = dir + QStringLiteral("/scan%1.").arg(pages) + kind;
        if (kind == QLatin1String("pdf"))
            EXPECT_TRUE(Produce(QStringLiteral("img2pdf"), copies + QStringList{QStringLiteral("-o"), out}, dir));
        else
            EXPECT_TRUE(Produce(QStringLiteral("convert"), copies + QStringList{out}, dir));
        return out;
    }
    void Print()
    {
        const QString pdf = dir + QStringLiteral("/printed.pdf");
        QProcess groff;
        groff.setWorkingDirectory(dir);
        groff.setStandardInputFile(dir + QStringLiteral("/page.ms"));
        groff.setStandardOutputFile(pdf);
        groff.start(QStringLiteral("groff"), {QStringLiteral("-ms"), QStringLiteral("-Tpdf")});
        EXPECT_TRUE(groff.waitForFinished(60000));
        EXPECT_TRUE(Produce(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                                                     QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, dir + QStringLiteral("/clean")},
                        dir));
        // Turned by less than a degree, with a scanner's noise.
        EXPECT_TRUE(Produce(QStringLiteral("convert"), {dir + QStringLiteral("/clean.png"), QStringLiteral("-background"), QStringLiteral("white"),
                                                    QStringLiteral("-rotate"), QStringLiteral("0.7"), QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("+repage"), QStringLiteral("-attenuate"),
                                                    QStringLiteral("0.4"), QStringLiteral("+noise"), QStringLiteral("Gaussian"),
                                                    QStringLiteral("-colorspace"), QStringLiteral("Gray"), dir + QStringLiteral("/scan.png")},
                        dir));
    }
    TDocument Read(const QString &path, const QString &language = {}, QString *error = nullptr)
    {
        TDocumentProcess reading;
        reading.SetLanguage(language);
        reading.Start(path);
        const bool read = reading.Wait() == TDocumentProcess::TResult::Read;
        if (error)
            *error = reading.Error();
        EXPECT_TRUE(read || error) << path.toStdString() << ": " << reading.Error().toStdString();
        return reading.Document();
    }

    TempHome home;
    QString dir;
    bool twoColumns = false;
};

TEST_F(RecognitionTest, ScansAndPicturesOfEveryKindAreReadAsTheirText)
{
    struct Case
    {
        const char *kind;
        int pages;
        double errorRate; // at most
    };
    const Case cases[]{{"pdf", 2, 0.02}, {"png", 1, 0.02}, {"jpg", 1, 0.02}, {"tiff", 2, 0.02},
                       {"webp", 1, 0.02}, {"bmp", 1, 0.02}, {"gif", 1, 0.02}};
    for (const Case &c : cases) {
        const TDocument document = Read(Scan(QLatin1String(c.kind), c.pages));
        QString expected;
        for (int k = 0; k < c.pages; ++k)
            expected += prose + QLatin1Char(' ');
        EXPECT_LE(CharacterErrorRate(expected, document.Text()), c.errorRate) << c.kind << ": " << document.Text().toStdString();
        // Paragraphs as printed, every page in order.
        EXPECT_EQ(document.Text().count(QStringLiteral("In winter")), c.pages) << c.kind;
        EXPECT_TRUE(document.Note.isEmpty()) << c.kind << ": " << document.Note.toStdString();
    }
}

// Columns are read in order and words hyphenated at line ends made whole; a
// language whose data is missing (the voice's, or the one the PDF says) is read in
// English and the note says what to install; a text page and a scanned one make one text.
TEST_F(RecognitionTest, ColumnsLanguagesAndMixedDocuments)
{
    twoColumns = true;
    SetUp();
    const TDocument columns = Read(Scan(QStringLiteral("png")), QStringLiteral("de"));
    const QString text = columns.Text();
    EXPECT_LT(text.indexOf(QStringLiteral("lighthouse keeper")), text.indexOf(QStringLiteral("In winter")));
    EXPECT_LE(CharacterErrorRate(prose, text), 0.03) << text.toStdString();
    EXPECT_EQ(columns.Note, QStringLiteral("install tesseract-ocr-deu for German"));
    ASSERT_GE(Hyphenated(prose, 35).count(QStringLiteral("-\n")), 2) << "the columns are printed hyphenated";
    EXPECT_FALSE(text.contains(QLatin1Char('-'))) << text.toStdString();

    twoColumns = false;
    SetUp();
    const QString scan = Scan(QStringLiteral("pdf"));
    const QString mixed = dir + QStringLiteral("/mixed.pdf");
    ASSERT_TRUE(Produce(QStringLiteral("pdfunite"), {dir + QStringLiteral("/printed.pdf"), scan, mixed}, dir));
    const TDocument both = Read(mixed);
    EXPECT_LE(CharacterErrorRate(prose + QLatin1Char(' ') + prose, both.Text()), 0.02) << both.Text().toStdString();
    EXPECT_TRUE(both.Note.isEmpty()) << both.Note.toStdString();

    // The same file saying it is German.
    QPDF german;
    german.setSuppressWarnings(true);
    german.processFile(mixed.toLocal8Bit().constData());
    german.getRoot().replaceKey("/Lang", QPDFObjectHandle::newString("de-DE"));
    const QByteArray saying = (dir + QStringLiteral("/german.pdf")).toLocal8Bit();
    QPDFWriter(german, saying.constData()).write();
    const TDocument said = Read(QString::fromLocal8Bit(saying), QStringLiteral("en"));
    EXPECT_EQ(said.Language, QStringLiteral("de-DE"));
    EXPECT_EQ(said.Note, QStringLiteral("install tesseract-ocr-deu for German"));
    EXPECT_LE(CharacterErrorRate(prose + QLatin1Char(' ') + prose, said.Text()), 0.02);
}

// What a hostile picture can do is bounded: too many pixels are refused before
// they are unpacked; a recognition in progress stops at once when cancelled.
TEST_F(RecognitionTest, HugePicturesAreRefusedAndRecognitionCanBeCancelled)
{
    // A PNG whose header says 20,000 × 20,000 pixels.
    QByteArray png("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR\x00\x00\x4e\x20\x00\x00\x4e\x20\x08\x00\x00\x00\x00", 29);
    png += QByteArray(4, '\0') + QByteArray(100, '\0');
    TempHome::WriteFile(dir + QStringLiteral("/huge.png"), png);
    QString error;
    Read(dir + QStringLiteral("/huge.png"), {}, &error);
    EXPECT_TRUE(error.contains(QStringLiteral("too large a picture to be read (20000 \u00d7 20000 pixels)"))) << error.toStdString();

    // A thousand blank pictures of pages: nothing to recognise, and the time it takes
    // to find that out is bounded (the limit shortened here).
    QImage blank(2480, 3508, QImage::Format_Grayscale8);
    blank.fill(255);
    ASSERT_TRUE(blank.save(dir + QStringLiteral("/blank.png")));
    QStringList pages(1000, dir + QStringLiteral("/blank.png"));
    ASSERT_TRUE(Produce(QStringLiteral("img2pdf"), pages + QStringList{QStringLiteral("-o"), dir + QStringLiteral("/blank.pdf")}, dir));
    QElapsedTimer clock;
    clock.start();
    TDocumentProcess::TLimits shorter = TDocumentProcess::Limits();
    shorter.Seconds = 8;
    TDocumentProcess::SetLimits(shorter);
    Read(dir + QStringLiteral("/blank.pdf"), {}, &error);
    TDocumentProcess::SetLimits({});
    EXPECT_TRUE(error.endsWith(QStringLiteral("took too long to read (more than 8 seconds); it was not opened.")))
        << error.toStdString();
    EXPECT_LT(clock.elapsed(), 20000);

    const QString scan = Scan(QStringLiteral("pdf"), 6);
    TDocumentProcess reading;
    int recognised = -1;
    QObject::connect(&reading, &TDocumentProcess::Recognising, [&](int done, int) {
        recognised = done;
        if (done >= 1)
            reading.Cancel();
    });
    reading.Start(scan);
    clock.restart();
    EXPECT_EQ(reading.Wait(), TDocumentProcess::TResult::Stopped);
    EXPECT_GE(recognised, 1);
    EXPECT_LT(clock.elapsed(), 30000);
}

} // namespace
