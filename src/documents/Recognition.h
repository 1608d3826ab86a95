#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct Pix;

// Text recognition of pictures of pages (Tesseract), done in the reading process.
// A page comes back as printed lines with their places, so that it goes through
// the same paragraph model as a page with a text layer.
namespace Recognition {

// A line as recognised: its text, where it stands (in points, 1/72 inch) and the
// height of its type.
struct TLine
{
    QString Text;
    QRectF Box;
    qreal Height = 0;
    qreal FirstWord = 0; // its width
    qreal Baseline = -1; // where its letters stand (its middle), from the page's top; -1 unknown
    qreal Slant = 0; // how much higher or lower the baseline's ends are than its middle
};

struct TPage
{
    std::vector<TLine> Lines; // in the order Tesseract's layout analysis reads them
    int Confidence = 0; // the mean of its words', 0 to 100
};

// A picture of a page to recognise (8-bit grey, its resolution set); the
// recogniser frees it. Null when it could not be made.
using TPicture = std::function<Pix *(int page)>;
// Told each time a page has been recognised; false stops.
using TProgress = std::function<bool(int done, int total)>;

// The Tesseract name of a language ("de", "pt-BR", "zh-TW" → "deu", "por", "chi_tra");
// empty when it has none.
QString TesseractName(const QString &code);
// The language data to recognise with: those of `wanted` (Tesseract names) that are
// installed, joined with "+", else English; `missing` gets the others.
QString Languages(const QStringList &wanted, QStringList *missing);
// What to install for a language, in the user's words: "install tesseract-ocr-deu for German".
QString InstallHint(const QString &tesseractName);

// Recognises `count` pages, as many at once as there are cores (each thread with a
// recogniser of its own); the pictures are made one after another on this thread
// and only a few ahead of the recognition. False with the reason when recognition
// cannot start or was stopped.
bool Recognise(int count, const TPicture &picture, const QString &languages, std::vector<TPage> *pages,
               const TProgress &progress, QString *error);

// The most pixels a picture to recognise may have (a page at 600 dpi has 35 million),
// and the most pages of one picture file.
constexpr qint64 MaxPixels = 60'000'000;
constexpr int MaxFrames = 500;

// A picture at `dpi` as the recogniser takes it: grey, or an opaque colour
// rendering (made grey here); other formats are converted.
Pix *Picture(const QImage &image, int dpi);
// The pages of a picture file (PNG, JPEG, TIFF, WebP, BMP, GIF), grey, each with
// its resolution; false with the reason for a damaged or unknown file, one too large.
bool ReadPictures(const QByteArray &bytes, std::vector<Pix *> *frames, QString *error);

} // namespace Recognition
