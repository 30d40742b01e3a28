#pragma once

#include <QWidget>

class ImageControl;
class Platform;
class QLabel;
class SpeedButton;

// The about window: the about card with the version and the program's page one click away.
class TFrmVersion : public QWidget {
    Q_OBJECT
public:
    explicit TFrmVersion(Platform& platform, QWidget* parent = nullptr);

    ImageControl* Image1;
    QLabel* LblVersion;
    QLabel* Label1;
    SpeedButton* BtnClose;

    void BtnCloseClick();
    // A press of any mouse button on the link label or the card.
    void Label1MouseDown();
    void Image1MouseDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();

    Platform& platform_;
};

// Opens an address in the user's browser, "http://" in front when it names no scheme.
void OpenUrl(Platform& platform, const QString& address);
