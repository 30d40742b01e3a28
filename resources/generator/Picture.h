#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace generator {

// A picture the generator writes: its name, file format, size, how it is drawn and how it is tiled.
enum class Format { Bmp, Jpg };
enum class Tiling { None, Across, Down };

struct Picture {
    QString name;
    Format format;
    int width;
    int height;
    std::function<void(QImage&)> draw;
    Tiling tiling = Tiling::None;
};

} // namespace generator
