// libFuzzer target for every kind of document (EPUB, OpenDocument text, Word, HTML,
// PDF, Markdown) and the XML inside the zipped ones: the first byte picks the kind,
// the rest is the file. Read under a core application: no reader may need fonts or
// a display.
//   build-fuzz/fuzz/document_fuzz -max_total_time=600 -detect_leaks=0 fuzz/corpus/document
// DOCUMENT_FUZZ_KIND=pdf (or md, …) keeps to one kind, the seeds' first byte then
// being the kind's as above.
#include "documents/Document.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    if (size < 1)
        return 0;
    static const char *kinds[] = {"x.epub", "x.odt", "x.docx", "x.html", "x.pdf", "x.md"};
    static const char *only = std::getenv("DOCUMENT_FUZZ_KIND");
    const QString kind = only ? QStringLiteral("x.") + QLatin1String(only) : QLatin1String(kinds[data[0] % 6]);
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
