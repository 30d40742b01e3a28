// The web view of Qt WebEngine, built as a module of its own: the program loads it only when a view is
// first needed, so the engine costs nothing at start-up or while the program just picks colours.
#include "platform/WebView.h"

#include <QPointer>
#include <QQuickWindow>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

namespace {

void PrepareEngine() {
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;
    // The engine's sandbox refuses to run as root; only then it is switched off.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGLRhi);
}

class WebEngineView final : public WebView {
public:
    explicit WebEngineView(QWidget* parent) : view_(new QWebEngineView(parent)) {
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool loaded) {
            // A page given as HTML is at the address it was given with.
            QUrl location = view_->url();
            if (location.isEmpty() || location.scheme() == QLatin1String("data"))
                location = base_;
            view_->page()->toHtml([this, loaded, location](const QString& html) {
                if (NavigateComplete)
                    NavigateComplete(loaded, location, html);
            });
        });
    }

    ~WebEngineView() override {
        NavigateComplete = nullptr; // a page that goes with the view may still answer
        delete view_.data();
    }

    QWidget* Widget() override { return view_; }
    void Navigate(const QUrl& address) override { view_->load(address); }
    void ShowHtml(const QString& html, const QUrl& base) override {
        base_ = base;
        view_->setHtml(html, base);
    }

private:
    QPointer<QWebEngineView> view_;
    QUrl base_;
};

} // namespace

extern "C" Q_DECL_EXPORT WebView* CreateTintraWebView(QWidget* parent) {
    PrepareEngine();
    return new WebEngineView(parent);
}
