// On a private X server, with the browser module: a genuine banner page is drawn over the banner strip
// while the main window keeps its native window.
#include "app/Program.h"
#include "core/windows/BannerPage.h"
#include "platform/fake/FakePlatform.h"
#include "platform/qt/ProcessPageFetcher.h"
#include "platform/qt/QtWebViews.h"
#include "ui/picker/MainWindow.h"
#include "ui/windows/WebBanner.h"

#include "LoopbackSite.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

template <class Done>
bool WaitFor(Done done, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

TEST(WebBannerOnX11, APageAppearsWithoutTheWindowBeingMadeAgain) {
    LoopbackSite site;
    site.Page = QStringLiteral("<html><body style='margin:0;background:#102030'>") +
                QString::fromLatin1(BannerMarker) + "</body></html>";
    ProcessPageFetcher fetcher{QStringLiteral(TINTRA_HELPER_FOLDER)};
    QtWebViews views(QStringLiteral(TINTRA_MODULE_FOLDER));
    FakePlatform platform;
    platform.FetcherOverride = &fetcher;
    platform.ViewsOverride = &views;
    Program program(platform);
    MainWindow& window = program.Window();
    window.Banner().MakerSite = site.Address();
    window.show();
    ASSERT_TRUE(WaitFor([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }, 5000));
    const WId before = window.winId();

    window.Banner().TimerFirstRunTimer();
    ASSERT_TRUE(WaitFor([&] { return window.Banner().TimerCheckTopBrowser.Enabled(); }, 10000));
    window.Banner().TimerCheckTopBrowserTimer();
    ASSERT_NE(window.Banner().WebBrowserTop(), nullptr);

    // The page's own colour shows where the banner was.
    const QWidget* panel = window.findChild<QWidget*>("SbAvert");
    const QRect banner(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    auto pageShows = [&] {
        const QImage shot = QGuiApplication::primaryScreen()
                                ->grabWindow(0, banner.x(), banner.y(), banner.width(), banner.height())
                                .toImage();
        return shot.pixelColor(banner.width() / 2, banner.height() / 2) == QColor(0x10, 0x20, 0x30);
    };
    EXPECT_TRUE(WaitFor(pageShows, 20000));
    EXPECT_EQ(window.winId(), before);
}

} // namespace
