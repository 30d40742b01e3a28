#include "../ProgramFixture.h"

#include "core/picker/Timer.h"
#include "core/windows/BannerPage.h"
#include "core/windows/Messages.h"
#include "platform/qt/ProcessPageFetcher.h"
#include "ui/controls/ImageControl.h"
#include "ui/windows/WebBanner.h"

#include "LoopbackSite.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

class WebBannerTest : public ProgramFixture, public testing::Test {
protected:
    WebBannerTest() {
        platform.FetcherOverride = &fetcher;
        window.show();
    }

    // The first tick of the start timer, then whatever the page needs to arrive and be checked.
    void RunBanner() {
        window.Banner().TimerFirstRunTimer();
        QElapsedTimer waited;
        waited.start();
        while (!window.Banner().TimerCheckTopBrowser.Enabled() && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        window.Banner().TimerCheckTopBrowserTimer();
    }

    QString Genuine(bool upperCase = false) {
        const QString marker = QString::fromLatin1(BannerMarker);
        return "<html><body><p>Tintra</p>" + (upperCase ? marker.toUpper() : marker) + "</body></html>";
    }

    LoopbackSite site;
    ProcessPageFetcher fetcher{QStringLiteral(TINTRA_HELPER_FOLDER)};
};

TEST_F(WebBannerTest, TheRequestCarriesAnEmptyVAndTheVersion) {
    window.Banner().MakerSite = site.Address();
    site.Page = Genuine();
    RunBanner();
    ASSERT_EQ(site.Requests.size(), 1);
    EXPECT_EQ(site.Requests[0], "GET /download/update/?v=&n=1.6 HTTP/1.1");
    EXPECT_FALSE(window.Banner().TimerFirstRun.Enabled());
    EXPECT_FALSE(window.Banner().TimerCheckTopBrowser.Enabled());
}

TEST_F(WebBannerTest, WithoutTheSiteThePictureStays) {
    window.Banner().MakerSite = "http://127.0.0.1:1/"; // nothing listens there
    RunBanner();
    EXPECT_TRUE(Find("Image48")->isVisible());
    EXPECT_EQ(window.Banner().WebBrowserTop(), nullptr);
    EXPECT_TRUE(platform.ViewsFake.Made.isEmpty());
}

TEST_F(WebBannerTest, AGenuinePageCoversThePanelUntilANavigationThatIsNot) {
    window.Banner().MakerSite = site.Address();
    site.Page = Genuine(true); // the marker in capitals counts too
    RunBanner();
    ASSERT_EQ(platform.ViewsFake.Made.size(), 1);
    FakeWebView* view = platform.ViewsFake.Made[0];
    EXPECT_EQ(view->Shown, site.Page);
    EXPECT_EQ(view->Widget()->geometry(),
              QRect(-4, -4, Find("SbAvert")->width() + 8, Find("SbAvert")->height() + 8));
    EXPECT_FALSE(Find("Image48")->isVisible());

    // The user follows a link inside the banner to a page that is no banner.
    view->NavigateComplete(true, QUrl(site.Address() + "elsewhere"), "<html><body>elsewhere</body></html>");
    EXPECT_TRUE(window.Banner().TimerCheckTopBrowser.Enabled());
    window.Banner().TimerCheckTopBrowserTimer();
    EXPECT_EQ(view->Widget()->pos(), QPoint(-2000, -2000));
    EXPECT_TRUE(Find("Image48")->isVisible());
}

TEST_F(WebBannerTest, APageWithoutTheMarkerMakesNoBrowser) {
    window.Banner().MakerSite = site.Address();
    site.Page = "<html><body>404 not found</body></html>";
    RunBanner();
    EXPECT_TRUE(platform.ViewsFake.Made.isEmpty());
    EXPECT_TRUE(Find("Image48")->isVisible());
}

TEST_F(WebBannerTest, TheLinksOpenTheSite) {
    const auto press = [](QWidget* widget) {
        QMouseEvent event(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::MiddleButton,
                          Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    press(Find("Image48"));
    press(Find("LblQuilloURL"));
    EXPECT_EQ(platform.LinksFake.Opened,
              (QStringList{QString::fromStdString(SiteAddress), window.Banner().MakerSite}));
}

TEST_F(WebBannerTest, TheLinkLabelTurnsRedUnderTheMouse) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(Find("LblQuilloURL"), &enter);
    EXPECT_EQ(Find<QLabel>("LblQuilloURL")->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(Find<QLabel>("LblQuilloURL")->cursor().shape(), Qt::PointingHandCursor);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(Find("LblQuilloURL"), &leave);
    EXPECT_EQ(Find<QLabel>("LblQuilloURL")->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(Find<QLabel>("LblQuilloURL")->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
