#pragma once

#include "core/picker/ScreenGeometry.h"

#include <QList>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <list>

struct WlrGlobals;
struct wl_output;
struct zxdg_output_v1;

// The monitors of a wlroots desktop as its outputs describe them, kept as the desktop adds, changes
// and removes them: where its layout puts each one and how large its picture is.
class WlrOutputs {
public:
    struct Output {
        uint32_t Name = 0;
        wl_output* Handle = nullptr;
        zxdg_output_v1* Xdg = nullptr;
        QRect Layout;        // in the desktop's layout
        QSize Pixels;        // its picture in device pixels, turned as the monitor is
        bool Turned = false; // a quarter or three quarters round
    };

    explicit WlrOutputs(const WlrGlobals& globals) : globals_(globals) {}
    WlrOutputs(const WlrOutputs&) = delete;
    WlrOutputs& operator=(const WlrOutputs&) = delete;
    ~WlrOutputs();

    // The output the registry offered under that name, bound as handle.
    void Add(uint32_t name, wl_output* handle);
    void Remove(uint32_t name);
    // Asks the layout of the outputs that came before the desktop's output manager.
    void DescribeAll();

    const std::list<Output>& All() const { return outputs_; }
    // The outputs as the desktop lays them out, in their order.
    QList<LaidOutMonitor> LaidOut() const;
    QList<Monitor> Monitors() const { return InDevicePixels(LaidOut()); }

private:
    struct Listeners;
    void Describe(Output& output);

    const WlrGlobals& globals_;
    std::list<Output> outputs_;
};
