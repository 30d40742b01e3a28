#include "platform/wayland/WlrOutputs.h"

#include "platform/wayland/WlrGlobals.h"

#include <wayland-client.h>

#include "xdg-output-unstable-v1-client.h"

struct WlrOutputs::Listeners {
    // wl_output: the position and size in device pixels, until the layout's own arrive.
    static void Geometry(void* data, wl_output*, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char*,
                         const char*, int32_t transform) {
        auto* output = static_cast<Output*>(data);
        if (!output->Xdg)
            output->Layout.moveTopLeft({x, y});
        output->Turned = transform % 2 == 1;
    }
    static void Mode(void* data, wl_output*, uint32_t flags, int32_t width, int32_t height, int32_t) {
        auto* output = static_cast<Output*>(data);
        if (!(flags & WL_OUTPUT_MODE_CURRENT))
            return;
        output->Pixels = {width, height};
        if (!output->Xdg)
            output->Layout.setSize({width, height});
    }
    static void OutputDone(void*, wl_output*) {}
    // The scale is the picture's size against the layout's, which a fractional scale says and this
    // whole number does not.
    static void OutputScale(void*, wl_output*, int32_t) {}

    static void LogicalPosition(void* data, zxdg_output_v1*, int32_t x, int32_t y) {
        static_cast<Output*>(data)->Layout.moveTopLeft({x, y});
    }
    static void LogicalSize(void* data, zxdg_output_v1*, int32_t width, int32_t height) {
        static_cast<Output*>(data)->Layout.setSize({width, height});
    }
    static void XdgDone(void*, zxdg_output_v1*) {}
    static void XdgName(void*, zxdg_output_v1*, const char*) {}

    static constexpr wl_output_listener OutputEvents{.geometry = Geometry,
                                                     .mode = Mode,
                                                     .done = OutputDone,
                                                     .scale = OutputScale,
                                                     .name = {},
                                                     .description = {}};
    static constexpr zxdg_output_v1_listener XdgOutputEvents{.logical_position = LogicalPosition,
                                                             .logical_size = LogicalSize,
                                                             .done = XdgDone,
                                                             .name = XdgName,
                                                             .description = XdgName};
};

WlrOutputs::~WlrOutputs() {
    for (auto& output : outputs_) {
        if (output.Xdg)
            zxdg_output_v1_destroy(output.Xdg);
        wl_output_destroy(output.Handle);
    }
}

void WlrOutputs::Add(uint32_t name, wl_output* handle) {
    Output& added = outputs_.emplace_back();
    added.Name = name;
    added.Handle = handle;
    wl_output_add_listener(handle, &Listeners::OutputEvents, &added);
    if (globals_.OutputManager)
        Describe(added);
}

void WlrOutputs::Remove(uint32_t name) {
    outputs_.remove_if([name](Output& output) {
        if (output.Name != name)
            return false;
        if (output.Xdg)
            zxdg_output_v1_destroy(output.Xdg);
        wl_output_destroy(output.Handle);
        return true;
    });
}

void WlrOutputs::DescribeAll() {
    if (globals_.OutputManager)
        for (auto& output : outputs_)
            if (!output.Xdg)
                Describe(output);
}

void WlrOutputs::Describe(Output& output) {
    output.Xdg = zxdg_output_manager_v1_get_xdg_output(globals_.OutputManager, output.Handle);
    zxdg_output_v1_add_listener(output.Xdg, &Listeners::XdgOutputEvents, &output);
}

QList<LaidOutMonitor> WlrOutputs::LaidOut() const {
    QList<LaidOutMonitor> monitors;
    for (const auto& output : outputs_) {
        const QSize pixels = output.Pixels.isEmpty() ? output.Layout.size()
                             : output.Turned         ? output.Pixels.transposed()
                                                     : output.Pixels;
        monitors.append({output.Layout, pixels});
    }
    return monitors;
}
