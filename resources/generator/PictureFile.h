#pragma once

#include "Picture.h"

#include <QDir>
#include <QString>

namespace generator {

// The file name of a picture: upper case, with an upper-case extension.
QString fileName(const Picture& picture);
// Draws the picture into the folder, reads the file back and checks it.
void write(const Picture& picture, const QDir& folder);

} // namespace generator
