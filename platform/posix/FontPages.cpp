#include "platform/FontPages.h"

#include "core/Logging.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <sys/mman.h>

namespace {

// The files the font engine maps to read glyphs from.
bool IsFontFile(std::string_view path) {
    for (const std::string_view suffix : {".ttf", ".ttc", ".otf", ".otc", ".pfa", ".pfb", ".pcf", ".bdf"})
        if (path.size() > suffix.size() &&
            qstrnicmp(path.data() + path.size() - suffix.size(), suffix.data(), suffix.size()) == 0)
            return true;
    return false;
}

struct Mapping {
    unsigned long long Start = 0, End = 0;
    bool Font = false;
    long long ResidentKb = 0, WrittenKb = 0;
};

// Only a font file's mapping the program never wrote to: a page it wrote is its own copy, which letting
// go would lose.
qint64 Release(const Mapping& mapping) {
    if (!mapping.Font || mapping.ResidentKb == 0 || mapping.WrittenKb != 0)
        return 0;
    if (::madvise(reinterpret_cast<void*>(mapping.Start), mapping.End - mapping.Start, MADV_DONTNEED) != 0)
        return 0;
    return mapping.ResidentKb * 1024;
}

} // namespace

void ReleaseFontPages() {
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly)) {
        qCDebug(lcMemory) << "font pages kept:" << maps.errorString();
        return;
    }
    qint64 released = 0;
    Mapping mapping;
    // A line at a time into one buffer: the whole text, read at once, would grow the heap by as much as
    // the fonts give back, and the heap keeps what it grew. A mapping's line is "start-end perms offset
    // device inode path", read-only as "r--p"; lines "Key: value kB" follow it.
    char line[5000];
    while (maps.readLine(line, sizeof line) > 0) {
        unsigned long long start = 0, end = 0;
        char permissions[5] = {};
        if (std::sscanf(line, "%llx-%llx %4s", &start, &end, permissions) == 3) {
            released += Release(mapping);
            const char* file = std::strchr(line, '/');
            const std::string_view path = file ? std::string_view(file, std::strcspn(file, "\n")) : "";
            mapping = {start, end, permissions[1] == '-' && IsFontFile(path)};
        } else if (std::strncmp(line, "Rss:", 4) == 0) {
            mapping.ResidentKb = std::atoll(line + 4);
        } else if (std::strncmp(line, "Anonymous:", 10) == 0) {
            mapping.WrittenKb = std::atoll(line + 10);
        }
    }
    released += Release(mapping);
    qCDebug(lcMemory) << "font pages let go:" << released / 1024 << "kB";
}
