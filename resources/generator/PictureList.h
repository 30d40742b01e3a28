#pragma once

#include "Picture.h"

#include <vector>

namespace generator {

// Every picture the windows are dressed in, drawn in the language of the words at the time.
std::vector<Picture> pictures();

} // namespace generator
