#include "ui/windows/WebBanner.h"

#include "core/Guard.h"
#include "core/picker/Timer.h"
#include "core/windows/BannerPage.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"
#include "core/windows/SiteAddress.h"
#include "platform/LinkOpener.h"
#include "platform/PageFetcher.h"
#include "platform/Platform.h"
#include "platform/WebView.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/WindowColors.h"
#include "ui/windows/OpenLinks.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>

WebBanner::WebBanner(QWidget& panel, ImageControl& picture, QLabel& link, Platform& platform, QObject* parent)
    : QObject(parent), MakerSite(QString::fromLatin1(MakerSiteAddress)), panel_(panel), picture_(picture),
      link_(link), platform_(platform) {
    setObjectName(QStringLiteral("WebBanner"));
    picture_.installEventFilter(this);
    link_.installEventFilter(this);
    connect(&TimerFirstRun, &Timer::Tick, this, &WebBanner::TimerFirstRunTimer);
    connect(&TimerCheckTopBrowser, &Timer::Tick, this, &WebBanner::TimerCheckTopBrowserTimer);
}

WebBanner::~WebBanner() = default;

void WebBanner::TimerFirstRunTimer() {
    RunGuarded([this] {
        TimerFirstRun.SetEnabled(false);
        NavigateBanner();
    });
}

void WebBanner::NavigateBanner() {
    RunGuarded([this] {
        const QString address =
            BannerRequestAddress(MakerSite, QString::fromStdString(UpdateQueryV), ProgramVersion);
        platform_.Fetcher().Fetch(QUrl(address), [this](const PageFetcher::Page& page) {
            WebBrowserTopNavigateComplete2(page.Location, page.Html);
        });
    });
}

void WebBanner::WebBrowserTopNavigateComplete2(const QString& location, const QString& html) {
    RunGuarded([&] {
        location_ = location;
        html_ = html;
        TimerCheckTopBrowser.SetEnabled(true);
    });
}

void WebBanner::TimerCheckTopBrowserTimer() {
    RunGuarded([this] {
        TimerCheckTopBrowser.SetEnabled(false);
        CheckBannerPage(panel_.width(), panel_.height());
    });
}

void WebBanner::CheckBannerPage(int panelWidth, int panelHeight) {
    bool genuine = false;
    RunGuarded([&] { genuine = IsGenuineBannerPage(location_, html_); });
    RunGuarded([&] {
        if (genuine) {
            if (!view_) {
                view_ = platform_.Views().Create(&panel_);
                if (!view_)
                    return; // no browser to show it in: the picture stays
                view_->NavigateComplete = [this](bool, const QUrl& location, const QString& html) {
                    WebBrowserTopNavigateComplete2(location.toString(), html);
                };
                view_->ShowHtml(html_, QUrl(location_));
            }
            // Over the whole panel with 4 pixels to spare on every side, the link label included.
            view_->Widget()->setGeometry(-4, -4, panelWidth + 8, panelHeight + 8);
            view_->Widget()->raise();
            view_->Widget()->show();
            picture_.hide();
        } else {
            if (view_)
                view_->Widget()->move(-2000, -2000);
            picture_.show();
        }
    });
}

void WebBanner::OpenSiteFromPicture() { OpenLink(platform_, QString::fromStdString(SiteAddress)); }

void WebBanner::OpenSiteFromLink() { OpenLink(platform_, MakerSite); }

void WebBanner::HighlightLink() {
    RunGuarded([this] {
        SetTextColor(&link_, Qt::red);
        link_.setCursor(Qt::PointingHandCursor);
    });
}

void WebBanner::UnhighlightLink() {
    RunGuarded([this] {
        SetTextColor(&link_, Qt::white);
        link_.setCursor(Qt::ArrowCursor);
    });
}

bool WebBanner::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &picture_ && type == QEvent::MouseButtonPress)
        OpenSiteFromPicture();
    else if (watched == &link_) {
        if (type == QEvent::MouseButtonPress)
            OpenSiteFromLink();
        else if (type == QEvent::Enter)
            HighlightLink();
        else if (type == QEvent::Leave)
            UnhighlightLink();
    }
    return QObject::eventFilter(watched, event);
}
