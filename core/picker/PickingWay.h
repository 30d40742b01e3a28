#pragma once

// How the desktop lets picking at its screen: the one answer the screen's back end gives and the pick
// loop follows.
enum class PickingWay {
    Live,     // the pointer and its pixel whenever picking is on (after a first yes, on some desktops)
    PickMode, // while picking is on, in a pick mode that a click, another button or Esc ends
    OneShot,  // the desktop's own tool picks one colour at each press of the button: no magnifier
    None,     // not at all
};
