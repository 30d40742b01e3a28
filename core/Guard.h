#pragma once

#include <utility>

// Every handler runs its body through this: a failure ends the body where it happened and is dropped
// without a word, so what ran before it stays and the program carries on.
template <class Body>
void RunGuarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
    }
}

// The same, with a clean-up that runs only when the body failed (the picking timers stop themselves).
template <class Body, class OnFailure>
void RunGuarded(Body&& body, OnFailure&& onFailure) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (...) {
        RunGuarded(std::forward<OnFailure>(onFailure));
    }
}
