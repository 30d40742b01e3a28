// Any file is taken as a GIMP palette or refused with a PaletteError; one that is taken is written and
// read back as the same name and colours (a lone CR in a name comes back as a blank).
#include "core/persistence/GimpPalette.h"

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray OneLine(QByteArray text) { return text.replace('\r', ' '); }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    GimpPalette palette;
    try {
        palette = ParseGimpPalette(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const PaletteError&) {
        return 0;
    }
    const GimpPalette again = ParseGimpPalette(FormatGimpPalette(palette));
    if (again.Name != OneLine(palette.Name) || again.Colors.size() != palette.Colors.size())
        std::abort();
    for (std::size_t i = 0; i < palette.Colors.size(); ++i)
        if (again.Colors[i].Color != palette.Colors[i].Color ||
            again.Colors[i].Name != OneLine(palette.Colors[i].Name))
            std::abort();
    return 0;
}
