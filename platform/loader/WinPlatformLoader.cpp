#include "platform/loader/PlatformLoader.h"

#include "platform/win/WinPlatform.h"

// A Windows build has one desktop to choose: the system's own.
std::unique_ptr<Platform> LoadPlatform() { return std::make_unique<WinPlatform>(); }

QString WhyNoDisplay() { return {}; }
