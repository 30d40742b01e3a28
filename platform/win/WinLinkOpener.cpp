#include "platform/win/WinLinkOpener.h"

#include <QString>

#include <windows.h>

void WinLinkOpener::Open(const QString& target) {
    // The shell answers 32 or less when it found nothing to open the text with.
    const auto answer = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", reinterpret_cast<const wchar_t*>(target.utf16()), nullptr, nullptr, SW_SHOWNORMAL));
    if (answer <= 32 && Failed)
        Failed(target);
}
