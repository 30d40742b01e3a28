#pragma once

#include <cstddef>
#include <cstdint>

struct wl_buffer;
struct wl_shm;

// Memory shared with the compositor, holding one picture: kept and reused while pictures fit.
class ShmBuffer {
public:
    ShmBuffer() = default;
    ShmBuffer(const ShmBuffer&) = delete;
    ShmBuffer& operator=(const ShmBuffer&) = delete;
    ~ShmBuffer() { Release(); }

    // A buffer of that shape and wl_shm format; nothing when memory cannot be had.
    wl_buffer* Get(wl_shm* shm, uint32_t format, int width, int height, int stride);
    const uint8_t* Pixels() const { return memory_; }
    // The same memory, to draw into.
    uint8_t* Memory() { return memory_; }

private:
    void Release();

    wl_buffer* buffer_ = nullptr;
    uint8_t* memory_ = nullptr;
    size_t bytes_ = 0;
    uint32_t format_ = 0;
    int width_ = 0, height_ = 0, stride_ = 0;
};
