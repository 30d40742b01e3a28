#include "platform/x11/XcbSharedMemory.h"

#include "core/Logging.h"

#include <sys/ipc.h>
#include <sys/shm.h>

XcbSharedMemory::~XcbSharedMemory() {
    // The connection may be gone by now: the server lets go of its side with it.
    if (memory_)
        shmdt(memory_);
}

void XcbSharedMemory::Release() {
    if (!memory_)
        return;
    xcb_shm_detach(connection_, segment_);
    shmdt(memory_);
    memory_ = nullptr;
    bytes_ = 0;
}

bool XcbSharedMemory::HoldAtLeast(size_t bytes) {
    if (bytes_ >= bytes)
        return true;
    Release();
    const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void* memory = shmat(id, nullptr, 0);
    const xcb_shm_seg_t segment = xcb_generate_id(connection_);
    const bool attached =
        memory != reinterpret_cast<void*>(-1) &&
        !xcb_request_check(connection_, xcb_shm_attach_checked(connection_, segment, uint32_t(id), 0));
    shmctl(id, IPC_RMID, nullptr); // freed once both sides let go
    if (!attached) {
        qCDebug(lcX11, "no shared memory with the X server: pixels come through the connection");
        if (memory != reinterpret_cast<void*>(-1))
            shmdt(memory);
        return false;
    }
    segment_ = segment;
    memory_ = static_cast<uint8_t*>(memory);
    bytes_ = bytes;
    return true;
}
