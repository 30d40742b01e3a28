#include "platform/FontPages.h"

// Windows keeps the fonts in its own font cache, outside the program's memory.
qint64 ReleaseFontPages() { return 0; }
