#pragma once

#include "platform/DirectViews.h"

// Qt paints the magnifier itself on Windows: its window is copied to the screen in one call.
class NoDirectViews final : public DirectViews {
public:
    std::unique_ptr<DirectView> Create(QWidget*) override { return nullptr; }
};
