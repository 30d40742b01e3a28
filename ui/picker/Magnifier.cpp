#include "ui/picker/Magnifier.h"

#include "ui/picker/ImageControl.h"
#include "core/picker/MagnifierGeometry.h"
#include "core/picker/PickLoop.h"
#include "ui/picker/TFrmScreenColor.h"
#include "core/picker/Timer.h"
#include "ui/picker/WindowFonts.h"
#include "platform/DesktopWindows.h"
#include "platform/Platform.h"
#include "platform/ScreenReader.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QSlider>

#include <cstring>
#include <vector>

namespace {

// Stretches the source over the whole canvas, each view pixel taking its nearest source pixel. A view
// row that shows the same source row as the one above it is a copy of it.
void StretchInto(const QImage& source, QImage& canvas) {
    const int width = canvas.width(), height = canvas.height();
    const int sourceWidth = source.width(), sourceHeight = source.height();
    if (sourceWidth <= 0 || sourceHeight <= 0)
        return;
    const QImage pixels =
        source.format() == QImage::Format_RGB32 ? source : source.convertToFormat(QImage::Format_RGB32);
    std::vector<int> columns(width);
    for (int x = 0; x < width; ++x)
        columns[x] = StretchSourceIndex(x, width, sourceWidth);
    const qsizetype rowBytes = qsizetype(width) * sizeof(QRgb);
    auto* rows = canvas.bits();
    const qsizetype stride = canvas.bytesPerLine();
    int shownRow = -1;
    for (int y = 0; y < height; ++y) {
        const int sourceRow = StretchSourceIndex(y, height, sourceHeight);
        auto* to = reinterpret_cast<QRgb*>(rows + y * stride);
        if (sourceRow == shownRow) {
            std::memcpy(to, rows + (y - 1) * stride, rowBytes);
            continue;
        }
        const auto* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(sourceRow));
        for (int x = 0; x < width; ++x)
            to[x] = from[columns[x]];
        shownRow = sourceRow;
    }
}

// A cross-hair arm drawn as a line from its first point to its second, the second itself not set.
void DrawArm(QImage& canvas, int x, int y, int dx, int dy, int length) {
    const QRgb black = qRgb(0, 0, 0);
    for (int i = 0; i < length; ++i, x += dx, y += dy)
        if (canvas.valid(x, y))
            reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = black;
}

} // namespace

Magnifier::Magnifier(TFrmScreenColor& window) : QObject(&window), window_(window) {}

void Magnifier::TimerShowZoomTimer() {
    RunGuarded(
        [this] {
            Platform& platform = window_.Desktop();
            if (!platform.Windows().IsMinimised(&window_)) {
                const QPoint pointer = platform.Screen().PointerPosition();
                if (window_.frameGeometry().contains(pointer))
                    DrawHint();
                else
                    DrawEnlargement(pointer);
                QCoreApplication::processEvents();
            }
            const QPoint pointer = platform.Screen().PointerPosition();
            window_.LblHnit->setText(QString::asprintf(MsgCursorPosition.c_str(), pointer.x(), pointer.y()));
        },
        [this] { window_.Picking->StopTimers(); });
}

void Magnifier::DrawHint() {
    QImage& canvas = window_.ImgZoom->Canvas();
    QPainter painter(&canvas);
    QFont font = SongTi(12);
    font.setPointSize(14);
    painter.setFont(font);
    painter.setPen(Qt::red);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    const QString lines[] = {QString::fromStdString(MsgZoomHint1),
                             QString::asprintf(MsgZoomHint2.c_str(), ProductShortName.c_str()),
                             QString::fromStdString(MsgZoomHint3)};
    int top = 15;
    for (const QString& line : lines) {
        painter.drawText(QRect(6, top, canvas.width(), canvas.height()), Qt::AlignLeft | Qt::AlignTop, line);
        top += 30;
    }
    painter.end();
    window_.ImgZoom->update();
}

void Magnifier::DrawEnlargement(QPoint pointer) {
    if (window_.ImgZoom->isHidden())
        window_.ImgZoom->show();
    window_.PnlZoom->show();

    ScreenReader& screen = window_.Desktop().Screen();
    const QSize screenSize = screen.PrimaryScreenSize();
    QImage& canvas = window_.ImgZoom->Canvas();
    const ZoomPlan plan = PlanZoom(pointer.x(), pointer.y(), canvas.width(), canvas.height(),
                                   window_.Slider->value(), screenSize.width(), screenSize.height());
    const ScreenRect& s = plan.Source;
    if (frame_.size() != canvas.size())
        frame_ = QImage(canvas.size(), QImage::Format_RGB32);
    StretchInto(screen.GrabRegion(QRect(s.Left, s.Top, s.Width(), s.Height())), frame_);
    DrawArm(frame_, plan.CentreX - plan.ArmX, plan.CentreY, 1, 0, 2 * plan.ArmX);
    DrawArm(frame_, plan.CentreX, plan.CentreY - plan.ArmY, 0, 1, 2 * plan.ArmY);

    // The view is overwritten on every tick, but the desktop is asked to show it again only when it
    // changed: a resting pointer over a still screen costs no repaint.
    if (frame_ == canvas)
        return;
    std::memcpy(canvas.bits(), frame_.constBits(), frame_.sizeInBytes());
    window_.ImgZoom->update();
}

void Magnifier::ShowZoomPanel() {
    window_.PnlColorPlatte->hide();
    window_.PnlZoom->show();
}

void Magnifier::ShowPalettePanel() {
    window_.PnlColorPlatte->show();
    window_.PnlZoom->hide();
}

void Magnifier::SetLevel(int level) {
    window_.Slider->setValue(level);
    window_.LblZoomBei->setText(QString::asprintf("%d", 2 * level));
}

void Magnifier::BtnZoomInClick() {
    RunGuarded([this] {
        if (window_.Slider->value() < 4)
            SetLevel(window_.Slider->value() + 1);
    });
}

void Magnifier::BtnZoomoutClick() {
    RunGuarded([this] {
        if (window_.Slider->value() > 1)
            SetLevel(window_.Slider->value() - 1);
    });
}
