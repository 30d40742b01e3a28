#pragma once

#include "core/picker/Timer.h"

#include <QObject>
#include <QString>

#include <memory>

class ImageControl;
class Platform;
class QLabel;
class QWidget;
class WebView;

// The banner strip: the banner picture and the link label, and, once the maker's site answers with a
// genuine banner page, that page laid over them. The page is first fetched without a browser; a web
// view is made only to show a genuine one.
class WebBanner : public QObject {
    Q_OBJECT
public:
    WebBanner(QWidget& panel, ImageControl& picture, QLabel& link, Platform& platform, QObject* parent);
    ~WebBanner() override;

    // The maker's web site: scheme, host and "/".
    QString MakerSite;

    // One tick about a second after the start requests the page; one a second after each completed
    // navigation checks it.
    Timer TimerFirstRun{1000, true};
    Timer TimerCheckTopBrowser{1000, false};

    void TimerFirstRunTimer();
    void NavigateBanner();
    void WebBrowserTopNavigateComplete2(const QString& location, const QString& html);
    void TimerCheckTopBrowserTimer();
    void CheckBannerPage(int panelWidth, int panelHeight);

    void OpenSiteFromPicture();
    void OpenSiteFromLink();
    void HighlightLink();
    void UnhighlightLink();

    // The web view that shows a genuine banner page; none before there was one.
    WebView* WebBrowserTop() const { return view_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& panel_;
    ImageControl& picture_;
    QLabel& link_;
    Platform& platform_;
    std::unique_ptr<WebView> view_;
    QString location_, html_; // the last page loaded
};
