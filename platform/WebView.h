#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

// An embedded web view, as the help window and the banner need it.
class WebView {
public:
    virtual ~WebView() = default;
    virtual QWidget* Widget() = 0;
    virtual void Navigate(const QUrl& address) = 0;
    virtual void ShowHtml(const QString& html, const QUrl& base) = 0;

    // After every completed navigation: whether the page loaded, where the view is and the page's HTML.
    std::function<void(bool loaded, const QUrl& location, const QString& html)> NavigateComplete;
};

// Makes web views. The browser engine is large, so it is loaded only when the first view is made;
// where it cannot be had, no view is made.
class WebViews {
public:
    virtual ~WebViews() = default;
    virtual std::unique_ptr<WebView> Create(QWidget* parent) = 0;
};
