#include "core/Guard.h"

#include "core/Logging.h"

void LogSwallowed(const std::exception* failure) noexcept {
    try {
        qCDebug(lcGuard, "a handler failed and carried on: %s",
                failure ? failure->what() : "(no reason given)");
    } catch (...) {
    }
}
