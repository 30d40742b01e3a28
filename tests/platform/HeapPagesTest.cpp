#include "platform/HeapPages.h"

#include "../AddressSanitizer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Kept by the compiler, which may otherwise drop an allocation nobody reads.
void* Kept(void* memory) {
    asm volatile("" : : "r"(memory) : "memory");
    return memory;
}

void* Touched(void* memory, size_t bytes) { return Kept(std::memset(memory, 1, bytes)); }

// The kB of anonymous memory resident, as the kernel counts it.
long ResidentAnonymousKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "RssAnon: %ld kB", &kb) == 1)
            break;
    std::fclose(status);
    return kb;
}

// A large buffer gets a mapping of its own even after a larger one was let go, and the pages lying free
// inside the heap go back to the system.
TEST(HeapPages, LargeBuffersMapApartAndFreePagesGoBack) {
#ifdef __GLIBC__
    if (AddressSanitizer)
        GTEST_SKIP() << "the address sanitizer has its own allocator";
    FixLargeBufferThreshold();
    // glibc's own threshold would rise to the size of this buffer once it is let go, and a buffer of
    // 20 MB, more than the heap holds free, would grow the heap.
    std::free(Kept(std::malloc(30 << 20)));
    const size_t mapped = mallinfo2().hblkhd;
    void* buffer = Kept(std::malloc(20 << 20));
    EXPECT_GE(mallinfo2().hblkhd, mapped + (20 << 20));
    std::free(buffer);

    // 8 MB of small blocks let go under the last one, which stays: free inside the heap, not at its top.
    std::vector<void*> blocks(2049);
    for (void*& block : blocks)
        block = Touched(std::malloc(4000), 4000);
    void* pin = blocks.back();
    blocks.pop_back();
    for (void* block : blocks)
        std::free(block);
    const long before = ResidentAnonymousKb();

    ReturnFreeHeapPages();

    EXPECT_LT(ResidentAnonymousKb(), before - 6 * 1024);
    std::free(pin);
#else
    GTEST_SKIP() << "only glibc's allocator is tuned";
#endif
}

} // namespace
