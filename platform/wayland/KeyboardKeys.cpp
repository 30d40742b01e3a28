#include "platform/wayland/KeyboardKeys.h"

#include "core/Logging.h"

#include <sys/mman.h>

KeyboardKeys::KeyboardKeys() : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {}

KeyboardKeys::~KeyboardKeys() {
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    xkb_context_unref(context_);
}

void KeyboardKeys::SetKeymap(int fd, uint32_t size) {
    if (!context_ || size == 0)
        return;
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED) {
        qCWarning(lcWlroots, "the keyboard's keymap could not be read: the pick mode's keys are not known");
        return;
    }
    // The text ends with its terminating zero, inside the size given.
    xkb_keymap* keymap = xkb_keymap_new_from_buffer(context_, static_cast<const char*>(text), size - 1,
                                                    XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (!keymap) {
        qCWarning(lcWlroots,
                  "the keyboard's keymap could not be compiled: the pick mode's keys are not known");
        return;
    }
    xkb_state_unref(state_);
    xkb_keymap_unref(keymap_);
    keymap_ = keymap;
    state_ = xkb_state_new(keymap_);
}

void KeyboardKeys::SetModifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group) {
    if (state_)
        xkb_state_update_mask(state_, depressed, latched, locked, 0, 0, group);
}

// The keyboard sends evdev codes; the keymap numbers keys as X did, eight higher.
xkb_keysym_t KeyboardKeys::Symbol(uint32_t key) const {
    return state_ ? xkb_state_key_get_one_sym(state_, key + 8) : XKB_KEY_NoSymbol;
}

bool KeyboardKeys::ShiftHeld() const {
    return state_ && xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_SHIFT, XKB_STATE_MODS_EFFECTIVE) > 0;
}
