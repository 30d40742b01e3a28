#pragma once

#include "platform/WebView.h"

#include <QString>

// Web views of Qt WebEngine, from the program's module, loaded on first use.
class QtWebViews final : public WebViews {
public:
    // The module is looked for where the program's files lie (ProgramFiles) unless another folder is named.
    explicit QtWebViews(QString moduleFolder = {});

    std::unique_ptr<WebView> Create(QWidget* parent) override;

private:
    QString moduleFolder_;
};
