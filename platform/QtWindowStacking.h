#pragma once

#include "platform/WindowStacking.h"

class QtWindowStacking final : public WindowStacking {
public:
    void SetTopmost(QWidget* window, bool topmost) override;
};
