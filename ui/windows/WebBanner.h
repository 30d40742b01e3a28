#pragma once

#include <QObject>
#include <QString>

#include <memory>

class Platform;
class TFrmScreenColor;
class WebView;

// The banner strip: the banner picture and the link label, and, once the maker's site answers with a
// genuine banner page, that page laid over them. The page is first fetched without a browser; a web
// view is made only to show a genuine one.
class WebBanner : public QObject {
    Q_OBJECT
public:
    explicit WebBanner(TFrmScreenColor& window);
    ~WebBanner() override;

    // The maker's web site: scheme, host and "/".
    QString MakerSite;

    void TimerFirstRunTimer();
    void NavigateBanner();
    void WebBrowserTopNavigateComplete2(const QString& location, const QString& html);
    void TimerCheckTopBrowserTimer();
    void CheckBannerPage(int panelWidth, int panelHeight);

    void Image48MouseDown();
    void LblQuilloURLMouseDown();
    void LblQuilloURLMouseEnter();
    void LblQuilloURLMouseLeave();

    // The web view that shows a genuine banner page; none before there was one.
    WebView* WebBrowserTop() const { return view_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFrmScreenColor& window_;
    QObject* picture_; // the banner picture and the link label, whose events the banner watches
    QObject* link_;
    std::unique_ptr<WebView> view_;
    QString location_, html_; // the last page loaded
};

// Opens a web address in the user's browser, or an existing folder or file with its program; texts
// that are neither open nothing.
void OpenLink(Platform& platform, const QString& text);
