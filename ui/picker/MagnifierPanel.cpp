#include "ui/picker/MagnifierPanel.h"

#include "core/Guard.h"
#include "core/picker/ColorPicker.h"
#include "core/picker/MagnifierGeometry.h"
#include "core/windows/Messages.h"
#include "platform/DesktopWindows.h"
#include "platform/DirectViews.h"
#include "platform/Platform.h"
#include "platform/PointerAim.h"
#include "platform/ScreenReader.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/PacedText.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"
#include "ui/resources/SkinPictures.h"

#include <QGroupBox>
#include <QHashFunctions>
#include <QKeyEvent>
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

// A hash of the grab's pixels, whose memory is the next grab's: a new grab of the same place is told
// from the one shown by it, without a copy of the pixels kept beside the view.
size_t PixelsHash(const QImage& grab) {
    const qsizetype rowBytes = qsizetype(grab.width()) * grab.depth() / 8;
    size_t hash = qHash(int(grab.format()));
    for (int y = 0; y < grab.height(); ++y)
        hash = qHashBits(grab.constScanLine(y), size_t(rowBytes), hash);
    return hash;
}

// A cross-hair arm drawn as a line from its first point to its second, the second itself not set.
void DrawArm(QImage& canvas, int x, int y, int dx, int dy, int length) {
    const QRgb black = qRgb(0, 0, 0);
    // The canvas's rows are looked up once: a row's lookup checks that it is not shared, at each pixel.
    uchar* rows = canvas.bits();
    const qsizetype stride = canvas.bytesPerLine();
    const QRect inside = canvas.rect();
    for (int i = 0; i < length; ++i, x += dx, y += dy)
        if (inside.contains(x, y))
            reinterpret_cast<QRgb*>(rows + y * stride)[x] = black;
}

} // namespace

MagnifierPanel::MagnifierPanel(ColorPicker& picker, Platform& platform, const WindowPlace& ownWindow,
                               QWidget* parent)
    : QWidget(parent), picker_(picker), platform_(platform), ownWindow_(ownWindow) {
    setObjectName(QStringLiteral("PnlZoom"));
    SetBackground(this, WindowColor);
    auto* layout = new DockLayout(this);
    auto* strip = new ImageControl(this);
    strip->setObjectName(QStringLiteral("ImgZoomBG"));
    constexpr int StripHeight = 25;
    layout->addWidget(strip, DockLayout::Top, StripHeight);
    // Painted with the panel, and again only when the zoom changes or a zoom button is pointed at.
    strip->ShowPictureResource(QStringLiteral("ImgZoomBG"), QStringLiteral("jpg"));

    auto* zoomOut = new SpeedButton(strip);
    zoomOut->setObjectName(QStringLiteral("BtnZoomout"));
    zoomOut->setGeometry(81, 3, 19, 18);
    zoomOut->setToolTip(tr("缩小图片"));
    zoomOut->setAccessibleName(tr("缩小图片"));
    zoomOut->LoadGlyph(QStringLiteral("ZoomOut"));
    auto* zoomIn = new SpeedButton(strip);
    zoomIn->setObjectName(QStringLiteral("BtnZoomIn"));
    zoomIn->setGeometry(101, 3, 19, 17);
    zoomIn->setToolTip(tr("放大图片"));
    zoomIn->setAccessibleName(tr("放大图片"));
    zoomIn->LoadGlyph(QStringLiteral("ZoomIn"));
    factor_ = new QLabel(strip);
    factor_->setObjectName(QStringLiteral("LblZoomBei"));
    factor_->setGeometry(154, 5, 16, 15);
    QFont bold = SongTi(15);
    bold.setBold(true);
    factor_->setFont(bold);

    view_ = new ImageControl(this);
    view_->setObjectName(QStringLiteral("ImgZoom"));
    // Tab or a click reaches the view, where the arrow keys aim and a screen reader reads the colour
    // under the pointer as it changes.
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->installEventFilter(this);
    view_->setAccessibleName(tr("放大镜"));
    pointerColor_ = new PacedText([this](const QString& name) { view_->setAccessibleName(name); }, this);
    layout->addWidget(view_, DockLayout::Client);

    // The window definition keeps the level in a track bar of a group that is never shown.
    auto* group = new QGroupBox(tr("放大倍数"), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->hide();
    auto* slider = new QSlider(Qt::Horizontal, group);
    slider->setObjectName(QStringLiteral("Slider"));
    slider->setRange(1, 4);
    slider->setPageStep(1);
    int left = 8;
    for (const char* caption : {"2 x", "4 x", "6 x", "8 x"}) {
        (new QLabel(QString::fromLatin1(caption), group))->setGeometry(left, 40, 24, 15);
        left += 40;
    }

    connect(zoomIn, &SpeedButton::clicked, &picker, &ColorPicker::BtnZoomInClick);
    connect(zoomOut, &SpeedButton::clicked, &picker, &ColorPicker::BtnZoomoutClick);
    connect(&picker, &ColorPicker::ZoomChanged, this, &MagnifierPanel::ShowZoom);
    connect(&picker, &ColorPicker::SampleSideChanged, this, [this] { shown_.reset(); }); // a new outline
    connect(&picker.Picking.TimerShowZoom, &Timer::Tick, this, &MagnifierPanel::TimerShowZoomTimer);
    connect(&picker.Current, &CurrentColor::Changed, this, [this] {
        if (picker_.Picking.PickingOn())
            pointerColor_->Set(tr("放大镜，指针下的颜色 %1").arg(picker_.Current.Text()));
    });
    ShowZoom();
}

MagnifierPanel::~MagnifierPanel() = default;

void MagnifierPanel::TakeKeyboard() { view_->setFocus(Qt::OtherFocusReason); }

bool MagnifierPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress && picker_.Picking.PickingOn() &&
        AimKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool MagnifierPanel::AimKey(const QKeyEvent& key) {
    const int step = key.modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint move;
    switch (key.key()) {
    case Qt::Key_Left:
        move = {-step, 0};
        break;
    case Qt::Key_Right:
        move = {step, 0};
        break;
    case Qt::Key_Up:
        move = {0, -step};
        break;
    case Qt::Key_Down:
        move = {0, step};
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        picker_.CopyColorUnderPointer();
        return true;
    default:
        return false;
    }
    RunGuarded([&] {
        if (!platform_.Aim().MoveBy(move.x(), move.y()))
            picker_.PointerAimRefused();
    });
    return true;
}

void MagnifierPanel::ShowZoom() {
    factor_->setText(QString::asprintf("%d", 2 * picker_.ZoomLevel()));
    factor_->setAccessibleName(tr("放大 %1 倍").arg(2 * picker_.ZoomLevel()));
    findChild<QSlider*>(QStringLiteral("Slider"))->setValue(picker_.ZoomLevel());
}

bool MagnifierPanel::TimerShowZoomTimer() {
    bool drew = false;
    RunGuarded(
        [&] {
            // One look at the pointer, in the screen's device pixels, serves the whole tick. Until the
            // desktop says where it is, the hint line keeps saying what is awaited.
            ScreenReader& screen = platform_.Screen();
            if (!screen.PointerKnown())
                return;
            const QPoint pointer = screen.PointerPosition();
            const DesktopWindows& windows = platform_.Windows();
            const bool minimised = ownWindow_.Minimised();
            bool read = true;
            if (!minimised) {
                const QList<Monitor> monitors = screen.Monitors();
                // Where the desktop keeps the window's place to itself, the window is not told apart.
                if (windows.KnowsPlaces() && ToDevicePixels(ownWindow_.Outer(), monitors).contains(pointer)) {
                    DrawHint();
                    drew = true;
                } else {
                    const auto enlarged = DrawEnlargement(pointer, monitors);
                    read = enlarged.has_value();
                    drew = enlarged.value_or(false);
                }
            }
            picker_.ShowPointerPosition(pointer, read);
        },
        [this] { picker_.Picking.StopTimers(); });
    return drew;
}

void MagnifierPanel::DrawHint() {
    shown_.reset(); // the hint stands over the picture: the next enlargement draws anew
    QImage& canvas = view_->Canvas();
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
    view_->update();
}

std::optional<bool> MagnifierPanel::DrawEnlargement(QPoint pointer, const QList<Monitor>& monitors) {
    if (view_->isHidden())
        view_->show();
    if (isHidden())
        show();

    // The view is drawn in device pixels, so each screen pixel shows as a block of 2 to 8 of them
    // whatever the window's scale, with no second scaling to blur it.
    QImage& canvas = view_->Canvas();
    const Monitor* monitor = MonitorAt(pointer, monitors);
    const QRect bounds = monitor ? monitor->Device : QRect(pointer, QSize(1, 1));
    const ZoomPlan plan = PlanZoom(
        pointer.x(), pointer.y(), canvas.width(), canvas.height(), picker_.ZoomLevel(),
        {bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()});
    // The view would show the same place: unless something was drawn there, it shows the same picture,
    // and the screen is not even read.
    ScreenReader& screen = platform_.Screen();
    const ScreenRect& s = plan.Source;
    const QRect region(s.Left, s.Top, s.Width(), s.Height());
    const bool changed = screen.ScreenChanged(region);
    const bool samePlace = shown_ && shown_->Plan == plan && shown_->Size == canvas.size();
    if (samePlace && !changed)
        return false;
    const QImage source = screen.GrabRegion(region);
    if (source.isNull())
        return std::nullopt;
    const size_t pixels = PixelsHash(source);
    if (samePlace && pixels == shown_->Pixels)
        return false;
    shown_ = Shown{plan, canvas.size(), pixels};

    // Where the view goes straight to the screen, it is drawn in the memory the screen reads from, which
    // the control paints from as well.
    if (direct_) {
        QImage shared = direct_->Canvas(canvas.size());
        if (!shared.isNull()) {
            shared.setDevicePixelRatio(canvas.devicePixelRatio());
            canvas = std::move(shared);
        }
    }
    StretchInto(source, canvas);
    DrawArm(canvas, plan.CentreX - plan.ArmX, plan.CentreY, 1, 0, 2 * plan.ArmX);
    DrawArm(canvas, plan.CentreX, plan.CentreY - plan.ArmY, 0, 1, 2 * plan.ArmY);
    // Where a pick reads the mean of a square, the square's outline.
    if (const int side = picker_.SampleSide(); side > 1) {
        const int block = 2 * picker_.ZoomLevel(), size = side * block;
        const int left = plan.CentreX - side / 2 * block, top = plan.CentreY - side / 2 * block;
        DrawArm(canvas, left, top, 1, 0, size);
        DrawArm(canvas, left, top + size - 1, 1, 0, size);
        DrawArm(canvas, left, top, 0, 1, size);
        DrawArm(canvas, left + size - 1, top, 0, 1, size);
    }
    Present(canvas);
    return true;
}

void MagnifierPanel::Present(const QImage& canvas) {
    if (!directTried_ && view_->isVisible()) {
        directTried_ = true;
        direct_ = platform_.Direct().Create(view_);
    }
    // Qt still paints the view when its window is uncovered, from the same canvas.
    if (!direct_ || !direct_->Put(canvas, canvas.rect()))
        view_->update();
}
