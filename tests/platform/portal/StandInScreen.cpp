#include "StandInScreen.h"

#include <pipewire/pipewire.h>
#include <spa/buffer/meta.h>
#include <spa/param/video/format-utils.h>
#include <spa/pod/builder.h>
#include <spa/utils/dict.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

constexpr int CursorMetaSize = int(sizeof(spa_meta_cursor) + sizeof(spa_meta_bitmap)) + 64 * 64 * 4;

spa_video_format FormatNamed(const QString& name) {
    if (name == QLatin1String("BGRA"))
        return SPA_VIDEO_FORMAT_BGRA;
    if (name == QLatin1String("RGBx"))
        return SPA_VIDEO_FORMAT_RGBx;
    if (name == QLatin1String("RGBA"))
        return SPA_VIDEO_FORMAT_RGBA;
    return SPA_VIDEO_FORMAT_BGRx;
}

uint32_t NumberOf(const spa_dict* props, const char* key) {
    const char* value = props ? spa_dict_lookup(props, key) : nullptr;
    return value ? uint32_t(std::strtoul(value, nullptr, 10)) : SPA_ID_INVALID;
}

std::string TextOf(const spa_dict* props, const char* key) {
    const char* value = props ? spa_dict_lookup(props, key) : nullptr;
    return value ? value : "";
}

// Rows a little longer than their pixels, as desktops that align them send.
constexpr int RowPadding = 64;
// The largest scale of the monitors: device corners lie at the desktop's times this.
constexpr int Spread = 2;

} // namespace

struct StandInScreen::Daemon {
    struct Source {
        Daemon* Owner = nullptr;
        Shared Monitor{};
        pw_stream* Stream = nullptr;
        spa_hook Listener{};
    };

    struct Consumer {
        Daemon* Owner = nullptr;
        uint32_t Id = 0;
        pw_proxy* Proxy = nullptr;
        spa_hook Listener{};
    };

    spa_video_format Format = SPA_VIDEO_FORMAT_BGRx;
    pw_thread_loop* Loop = nullptr;
    pw_context* Context = nullptr;
    pw_core* Core = nullptr;
    pw_registry* Registry = nullptr;
    spa_hook RegistryListener{};
    std::vector<std::unique_ptr<Source>> Sources;
    std::vector<pw_proxy*> Links;
    int Frame = 0;
    bool PointerHidden = false;
    // What the registry shows: each node's ports, the sources' serials and names (by id) and the
    // consumers' wishes: the key they named their source with and its value.
    std::map<uint32_t, uint32_t> OutPort, InPort;
    std::map<uint32_t, std::string> SourceSerial, SourceName;
    std::map<uint32_t, std::pair<std::string, std::string>> Target;
    std::set<uint32_t> Linked;
    std::map<uint32_t, std::unique_ptr<Consumer>> Consumers;

    // Links a consumer to the source it asked for once both have their ports.
    // The source a consumer's wish names, as the session manager reads it: "target.object" as a
    // serial, "node.target" as an id, either as a node's name.
    std::optional<uint32_t> SourceNamed(const std::pair<std::string, std::string>& wish) const {
        const auto& [key, value] = wish;
        for (const auto& [id, serial] : SourceSerial)
            if ((key == PW_KEY_TARGET_OBJECT ? serial == value : std::to_string(id) == value) ||
                SourceName.at(id) == value)
                return id;
        return std::nullopt;
    }

    void LinkWaiting() {
        for (const auto& [consumer, wish] : Target) {
            const std::optional<uint32_t> named = SourceNamed(wish);
            if (!named || Linked.count(consumer) || !InPort.count(consumer) || !OutPort.count(*named))
                continue;
            const uint32_t source = *named;
            pw_properties* props = pw_properties_new(nullptr, nullptr);
            pw_properties_setf(props, PW_KEY_LINK_OUTPUT_NODE, "%u", source);
            pw_properties_setf(props, PW_KEY_LINK_OUTPUT_PORT, "%u", OutPort[source]);
            pw_properties_setf(props, PW_KEY_LINK_INPUT_NODE, "%u", consumer);
            pw_properties_setf(props, PW_KEY_LINK_INPUT_PORT, "%u", InPort[consumer]);
            Links.push_back(static_cast<pw_proxy*>(pw_core_create_object(
                Core, "link-factory", PW_TYPE_INTERFACE_Link, PW_VERSION_LINK, &props->dict, 0)));
            pw_properties_free(props);
            Linked.insert(consumer);
        }
    }

    static void Global(void* data, uint32_t id, uint32_t, const char* type, uint32_t, const spa_dict* props) {
        auto* daemon = static_cast<Daemon*>(data);
        if (std::strcmp(type, PW_TYPE_INTERFACE_Port) == 0) {
            const char* direction = spa_dict_lookup(props, PW_KEY_PORT_DIRECTION);
            const uint32_t node = NumberOf(props, PW_KEY_NODE_ID);
            if (direction && std::strcmp(direction, "out") == 0)
                daemon->OutPort[node] = id;
            else if (direction && std::strcmp(direction, "in") == 0)
                daemon->InPort[node] = id;
        } else if (std::strcmp(type, PW_TYPE_INTERFACE_Node) == 0) {
            // A consumer names its source in properties that only the node itself shows.
            const char* media = spa_dict_lookup(props, PW_KEY_MEDIA_CLASS);
            if (media && std::strcmp(media, "Video/Source") == 0) {
                daemon->SourceSerial[id] = TextOf(props, PW_KEY_OBJECT_SERIAL);
                daemon->SourceName[id] = TextOf(props, PW_KEY_NODE_NAME);
            } else if (media && std::strcmp(media, "Stream/Input/Video") == 0) {
                auto consumer = std::make_unique<Consumer>();
                consumer->Owner = daemon;
                consumer->Id = id;
                consumer->Proxy = static_cast<pw_proxy*>(
                    pw_registry_bind(daemon->Registry, id, PW_TYPE_INTERFACE_Node, PW_VERSION_NODE, 0));
                pw_proxy_add_object_listener(consumer->Proxy, &consumer->Listener, &ConsumerEvents,
                                             consumer.get());
                daemon->Consumers[id] = std::move(consumer);
            }
        }
        daemon->LinkWaiting();
    }

    static void ConsumerInfo(void* data, const pw_node_info* info) {
        auto* consumer = static_cast<Consumer*>(data);
        for (const char* key : {PW_KEY_TARGET_OBJECT, PW_KEY_NODE_TARGET})
            if (const std::string value = TextOf(info->props, key); !value.empty()) {
                consumer->Owner->Target[consumer->Id] = {key, value};
                break;
            }
        consumer->Owner->LinkWaiting();
    }
    static inline const pw_node_events ConsumerEvents = [] {
        pw_node_events events{};
        events.version = PW_VERSION_NODE_EVENTS;
        events.info = &ConsumerInfo;
        return events;
    }();

    static void GlobalRemove(void* data, uint32_t id) {
        auto* daemon = static_cast<Daemon*>(data);
        if (const auto consumer = daemon->Consumers.find(id); consumer != daemon->Consumers.end()) {
            spa_hook_remove(&consumer->second->Listener);
            pw_proxy_destroy(consumer->second->Proxy);
            daemon->Consumers.erase(consumer);
        }
        daemon->Target.erase(id);
        daemon->Linked.erase(id);
        daemon->SourceSerial.erase(id);
        daemon->SourceName.erase(id);
        std::erase_if(daemon->InPort,
                      [id](const auto& port) { return port.first == id || port.second == id; });
    }

    static void ParamChanged(void* data, uint32_t id, const spa_pod* param) {
        auto* source = static_cast<Source*>(data);
        if (id != SPA_PARAM_Format || !param)
            return;
        const int stride = source->Monitor.Pixels.width() * 4 + RowPadding;
        uint8_t memory[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(memory, sizeof(memory));
        const spa_pod* params[] = {
            static_cast<const spa_pod*>(spa_pod_builder_add_object(
                &builder, SPA_TYPE_OBJECT_ParamBuffers, SPA_PARAM_Buffers, SPA_PARAM_BUFFERS_buffers,
                SPA_POD_CHOICE_RANGE_Int(4, 3, 8), SPA_PARAM_BUFFERS_blocks, SPA_POD_Int(1),
                SPA_PARAM_BUFFERS_size, SPA_POD_Int(stride * source->Monitor.Pixels.height()),
                SPA_PARAM_BUFFERS_stride, SPA_POD_Int(stride), SPA_PARAM_BUFFERS_dataType,
                SPA_POD_CHOICE_FLAGS_Int(1 << SPA_DATA_MemFd))),
            static_cast<const spa_pod*>(spa_pod_builder_add_object(
                &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
                SPA_POD_Id(SPA_META_Header), SPA_PARAM_META_size, SPA_POD_Int(sizeof(spa_meta_header)))),
            static_cast<const spa_pod*>(spa_pod_builder_add_object(
                &builder, SPA_TYPE_OBJECT_ParamMeta, SPA_PARAM_Meta, SPA_PARAM_META_type,
                SPA_POD_Id(SPA_META_Cursor), SPA_PARAM_META_size, SPA_POD_Int(CursorMetaSize))),
        };
        pw_stream_update_params(source->Stream, params, 3);
    }

    static void Process(void* data) {
        auto* source = static_cast<Source*>(data);
        pw_buffer* buffer = pw_stream_dequeue_buffer(source->Stream);
        if (!buffer)
            return;
        spa_data& plane = buffer->buffer->datas[0];
        const Shared& monitor = source->Monitor;
        const int frame = source->Owner->Frame;
        const int stride = monitor.Pixels.width() * 4 + RowPadding;
        const QPoint corner = monitor.Place.topLeft() * Spread;
        if (plane.data) {
            const bool redFirst = source->Owner->Format == SPA_VIDEO_FORMAT_RGBx ||
                                  source->Owner->Format == SPA_VIDEO_FORMAT_RGBA;
            for (int y = 0; y < monitor.Pixels.height(); ++y) {
                auto* pixel = static_cast<uint8_t*>(plane.data) + y * stride;
                for (int x = 0; x < monitor.Pixels.width(); ++x, pixel += 4) {
                    const uint8_t red = uint8_t(corner.x() + x), green = uint8_t(corner.y() + y);
                    pixel[0] = redFirst ? red : uint8_t(Blue(frame));
                    pixel[1] = green;
                    pixel[2] = redFirst ? uint8_t(Blue(frame)) : red;
                    pixel[3] = 255;
                }
            }
            plane.chunk->offset = 0;
            plane.chunk->stride = stride;
            plane.chunk->size = uint32_t(stride * monitor.Pixels.height());
        }
        if (auto* header = static_cast<spa_meta_header*>(
                spa_buffer_find_meta_data(buffer->buffer, SPA_META_Header, sizeof(spa_meta_header)))) {
            *header = {};
            header->seq = uint64_t(frame);
        }
        if (auto* cursor = static_cast<spa_meta_cursor*>(
                spa_buffer_find_meta_data(buffer->buffer, SPA_META_Cursor, sizeof(spa_meta_cursor)))) {
            const QPoint pointer = PointerAt(frame) - corner;
            *cursor = {};
            if (!source->Owner->PointerHidden && QRect(QPoint(), monitor.Pixels).contains(pointer)) {
                cursor->id = 1;
                cursor->position = {pointer.x(), pointer.y()};
            }
        }
        pw_stream_queue_buffer(source->Stream, buffer);
    }
};

StandInScreen::StandInScreen(const QString& format) : daemon_(std::make_unique<Daemon>()) {
    pw_init(nullptr, nullptr);
    Daemon& d = *daemon_;
    d.Format = FormatNamed(format);
    d.Loop = pw_thread_loop_new("stand-in", nullptr);
    d.Context = pw_context_new(pw_thread_loop_get_loop(d.Loop), nullptr, 0);
    pw_thread_loop_start(d.Loop);
    pw_thread_loop_lock(d.Loop);
    d.Core = pw_context_connect(d.Context, nullptr, 0);
    if (!d.Core) {
        pw_thread_loop_unlock(d.Loop);
        return;
    }
    static const pw_registry_events registryEvents = [] {
        pw_registry_events events{};
        events.version = PW_VERSION_REGISTRY_EVENTS;
        events.global = &Daemon::Global;
        events.global_remove = &Daemon::GlobalRemove;
        return events;
    }();
    static const pw_stream_events streamEvents = [] {
        pw_stream_events events{};
        events.version = PW_VERSION_STREAM_EVENTS;
        events.param_changed = &Daemon::ParamChanged;
        events.process = &Daemon::Process;
        return events;
    }();
    d.Registry = pw_core_get_registry(d.Core, PW_VERSION_REGISTRY, 0);
    pw_registry_add_listener(d.Registry, &d.RegistryListener, &registryEvents, &d);
    // A daemon numbers its objects' ids and serials alike until one goes away: a few nodes made and
    // dropped first keep the two apart, as on any desktop that has run a while.
    std::vector<pw_stream*> dropped;
    for (int i = 0; i < 3; ++i) {
        pw_stream* stream = pw_stream_new(d.Core, "stand-in placeholder",
                                          pw_properties_new(PW_KEY_MEDIA_CLASS, "Video/Sink", nullptr));
        pw_stream_connect(stream, PW_DIRECTION_INPUT, PW_ID_ANY, PW_STREAM_FLAG_NONE, nullptr, 0);
        dropped.push_back(stream);
    }
    for (int wait = 0; wait < 500; ++wait) {
        bool all = true;
        for (pw_stream* stream : dropped)
            all = all && pw_stream_get_node_id(stream) != SPA_ID_INVALID;
        if (all)
            break;
        pw_thread_loop_unlock(d.Loop);
        usleep(10'000);
        pw_thread_loop_lock(d.Loop);
    }
    for (pw_stream* stream : dropped)
        pw_stream_destroy(stream);
    // Two monitors side by side, the second at twice the desktop's scale.
    const QList<QPair<QRect, QSize>> layout{{QRect(0, 0, 160, 120), QSize(160, 120)},
                                            {QRect(160, 40, 80, 60), QSize(160, 120)}};
    for (const auto& [place, pixels] : layout) {
        auto source = std::make_unique<Daemon::Source>();
        source->Owner = &d;
        source->Monitor = {SPA_ID_INVALID, place, pixels};
        source->Stream = pw_stream_new(d.Core, "stand-in monitor",
                                       pw_properties_new(PW_KEY_MEDIA_CLASS, "Video/Source", nullptr));
        pw_stream_add_listener(source->Stream, &source->Listener, &streamEvents, source.get());
        spa_rectangle size{uint32_t(pixels.width()), uint32_t(pixels.height())};
        spa_fraction rate{50, 1};
        uint8_t memory[1024];
        spa_pod_builder builder = SPA_POD_BUILDER_INIT(memory, sizeof(memory));
        const spa_pod* formats[] = {static_cast<const spa_pod*>(spa_pod_builder_add_object(
            &builder, SPA_TYPE_OBJECT_Format, SPA_PARAM_EnumFormat, SPA_FORMAT_mediaType,
            SPA_POD_Id(SPA_MEDIA_TYPE_video), SPA_FORMAT_mediaSubtype, SPA_POD_Id(SPA_MEDIA_SUBTYPE_raw),
            SPA_FORMAT_VIDEO_format, SPA_POD_Id(d.Format), SPA_FORMAT_VIDEO_size, SPA_POD_Rectangle(&size),
            SPA_FORMAT_VIDEO_framerate, SPA_POD_Fraction(&rate)))};
        pw_stream_connect(source->Stream, PW_DIRECTION_OUTPUT, PW_ID_ANY,
                          pw_stream_flags(PW_STREAM_FLAG_DRIVER | PW_STREAM_FLAG_MAP_BUFFERS), formats, 1);
        d.Sources.push_back(std::move(source));
    }
    pw_thread_loop_unlock(d.Loop);
}

StandInScreen::~StandInScreen() {
    End();
    pw_thread_loop_lock(daemon_->Loop);
    if (daemon_->Registry) {
        spa_hook_remove(&daemon_->RegistryListener);
        pw_proxy_destroy(reinterpret_cast<pw_proxy*>(daemon_->Registry));
    }
    if (daemon_->Core)
        pw_core_disconnect(daemon_->Core);
    pw_thread_loop_unlock(daemon_->Loop);
    pw_thread_loop_stop(daemon_->Loop);
    pw_context_destroy(daemon_->Context);
    pw_thread_loop_destroy(daemon_->Loop);
}

QList<StandInScreen::Shared> StandInScreen::Monitors() const {
    pw_thread_loop_lock(daemon_->Loop);
    QList<Shared> monitors;
    for (const auto& source : daemon_->Sources) {
        Shared monitor = source->Monitor;
        monitor.Node = pw_stream_get_node_id(source->Stream);
        if (monitor.Node != SPA_ID_INVALID)
            monitors.append(monitor);
    }
    pw_thread_loop_unlock(daemon_->Loop);
    return monitors.size() == int(daemon_->Sources.size()) ? monitors : QList<Shared>();
}

void StandInScreen::Draw() {
    pw_thread_loop_lock(daemon_->Loop);
    ++daemon_->Frame;
    for (const auto& source : daemon_->Sources)
        pw_stream_trigger_process(source->Stream);
    pw_thread_loop_unlock(daemon_->Loop);
}

void StandInScreen::End() {
    pw_thread_loop_lock(daemon_->Loop);
    for (const auto& source : daemon_->Sources) {
        spa_hook_remove(&source->Listener);
        pw_stream_destroy(source->Stream);
    }
    daemon_->Sources.clear();
    for (pw_proxy* link : daemon_->Links)
        pw_proxy_destroy(link);
    daemon_->Links.clear();
    pw_thread_loop_unlock(daemon_->Loop);
}

void StandInScreen::HidePointer() {
    pw_thread_loop_lock(daemon_->Loop);
    daemon_->PointerHidden = true;
    pw_thread_loop_unlock(daemon_->Loop);
}
