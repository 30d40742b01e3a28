#include "core/color/DecimalText.h"

#include <charconv>

std::string FixedDecimalText(double value, int decimals) {
    // Wide enough for the largest double in fixed notation.
    char text[400];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    std::string result(text, written.ptr);
    if (result.front() == '-' && result.find_first_not_of("-0.") == std::string::npos)
        result.erase(0, 1);
    return result;
}

std::string DecimalText(double value, int decimals) {
    std::string text = FixedDecimalText(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}
