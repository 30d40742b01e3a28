#pragma once

#include <exception>
#include <utility>

// Leaves a trace of a failure the guard dropped (category "tintra.guard", debug).
void LogSwallowed(const std::exception* failure) noexcept;

// Every handler runs its body through this: a failure ends the body where it happened and is dropped
// without a word to the user, so what ran before it stays and the program carries on; a trace of it
// is logged.
template <class Body>
void RunGuarded(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& failure) {
        LogSwallowed(&failure);
    } catch (...) {
        LogSwallowed(nullptr);
    }
}

// The same, with a clean-up that runs only when the body failed (the picking timers stop themselves).
template <class Body, class OnFailure>
void RunGuarded(Body&& body, OnFailure&& onFailure) noexcept {
    try {
        std::forward<Body>(body)();
    } catch (const std::exception& failure) {
        LogSwallowed(&failure);
        RunGuarded(std::forward<OnFailure>(onFailure));
    } catch (...) {
        LogSwallowed(nullptr);
        RunGuarded(std::forward<OnFailure>(onFailure));
    }
}
