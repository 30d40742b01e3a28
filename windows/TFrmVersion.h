#pragma once

#include <QWidget>

// The about window; created hidden at start-up, after the help window.
class TFrmVersion : public QWidget {
    Q_OBJECT
public:
    explicit TFrmVersion(QWidget* parent = nullptr);
};
