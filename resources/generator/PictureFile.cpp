#include "PictureFile.h"

#include "Failure.h"
#include "Tone.h"

#include <QByteArray>
#include <QFile>
#include <QImageWriter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace generator {

namespace {

int channelStep(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A piece repeated side by side must not show a step where one copy meets the
// next that is any sharper than the steps inside the piece itself.
void requireSeamless(const QImage& image, Tiling tiling) {
    if (tiling == Tiling::None)
        return;
    const bool across = tiling == Tiling::Across;
    const int length = across ? image.width() : image.height();
    const int breadth = across ? image.height() : image.width();
    for (int i = 0; i < breadth; ++i) {
        const auto pixel = [&](int along) { return across ? image.pixel(along, i) : image.pixel(i, along); };
        int inner = 0;
        for (int j = 1; j < length; ++j)
            inner = std::max(inner, channelStep(pixel(j - 1), pixel(j)));
        const int seam = channelStep(pixel(length - 1), pixel(0));
        if (seam > inner)
            throw Failure("shows a seam of " + std::to_string(seam) + " where it repeats (line " +
                          std::to_string(i) + ")");
    }
}

std::uint32_t little(const QByteArray& bytes, int at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

void requireBmpLayout(const QByteArray& bytes, int width, int height) {
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        throw Failure("is not a BMP file");
    if (little(bytes, 14, 4) != 40)
        throw Failure("does not use the 40-byte BITMAPINFOHEADER");
    if (static_cast<std::int32_t>(little(bytes, 18, 4)) != width ||
        static_cast<std::int32_t>(little(bytes, 22, 4)) != height)
        throw Failure("has the wrong size or is stored top-down");
    if (little(bytes, 28, 2) != 24 || little(bytes, 30, 4) != 0)
        throw Failure("is not an uncompressed 24-bit bitmap");
    const int stride = (width * 3 + 3) / 4 * 4;
    if (bytes.size() < static_cast<int>(little(bytes, 10, 4)) + stride * height)
        throw Failure("is shorter than its pixel rows");
}

void requireBaselineJfif(const QByteArray& bytes) {
    if (bytes.size() < 20 || static_cast<std::uint8_t>(bytes.at(0)) != 0xFF ||
        static_cast<std::uint8_t>(bytes.at(1)) != 0xD8)
        throw Failure("is not a JPEG file");
    if (static_cast<std::uint8_t>(bytes.at(3)) != 0xE0 || bytes.mid(6, 5) != QByteArray("JFIF", 5))
        throw Failure("does not start with a JFIF header");
    bool baseline = false;
    int at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<std::uint8_t>(bytes.at(at)) != 0xFF)
            throw Failure("has a broken marker sequence");
        const std::uint8_t marker = static_cast<std::uint8_t>(bytes.at(at + 1));
        if (marker == 0xDA)
            break;
        if (marker == 0xC0)
            baseline = true;
        else if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            throw Failure("is not a baseline JPEG");
        at += 2 + ((static_cast<std::uint8_t>(bytes.at(at + 2)) << 8) |
                   static_cast<std::uint8_t>(bytes.at(at + 3)));
    }
    if (!baseline)
        throw Failure("has no baseline frame header");
}

} // namespace

QString fileName(const Picture& picture) {
    return picture.name.toUpper() +
           (picture.format == Format::Bmp ? QStringLiteral(".BMP") : QStringLiteral(".JPG"));
}

void write(const Picture& picture, const QDir& folder) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(tone::Window);
    picture.draw(image);
    if (image.size() != QSize(picture.width, picture.height))
        throw Failure("was drawn at the wrong size");
    image = image.convertToFormat(QImage::Format_RGB32);
    requireSeamless(image, picture.tiling);

    const QString path = folder.filePath(fileName(picture));
    QImageWriter writer(path, picture.format == Format::Bmp ? "bmp" : "jpeg");
    if (picture.format == Format::Jpg) {
        writer.setQuality(92);
        writer.setProgressiveScanWrite(false);
        writer.setOptimizedWrite(false);
    }
    if (!writer.write(image))
        throw Failure("could not be written: " + writer.errorString().toStdString());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure("could not be read back");
    const QByteArray bytes = file.readAll();
    if (picture.format == Format::Bmp)
        requireBmpLayout(bytes, picture.width, picture.height);
    else
        requireBaselineJfif(bytes);
    const QImage back(path);
    if (back.size() != image.size())
        throw Failure("reads back at the wrong size");
}

} // namespace generator
