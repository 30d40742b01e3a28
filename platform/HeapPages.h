#pragma once

// The C library's heap, as the program's use of it is known: few large buffers, made once, and a start
// that lets go of much it used.

// Buffers of 128 kB and more get mappings of their own, returned whole when let go. The font engine reads
// tables of half a megabyte at start and lets them go; glibc would then raise its threshold to that size,
// so the pictures and the magnifier's canvas would land on the heap and leave holes there when replaced.
// The program's large buffers are few and made once, so mapping each costs nothing at a tick. Call it
// first, before anything is allocated.
void FixLargeBufferThreshold();

// Gives the system back the whole pages lying free inside the heap, which the allocator otherwise keeps
// resident: what the start let go, once the window is drawn.
void ReturnFreeHeapPages();
