#include "ui/controls/ImageControl.h"

#include "ui/resources/SkinPictures.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QWindow>

namespace {

// A picture given a name before a screen reader first asks for it is an image to the reader; the
// frame's pieces and the backgrounds, which have none, are only the space they fill.
QAccessibleInterface* ImageControlAccessible(const QString& className, QObject* object) {
    auto* image = className == QLatin1String("ImageControl") ? qobject_cast<ImageControl*>(object) : nullptr;
    if (!image)
        return nullptr;
    return new QAccessibleWidget(image, image->accessibleName().isEmpty() ? QAccessible::Client
                                                                          : QAccessible::Graphic);
}

} // namespace

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(ImageControlAccessible), true);
}

void ImageControl::SetPicture(const QImage& picture) {
    picture_ = picture;
    file_.clear();
    update();
}

bool ImageControl::LoadJpegResource(const QString& name, const QString& type) {
    QImage picture;
    if (!::LoadJpegResource(picture, name, type))
        return false;
    SetPicture(picture);
    return true;
}

bool ImageControl::ShowPictureResource(const QString& name, const QString& type) {
    QByteArray file;
    if (!LoadPictureFile(file, name, type))
        return false;
    picture_ = QImage();
    file_ = std::move(file);
    update();
    return true;
}

void ImageControl::SetStretched(bool stretched) {
    stretched_ = stretched;
    update();
}

QImage& ImageControl::Canvas() {
    // The window's own ratio is the control's: asked of the control, Qt first looks up its screen, which
    // shows at forty canvases a second.
    const QWindow* window = this->window()->windowHandle();
    const qreal scale = window ? window->devicePixelRatio() : devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    if (picture_.size() != pixels || picture_.devicePixelRatio() != scale ||
        picture_.format() != QImage::Format_RGB32) {
        QImage canvas(pixels, QImage::Format_RGB32);
        canvas.setDevicePixelRatio(scale);
        canvas.fill(Qt::white);
        if (!picture_.isNull())
            QPainter(&canvas).drawImage(0, 0, picture_);
        picture_ = std::move(canvas);
        file_.clear();
    }
    return picture_;
}

void ImageControl::paintEvent(QPaintEvent*) {
    const QImage picture = file_.isEmpty() ? picture_ : DecodePicture(file_);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // pictures made for one scale, shown at another
    if (stretched_)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(0, 0, picture);
}
