#pragma once

// libpipewire is loaded the first time a screen cast is read, not at the start: an X11 session, and a
// Wayland desktop that copies its screen another way, never need it. The functions the cast calls are
// defined here and pass each call on to the library; they may be called only once this said yes.
bool LoadPipeWire();
