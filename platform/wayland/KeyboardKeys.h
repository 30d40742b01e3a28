#pragma once

#include <xkbcommon/xkbcommon.h>

#include <cstdint>

// The keys a Wayland keyboard sends, read through the keymap it hands over: a virtual keyboard numbers
// its keys as it likes, so a key's code alone does not say which key it is.
class KeyboardKeys {
public:
    KeyboardKeys();
    ~KeyboardKeys();
    KeyboardKeys(const KeyboardKeys&) = delete;
    KeyboardKeys& operator=(const KeyboardKeys&) = delete;

    // A keymap in the text format, in the shared memory behind fd; the keyboard's owner closes fd.
    void SetKeymap(int fd, uint32_t size);
    void SetModifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group);
    // The symbol of a key by its code as the keyboard sends it; XKB_KEY_NoSymbol before a keymap.
    xkb_keysym_t Symbol(uint32_t key) const;
    bool ShiftHeld() const;

private:
    xkb_context* context_;
    xkb_keymap* keymap_ = nullptr;
    xkb_state* state_ = nullptr;
};
