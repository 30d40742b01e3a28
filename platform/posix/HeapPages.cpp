#include "platform/HeapPages.h"

#include <cstdlib> // says which C library this is

// Only glibc's allocator has these knobs; another C library keeps its own ways.
#ifdef __GLIBC__
#include <malloc.h>
#endif

void FixLargeBufferThreshold() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void ReturnFreeHeapPages() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}
