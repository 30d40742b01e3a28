#include "platform/FontPages.h"

// Windows keeps the fonts in its own font cache, outside the program's memory.
void ReleaseFontPages() {}
