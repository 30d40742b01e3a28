// The web view of Qt WebEngine, built as a module of its own: the program loads it only when a view is
// first needed, so the engine costs nothing at start-up or while the program just picks colours.
//
// The page is drawn by a Qt Quick window of its own, embedded as a native child. A browser widget
// would make the toolkit re-create the whole top-level window on a drawing surface of another kind
// the moment it is added, and the main window would lose its native window while the user works in it.
#include "WebEngineView.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>
#include <QWidget>

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

// Reports every finished load, the page's whole HTML with it.
constexpr char PageQml[] = R"(
import QtQuick
import QtWebEngine
WebEngineView {
    signal finished(bool loaded, url location, string html)
    onLoadingChanged: function(request) {
        if (request.status === WebEngineView.LoadStartedStatus)
            return
        const loaded = request.status === WebEngineView.LoadSucceededStatus
        const location = request.url
        runJavaScript("document.documentElement ? document.documentElement.outerHTML : ''",
                      function(html) { finished(loaded, location, html) })
    }
}
)";

} // namespace

WebEngineView::WebEngineView(QWidget* parent) : quick_(new QQuickView) {
    quick_->setResizeMode(QQuickView::SizeRootObjectToView);
    QQmlComponent component(quick_->engine());
    component.setData(PageQml, QUrl());
    page_ = qobject_cast<QQuickItem*>(component.create());
    if (page_) {
        quick_->setContent(QUrl(), &component, page_);
        connect(page_, SIGNAL(finished(bool, QUrl, QString)), this, SLOT(Finished(bool, QUrl, QString)));
    }
    container_ = QWidget::createWindowContainer(quick_, parent); // takes the Quick window with it
}

WebEngineView::~WebEngineView() {
    NavigateComplete = nullptr; // a page that goes with the view may still answer
    delete container_.data();
}

void WebEngineView::Navigate(const QUrl& address) {
    if (page_)
        page_->setProperty("url", address);
}

void WebEngineView::ShowHtml(const QString& html, const QUrl& base) {
    base_ = base;
    if (page_)
        QMetaObject::invokeMethod(page_, "loadHtml", Q_ARG(QString, html), Q_ARG(QUrl, base));
}

void WebEngineView::Finished(bool loaded, const QUrl& location, const QString& html) {
    // A page given as HTML is at the address it was given with.
    const QUrl where = location.isEmpty() || location.scheme() == QLatin1String("data") ? base_ : location;
    if (NavigateComplete)
        NavigateComplete(loaded, where, html);
}

extern "C" Q_DECL_EXPORT WebView* CreateTintraWebView(QWidget* parent) {
    PrepareEngine();
    return new WebEngineView(parent);
}
