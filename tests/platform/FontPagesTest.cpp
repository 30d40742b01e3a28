#include "platform/FontPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr size_t FileBytes = 256 * 1024;

// The resident kB of the mapping at the address, as the kernel counts it.
int ResidentKb(const void* address) {
    QFile maps(QStringLiteral("/proc/self/smaps"));
    if (!maps.open(QIODevice::ReadOnly))
        return -1;
    bool inMapping = false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QByteArrayList fields = line.simplified().split(' ');
        const QByteArrayList range = fields[0].split('-');
        if (range.size() == 2 && fields.size() >= 5) {
            const auto at = reinterpret_cast<quintptr>(address);
            inMapping = at >= range[0].toULongLong(nullptr, 16) && at < range[1].toULongLong(nullptr, 16);
        } else if (inMapping && fields[0] == "Rss:") {
            return fields[1].toInt();
        }
    }
    return -1;
}

// Pages read from a mapped font file leave the program's memory; those of another file stay, and so
// does a font file's mapping the program wrote to, with what it wrote.
TEST(FontPages, OnlyFontFilePagesNeverWrittenLeave) {
    struct Case {
        const char* Name;
        bool Written;
        int ResidentKbAfter;
    };
    const Case cases[] = {
        {"face.ttf", false, 0},       {"FACES.TTC", false, 0},    {"face.otf", false, 0},
        {"pictures.dat", false, 256}, {"written.ttf", true, 256},
    };
    QTemporaryDir folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = folder.filePath(QString::fromLatin1(c.Name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(FileBytes, 'a'));
        file.close();
        const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        ASSERT_GE(descriptor, 0);
        auto* pages = static_cast<char*>(
            ::mmap(nullptr, FileBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE, descriptor, 0));
        ::close(descriptor);
        ASSERT_NE(pages, MAP_FAILED);
        int sum = 0;
        for (size_t at = 0; at < FileBytes; at += 4096)
            sum += pages[at];
        EXPECT_EQ(sum, 'a' * 64);
        if (c.Written)
            pages[0] = 'w';
        ::mprotect(pages, FileBytes, PROT_READ); // as the font engine maps its files
        ASSERT_EQ(ResidentKb(pages), 256);

        ReleaseFontPages();

        EXPECT_EQ(ResidentKb(pages), c.ResidentKbAfter);
        EXPECT_EQ(pages[0], c.Written ? 'w' : 'a');
        ::munmap(pages, FileBytes);
    }
}

} // namespace
