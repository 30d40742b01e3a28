#pragma once

#include "core/colour/ColorValue.h"

// The desktop's colours for the system colour indexes 0 to 30 (index 25 has none).
class SystemColours {
public:
    virtual ~SystemColours() = default;
    // The colour for the index, or 0 for an index without a colour.
    virtual ColorValue SystemColor(int index) const = 0;
};
