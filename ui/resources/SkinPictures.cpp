#include "ui/resources/SkinPictures.h"

#include "core/Guard.h"
#include "ui/resources/JpegDecoder.h"

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QImage>

#include <stdexcept>

namespace {

// Resource paths by lower-case "name.type", built on first use.
const QHash<QString, QString>& PictureIndex() {
    static const QHash<QString, QString> index = [] {
        QHash<QString, QString> paths;
        for (QDirIterator it(QStringLiteral(":/pictures"), QDir::Files); it.hasNext();) {
            const QString path = it.next();
            paths.insert(it.fileName().toLower(), path);
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

} // namespace

QByteArray FindPictureResource(const QString& name, const QString& type) {
    const QString path = PictureIndex().value((name + QLatin1Char('.') + type).toLower());
    if (path.isEmpty())
        return {};
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool LoadBitmapResource(QPixmap& bitmap, const QString& name, const QString& type) {
    bool loaded = false;
    RunGuarded([&] {
        const QImage image = QImage::fromData(RequirePicture(name, type), "BMP");
        if (image.isNull())
            throw std::runtime_error("not a BMP picture");
        bitmap = QPixmap::fromImage(image);
        loaded = true;
    });
    return loaded;
}

bool LoadJpegResource(QImage& picture, const QString& name, const QString& type) {
    bool loaded = false;
    RunGuarded([&] {
        const QImage image = DecodeJpeg(RequirePicture(name, type));
        if (image.isNull())
            throw std::runtime_error("not a JPEG picture");
        picture = image;
        loaded = true;
    });
    return loaded;
}
