#include "ui/windows/WebBanner.h"

#include "ui/picker/ImageControl.h"
#include "ui/picker/TFrmScreenColor.h"
#include "core/picker/Timer.h"
#include "platform/LinkOpener.h"
#include "platform/PageFetcher.h"
#include "platform/Platform.h"
#include "platform/WebView.h"
#include "core/windows/BannerPage.h"
#include "core/Guard.h"
#include "core/windows/Links.h"
#include "core/windows/Messages.h"
#include "core/windows/ProgramVersion.h"
#include "core/windows/SiteAddress.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>

void OpenLink(Platform& platform, const QString& text) {
    RunGuarded([&] {
        const auto target = OpenLinkTarget(
            text, [](const QString& path) { return QFileInfo(path).isDir(); },
            [](const QString& path) { return QFileInfo(path).isFile(); });
        if (target)
            platform.Links().Open(*target);
    });
}

WebBanner::WebBanner(TFrmScreenColor& window)
    : QObject(&window), MakerSite(QString::fromLatin1(MakerSiteAddress)), window_(window),
      picture_(window.Image48), link_(window.LblQuilloURL) {
    picture_->installEventFilter(this);
    link_->installEventFilter(this);
}

WebBanner::~WebBanner() = default;

void WebBanner::TimerFirstRunTimer() {
    RunGuarded([this] {
        window_.TimerFirstRun->SetEnabled(false);
        NavigateBanner();
    });
}

void WebBanner::NavigateBanner() {
    RunGuarded([this] {
        const QString address =
            BannerRequestAddress(MakerSite, QString::fromStdString(UpdateQueryV), ProgramVersion);
        window_.Desktop().Fetcher().Fetch(QUrl(address), [this](const PageFetcher::Page& page) {
            WebBrowserTopNavigateComplete2(page.Location, page.Html);
        });
    });
}

void WebBanner::WebBrowserTopNavigateComplete2(const QString& location, const QString& html) {
    RunGuarded([&] {
        location_ = location;
        html_ = html;
        window_.TimerCheckTopBrowser->SetEnabled(true);
    });
}

void WebBanner::TimerCheckTopBrowserTimer() {
    RunGuarded([this] {
        window_.TimerCheckTopBrowser->SetEnabled(false);
        CheckBannerPage(window_.SbAvert->width(), window_.SbAvert->height());
    });
}

void WebBanner::CheckBannerPage(int panelWidth, int panelHeight) {
    bool genuine = false;
    RunGuarded([&] { genuine = IsGenuineBannerPage(location_, html_); });
    RunGuarded([&] {
        if (genuine) {
            if (!view_) {
                view_ = window_.Desktop().Views().Create(window_.SbAvert);
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
            window_.Image48->hide();
        } else {
            if (view_)
                view_->Widget()->move(-2000, -2000);
            window_.Image48->show();
        }
    });
}

void WebBanner::Image48MouseDown() { OpenLink(window_.Desktop(), QString::fromStdString(SiteAddress)); }

void WebBanner::LblQuilloURLMouseDown() { OpenLink(window_.Desktop(), MakerSite); }

void WebBanner::LblQuilloURLMouseEnter() {
    RunGuarded([this] {
        window_.LblQuilloURL->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
        window_.LblQuilloURL->setCursor(Qt::PointingHandCursor);
    });
}

void WebBanner::LblQuilloURLMouseLeave() {
    RunGuarded([this] {
        window_.LblQuilloURL->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
        window_.LblQuilloURL->setCursor(Qt::ArrowCursor);
    });
}

bool WebBanner::eventFilter(QObject* watched, QEvent* event) {
    // Events still come while the window is taken down: only what the banner keeps itself is looked at.
    const QEvent::Type type = event->type();
    if (watched == picture_ && type == QEvent::MouseButtonPress)
        Image48MouseDown();
    else if (watched == link_) {
        if (type == QEvent::MouseButtonPress)
            LblQuilloURLMouseDown();
        else if (type == QEvent::Enter)
            LblQuilloURLMouseEnter();
        else if (type == QEvent::Leave)
            LblQuilloURLMouseLeave();
    }
    return QObject::eventFilter(watched, event);
}
