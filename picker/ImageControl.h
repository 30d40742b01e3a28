#pragma once

#include <QPixmap>
#include <QWidget>

// An image control: shows its picture at its own size from the top-left corner, clipped to the control,
// or repeated over the whole control for the border strips of the window frame.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent = nullptr);

    QPixmap Picture() const { return picture_; }
    void SetPicture(const QPixmap& picture);
    void SetTiled(bool tiled);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool tiled_ = false;
};
