#include "ui/controls/ImageControl.h"

#include "ui/resources/SkinPictures.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPaintEvent>
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
    kept_ = QImage();
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
    kept_ = QImage();
    update();
    return true;
}

void ImageControl::KeepDecoded(const QRect& part) {
    keptPart_ = part;
    kept_ = QImage();
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

void ImageControl::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform); // pictures made for one scale, shown at another
    const bool keeps = !file_.isEmpty() && !keptPart_.isEmpty() && !stretched_;
    if (keeps && !kept_.isNull() && keptPart_.contains(event->rect())) {
        painter.drawImage(keptAt_, kept_);
        return;
    }
    const QImage picture = file_.isEmpty() ? picture_ : DecodePicture(file_);
    if (picture.isNull())
        return;
    if (keeps) {
        // A pixel round it too: a scaled screen's smooth scaling blends each pixel with its neighbours.
        const QRect place = keptPart_.adjusted(-1, -1, 1, 1) & picture.rect();
        kept_ = picture.copy(place);
        keptAt_ = place.topLeft();
    }
    if (stretched_)
        painter.drawImage(rect(), picture);
    else
        painter.drawImage(0, 0, picture);
}
