#include "persistence/ListFile.h"

#include <cstring>

QStringList ParseListFile(const QByteArray& bytes) {
    const char* data = bytes.constData();
    const char* nul = static_cast<const char*>(std::memchr(data, '\0', static_cast<size_t>(bytes.size())));
    const qsizetype size = nul ? nul - data : bytes.size();

    QStringList entries;
    entries.reserve(bytes.count('\n') + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n')
            continue;
        entries.append(QString::fromUtf8(data + start, i - start));
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        entries.append(QString::fromUtf8(data + start, size - start));
    return entries;
}

QByteArray FormatListFile(const QStringList& entries) {
    qsizetype length = 0;
    for (const QString& entry : entries)
        length += entry.size() + 2;
    QByteArray bytes;
    bytes.reserve(length);
    for (const QString& entry : entries) {
        bytes += entry.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}
