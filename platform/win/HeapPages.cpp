#include "platform/HeapPages.h"

// The Windows heap maps large blocks apart and returns free pages itself.
void FixLargeBufferThreshold() {}

void ReturnFreeHeapPages() {}
