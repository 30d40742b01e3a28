// A picture for the screen-reading tests on a desktop whose screen the tests cannot paint themselves:
// a window over the whole monitor in which every pixel has a colour of its own, so that a colour read
// tells where it was read. At the monitor's device pixel (x, y):
//   red = x % 256, green = y % 256, blue = 255 - 48 * (x / 256) - 16 * (y / 256)
// (1280 by 720 at most: x / 256 up to 4, y / 256 up to 2). Prints "shown" once the window is painted;
// ends when killed. With a period in milliseconds, the picture moves one pixel right each period, as a
// changing screen for the benchmarks.
//   tintra_gnome_pattern [PERIOD]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRasterWindow>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

class PatternWindow : public QRasterWindow {
public:
    int Shift = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        // Drawn in device pixels: on a scaled monitor too, each screen pixel has its own colour.
        QImage image(size() * devicePixelRatio(), QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio());
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = qRgb((x + Shift) % 256, y % 256, 255 - 48 * (x / 256) - 16 * (y / 256));
        }
        QPainter(this).drawImage(0, 0, image);
        if (!said_ && width() >= 1280 && height() >= 720) {
            said_ = true;
            std::printf("shown\n");
            std::fflush(stdout);
        }
    }

private:
    bool said_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    // The monitor's own scale, whole, so that a window pixel is a whole number of screen pixels.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QGuiApplication application(argc, argv);
    PatternWindow window;
    window.setTitle(QStringLiteral("pattern"));
    // Moved to a monitor of another scale, the window is drawn again at that scale.
    QObject::connect(&window, &QWindow::screenChanged, &window, [&window] { window.update(); });
    window.showFullScreen();
    QTimer moving;
    QObject::connect(&moving, &QTimer::timeout, &window, [&window] {
        ++window.Shift;
        window.update();
    });
    if (argc > 1)
        moving.start(QString::fromLocal8Bit(argv[1]).toInt());
    return QGuiApplication::exec();
}
