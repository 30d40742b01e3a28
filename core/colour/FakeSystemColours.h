#pragma once

#include "core/colour/SystemColours.h"

#include <map>

// System colours that a test sets one by one; an index it did not set has no colour.
class FakeSystemColours final : public SystemColours {
public:
    std::map<int, ColorValue> Colours;

    ColorValue SystemColor(int index) const override {
        const auto found = Colours.find(index);
        return found == Colours.end() ? 0 : found->second;
    }
};
