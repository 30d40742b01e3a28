#pragma once

#include "platform/DirectViews.h"

// No direct views: the toolkit paints, as tests can see it.
class FakeDirectViews final : public DirectViews {
public:
    std::unique_ptr<DirectView> Create(QWidget*) override { return nullptr; }
};
