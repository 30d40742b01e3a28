#include "platform/x11/XcbGlobalHotkey.h"

#include "core/Logging.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>

#include <cstdlib>
#include <memory>
#include <optional>

namespace {

constexpr uint8_t BadAccess = 10;
constexpr xcb_keysym_t NumLockSym = 0xff7f;

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

xcb_connection_t* QtConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The X keysym of a key as Qt names it: Latin-1 keys share their codes with X, letters in lower case.
std::optional<xcb_keysym_t> KeysymOf(Qt::Key key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 'a' + (key - Qt::Key_A);
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde)
        return static_cast<xcb_keysym_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return 0xffbe + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Insert:
        return 0xff63;
    case Qt::Key_Delete:
        return 0xffff;
    case Qt::Key_Home:
        return 0xff50;
    case Qt::Key_End:
        return 0xff57;
    case Qt::Key_PageUp:
        return 0xff55;
    case Qt::Key_PageDown:
        return 0xff56;
    case Qt::Key_Left:
        return 0xff51;
    case Qt::Key_Up:
        return 0xff52;
    case Qt::Key_Right:
        return 0xff53;
    case Qt::Key_Down:
        return 0xff54;
    case Qt::Key_Pause:
        return 0xff13;
    case Qt::Key_Print:
        return 0xff61;
    default:
        return std::nullopt;
    }
}

// The keyboard's map: each keycode's keysyms.
class KeyboardMap {
public:
    explicit KeyboardMap(xcb_connection_t* connection) {
        const xcb_setup_t* setup = xcb_get_setup(connection);
        first_ = setup->min_keycode;
        reply_.reset(xcb_get_keyboard_mapping_reply(
            connection,
            xcb_get_keyboard_mapping(connection, first_, setup->max_keycode - setup->min_keycode + 1),
            nullptr));
    }

    // The first keycode that gives the keysym, with or without Shift.
    std::optional<xcb_keycode_t> KeycodeOf(xcb_keysym_t wanted) const {
        if (!reply_)
            return std::nullopt;
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply_.get());
        const int perCode = reply_->keysyms_per_keycode;
        const int count = xcb_get_keyboard_mapping_keysyms_length(reply_.get());
        for (int i = 0; i < count; ++i)
            if (keysyms[i] == wanted && i % perCode < 2)
                return static_cast<xcb_keycode_t>(first_ + i / perCode);
        return std::nullopt;
    }

private:
    xcb_keycode_t first_ = 0;
    ReplyPtr<xcb_get_keyboard_mapping_reply_t> reply_;
};

// The modifier mask NumLock sets: the modifier its key is bound to, Mod2 on most servers.
uint16_t NumLockMask(xcb_connection_t* connection, const KeyboardMap& map) {
    const std::optional<xcb_keycode_t> numLock = map.KeycodeOf(NumLockSym);
    ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (numLock && modifiers) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers.get());
        const int perModifier = modifiers->keycodes_per_modifier;
        for (int i = 0; i < 8 * perModifier; ++i)
            if (codes[i] == *numLock)
                return static_cast<uint16_t>(1 << (i / perModifier));
    }
    return XCB_MOD_MASK_2;
}

} // namespace

XcbGlobalHotkey::~XcbGlobalHotkey() { Release(); }

bool XcbGlobalHotkey::Offered() const { return QtConnection() != nullptr; }

void XcbGlobalHotkey::Bind(const QString& keys) {
    Release();
    connection_ = QtConnection();
    if (!connection_)
        return;
    const QKeySequence sequence = QKeySequence::fromString(keys, QKeySequence::PortableText);
    const KeyboardMap map(connection_);
    const std::optional<xcb_keysym_t> keysym =
        sequence.count() == 1 ? KeysymOf(sequence[0].key()) : std::nullopt;
    const std::optional<xcb_keycode_t> keycode = keysym ? map.KeycodeOf(*keysym) : std::nullopt;
    if (!keycode) {
        qCWarning(lcX11) << "no key on this keyboard for the hotkey" << keys;
        emit Refused(tr("无法识别全局热键 %1").arg(keys));
        return;
    }
    keycode_ = *keycode;
    const Qt::KeyboardModifiers wanted = sequence[0].keyboardModifiers();
    modifiers_ = (wanted & Qt::ShiftModifier ? XCB_MOD_MASK_SHIFT : 0) |
                 (wanted & Qt::ControlModifier ? XCB_MOD_MASK_CONTROL : 0) |
                 (wanted & Qt::AltModifier ? XCB_MOD_MASK_1 : 0) |
                 (wanted & Qt::MetaModifier ? XCB_MOD_MASK_4 : 0);
    const uint16_t numLock = NumLockMask(connection_, map);
    locks_ = numLock | XCB_MOD_MASK_LOCK;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;

    // The press comes whatever state the lock keys are in, and to the root window even while one of the
    // program's own windows has the focus.
    for (const uint16_t locks : {uint16_t(0), numLock, uint16_t(XCB_MOD_MASK_LOCK), locks_}) {
        const xcb_void_cookie_t grab =
            xcb_grab_key_checked(connection_, false, root_, modifiers_ | locks, keycode_, XCB_GRAB_MODE_ASYNC,
                                 XCB_GRAB_MODE_ASYNC);
        if (std::unique_ptr<xcb_generic_error_t, FreeReply> error{xcb_request_check(connection_, grab)}) {
            const bool taken = error->error_code == BadAccess;
            qCWarning(lcX11) << "the hotkey" << keys << "cannot be grabbed: X error" << error->error_code;
            Release();
            emit Refused(taken ? tr("全局热键 %1 已被其他程序占用").arg(keys)
                               : tr("桌面未能登记全局热键 %1").arg(keys));
            return;
        }
        grabbed_.push_back(modifiers_ | locks);
    }
    xcb_flush(connection_);
    QCoreApplication::instance()->installNativeEventFilter(this);
    qCInfo(lcX11) << "the hotkey" << keys << "is grabbed on the root window";
}

void XcbGlobalHotkey::Release() {
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
    if (!connection_)
        return;
    for (const uint16_t modifiers : grabbed_)
        xcb_ungrab_key(connection_, keycode_, root_, modifiers);
    if (!grabbed_.empty())
        xcb_flush(connection_);
    grabbed_.clear();
    connection_ = nullptr;
}

bool XcbGlobalHotkey::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || grabbed_.empty())
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    // Mouse buttons held and lock keys do not count; other modifiers do.
    if (press->event != root_ || press->detail != keycode_ || (press->state & 0xff & ~locks_) != modifiers_)
        return false;
    // Told after the event is handled, so the screen is read on a connection at rest.
    QMetaObject::invokeMethod(this, &GlobalHotkey::Pressed, Qt::QueuedConnection);
    return true;
}
