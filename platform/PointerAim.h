#pragma once

// Moves the pointer by whole device pixels, for aiming at one pixel from the keyboard.
class PointerAim {
public:
    virtual ~PointerAim() = default;
    // False where the desktop does not let a program move the pointer.
    virtual bool MoveBy(int dx, int dy) = 0;
};
