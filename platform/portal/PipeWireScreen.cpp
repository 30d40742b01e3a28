#include "platform/portal/PipeWireScreen.h"

#include "core/Logging.h"

#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/builder.h>

#include <fcntl.h>

#include <mutex>
#include <vector>

namespace {

// Room for the pointer's position and a picture of it up to this size, which the desktop may send too.
// A desktop sends the position only where its own room for the picture fits in ours, and desktops
// ask for more than a pointer needs (one asks for 384 by 384): a generous largest size.
constexpr int LargestCursor = 1024;
constexpr int CursorMetaSize(int side) {
    return int(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap)) + side * side * 4;
}

// RGBx and RGBA keep red in a pixel's first byte; BGRx and BGRA keep blue there.
bool RedFirst(spa_video_format format) {
    return format == SPA_VIDEO_FORMAT_RGBx || format == SPA_VIDEO_FORMAT_RGBA;
}

// The frames the program can read: four bytes a pixel in the desktop's memory, any channel order.
const spa_pod* FrameFormats(spa_pod_builder* builder) {
    spa_rectangle size{1920, 1080}, smallest{1, 1}, largest{16384, 16384};
    spa_fraction rate{0, 1}, slowest{0, 1}, fastest{1000, 1};
    return static_cast<const spa_pod*>(spa_pod_builder_add_object(
        builder, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat, SPA_FORMAT_mediaType,
        SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype, SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw),
        SPA_FORMAT_VIDEO_format,
        SPA_POD_CHOICE_ENUM_Id(5, SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRx, SPA_VIDEO_FORMAT_BGRA,
                               SPA_VIDEO_FORMAT_RGBx, SPA_VIDEO_FORMAT_RGBA),
        SPA_FORMAT_VIDEO_size, SPA_POD_CHOICE_RANGE_Rectangle(&size, &smallest, &largest),
        SPA_FORMAT_VIDEO_framerate, SPA_POD_CHOICE_RANGE_Fraction(&rate, &slowest, &fastest)));
}

} // namespace

struct PipeWireScreen::Connection {
    struct Stream {
        Connection* Owner = nullptr;
        SharedMonitor Shared;
        pw_stream* Handle = nullptr;
        spa_hook Listener{};
        // The rest under the owner's lock.
        spa_video_format Format = SPA_VIDEO_FORMAT_UNKNOWN;
        QSize Size;
        pw_buffer* Held = nullptr;
        const uchar* Pixels = nullptr;
        int Stride = 0;
        quint64 Frames = 0, FramesLooked = 0;
        std::optional<QPoint> Cursor; // in the picture's pixels
        quint64 CursorTime = 0;

        // Where the monitor lies on the desktop, and its picture's size once the first frame says it.
        LaidOutMonitor LaidOut() const {
            const QSize pixels = Size.isEmpty() ? Shared.Place.size() : Size;
            return {Shared.Place.isEmpty() ? QRect(Shared.Place.topLeft(), pixels) : Shared.Place, pixels};
        }
        // Place is the stream's own rectangle in device pixels.
        const uchar* At(QPoint device, const QRect& place) const {
            const QPoint local = device - place.topLeft();
            return Pixels + qsizetype(local.y()) * Stride + local.x() * 4;
        }
        void Release() {
            if (Held)
                pw_stream_queue_buffer(Handle, Held);
            Held = nullptr;
            Pixels = nullptr;
        }
    };

    pw_thread_loop* Loop = nullptr;
    pw_context* Context = nullptr;
    pw_core* Core = nullptr;
    spa_hook CoreListener{};
    pw_registry* Registry = nullptr;
    spa_hook RegistryListener{};
    std::vector<std::unique_ptr<Stream>> Streams;
    std::function<void()> Ended;
    bool Ending = false; // on PipeWire's thread, or with its loop locked
    mutable std::mutex Lock;
    quint64 CursorClock = 0;

    void End() {
        if (Ending)
            return;
        Ending = true;
        Ended();
    }

    // Every stream's place in device pixels, in the order of Streams; under the lock.
    QList<Monitor> Placed() const {
        QList<LaidOutMonitor> laidOut;
        for (const auto& stream : Streams)
            laidOut.append(stream->LaidOut());
        return InDevicePixels(laidOut);
    }

    static void ParamChanged(void* data, uint32_t id, const spa_pod* param);
    static void Process(void* data);
    static void RemoveBuffer(void* data, pw_buffer* buffer);
    static void StateChanged(void* data, pw_stream_state, pw_stream_state state, const char*);
};

void PipeWireScreen::Connection::ParamChanged(void* data, uint32_t id, const spa_pod* param) {
    auto* stream = static_cast<Stream*>(data);
    spa_video_info_raw info{};
    if (id != SPA_PARAM_Format || !param || spa_format_video_raw_parse(param, &info) < 0)
        return;
    {
        const std::lock_guard lock(stream->Owner->Lock);
        stream->Release();
        stream->Format = info.format;
        stream->Size = QSize(int(info.size.width), int(info.size.height));
    }
    // Buffers the program can read without a GPU, with the frame's header and the pointer beside it.
    uint8_t memory[1024];
    spa_pod_builder builder = SPA_POD_BUILDER_INIT(memory, sizeof(memory));
    const spa_pod* params[] = {
        static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
            SPA_POD_CHOICE_RANGE_Int(8, 3, 32), SPA_PARAM_BUFFERS_dataType,
            SPA_POD_CHOICE_FLAGS_Int((1 << SPA_DATA_MemFd) | (1 << SPA_DATA_MemPtr)))),
        static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
            SPA_POD_Id(SPA_META_Header), SPA_PARAM_META_size, SPA_POD_Int(sizeof(spa_meta_header)))),
        static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
            SPA_POD_Id(SPA_META_Cursor), SPA_PARAM_META_size,
            SPA_POD_CHOICE_RANGE_Int(CursorMetaSize(64), CursorMetaSize(1), CursorMetaSize(LargestCursor)))),
    };
    pw_stream_update_params(stream->Handle, params, 3);
}

void PipeWireScreen::Connection::Process(void* data) {
    auto* stream = static_cast<Stream*>(data);
    // Only the newest frame matters; older ones go straight back.
    pw_buffer* newest = nullptr;
    while (pw_buffer* buffer = pw_stream_dequeue_buffer(stream->Handle)) {
        if (newest)
            pw_stream_queue_buffer(stream->Handle, newest);
        newest = buffer;
    }
    if (!newest)
        return;
    spa_buffer* buffer = newest->buffer;
    const auto* header = static_cast<const spa_meta_header*>(
        spa_buffer_find_meta_data(buffer, SPA_META_Header, sizeof(spa_meta_header)));
    const auto* cursor = static_cast<const spa_meta_cursor*>(
        spa_buffer_find_meta_data(buffer, SPA_META_Cursor, sizeof(spa_meta_cursor)));
    // A buffer may carry only the pointer's move, with no picture (or a spoilt one).
    const spa_data* plane = buffer->n_datas > 0 ? &buffer->datas[0] : nullptr;
    const bool picture = plane && plane->data && plane->chunk->size > 0 &&
                         !(plane->chunk->flags & SPA_CHUNK_FLAG_CORRUPTED) &&
                         !(header && (header->flags & SPA_META_HEADER_FLAG_CORRUPTED));

    const std::lock_guard lock(stream->Owner->Lock);
    if (cursor && spa_meta_cursor_is_valid(cursor)) {
        stream->Cursor = QPoint(cursor->position.x, cursor->position.y);
        stream->CursorTime = ++stream->Owner->CursorClock;
    }
    const int stride = plane && plane->chunk->stride > 0 ? plane->chunk->stride : stream->Size.width() * 4;
    if (!picture || stream->Size.isEmpty() ||
        plane->chunk->offset + qsizetype(stride) * stream->Size.height() > qsizetype(plane->maxsize)) {
        pw_stream_queue_buffer(stream->Handle, newest);
        return;
    }
    stream->Release();
    stream->Held = newest;
    stream->Pixels = static_cast<const uchar*>(plane->data) + plane->chunk->offset;
    stream->Stride = stride;
    ++stream->Frames;
}

void PipeWireScreen::Connection::RemoveBuffer(void* data, pw_buffer* buffer) {
    auto* stream = static_cast<Stream*>(data);
    const std::lock_guard lock(stream->Owner->Lock);
    if (stream->Held == buffer) {
        stream->Held = nullptr;
        stream->Pixels = nullptr;
    }
}

void PipeWireScreen::Connection::StateChanged(void* data, pw_stream_state, pw_stream_state state,
                                              const char* error) {
    if (state != PW_STREAM_STATE_ERROR && state != PW_STREAM_STATE_UNCONNECTED)
        return;
    auto* stream = static_cast<Stream*>(data);
    if (!stream->Owner->Ending)
        qCWarning(lcPortal, "the shared monitor's stream (node %u) ended: %s", stream->Shared.Node,
                  error ? error : pw_stream_state_as_string(state));
    stream->Owner->End();
}

PipeWireScreen::PipeWireScreen(int pipeWireFd, const QList<SharedMonitor>& monitors,
                               std::function<void()> ended)
    : connection_(std::make_unique<Connection>()) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { pw_init(nullptr, nullptr); });
    Connection& c = *connection_;
    c.Ended = std::move(ended);
    c.Loop = pw_thread_loop_new("tintra-screen", nullptr);
    c.Context = pw_context_new(pw_thread_loop_get_loop(c.Loop), nullptr, 0);
    if (pw_thread_loop_start(c.Loop) < 0)
        return;

    static const pw_core_events coreEvents = [] {
        pw_core_events events{};
        events.version = PW_VERSION_CORE_EVENTS;
        events.error = [](void* data, uint32_t id, int, int, const char*) {
            if (id == PW_ID_CORE)
                static_cast<Connection*>(data)->End();
        };
        return events;
    }();
    static const pw_registry_events registryEvents = [] {
        pw_registry_events events{};
        events.version = PW_VERSION_REGISTRY_EVENTS;
        events.global_remove = [](void* data, uint32_t id) {
            auto* connection = static_cast<Connection*>(data);
            for (const auto& stream : connection->Streams)
                if (stream->Shared.Node == id)
                    connection->End();
        };
        return events;
    }();
    static const pw_stream_events streamEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.state_changed = &Connection::StateChanged;
        events.param_changed = &Connection::ParamChanged;
        events.remove_buffer = &Connection::RemoveBuffer;
        events.process = &Connection::Process;
        return events;
    }();

    pw_thread_loop_lock(c.Loop);
    c.Core = pw_context_connect_fd(c.Context, fcntl(pipeWireFd, F_DUPFD_CLOEXEC, 3), nullptr, 0);
    if (!c.Core) {
        c.End();
        pw_thread_loop_unlock(c.Loop);
        return;
    }
    pw_core_add_listener(c.Core, &c.CoreListener, &coreEvents, &c);
    c.Registry = pw_core_get_registry(c.Core, PW_VERSION_REGISTRY, 0);
    pw_registry_add_listener(c.Registry, &c.RegistryListener, &registryEvents, &c);
    for (const SharedMonitor& monitor : monitors) {
        auto stream = std::make_unique<Connection::Stream>();
        stream->Owner = &c;
        stream->Shared = monitor;
        const spa_dict_item items[] = {SPA_DICT_ITEM_INIT(PW_KEY_MEDIA_TYPE, "Video"),
                                       SPA_DICT_ITEM_INIT(PW_KEY_MEDIA_CATEGORY, "Capture"),
                                       SPA_DICT_ITEM_INIT(PW_KEY_MEDIA_ROLE, "Screen")};
        const spa_dict properties = SPA_DICT_INIT_ARRAY(items);
        stream->Handle = pw_stream_new(c.Core, "tintra", pw_properties_new_dict(&properties));
        pw_stream_add_listener(stream->Handle, &stream->Listener, &streamEvents, stream.get());
        uint8_t memory[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(memory, sizeof(memory));
        const spa_pod* formats[] = {FrameFormats(&builder)};
        // The portal names the node by its id, so the stream asks for it by id, the way meant for
        // portal streams: the session manager reads an id given as "target.object" as a serial
        // instead, which is another number but by chance.
        pw_stream_connect(stream->Handle, PW_DIRECTION_INPUT, monitor.Node,
                          pw_stream_flags(PW_STREAM_FLAG_AUTOCONNECT | PW_STREAM_FLAG_MAP_BUFFERS), formats,
                          1);
        c.Streams.push_back(std::move(stream));
    }
    pw_thread_loop_unlock(c.Loop);
}

PipeWireScreen::~PipeWireScreen() {
    Connection& c = *connection_;
    pw_thread_loop_lock(c.Loop);
    c.Ending = true;
    for (const auto& stream : c.Streams) {
        {
            const std::lock_guard lock(c.Lock);
            stream->Release();
        }
        spa_hook_remove(&stream->Listener);
        pw_stream_destroy(stream->Handle);
    }
    if (c.Registry) {
        spa_hook_remove(&c.RegistryListener);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(c.Registry));
    }
    if (c.Core) {
        spa_hook_remove(&c.CoreListener);
        pw_core_disconnect(c.Core);
    }
    pw_thread_loop_unlock(c.Loop);
    pw_thread_loop_stop(c.Loop);
    pw_context_destroy(c.Context);
    pw_thread_loop_destroy(c.Loop);
}

std::optional<QPoint> PipeWireScreen::Pointer() const {
    const std::lock_guard lock(connection_->Lock);
    // The monitor that saw the pointer last has it now.
    const QList<Monitor> placed = connection_->Placed();
    std::optional<QPoint> pointer;
    quint64 latest = 0;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        const auto& stream = connection_->Streams[size_t(i)];
        if (stream->Cursor && stream->CursorTime > latest) {
            latest = stream->CursorTime;
            pointer = placed[i].Device.topLeft() + *stream->Cursor;
        }
    }
    return pointer;
}

bool PipeWireScreen::HasPicture() const {
    const std::lock_guard lock(connection_->Lock);
    for (const auto& stream : connection_->Streams)
        if (stream->Frames > 0)
            return true;
    return false;
}

std::optional<ColorValue> PipeWireScreen::Pixel(QPoint device) const {
    const std::lock_guard lock(connection_->Lock);
    const QList<Monitor> placed = connection_->Placed();
    for (qsizetype i = 0; i < placed.size(); ++i) {
        if (!placed[i].Device.contains(device))
            continue;
        const auto& stream = connection_->Streams[size_t(i)];
        if (!stream->Pixels)
            return std::nullopt;
        const uchar* pixel = stream->At(device, placed[i].Device);
        return RedFirst(stream->Format) ? PackRgb(pixel[0], pixel[1], pixel[2])
                                        : PackRgb(pixel[2], pixel[1], pixel[0]);
    }
    return -1;
}

QImage PipeWireScreen::Grab(const QRect& region) const {
    QImage image(region.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    const std::lock_guard lock(connection_->Lock);
    const QList<Monitor> placed = connection_->Placed();
    for (qsizetype i = 0; i < placed.size(); ++i) {
        const auto& stream = connection_->Streams[size_t(i)];
        const QRect place = placed[i].Device;
        const QRect part = region & place;
        if (part.isEmpty())
            continue;
        if (!stream->Pixels)
            return {};
        for (int y = part.top(); y <= part.bottom(); ++y) {
            const uchar* from = stream->At({part.left(), y}, place);
            auto* to =
                reinterpret_cast<QRgb*>(image.scanLine(y - region.top())) + (part.left() - region.left());
            if (RedFirst(stream->Format)) {
                for (int x = 0; x < part.width(); ++x, from += 4)
                    to[x] = qRgb(from[0], from[1], from[2]);
            } else {
                // The bytes of BGRx are Qt's RGB32 already, but for the unused byte.
                for (int x = 0; x < part.width(); ++x, from += 4)
                    to[x] = qRgb(from[2], from[1], from[0]);
            }
        }
    }
    return image;
}

QList<Monitor> PipeWireScreen::Monitors() const {
    const std::lock_guard lock(connection_->Lock);
    return connection_->Placed();
}

bool PipeWireScreen::Changed(const QRect& region) {
    const std::lock_guard lock(connection_->Lock);
    const QList<Monitor> placed = connection_->Placed();
    bool changed = false;
    for (qsizetype i = 0; i < placed.size(); ++i) {
        auto& stream = *connection_->Streams[size_t(i)];
        if (!placed[i].Device.intersects(region))
            continue;
        changed = changed || stream.Frames == 0 || stream.Frames != stream.FramesLooked;
        stream.FramesLooked = stream.Frames;
    }
    return changed;
}
