#include "ui/resources/SkinPictures.h"

#include "core/Guard.h"
#include "ui/resources/JpegDecoder.h"
#include "ui/resources/ResourceLanguage.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QResource>

#include <stdexcept>

namespace {

QByteArray RequirePicture(const QString& name, const QString& type) {
    QByteArray data = FindPictureResource(name, type);
    if (data.isEmpty())
        throw std::runtime_error("no such picture");
    return data;
}

// Qt's own BMP reader, asked directly: a reader that may guess the format loads every image plugin
// installed to ask each of them first, and keeps them loaded.
QImage DecodeBmp(QByteArray data) {
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage RequireJpeg(const QByteArray& data) {
    QImage image = DecodeJpeg(data);
    if (image.isNull())
        throw std::runtime_error("not a JPEG picture");
    return image;
}

// Whether the picture was loaded: a failure leaves what it was to load into as it was, and the guard
// logs it.
template <class Load>
bool Loaded(Load load) {
    bool loaded = false;
    RunGuarded([&] {
        load();
        loaded = true;
    });
    return loaded;
}

} // namespace

QByteArray FindPictureResource(const QString& name, const QString& type) {
    // The pictures are stored under upper-case names, so a name in any letter case is found in theirs;
    // in the language's own folder first.
    const QResource resource(
        LocalisedResource(QStringLiteral(":/pictures"), (name + QLatin1Char('.') + type).toUpper()));
    // They are stored uncompressed, in the program's own read-only pages: Qt then hands out their bytes
    // where they lie, which cost no memory of the program's.
    return resource.uncompressedData();
}

QImage DecodePicture(const QByteArray& file) {
    return file.startsWith("BM") ? DecodeBmp(file) : DecodeJpeg(file);
}

bool LoadJpegResource(QImage& picture, const QString& name, const QString& type) {
    return Loaded([&] { picture = RequireJpeg(RequirePicture(name, type)); });
}

bool LoadPictureFile(QByteArray& file, const QString& name, const QString& type) {
    return Loaded([&] {
        QByteArray data = RequirePicture(name, type);
        if (DecodePicture(data).isNull())
            throw std::runtime_error("a picture that does not decode");
        file = std::move(data);
    });
}
