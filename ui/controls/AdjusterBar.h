#pragma once

#include <QScrollBar>

// A horizontal bar of the colour adjuster. Right and Down raise the value by one step, Left and Up lower
// it, as on a desktop's scroll bars; Qt's scroll bar turns Left and Right the other way round.
class AdjusterBar : public QScrollBar {
    Q_OBJECT
public:
    explicit AdjusterBar(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
