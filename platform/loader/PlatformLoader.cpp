#include "platform/loader/PlatformLoader.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include "platform/win/WinPlatform.h"
#else
#include "platform/qt/QtPlatform.h"
#endif

std::unique_ptr<Platform> LoadPlatform() {
#ifdef Q_OS_WIN
    return std::make_unique<WinPlatform>();
#else
    return std::make_unique<QtPlatform>();
#endif
}
