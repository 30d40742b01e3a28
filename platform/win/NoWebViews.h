#pragma once

#include "platform/WebView.h"

// Qt has no browser engine for this compiler: no web view is ever made, and the windows show what
// the program carries instead.
class NoWebViews final : public WebViews {
public:
    std::unique_ptr<WebView> Create(QWidget*) override { return nullptr; }
};
