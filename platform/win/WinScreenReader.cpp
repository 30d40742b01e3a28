#include "platform/win/WinScreenReader.h"

#include "platform/qt/QtMonitors.h"

#include <windows.h>

#include <cstring>

// A bitmap the screen is copied into, in memory the program reads directly, 32 bits a pixel, rows
// from the top; made anew only when the size changes.
struct WinScreenReader::Canvas {
    HDC Memory = nullptr;
    HBITMAP Bitmap = nullptr;
    HGDIOBJ Former = nullptr;
    uint8_t* Bits = nullptr;
    QSize Size;

    explicit Canvas(HDC screen) : Memory(CreateCompatibleDC(screen)) {}
    ~Canvas() {
        Release();
        if (Memory)
            DeleteDC(Memory);
    }

    void Release() {
        if (!Bitmap)
            return;
        SelectObject(Memory, Former);
        DeleteObject(Bitmap);
        Bitmap = nullptr;
        Bits = nullptr;
        Size = {};
    }

    bool Fit(HDC screen, QSize size) {
        if (Size == size)
            return true;
        Release();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = size.width();
        info.bmiHeader.biHeight = -size.height();
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        Bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!Bitmap)
            return false;
        Former = SelectObject(Memory, Bitmap);
        Bits = static_cast<uint8_t*>(bits);
        Size = size;
        return true;
    }
};

namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM list) {
    reinterpret_cast<QList<QRect>*>(list)->append(
        QRect(QPoint(area->left, area->top), QPoint(area->right - 1, area->bottom - 1)));
    return TRUE;
}

// The monitors' rectangles on the virtual screen, as GDI places them.
QList<QRect> MonitorAreas() {
    QList<QRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_)
            ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HDC dc_;
};

} // namespace

WinScreenReader::WinScreenReader() = default;

WinScreenReader::~WinScreenReader() = default;

QPoint WinScreenReader::PointerPosition() const {
    POINT point{};
    GetCursorPos(&point); // on a desktop the program cannot see (a locked screen) it stays at (0, 0)
    return {point.x, point.y};
}

std::optional<ColorValue> WinScreenReader::ScreenPixelSource(int x, int y) {
    if (!MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL))
        return -1;
    const ScreenDc screen;
    if (!screen)
        return std::nullopt;
    const COLORREF color = GetPixel(screen, x, y);
    if (color == CLR_INVALID)
        return std::nullopt;
    return static_cast<ColorValue>(color); // red in the low byte, as in a colour value
}

QImage WinScreenReader::GrabRegion(const QRect& region) {
    if (region.isEmpty())
        return {};
    const ScreenDc screen;
    if (!screen)
        return {};
    if (!canvas_)
        canvas_ = std::make_unique<Canvas>(screen);
    if (!canvas_->Memory || !canvas_->Fit(screen, region.size()))
        return {};
    // Black where no monitor shows the region; each monitor's part copied from the screen.
    const qsizetype rowBytes = qsizetype(region.width()) * 4;
    std::memset(canvas_->Bits, 0, size_t(rowBytes) * region.height());
    for (const QRect& monitor : MonitorAreas()) {
        const QRect part = region & monitor;
        if (part.isEmpty())
            continue;
        const QPoint at = part.topLeft() - region.topLeft();
        if (!BitBlt(canvas_->Memory, at.x(), at.y(), part.width(), part.height(), screen, part.x(), part.y(),
                    SRCCOPY))
            return {};
    }
    GdiFlush();
    // GDI leaves the fourth byte of each pixel 0; Qt's RGB32 wants it 0xff.
    QImage image(region.size(), QImage::Format_RGB32);
    for (int y = 0; y < region.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(canvas_->Bits + y * rowBytes);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < region.width(); ++x)
            to[x] = from[x] | 0xff000000u;
    }
    return image;
}

QList<Monitor> WinScreenReader::Monitors() const { return QtMonitors(); }

bool WinScreenReader::ScreenChanged(const QRect&) { return true; }
