#pragma once

#include "platform/DirectViews.h"

// Direct views on X11: the control gets a native window of its own, and each picture is put into it
// through shared memory on Qt's own connection (so the window exists for the server before the first
// put), two buffers taking turns so that no put waits for the one before. None where Qt does not run
// on X11, the server has no MIT-SHM, or the window keeps pixels in another format than the picture's.
class XcbDirectViews final : public DirectViews {
public:
    std::unique_ptr<DirectView> Create(QWidget* control) override;

private:
    bool flushesBeforeWaits_ = false;
};
