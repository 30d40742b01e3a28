#pragma once

// Whether the tests run under AddressSanitizer, whose own allocator reserves address space and keeps
// freed memory its own way.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
constexpr bool AddressSanitizer = __has_feature(address_sanitizer);
#else
constexpr bool AddressSanitizer = false;
#endif
