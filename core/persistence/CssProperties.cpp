#include "core/persistence/CssProperties.h"

#include <string>

QByteArray FormatCssProperties(const std::vector<PaletteColour>& colours) {
    // Names may be Chinese; the style sheet says how it is written so that a browser never guesses.
    QByteArray bytes = "@charset \"UTF-8\";\n:root {\n";
    int number = 0;
    for (const PaletteColour& colour : colours) {
        bytes += "  --colour-" + QByteArray::number(++number) + ": #" +
                 QByteArray::fromStdString(ColorToHexText(colour.Colour)) + ';';
        // Nothing in a name may end the comment early or break the line.
        QByteArray name = colour.Name;
        name.replace("*/", "* /").replace('\r', ' ').replace('\n', ' ');
        if (!name.isEmpty())
            bytes += " /* " + name + " */";
        bytes += '\n';
    }
    return bytes + "}\n";
}
