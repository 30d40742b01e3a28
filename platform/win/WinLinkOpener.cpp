#include "platform/win/WinLinkOpener.h"

#include <QString>

#include <windows.h>

void WinLinkOpener::Open(const QString& target) {
    // The shell's answer is not looked at: a failure is not reported.
    ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(target.utf16()), nullptr, nullptr,
                  SW_SHOWNORMAL);
}
