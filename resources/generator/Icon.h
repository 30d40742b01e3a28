#pragma once

#include <QDir>

namespace generator {

// The icon in the hicolor theme's folders under `folder`: a PNG at each usual size and the SVG.
void writeIcons(const QDir& folder);

} // namespace generator
