#include "platform/QtWebViews.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

using CreateFunction = WebView* (*)(QWidget*);

CreateFunction LoadEngine() {
    static const CreateFunction create = [] {
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/tintra_webengine"));
        return reinterpret_cast<CreateFunction>(module.resolve("CreateTintraWebView"));
    }();
    return create;
}

} // namespace

std::unique_ptr<WebView> QtWebViews::Create(QWidget* parent) {
    const CreateFunction create = LoadEngine();
    return create ? std::unique_ptr<WebView>(create(parent)) : nullptr;
}
