// What a person would look at, for the end-to-end tests, apart from the program's own code (the
// screen itself they read with xwd, lib.sh's read_screen):
//   tintra_screen_probe --image FILE    "WIDTHxHEIGHT RRGGBB uniform|mixed" for a picture file, the
//                                       colour being its top-left pixel's;
//   tintra_screen_probe --window RRGGBB X,Y,W,H
//                                       a window of that colour at that place in device pixels, out of
//                                       the window manager's hands, until the probe is ended; "shown"
//                                       once it is.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRasterWindow>
#include <QStringList>

#include <cstdio>

namespace {

int DescribeImage(const QString& path) {
    const QImage image = QImage(path).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        std::fprintf(stderr, "not a picture: %s\n", qPrintable(path));
        return 2;
    }
    bool uniform = true;
    for (int y = 0; y < image.height() && uniform; ++y)
        for (int x = 0; x < image.width() && uniform; ++x)
            uniform = image.pixel(x, y) == image.pixel(0, 0);
    const QRgb first = image.pixel(0, 0);
    std::printf("%dx%d %02X%02X%02X %s\n", image.width(), image.height(), qRed(first), qGreen(first),
                qBlue(first), uniform ? "uniform" : "mixed");
    return 0;
}

class ColorWindow : public QRasterWindow {
public:
    explicit ColorWindow(QColor color) : color_(color) {}

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(QRect(QPoint(), size()), color_); }
    void exposeEvent(QExposeEvent* event) override {
        QRasterWindow::exposeEvent(event);
        if (isExposed() && !said_) {
            said_ = true;
            std::printf("shown\n");
            std::fflush(stdout);
        }
    }

private:
    QColor color_;
    bool said_ = false;
};

int ShowWindow(const QString& hex, const QString& rectangle) {
    const QStringList r = rectangle.split(',');
    if (r.size() != 4)
        return 2;
    ColorWindow window(QColor(0xFF000000u | hex.toUInt(nullptr, 16)));
    window.setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint);
    window.setGeometry(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt());
    window.show();
    return QGuiApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    // Places and sizes are the screen's own pixels, whatever scale the desktop asks of programs.
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() == 2 && arguments[0] == "--image")
        return DescribeImage(arguments[1]);
    if (arguments.size() == 3 && arguments[0] == "--window")
        return ShowWindow(arguments[1], arguments[2]);
    std::fprintf(stderr, "usage: tintra_screen_probe --image FILE | --window RRGGBB X,Y,W,H\n");
    return 2;
}
