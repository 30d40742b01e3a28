#include "platform/wayland/WaylandDirectViews.h"

#include "core/Logging.h"
#include "platform/wayland/ShmBuffer.h"

#include <QEvent>
#include <QGuiApplication>
#include <qpa/qplatformnativeinterface.h>
#include <QWidget>
#include <QWindow>

#include <wayland-client.h>

#include <algorithm>
#include <array>
#include <cstring>

struct WaylandDirectViews::Globals {
    wl_display* Display = nullptr;
    wl_event_queue* Queue = nullptr;
    wl_registry* Registry = nullptr;
    wl_compositor* Compositor = nullptr;
    wl_subcompositor* Subcompositor = nullptr;
    wl_shm* Shm = nullptr;

    ~Globals() {
        if (Shm)
            wl_shm_destroy(Shm);
        if (Subcompositor)
            wl_subcompositor_destroy(Subcompositor);
        if (Compositor)
            wl_compositor_destroy(Compositor);
        if (Registry)
            wl_registry_destroy(Registry);
        if (Queue) {
            wl_display_flush(Display);
            wl_event_queue_destroy(Queue);
        }
    }

    static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface,
                       uint32_t version) {
        auto& globals = *static_cast<Globals*>(data);
        const auto bind = [&](const wl_interface* what, uint32_t most) {
            return wl_registry_bind(registry, name, what, std::min(version, most));
        };
        if (std::strcmp(interface, wl_compositor_interface.name) == 0 && version >= 4)
            globals.Compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
        else if (std::strcmp(interface, wl_subcompositor_interface.name) == 0)
            globals.Subcompositor = static_cast<wl_subcompositor*>(bind(&wl_subcompositor_interface, 1));
        else if (std::strcmp(interface, wl_shm_interface.name) == 0)
            globals.Shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
    }
    static void GlobalRemove(void*, wl_registry*, uint32_t) {}
};

namespace {

constexpr wl_registry_listener RegistryListener = {WaylandDirectViews::Globals::Global,
                                                   WaylandDirectViews::Globals::GlobalRemove};

// A compositor that keeps this many pictures unreturned is not taking them: the toolkit paints instead.
constexpr int MostBuffers = 4;

wl_surface* WindowSurface(QWindow* window) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    return native ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", window)) : nullptr;
}

class WaylandDirectView final : public QObject, public DirectView {
public:
    WaylandDirectView(std::shared_ptr<WaylandDirectViews::Globals> globals, QWidget& control)
        : globals_(std::move(globals)), control_(control) {
        control_.installEventFilter(this);
        if (QWindow* window = control_.window()->windowHandle())
            window->installEventFilter(this);
    }

    ~WaylandDirectView() override {
        Drop();
        wl_display_flush(globals_->Display);
    }

    // The compositor shows a whole buffer, which is each time another: the whole picture goes.
    bool Put(const QImage& picture, const QRegion&) override {
        QWindow* window = control_.window()->windowHandle();
        const qreal scale = window ? window->devicePixelRatio() : 0;
        if (!control_.isVisible() || !window || !window->isExposed() || scale != qreal(int(scale)) ||
            picture.format() != QImage::Format_RGB32)
            return false;
        wl_surface* parent = WindowSurface(window);
        if (!parent)
            return false;
        if (parent != parent_)
            Drop();
        if (!surface_ && !Attach(parent))
            return false;
        // The buffers the compositor gave back since the last picture.
        wl_display_dispatch_queue_pending(globals_->Display, globals_->Queue);

        // Sub-surfaces are placed in the window's surface, whose content Qt draws below its frame where
        // it draws one itself.
        const QMargins frame = window->frameMargins();
        const QPoint at = control_.mapTo(control_.window(), QPoint()) + QPoint(frame.left(), frame.top());
        if (at != position_) {
            position_ = at;
            wl_subsurface_set_position(subsurface_, at.x(), at.y());
            // A place takes hold when the window's surface is next committed.
            control_.update();
        }

        Buffer* buffer = nullptr;
        for (Buffer& candidate : buffers_)
            if (candidate.Shm.Pixels() == picture.constBits())
                buffer = &candidate;
        if (!buffer || buffer->Busy) {
            buffer = Free(picture.size());
            if (!buffer) {
                Unmap();
                return false;
            }
            const qsizetype rowBytes = qsizetype(picture.width()) * 4;
            for (int y = 0; y < picture.height(); ++y)
                std::memcpy(buffer->Shm.Memory() + y * rowBytes, picture.constScanLine(y), size_t(rowBytes));
        }
        buffer->Busy = true;
        wl_surface_set_buffer_scale(surface_, int(scale));
        wl_surface_attach(surface_, buffer->Wayland, 0, 0);
        wl_surface_damage_buffer(surface_, 0, 0, picture.width(), picture.height());
        wl_surface_commit(surface_);
        wl_display_flush(globals_->Display);
        mapped_ = true;
        return true;
    }

    QImage Canvas(QSize size) override {
        if (!surface_ || size.isEmpty())
            return {};
        wl_display_dispatch_queue_pending(globals_->Display, globals_->Queue);
        Buffer* buffer = Free(size);
        if (!buffer)
            return {};
        return QImage(buffer->Shm.Memory(), size.width(), size.height(), qsizetype(size.width()) * 4,
                      QImage::Format_RGB32);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // What Qt paints of the control lies under the sub-surface: it steps aside for it.
        if (watched == &control_ && (event->type() == QEvent::Paint || event->type() == QEvent::Hide))
            Unmap();
        // A hidden window's surface is gone with it, and the sub-surface on it.
        if (watched != &control_ && event->type() == QEvent::Hide)
            Drop();
        return false;
    }

private:
    struct Buffer {
        ShmBuffer Shm;
        wl_buffer* Wayland = nullptr;
        bool Busy = false;
    };

    static void Released(void* data, wl_buffer*) { static_cast<Buffer*>(data)->Busy = false; }
    static constexpr wl_buffer_listener ReleaseListener = {Released};

    bool Attach(wl_surface* parent) {
        surface_ = wl_compositor_create_surface(globals_->Compositor);
        subsurface_ = wl_subcompositor_get_subsurface(globals_->Subcompositor, surface_, parent);
        if (!surface_ || !subsurface_) {
            Drop();
            return false;
        }
        wl_subsurface_set_desync(subsurface_);
        wl_region* nowhere = wl_compositor_create_region(globals_->Compositor);
        wl_surface_set_input_region(surface_, nowhere);
        wl_region_destroy(nowhere);
        parent_ = parent;
        position_ = QPoint(-1, -1);
        return true;
    }

    // A buffer the compositor is not reading, of the picture's size; null when it holds them all.
    Buffer* Free(QSize size) {
        for (Buffer& buffer : buffers_) {
            if (buffer.Busy)
                continue;
            wl_buffer* made = buffer.Shm.Get(globals_->Shm, WL_SHM_FORMAT_XRGB8888, size.width(),
                                             size.height(), size.width() * 4);
            if (!made)
                return nullptr;
            if (made != buffer.Wayland) {
                buffer.Wayland = made;
                wl_buffer_add_listener(made, &ReleaseListener, &buffer);
            }
            return &buffer;
        }
        return nullptr;
    }

    void Unmap() {
        if (!mapped_)
            return;
        mapped_ = false;
        wl_surface_attach(surface_, nullptr, 0, 0);
        wl_surface_commit(surface_);
        wl_display_flush(globals_->Display);
    }

    void Drop() {
        if (subsurface_)
            wl_subsurface_destroy(subsurface_);
        if (surface_)
            wl_surface_destroy(surface_);
        subsurface_ = nullptr;
        surface_ = nullptr;
        parent_ = nullptr;
        mapped_ = false;
        // The compositor lets go of a destroyed surface's buffers.
        for (Buffer& buffer : buffers_)
            buffer.Busy = false;
    }

    std::shared_ptr<WaylandDirectViews::Globals> globals_;
    QWidget& control_;
    wl_surface* parent_ = nullptr;
    wl_surface* surface_ = nullptr;
    wl_subsurface* subsurface_ = nullptr;
    QPoint position_;
    bool mapped_ = false;
    std::array<Buffer, MostBuffers> buffers_;
};

} // namespace

WaylandDirectViews::WaylandDirectViews() = default;
WaylandDirectViews::~WaylandDirectViews() = default;

std::unique_ptr<DirectView> WaylandDirectViews::Create(QWidget* control) {
    if (!bound_) {
        bound_ = true;
        QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
        auto* display = native && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
                            ? static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"))
                            : nullptr;
        if (!display)
            return nullptr;
        auto globals = std::make_shared<Globals>();
        globals->Display = display;
        globals->Queue = wl_display_create_queue(display);
        // The registry, and all made from it, answer on the views' own queue, not on Qt's.
        auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), globals->Queue);
        globals->Registry = wl_display_get_registry(wrapped);
        wl_proxy_wrapper_destroy(wrapped);
        wl_registry_add_listener(globals->Registry, &RegistryListener, globals.get());
        if (wl_display_roundtrip_queue(display, globals->Queue) < 0 || !globals->Compositor ||
            !globals->Subcompositor || !globals->Shm) {
            qCInfo(lcWayland, "no sub-surfaces on this compositor: the views are painted by Qt");
            return nullptr;
        }
        globals_ = std::move(globals);
    }
    if (!globals_)
        return nullptr;
    return std::make_unique<WaylandDirectView>(globals_, *control);
}
