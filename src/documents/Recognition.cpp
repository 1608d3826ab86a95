#include "documents/Recognition.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QThread>

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <malloc.h>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace Recognition {
namespace {

QString DataFolder()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    return prefix.isEmpty() ? QStringLiteral("/usr/share/tesseract-ocr/5/tessdata") : prefix;
}

bool Installed(const QString &name)
{
    return QFileInfo::exists(DataFolder() + QLatin1Char('/') + name + QStringLiteral(".traineddata"));
}

struct TPixFree
{
    void operator()(Pix *pix) const { pixDestroy(&pix); }
};
using TPixHolder = std::unique_ptr<Pix, TPixFree>;

TPage RecognisePage(tesseract::TessBaseAPI &api, Pix *picture)
{
    TPage page;
    api.SetImage(picture);
    const int dpi = std::max(pixGetYRes(picture), 70);
    api.SetSourceResolution(dpi);
    if (api.Recognize(nullptr) != 0) {
        api.Clear();
        return page;
    }
    const qreal scale = 72.0 / dpi;
    const std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (it) {
        const auto level = tesseract::RIL_TEXTLINE;
        do {
            if (it->Empty(level))
                continue;
            const std::unique_ptr<char[]> text(it->GetUTF8Text(level));
            int left = 0, top = 0, right = 0, bottom = 0;
            int wordLeft = 0, wordTop = 0, wordRight = 0, wordBottom = 0;
            if (!text || !it->BoundingBox(level, &left, &top, &right, &bottom))
                continue;
            it->BoundingBox(tesseract::RIL_WORD, &wordLeft, &wordTop, &wordRight, &wordBottom);
            TLine line;
            line.Text = QString::fromUtf8(text.get()).simplified();
            line.Box = QRectF(left * scale, top * scale, (right - left) * scale, (bottom - top) * scale);
            // The row's type size as Tesseract measures it (ascenders to descenders),
            // not the height of the letters it happens to hold: lines of one size
            // stay one paragraph whether or not they have a "g" or a capital.
            float rowHeight = 0, descenders = 0, ascenders = 0;
            it->RowAttributes(&rowHeight, &descenders, &ascenders);
            line.Height = rowHeight > 0 ? rowHeight * scale : line.Box.height();
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            if (it->Baseline(level, &x1, &y1, &x2, &y2)) {
                line.Baseline = (y1 + y2) / 2.0 * scale;
                line.Slant = std::abs(y2 - y1) / 2.0 * scale;
            }
            line.FirstWord = (wordRight - wordLeft) * scale;
            if (!line.Text.isEmpty())
                page.Lines.push_back(std::move(line));
        } while (it->Next(level));
    }
    page.Confidence = std::max(0, api.MeanTextConf());
    api.Clear();
    return page;
}

} // namespace

QString TesseractName(const QString &code)
{
    const QString lower = code.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
    if (lower.startsWith(QLatin1String("zh")) || lower.startsWith(QLatin1String("cmn")))
        return lower.contains(QLatin1String("tw")) || lower.contains(QLatin1String("hk")) || lower.contains(QLatin1String("hant"))
                   ? QStringLiteral("chi_tra")
                   : QStringLiteral("chi_sim");
    const QLocale::Language language = QLocale::codeToLanguage(lower.section(QLatin1Char('-'), 0, 0));
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return {};
    return QLocale::languageToCode(language, QLocale::ISO639Part2T);
}

QString Languages(const QStringList &wanted, QStringList *missing)
{
    QStringList found;
    for (const QString &name : wanted) {
        if (name.isEmpty() || found.contains(name))
            continue;
        if (Installed(name))
            found << name;
        else if (missing && !missing->contains(name))
            *missing << name;
    }
    return found.isEmpty() ? QStringLiteral("eng") : found.join(QLatin1Char('+'));
}

QString InstallHint(const QString &tesseractName)
{
    const QString package = QStringLiteral("tesseract-ocr-") + QString(tesseractName).replace(QLatin1Char('_'), QLatin1Char('-'));
    const QLocale::Language language = QLocale::codeToLanguage(tesseractName.section(QLatin1Char('_'), 0, 0), QLocale::ISO639Part2);
    const QString name = language == QLocale::AnyLanguage ? tesseractName : QLocale::languageToString(language);
    return QStringLiteral("install %1 for %2").arg(package, name);
}

bool Recognise(int count, const TPicture &picture, const QString &languages, std::vector<TPage> *pages,
               const TProgress &progress, QString *error)
{
    pages->assign(size_t(std::max(count, 0)), TPage());
    if (count <= 0)
        return true;
    // Leptonica says what it cannot read on the terminal; the reader says it once.
    setMsgSeverity(L_SEVERITY_NONE);
    // Pages' pictures are megabytes each: they go back to the system when freed,
    // rather than raising the allocator's threshold and staying in its heap.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
    const int workers = std::clamp(QThread::idealThreadCount(), 1, count);
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::pair<int, Pix *>> waiting;
    int recognised = 0;
    int ready = 0;
    bool failed = false;
    bool over = false;
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&] {
            tesseract::TessBaseAPI api;
            const bool started = api.Init(nullptr, languages.toUtf8().constData(), tesseract::OEM_LSTM_ONLY) == 0;
            if (started)
                api.SetPageSegMode(tesseract::PSM_AUTO);
            {
                const std::lock_guard lock(mutex);
                failed = failed || !started;
                ++ready;
                changed.notify_all();
            }
            while (started) {
                std::pair<int, Pix *> job;
                {
                    std::unique_lock lock(mutex);
                    changed.wait(lock, [&] { return over || !waiting.empty(); });
                    if (waiting.empty())
                        return;
                    job = waiting.front();
                    waiting.pop_front();
                    changed.notify_all();
                }
                const TPixHolder held(job.second);
                TPage page = RecognisePage(api, job.second);
                const std::lock_guard lock(mutex);
                (*pages)[size_t(job.first)] = std::move(page);
                ++recognised;
                changed.notify_all();
            }
        });
    }
    bool stopped = false;
    int told = 0;
    {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return ready == workers; });
    }
    // Told before the first page too: from here on a step is a page's recognition.
    stopped = progress && !progress(0, count);
    for (int next = 0; !failed && !stopped && (next < count || told < count);) {
        std::unique_lock lock(mutex);
        // One picture ahead of the workers, no more: a page's picture is large, and
        // the next is made while they recognise.
        changed.wait(lock, [&] { return recognised != told || (next < count && waiting.empty()); });
        if (recognised != told) {
            told = recognised;
            lock.unlock();
            stopped = progress && !progress(told, count);
            continue;
        }
        lock.unlock();
        Pix *pix = picture(next);
        lock.lock();
        if (pix) {
            waiting.emplace_back(next, pix);
        } else {
            ++recognised; // nothing to recognise on it
        }
        ++next;
        changed.notify_all();
    }
    {
        const std::lock_guard lock(mutex);
        over = true;
        for (auto &[page, pix] : waiting)
            pixDestroy(&pix);
        waiting.clear();
        changed.notify_all();
    }
    for (std::thread &thread : threads)
        thread.join();
    if (failed)
        *error = QCoreApplication::translate("Documents",
                                             "could not be read: text recognition did not start "
                                             "(its language data %1 cannot be loaded)")
                     .arg(languages);
    else if (stopped)
        *error = QCoreApplication::translate("Documents", "was not opened: stopped");
    return !failed && !stopped;
}

Pix *Picture(const QImage &image, int dpi)
{
    // Colour is turned grey line by line, with no grey copy of the page beside it.
    const bool colour = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
                        image.format() == QImage::Format_ARGB32_Premultiplied;
    if (image.isNull() || (!colour && image.format() != QImage::Format_Grayscale8))
        return image.isNull() ? nullptr : Picture(image.convertToFormat(QImage::Format_Grayscale8), dpi);
    Pix *pix = pixCreate(image.width(), image.height(), 8);
    if (!pix)
        return nullptr;
    l_uint32 *data = pixGetData(pix);
    const int wpl = pixGetWpl(pix);
    for (int y = 0; y < image.height(); ++y) {
        l_uint32 *line = data + qsizetype(y) * wpl;
        if (colour) {
            const auto *from = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                SET_DATA_BYTE(line, x, qGray(from[x]));
        } else {
            const uchar *from = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                SET_DATA_BYTE(line, x, from[x]);
        }
    }
    pixSetResolution(pix, dpi, dpi);
    return pix;
}

namespace {

bool ReadWithQt(const QByteArray &bytes, std::vector<Pix *> *frames, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid()) {
        *error = QCoreApplication::translate(
            "Documents", "is not a picture that can be read (damaged, or of a kind not known)");
        return false;
    }
    if (qint64(size.width()) * size.height() > MaxPixels) {
        *error = QCoreApplication::translate(
                     "Documents", "is too large a picture to be read (%1 \u00d7 %2 pixels)")
                     .arg(size.width())
                     .arg(size.height());
        return false;
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QCoreApplication::translate("Documents", "is not a picture that can be read (%1)")
                     .arg(reader.errorString());
        return false;
    }
    const int dpi = image.dotsPerMeterY() > 0 ? qRound(image.dotsPerMeterY() * 0.0254) : image.height() > 2000 ? 300 : 96;
    Pix *pix = Picture(image.convertToFormat(QImage::Format_Grayscale8), std::max(dpi, 70));
    if (!pix) {
        *error =
            QCoreApplication::translate("Documents", "is not a picture that can be read (damaged)");
        return false;
    }
    frames->push_back(pix);
    return true;
}

} // namespace

bool ReadPictures(const QByteArray &bytes, std::vector<Pix *> *frames, QString *error)
{
    setMsgSeverity(L_SEVERITY_NONE);
    const auto *data = reinterpret_cast<const l_uint8 *>(bytes.constData());
    const size_t size = size_t(bytes.size());
    l_int32 format = 0, width = 0, height = 0, bits = 0, samples = 0, colormap = 0;
    if (bytes.isEmpty() || pixReadHeaderMem(data, size, &format, &width, &height, &bits, &samples, &colormap) != 0)
        return ReadWithQt(bytes, frames, error);
    const auto tooLarge = [&](qint64 w, qint64 h) {
        if (w * h <= MaxPixels)
            return false;
        *error = QCoreApplication::translate(
                     "Documents", "is too large a picture to be read (%1 \u00d7 %2 pixels)")
                     .arg(w)
                     .arg(h);
        return true;
    };
    if (tooLarge(width, height))
        return false;
    // Grey, with a resolution: a picture that says none is taken as a screen's
    // when it is screen-sized, else as a scan's.
    const auto add = [&](Pix *pix) {
        Pix *grey = pixConvertTo8(pix, 0);
        pixDestroy(&pix);
        if (!grey)
            return false;
        if (pixGetYRes(grey) <= 0)
            pixSetResolution(grey, pixGetHeight(grey) > 2000 ? 300 : 96, pixGetHeight(grey) > 2000 ? 300 : 96);
        frames->push_back(grey);
        return true;
    };
    const bool tiff = L_FORMAT_IS_TIFF(format);
    for (int n = 0; n < (tiff ? MaxFrames + 1 : 1); ++n) {
        Pix *pix = tiff ? pixReadMemTiff(data, size, n) : pixReadMem(data, size);
        // A kind Leptonica reads only in part (some BMP headers): Qt's readers.
        if (!pix && n == 0)
            return ReadWithQt(bytes, frames, error);
        if (!pix)
            break;
        if (n == MaxFrames) {
            pixDestroy(&pix);
            *error =
                QCoreApplication::translate("Documents", "has more pages than can be read (%1)")
                    .arg(MaxFrames);
        } else if (tooLarge(pixGetWidth(pix), pixGetHeight(pix))) {
            pixDestroy(&pix);
        } else if (!add(pix)) {
            *error = QCoreApplication::translate("Documents",
                                                 "is not a picture that can be read (damaged)");
        }
        if (!error->isEmpty())
            break;
    }
    if (error->isEmpty() && frames->empty())
        *error = QCoreApplication::translate(
            "Documents", "is not a picture that can be read (damaged, or of a kind not known)");
    if (!error->isEmpty()) {
        for (Pix *&frame : *frames)
            pixDestroy(&frame);
        frames->clear();
        return false;
    }
    return true;
}

} // namespace Recognition
