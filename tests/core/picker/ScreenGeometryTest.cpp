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

// A desktop that lays out its monitors in its own units: a scale-2 monitor left of an unscaled one
// would overlap it with its corner kept, so corners spread by the largest scale; pointers with
// fractions land on the device pixel under them.
TEST(ScreenGeometry, MonitorsLaidOutInTheDesktopsUnitsGetDevicePixelsOfTheirOwn) {
    const QList<LaidOutMonitor> mixed{{{0, 0, 1280, 720}, {2560, 1440}}, {{1280, 0, 1280, 720}, {1280, 720}}};
    const QList<Monitor> placed = InDevicePixels(mixed);
    EXPECT_EQ(placed,
              (QList<Monitor>{{{0, 0, 2560, 1440}, 2, {0, 0}}, {{2560, 0, 1280, 720}, 1, {1280, 0}}}));
    const QList<LaidOutMonitor> unscaled{{{0, 0, 1280, 800}, {1280, 800}}, {{-800, 0, 800, 600}, {800, 600}}};
    EXPECT_EQ(InDevicePixels(unscaled), (QList<Monitor>{{{0, 0, 1280, 800}, 1}, {{-800, 0, 800, 600}, 1}}));
    const QList<LaidOutMonitor> fractional{{{0, 0, 1280, 720}, {1920, 1080}},
                                           {{1280, 0, 1280, 720}, {1280, 720}}};

    const struct {
        QPointF Layout;
        const QList<LaidOutMonitor>* Monitors;
        std::optional<QPoint> Device;
    } cases[] = {
        {{50.5, 25.5}, &mixed, QPoint(101, 51)}, // the odd pixel of a 2-by-2 block
        {{50.25, 25.0}, &mixed, QPoint(100, 50)},    {{1279.9, 719.9}, &mixed, QPoint(2559, 1439)},
        {{1330.5, 50.5}, &mixed, QPoint(2610, 50)}, // on the unscaled one, right of the scaled one
        {{2560, 0}, &mixed, std::nullopt},           {{-800, 599}, &unscaled, QPoint(-800, 599)},
        {{10.7, 0.7}, &fractional, QPoint(16, 1)}, // 16.05 and 1.05 at 1.5
        {{1280.5, 0}, &fractional, QPoint(2560, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Layout.x() << "," << c.Layout.y());
        EXPECT_EQ(DevicePixelUnder(c.Layout, *c.Monitors, InDevicePixels(*c.Monitors)), c.Device);
    }
    // The toolkit's pixels of a scaled monitor are its layout's.
    EXPECT_EQ(ToDevicePixels(QPoint(1290, 10), placed), QPoint(2570, 10));
    EXPECT_EQ(ToScaledPixels(QPoint(101, 51), placed), QPoint(50, 25));
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
