// Any list file: what it reads as is written out and read back as the same entries, every entry's
// bytes kept; and no entry's text or shown text fails to come.
#include "core/persistence/ListFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ListEntries entries =
        ParseListFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray written = FormatListFile(entries);
    const ListEntries again = ParseListFile(written);
    if (again.size() != entries.size() || FormatListFile(again) != written)
        std::abort();
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries.Bytes(i) != again.Bytes(i))
            std::abort();
        entries.Text(i);
        entries.ShownText(i);
    }
    return 0;
}
