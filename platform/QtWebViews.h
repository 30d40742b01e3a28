#pragma once

#include "platform/WebView.h"

// Web views of Qt WebEngine, from the module beside the program, loaded on first use.
class QtWebViews final : public WebViews {
public:
    std::unique_ptr<WebView> Create(QWidget* parent) override;
};
