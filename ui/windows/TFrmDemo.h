#pragma once

#include <QWidget>

class ImageControl;
class QLabel;
class QScrollArea;

// The usage examples: three texts and two screenshots in a scrolling column.
class TFrmDemo : public QWidget {
    Q_OBJECT
public:
    explicit TFrmDemo(QWidget* parent = nullptr);

    QScrollArea* ScrollBox1;
    QLabel *Label1, *Label3, *Label2;
    ImageControl *Image1, *Image2;
};
