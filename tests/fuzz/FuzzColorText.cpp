// Any colour value text: the parser takes it or refuses it without failing; any value, written as
// decimal, as "$" and eight digits or in any format, reads back as the same colour where the format
// can be read at all.
#include "core/color/ColorFormats.h"
#include "core/color/SystemColors.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

class NoSystemColors final : public SystemColors {
public:
    ColorValue SystemColor(int index) const override { return index * 65793; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseColorValueText(text);

    if (size < 4)
        return 0;
    ColorValue value;
    std::memcpy(&value, data, sizeof value);
    if (ParseColorValueText(std::to_string(value)) != value)
        std::abort();
    char dollar[16];
    std::snprintf(dollar, sizeof dollar, "$%.8X", static_cast<unsigned>(value));
    if (ParseColorValueText(dollar) != value)
        std::abort();

    const NoSystemColors system;
    for (int format = -1; format <= 6; ++format)
        for (bool prefix : {true, false}) {
            const std::string written =
                FormatColorValue(value, {format, prefix, size > 4 && data[4] % 2 ? "," : "."}, system);
            if (written.empty())
                std::abort();
            if (format == FormatHex) {
                const auto read = ParseColorValueText(prefix ? written : "$" + written);
                if (!read || RedOf(*read) != BlueOf(value) || GreenOf(*read) != GreenOf(value) ||
                    BlueOf(*read) != RedOf(value))
                    std::abort();
            }
            if (format == FormatDelphi && !ColorIdentifierValue(written)) {
                const auto read = ParseColorValueText(prefix ? written : "$" + written);
                if (read != value)
                    std::abort();
            }
            if (format == FormatDelphi && ColorIdentifierValue(written) != std::optional<ColorValue>() &&
                *ColorIdentifierValue(written) != value)
                std::abort();
        }
    return 0;
}
