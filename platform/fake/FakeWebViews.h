#pragma once

#include "platform/WebView.h"

#include <QList>
#include <QWidget>

// A web view that is a plain widget: it remembers what it was asked to show, and a test reports the
// completed navigations.
class FakeWebView final : public WebView {
public:
    explicit FakeWebView(QWidget* parent) : widget_(new QWidget(parent)) {}

    QWidget* Widget() override { return widget_; }
    void Navigate(const QUrl& address) override { Navigated << address; }
    void ShowHtml(const QString& html, const QUrl& base) override {
        Shown = html;
        ShownBase = base;
    }

    QList<QUrl> Navigated;
    QString Shown;
    QUrl ShownBase;

private:
    QWidget* widget_;
};

class FakeWebViews final : public WebViews {
public:
    QList<FakeWebView*> Made;
    bool Unavailable = false;

    std::unique_ptr<WebView> Create(QWidget* parent) override {
        if (Unavailable)
            return nullptr;
        auto view = std::make_unique<FakeWebView>(parent);
        Made << view.get();
        return view;
    }
};
