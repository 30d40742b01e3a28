#include "platform/loader/PlatformLoader.h"

#include "platform/qt/QtPlatform.h"

std::unique_ptr<Platform> LoadPlatform() { return std::make_unique<QtPlatform>(); }
