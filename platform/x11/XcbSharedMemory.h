#pragma once

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>

// A block of memory shared with the X server (MIT-SHM): the server writes grabs into it or reads
// pictures from it without sending the pixels through the connection.
class XcbSharedMemory {
public:
    explicit XcbSharedMemory(xcb_connection_t* connection) : connection_(connection) {}
    ~XcbSharedMemory();
    XcbSharedMemory(const XcbSharedMemory&) = delete;
    XcbSharedMemory& operator=(const XcbSharedMemory&) = delete;

    // At least that many bytes, attached on both sides; false where the server shares none.
    bool HoldAtLeast(size_t bytes);
    // Lets go of the block on both sides.
    void Release();

    xcb_shm_seg_t Segment() const { return segment_; }
    uint8_t* Memory() const { return memory_; }

private:
    xcb_connection_t* connection_;
    xcb_shm_seg_t segment_ = 0;
    uint8_t* memory_ = nullptr;
    size_t bytes_ = 0;
};
