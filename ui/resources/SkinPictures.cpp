#include "ui/resources/SkinPictures.h"

#include "core/Guard.h"
#include "ui/resources/JpegDecoder.h"
#include "ui/resources/ResourceLanguage.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>

#include <stdexcept>

namespace {

// Resource paths by lower-case "name.type", and "language/name.type" for the pictures with words in
// other languages, built on first use.
const QHash<QString, QString>& PictureIndex() {
    static const QHash<QString, QString> index = [] {
        const QString root = QStringLiteral(":/pictures/");
        QHash<QString, QString> paths;
        for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            const QString path = it.next();
            paths.insert(path.mid(root.size()).toLower(), path);
        }
        return paths;
    }();
    return index;
}

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

QImage RequireBitmap(const QString& name, const QString& type) {
    QImage image = DecodeBmp(RequirePicture(name, type));
    if (image.isNull())
        throw std::runtime_error("not a BMP picture");
    return image;
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
    const QString key = (name + QLatin1Char('.') + type).toLower();
    QString path;
    if (!ResourceLanguage().isEmpty())
        path = PictureIndex().value(ResourceLanguage().toLower() + QLatin1Char('/') + key);
    if (path.isEmpty())
        path = PictureIndex().value(key);
    if (path.isEmpty())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool LoadBitmapResource(QImage& picture, const QString& name, const QString& type) {
    return Loaded([&] { picture = RequireBitmap(name, type).convertToFormat(QImage::Format_RGB888); });
}

bool LoadJpegResource(QImage& picture, const QString& name, const QString& type) {
    return Loaded([&] { picture = RequireJpeg(RequirePicture(name, type)); });
}

bool LoadJpegFile(QByteArray& file, const QString& name, const QString& type) {
    return Loaded([&] {
        QByteArray data = RequirePicture(name, type);
        RequireJpeg(data);
        file = std::move(data);
    });
}
