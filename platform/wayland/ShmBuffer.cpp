#include "platform/wayland/ShmBuffer.h"

#include <wayland-client.h>

#include <sys/mman.h>
#include <unistd.h>

wl_buffer* ShmBuffer::Get(wl_shm* shm, uint32_t format, int width, int height, int stride) {
    if (buffer_ && format == format_ && width == width_ && height == height_ && stride == stride_)
        return buffer_;
    Release();
    const size_t bytes = size_t(stride) * size_t(height);
    const int file = memfd_create("tintra-screen", MFD_CLOEXEC);
    if (file < 0)
        return nullptr;
    void* memory = ftruncate(file, off_t(bytes)) == 0
                       ? mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_SHARED, file, 0)
                       : MAP_FAILED;
    if (memory == MAP_FAILED) {
        close(file);
        return nullptr;
    }
    wl_shm_pool* pool = wl_shm_create_pool(shm, file, int32_t(bytes));
    buffer_ = wl_shm_pool_create_buffer(pool, 0, width, height, stride, format);
    wl_shm_pool_destroy(pool); // the buffer keeps the memory
    close(file);
    memory_ = static_cast<uint8_t*>(memory);
    bytes_ = bytes;
    format_ = format;
    width_ = width;
    height_ = height;
    stride_ = stride;
    return buffer_;
}

void ShmBuffer::Release() {
    if (buffer_)
        wl_buffer_destroy(buffer_);
    if (memory_)
        munmap(memory_, bytes_);
    buffer_ = nullptr;
    memory_ = nullptr;
    bytes_ = 0;
}
