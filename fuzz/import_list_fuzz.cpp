// libFuzzer target for reading saved-article files (ImportList), which also runs
// the text decoding and line splitting used when opening text files.
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DPARLEWIND_FUZZ=ON
//   build-fuzz/fuzz/import_list_fuzz -max_total_time=300 -detect_leaks=0 fuzz/corpus/import_list
#include "articles/MemoListBox.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

struct Environment
{
    Environment()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("PARLEWIND_HOME", dir.path().toLocal8Bit());
        app = new QApplication(argc, argv);
    }
    QTemporaryDir dir;
    int argc = 1;
    char name[8] = "fuzz";
    char *argv[2] = {name, nullptr};
    QApplication *app = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Environment env;
    const QString path = env.dir.path() + QStringLiteral("/in.txt");
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    for (quint8 mode : {quint8(0), quint8(1)}) {
        TMemoListBox list;
        list.ListMode = mode;
        list.SetVisibleEntries(3);
        list.ImportList(path, {}, {}, {});
        // The invariants every caller relies on.
        if (list.Importing || list.HiddenCount != 0 || (mode == 0 && list.Count() > 1))
            std::abort();
        for (int k = 1; k <= list.Count(); ++k) {
            if (list.EntryAt(k)->Title().contains(QLatin1Char('|')))
                std::abort();
        }
        // What was read is written and read back the same.
        const QString out = env.dir.path() + QStringLiteral("/out.txt");
        if (!list.ExportList(out))
            std::abort();
        TMemoListBox again;
        again.ListMode = 1;
        again.ImportList(out, {}, {}, {});
        if (mode == 1 && again.Count() > list.Count())
            std::abort();
    }
    return 0;
}
