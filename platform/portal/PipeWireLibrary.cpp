#include "platform/portal/PipeWireLibrary.h"

#include "core/Logging.h"

#include <pipewire/pipewire.h>

#include <dlfcn.h>

namespace {

void* Library() {
    static void* const library = [] {
        void* handle = dlopen("libpipewire-0.3.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            qCWarning(lcPortal, "PipeWire's library could not be loaded: %s", dlerror());
        return handle;
    }();
    return library;
}

// The library's own function of that name: looked up in the library itself, never this file's.
template <class Function>
Function* Real(Function*, const char* name) {
    return reinterpret_cast<Function*>(dlsym(Library(), name));
}

} // namespace

bool LoadPipeWire() { return Library() != nullptr; }

// Each is the library's, found at its first call.
#define TINTRA_REAL(name) static auto* const real = Real(&name, #name)

extern "C" {

void pw_init(int* argc, char** argv[]) {
    TINTRA_REAL(pw_init);
    real(argc, argv);
}

pw_thread_loop* pw_thread_loop_new(const char* name, const spa_dict* props) {
    TINTRA_REAL(pw_thread_loop_new);
    return real(name, props);
}

pw_loop* pw_thread_loop_get_loop(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_get_loop);
    return real(loop);
}

int pw_thread_loop_start(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_start);
    return real(loop);
}

void pw_thread_loop_stop(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_stop);
    real(loop);
}

void pw_thread_loop_destroy(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_destroy);
    real(loop);
}

void pw_thread_loop_lock(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_lock);
    real(loop);
}

void pw_thread_loop_unlock(pw_thread_loop* loop) {
    TINTRA_REAL(pw_thread_loop_unlock);
    real(loop);
}

pw_context* pw_context_new(pw_loop* mainLoop, pw_properties* props, size_t userDataSize) {
    TINTRA_REAL(pw_context_new);
    return real(mainLoop, props, userDataSize);
}

pw_core* pw_context_connect_fd(pw_context* context, int fd, pw_properties* properties, size_t userDataSize) {
    TINTRA_REAL(pw_context_connect_fd);
    return real(context, fd, properties, userDataSize);
}

void pw_context_destroy(pw_context* context) {
    TINTRA_REAL(pw_context_destroy);
    real(context);
}

int pw_core_disconnect(pw_core* core) {
    TINTRA_REAL(pw_core_disconnect);
    return real(core);
}

pw_properties* pw_properties_new_dict(const spa_dict* dict) {
    TINTRA_REAL(pw_properties_new_dict);
    return real(dict);
}

void pw_proxy_destroy(pw_proxy* proxy) {
    TINTRA_REAL(pw_proxy_destroy);
    real(proxy);
}

pw_stream* pw_stream_new(pw_core* core, const char* name, pw_properties* props) {
    TINTRA_REAL(pw_stream_new);
    return real(core, name, props);
}

void pw_stream_add_listener(pw_stream* stream, spa_hook* listener, const pw_stream_events* events,
                            void* data) {
    TINTRA_REAL(pw_stream_add_listener);
    real(stream, listener, events, data);
}

int pw_stream_connect(pw_stream* stream, spa_direction direction, uint32_t targetId, pw_stream_flags flags,
                      const spa_pod** params, uint32_t paramCount) {
    TINTRA_REAL(pw_stream_connect);
    return real(stream, direction, targetId, flags, params, paramCount);
}

pw_buffer* pw_stream_dequeue_buffer(pw_stream* stream) {
    TINTRA_REAL(pw_stream_dequeue_buffer);
    return real(stream);
}

int pw_stream_queue_buffer(pw_stream* stream, pw_buffer* buffer) {
    TINTRA_REAL(pw_stream_queue_buffer);
    return real(stream, buffer);
}

int pw_stream_update_params(pw_stream* stream, const spa_pod** params, uint32_t paramCount) {
    TINTRA_REAL(pw_stream_update_params);
    return real(stream, params, paramCount);
}

const char* pw_stream_state_as_string(pw_stream_state state) {
    TINTRA_REAL(pw_stream_state_as_string);
    return real(state);
}

void pw_stream_destroy(pw_stream* stream) {
    TINTRA_REAL(pw_stream_destroy);
    real(stream);
}

} // extern "C"
