// Any pair of favourites files, rows and values, and any removal of rows: every row left keeps the
// value it had, in memory and once both files are written and read again.
#include "core/persistence/ListFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte splits the input into the two files; the last bytes name rows to remove.
    if (size < 2)
        return 0;
    const std::size_t split = data[0] * size / 256;
    const char* bytes = reinterpret_cast<const char*>(data) + 1;
    ListEntries rows = ParseListFile(QByteArray(bytes, qsizetype(split)));
    ListEntries values = ParseListFile(QByteArray(bytes + split, qsizetype(size - 1 - split)));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (qsizetype i = 0; i < rows.size(); ++i)
        pairs.emplace_back(rows.Bytes(i), i < values.size() ? std::string(values.Bytes(i)) : "<none>");

    QList<int> removed;
    for (std::size_t i = size - std::min<std::size_t>(size, 4); i < size; ++i)
        removed << (rows.empty() ? 0 : data[i] % (rows.size() + 2)) - 1;
    rows.PushFront("#FF0000");
    values.PushFront("255");
    pairs.insert(pairs.begin(), {"#FF0000", "255"});
    QList<int> shifted;
    for (int row : removed)
        shifted << row + 1;
    rows.Remove(shifted);
    values.Remove(shifted);
    std::vector<std::pair<std::string, std::string>> kept;
    for (std::size_t i = 0; i < pairs.size(); ++i)
        if (!shifted.contains(int(i)))
            kept.push_back(pairs[i]);

    const ListEntries rowsAgain = ParseListFile(FormatListFile(rows));
    const ListEntries valuesAgain = ParseListFile(FormatListFile(values));
    if (rowsAgain.size() != qsizetype(kept.size()))
        std::abort();
    for (qsizetype i = 0; i < rowsAgain.size(); ++i) {
        const std::string value = i < valuesAgain.size() ? std::string(valuesAgain.Bytes(i)) : "<none>";
        if (rowsAgain.Bytes(i) != kept[i].first || value != kept[i].second)
            std::abort();
    }
    return 0;
}
