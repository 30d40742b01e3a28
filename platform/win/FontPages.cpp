#include "platform/FontPages.h"

void ReleaseFontPages() {}
