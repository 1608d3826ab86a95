// libFuzzer target for reading saved-article files, which also runs the text
// decoding and line splitting used when opening text files. No widgets: the
// parser is a plain function, so thousands of inputs run a second.
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DPARLEWIND_FUZZ=ON
//   ASAN_OPTIONS=quarantine_size_mb=16 build-fuzz/fuzz/import_list_fuzz -max_total_time=600 fuzz/corpus/import_list
#include "articles/SavedArticles.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString TextOf(const SavedArticles::Record &record) { return record.Lines.join(QLatin1Char('\n')); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const SavedArticles::Parsed parsed = SavedArticles::Parse(bytes);
    if (parsed.NonBlankInFile < 0 || static_cast<size_t>(parsed.NonBlankInFile) > size)
        std::abort();

    // Whatever was read is written and read back unchanged, whatever the texts hold.
    QByteArray written;
    for (const SavedArticles::Record &record : parsed.Records)
        written += SavedArticles::Serialize(record.Title, record.Voice, TextOf(record));
    const SavedArticles::Parsed again = SavedArticles::Parse(written);
    if (again.Damaged || again.Records.size() != parsed.Records.size())
        std::abort();
    for (size_t k = 0; k < parsed.Records.size(); ++k) {
        const SavedArticles::Record &a = parsed.Records[k];
        const SavedArticles::Record &b = again.Records[k];
        if (b.Title != QString(a.Title).replace(QLatin1Char('|'), QLatin1Char('_')) ||
            b.Voice != QString(a.Voice).replace(QLatin1Char('|'), QLatin1Char('_')) || TextOf(a) != TextOf(b))
            std::abort();
    }
    return 0;
}
