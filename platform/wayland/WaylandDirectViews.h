#pragma once

#include "platform/DirectViews.h"

#include <memory>

// Direct views on Wayland: the control gets a surface of its own, a sub-surface of its window's set
// above the control and left to show each picture as it comes, in memory shared with the compositor,
// a few buffers taking turns as the compositor gives them back. The toolkit then neither repaints the
// window for a new picture nor copies the whole window into a new buffer at each frame. Input goes
// through to the window below; when the toolkit paints the control itself, the sub-surface steps aside
// until the next picture. None where Qt does not run on Wayland or the compositor has no sub-surfaces.
class WaylandDirectViews final : public DirectViews {
public:
    WaylandDirectViews();
    ~WaylandDirectViews() override;
    std::unique_ptr<DirectView> Create(QWidget* control) override;

    struct Globals;

private:
    // Bound on Qt's own connection when first needed, on an event queue of the views' own.
    std::shared_ptr<Globals> globals_;
    bool bound_ = false;
};
