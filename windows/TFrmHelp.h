#pragma once

#include <QWidget>

// The help window; created hidden at start-up, after the main window.
class TFrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TFrmHelp(QWidget* parent = nullptr);
};
