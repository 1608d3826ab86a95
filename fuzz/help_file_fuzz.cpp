// libFuzzer target for the help-topic file reader: the lines joined, the keys
// nested into paths, the plain elements and the indexed topic list.
//   cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DPARLEWIND_FUZZ=ON
//   build-fuzz/fuzz/help_file_fuzz -max_total_time=600 fuzz/corpus/help_file
#include "audiohelp/GrabBaseClass.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    GrabBaseClass help;
    help.Parse(bytes);
    QStringList topics;
    help.GetList(QStringLiteral("/"), QStringLiteral("HelpTopics"), topics);
    for (const QString &caption : std::as_const(topics))
        help.GetValue(QStringLiteral("/"), caption);

    // Every item lies inside the text, below its parent, one level deeper, and is
    // found again by its path.
    const QChar *begin = help.Text.constData();
    const QChar *end = begin + help.Text.size();
    std::vector<GBItemClass *> items{&help.Root};
    while (!items.empty()) {
        GBItemClass *item = items.back();
        items.pop_back();
        if (!item->Text.isEmpty() && (item->Text.data() < begin || item->Text.data() + item->Text.size() > end))
            std::abort();
        const QString path = item->Path();
        if (item->Parent && (item->Level != item->Parent->Level + 1 || !path.startsWith(item->Parent->Path())))
            std::abort();
        if (item->Level > GBItemClass::MaxLevel || item->Values.Names.size() != item->Values.Values.size())
            std::abort();
        // The first item with this path (an earlier one may share it) has it indeed.
        const GBItemClass *found = help.Root.FindItem(path);
        if (!found || found->Path() != path || !item->HasPath(path))
            std::abort();
        for (auto &child : item->Children)
            items.push_back(child.get());
    }
    return 0;
}
