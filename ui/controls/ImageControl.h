#pragma once

#include <QImage>
#include <QWidget>

// An image control: shows its picture at its own size from the top-left corner, clipped to the control,
// or stretched over the whole control for the border strips of the window frames; on a scaled screen
// pictures scale smoothly. Code that draws into the control draws on its canvas, a picture of the
// control's own size in device pixels, which shows pixel for pixel.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);
    // The named JPEG picture of the program's own becomes the picture; a missing or broken one leaves
    // the control as it was.
    bool LoadJpegResource(const QString& name, const QString& type);
    // The named picture of the program's own, BMP or JPEG, shown from its file, which lies in the
    // program's read-only pages, decoded at each paint: for a picture drawn when the window is first
    // shown or resized, and never again while picking. The control then has no Picture().
    bool ShowPictureResource(const QString& name, const QString& type);
    // Of a picture shown from its file at its own size, the part under the rectangle (in the control's
    // coordinates) is kept decoded once painted: for a control placed over the picture that is drawn
    // again at each change, and the picture under it with it, which then decodes nothing.
    void KeepDecoded(const QRect& part);
    void SetStretched(bool stretched);

    // The picture to draw on, made white at the control's size in device pixels when the control has
    // none of that size yet (what was drawn before stays in its top-left corner). Call update() after
    // drawing.
    QImage& Canvas();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    // The picture file painted where the picture is not kept.
    QByteArray file_;
    // The part of the file's picture to keep decoded; what is kept of it, and where that lies.
    QRect keptPart_;
    QImage kept_;
    QPoint keptAt_;
    bool stretched_ = false;
};
