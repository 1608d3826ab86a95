// libFuzzer target for the documents packed in zips (EPUB, OpenDocument text, Word)
// and the XML inside them: the first byte picks the kind, the rest is the file.
//   build-fuzz/fuzz/document_fuzz -max_total_time=600 -detect_leaks=0 fuzz/corpus/document
#include "documents/Document.h"

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    (void)offscreen;
    if (size < 1)
        return 0;
    static const char *kinds[] = {"x.epub", "x.odt", "x.docx", "x.html"};
    const QString kind = QLatin1String(kinds[data[0] % 4]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    TDocument document;
    QString error;
    const bool read = DocumentReader::ReadBytes(bytes, kind, &document, &error);
    // Either text or a reason, never both, never neither.
    if (read != error.isEmpty())
        std::abort();
    if (read && document.Chapters.empty())
        std::abort();
    if (!read && (!document.Chapters.empty() || !error.startsWith(kind)))
        std::abort();
    return 0;
}
