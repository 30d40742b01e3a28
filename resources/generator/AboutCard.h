#pragma once

#include <QImage>

namespace generator {

void drawAboutCard(QImage& image);

} // namespace generator
