#pragma once

#include <stdexcept>

namespace generator {

// A picture that cannot be drawn or written as it must be: the generator stops and says why.
class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace generator
