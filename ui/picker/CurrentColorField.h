#pragma once

#include <QLineEdit>

class CurrentColor;

// The read-only value field: the current colour as its background, its text in white or black.
class CurrentColorField : public QLineEdit {
    Q_OBJECT
public:
    CurrentColorField(const CurrentColor& current, QWidget* parent);

private:
    void Show();

    const CurrentColor& current_;
};
