#include "core/persistence/CssProperties.h"

#include <string>

QByteArray FormatCssProperties(const std::vector<PaletteColor>& colors) {
    // Names may be Chinese; the style sheet says how it is written so that a browser never guesses.
    QByteArray bytes = "@charset \"UTF-8\";\n:root {\n";
    int number = 0;
    for (const PaletteColor& color : colors) {
        bytes += "  --colour-" + QByteArray::number(++number) + ": #" +
                 QByteArray::fromStdString(ColorToHexText(color.Color)) + ';';
        // Nothing in a name may end the comment early or break the line.
        QByteArray name = color.Name;
        name.replace("*/", "* /").replace('\r', ' ').replace('\n', ' ');
        if (!name.isEmpty())
            bytes += " /* " + name + " */";
        bytes += '\n';
    }
    return bytes + "}\n";
}
