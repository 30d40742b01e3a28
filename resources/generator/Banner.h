#pragma once

#include <QImage>

namespace generator {

void drawBanner(QImage& image);

} // namespace generator
