#pragma once

#include <QLineEdit>

class CurrentColour;

// The read-only value field: the current colour as its background, its text in white or black.
class CurrentColourField : public QLineEdit {
    Q_OBJECT
public:
    CurrentColourField(const CurrentColour& current, QWidget* parent);

private:
    void Show();

    const CurrentColour& current_;
};
