#include "platform/win/WinGlobalHotkey.h"

#include <QCoreApplication>
#include <QKeySequence>

#include <optional>

#include <windows.h>

namespace {

// The program's one hotkey, among the ids the system leaves to programs.
constexpr int HotkeyId = 0x5431;

// The system's virtual key of a key as Qt names it.
std::optional<UINT> VirtualKeyOf(Qt::Key key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<UINT>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Pause:
        return VK_PAUSE;
    case Qt::Key_Print:
        return VK_SNAPSHOT;
    default:
        return std::nullopt;
    }
}

} // namespace

WinGlobalHotkey::~WinGlobalHotkey() { Release(); }

void WinGlobalHotkey::Bind(const QString& keys) {
    Release();
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    const std::optional<UINT> key = sequence.count() == 1 ? VirtualKeyOf(sequence[0].key()) : std::nullopt;
    if (!key) {
        emit Refused(tr("无法识别全局热键 %1").arg(keys));
        return;
    }
    const Qt::KeyboardModifiers wanted = sequence[0].keyboardModifiers();
    const UINT modifiers =
        (wanted & Qt::ShiftModifier ? MOD_SHIFT : 0) | (wanted & Qt::ControlModifier ? MOD_CONTROL : 0) |
        (wanted & Qt::AltModifier ? MOD_ALT : 0) | (wanted & Qt::MetaModifier ? MOD_WIN : 0);
    // Held down, the combination counts once.
    if (!RegisterHotKey(nullptr, HotkeyId, modifiers | MOD_NOREPEAT, *key)) {
        emit Refused(GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED
                         ? tr("全局热键 %1 已被其他程序占用").arg(keys)
                         : tr("桌面未能登记全局热键 %1").arg(keys));
        return;
    }
    registered_ = true;
    QCoreApplication::instance()->installNativeEventFilter(this);
}

void WinGlobalHotkey::Release() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (registered_)
        UnregisterHotKey(nullptr, HotkeyId);
    registered_ = false;
}

bool WinGlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    const auto* msg = static_cast<const MSG*>(message);
    if (eventType != "windows_generic_MSG" || msg->message != WM_HOTKEY || msg->wParam != HotkeyId)
        return false;
    emit Pressed();
    return true;
}
