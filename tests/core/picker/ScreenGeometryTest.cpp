#include "core/picker/ScreenGeometry.h"
#include "core/picker/MagnifierGeometry.h"

#include <gtest/gtest.h>

namespace {

// Monitor layouts in device pixels, the primary first; each is tried at every scale.
const struct {
    const char* Name;
    QList<QRect> Devices;
} Layouts[] = {
    {"one monitor", {{0, 0, 3840, 2160}}},
    {"side by side", {{0, 0, 1920, 1080}, {1920, 0, 2560, 1440}}},
    {"stacked", {{0, 0, 1920, 1080}, {0, 1080, 1280, 1024}}},
    {"left of the primary", {{0, 0, 1920, 1080}, {-1280, 0, 1280, 1024}}},
    {"above the primary", {{0, 0, 1920, 1080}, {200, -1200, 1600, 1200}}},
    {"three of them", {{0, 0, 1920, 1080}, {-1920, -300, 1920, 1080}, {1920, 100, 1280, 1024}}},
};
constexpr double Scales[] = {1, 1.25, 1.5, 2, 3};

TEST(ScreenGeometry, TheToolkitsPixelsMapToTheDevicePixelsOfTheirMonitor) {
    for (const auto& layout : Layouts)
        for (double scale : Scales) {
            SCOPED_TRACE(testing::Message() << layout.Name << " at " << scale);
            QList<Monitor> monitors;
            for (const QRect& device : layout.Devices)
                monitors.append({device, scale});
            for (const Monitor& monitor : monitors) {
                const QRect scaled = monitor.Scaled();
                // Corners and edges of each monitor land on the same monitor's pixels.
                EXPECT_EQ(ToDevicePixels(scaled.topLeft(), monitors), monitor.Device.topLeft());
                const QPoint lastScaled = scaled.bottomRight();
                const QPoint last = ToDevicePixels(lastScaled, monitors);
                EXPECT_TRUE(monitor.Device.contains(last)) << last.x() << "," << last.y();
                EXPECT_GE(last.x(), monitor.Device.right() - int(scale));
                EXPECT_EQ(MonitorAt(monitor.Device.bottomRight(), monitors), &monitor);
                EXPECT_EQ(MonitorAt(monitor.Device.topLeft(), monitors), &monitor);
                // The way back gives the toolkit's pixel that covers the device pixel.
                EXPECT_EQ(ToScaledPixels(monitor.Device.topLeft() + QPoint(int(scale * 40), int(scale * 80)),
                                         monitors),
                          scaled.topLeft() + QPoint(40, 80));
                const QRect window =
                    ToDevicePixels(QRect(scaled.topLeft() + QPoint(20, 10), QSize(498, 600)), monitors);
                EXPECT_EQ(window.size(), QSize(qRound(498 * scale), qRound(600 * scale)));
            }
        }
}

TEST(ScreenGeometry, APointNoMonitorShowsBelongsToTheNearestAndNoMonitorsChangeNothing) {
    const QList<Monitor> monitors{{{0, 0, 1920, 1080}, 1}, {{1920, 0, 1280, 1024}, 2}};
    EXPECT_EQ(MonitorAt({2500, 1050}, monitors), &monitors[1]); // below the smaller monitor
    EXPECT_EQ(MonitorAt({-50, 500}, monitors), &monitors[0]);
    EXPECT_EQ(MonitorAt({0, 0}, {}), nullptr);
    EXPECT_EQ(ToDevicePixels(QPoint(7, 9), {}), QPoint(7, 9));
}

TEST(MagnifierGeometry, TheSourceStaysOnThePointersOwnMonitor) {
    const struct {
        QPoint Pointer;
        ScreenRect Monitor, Source;
    } cases[] = {
        {{-50, 500}, {-1280, 0, 0, 1024}, {-180, 456, 0, 544}},       // left of the primary, its right edge
        {{-1280, 0}, {-1280, 0, 0, 1024}, {-1280, 0, -1100, 88}},     // its top-left pixel
        {{500, -1}, {200, -1200, 1800, 0}, {410, -88, 590, 0}},       // above the primary, its last row
        {{1925, 300}, {1920, 0, 3200, 1024}, {1920, 256, 2100, 344}}, // just right of the primary
        {{100, 1500}, {0, 1080, 1280, 2104}, {10, 1456, 190, 1544}},  // stacked below
    };
    for (const auto& c : cases) {
        const ZoomPlan plan = PlanZoom(c.Pointer.x(), c.Pointer.y(), 360, 174, 1, c.Monitor);
        EXPECT_EQ(plan.Source, c.Source) << c.Pointer.x() << "," << c.Pointer.y();
        EXPECT_EQ(plan.CentreX, 2 * (c.Pointer.x() - plan.Source.Left));
        EXPECT_EQ(plan.CentreY, 2 * (c.Pointer.y() - plan.Source.Top));
    }
}

} // namespace
