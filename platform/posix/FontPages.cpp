#include "platform/FontPages.h"

#include <QFile>

#include <sys/mman.h>

namespace {

bool FontFile(const QByteArray& path) {
    const QByteArray lower = path.toLower();
    for (const char* end : {".ttf", ".ttc", ".otf", ".otc", ".pfb"})
        if (lower.endsWith(end))
            return true;
    return false;
}

} // namespace

void ReleaseFontPages() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return;
    // "start-end permissions offset device inode path": only mappings that cannot be written, whose pages
    // the file gives back as they were.
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || fields[1] != "r--p" || !FontFile(line.mid(line.indexOf('/'))))
            continue;
        const QList<QByteArray> range = fields[0].split('-');
        const quintptr start = range.value(0).toULongLong(nullptr, 16),
                       end = range.value(1).toULongLong(nullptr, 16);
        if (start < end)
            madvise(reinterpret_cast<void*>(start), end - start, MADV_DONTNEED);
    }
}
