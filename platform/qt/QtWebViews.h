#pragma once

#include "platform/WebView.h"

#include <QString>

// Web views of Qt WebEngine, from the module beside the program, loaded on first use.
class QtWebViews final : public WebViews {
public:
    // The module is looked for in the program's folder unless another is named.
    explicit QtWebViews(QString moduleFolder = {});

    std::unique_ptr<WebView> Create(QWidget* parent) override;

private:
    QString moduleFolder_;
};
