#include "core/persistence/ListFile.h"

#include <cstring>

ListEntries ParseListFile(QByteArray bytes) {
    if (const char* nul = static_cast<const char*>(std::memchr(bytes.constData(), '\0', bytes.size())))
        bytes.truncate(nul - bytes.constData());
    // Every line end becomes one "\n", in place.
    char* const data = bytes.data();
    const qsizetype size = bytes.size();
    const char* firstCr = static_cast<const char*>(std::memchr(data, '\r', size));
    qsizetype to = firstCr ? firstCr - data : size;
    for (qsizetype from = to; from < size; ++from) {
        if (data[from] == '\r') {
            data[to++] = '\n';
            if (from + 1 < size && data[from + 1] == '\n')
                ++from;
        } else {
            data[to++] = data[from];
        }
    }
    bytes.truncate(to);
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    return ListEntries(std::move(bytes));
}

QByteArray FormatListFile(const ListEntries& entries) {
    QByteArray bytes;
    WriteListFile(entries, [&bytes](const QByteArray& piece) { bytes += piece; });
    return bytes;
}
