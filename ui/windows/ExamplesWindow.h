#pragma once

#include <QWidget>

class ImageControl;
class QLabel;
class QScrollArea;

// The usage examples: three texts and two screenshots in a scrolling column.
class ExamplesWindow : public QWidget {
    Q_OBJECT
public:
    explicit ExamplesWindow(QWidget* parent = nullptr);
};
