#include "platform/win/WinSingleCopy.h"

#include <QCryptographicHash>
#include <QDir>
#include <QWinEventNotifier>

#include <windows.h>

namespace {

// "Local\tintra-<hash of the folder>": the session's own name space. Windows paths ignore case.
std::wstring EventNameFor(const QString& folder) {
    const QByteArray hash = QCryptographicHash::hash(QDir(folder).canonicalPath().toCaseFolded().toUtf8(),
                                                     QCryptographicHash::Sha1)
                                .toHex()
                                .left(24);
    return L"Local\\tintra-" + QString::fromLatin1(hash).toStdWString();
}

} // namespace

WinSingleCopy::WinSingleCopy() = default;

WinSingleCopy::~WinSingleCopy() {
    notifier_.reset();
    if (event_)
        CloseHandle(event_);
}

bool WinSingleCopy::Claim(const QString& folder) {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, EventNameFor(folder).c_str());
    if (!event)
        return true; // no way to tell: carry on as the only copy
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Held: setting it is the request to show, and the holder may take the front from this copy.
        AllowSetForegroundWindow(ASFW_ANY);
        SetEvent(event);
        CloseHandle(event);
        return false;
    }
    event_ = event;
    notifier_ = std::make_unique<QWinEventNotifier>(event);
    QObject::connect(notifier_.get(), &QWinEventNotifier::activated, [this] {
        if (ShowRequested)
            ShowRequested();
    });
    return true;
}
