#include "picker/ImageControl.h"

#include <QPainter>

ImageControl::ImageControl(QWidget* parent) : QWidget(parent) {}

void ImageControl::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void ImageControl::SetTiled(bool tiled) {
    tiled_ = tiled;
    update();
}

void ImageControl::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    if (tiled_)
        painter.drawTiledPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}
