#pragma once

#include <QWidget>

class ImageControl;
class Platform;
class QLabel;
class SpeedButton;

// The about window: the about card with the version and the program's page one click away.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(Platform& platform, QWidget* parent = nullptr);

    void BtnCloseClick();
    // A press of any mouse button on the link label or the card.
    void OpenProgramPage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    Platform& platform_;
    ImageControl* card_;
    QLabel* version_;
    QLabel* link_;
    SpeedButton* closeButton_;
};
