#pragma once

#include <string>

// Numbers for texts that other programs read (CSS, shader sources): '.' as the decimal point whatever
// the locale, no thousands separators, and never "-0".

// At most the given decimals, trailing zeros dropped: 62.80 is "62.8", 100.00 is "100".
std::string DecimalText(double value, int decimals);
// Exactly the given decimals: "0.500".
std::string FixedDecimalText(double value, int decimals);
