#pragma once

#include "core/color/SystemColors.h"

#include <map>

// System colours that a test sets one by one; an index it did not set has no colour.
class FakeSystemColors final : public SystemColors {
public:
    std::map<int, ColorValue> Colors;

    ColorValue SystemColor(int index) const override {
        const auto found = Colors.find(index);
        return found == Colors.end() ? 0 : found->second;
    }
};
