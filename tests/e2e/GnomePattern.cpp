// A picture for the screen-reading tests on a desktop whose screen the tests cannot paint themselves:
// a window over the whole monitor in which every pixel has a colour of its own, so that a colour read
// tells where it was read. At screen pixel (x, y):
//   red = x % 256, green = y % 256, blue = 255 - 48 * (x / 256) - 16 * (y / 256)
// (1280 by 720 at most: x / 256 up to 4, y / 256 up to 2). Prints "shown" once the window is painted;
// ends when killed. With a period in milliseconds, the picture moves one pixel right each period, as a
// changing screen for the benchmarks.
//   tintra_gnome_pattern [PERIOD]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRasterWindow>
#include <QTimer>

#include <cstdio>

namespace {

class PatternWindow : public QRasterWindow {
public:
    int Shift = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QImage image(size(), QImage::Format_RGB32);
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
    // One window pixel is one screen pixel.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QGuiApplication application(argc, argv);
    PatternWindow window;
    window.setTitle(QStringLiteral("pattern"));
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
