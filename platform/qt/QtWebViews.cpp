#include "platform/qt/QtWebViews.h"

#include "platform/qt/ProgramFiles.h"

#include <QLibrary>
#include <QOpenGLContext>

// The toolkit's shared drawing context, which the browser engine draws through and looks for as it
// loads. The toolkit makes it at start-up only when told to before the application exists, and then
// every run pays for the graphics driver; the program makes it here, when the engine is first needed.
QOpenGLContext* qt_gl_global_share_context();
void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

using CreateFunction = WebView* (*)(QWidget*);

CreateFunction LoadEngine(const QString& folder) {
    static const CreateFunction create = [&folder] {
        if (!qt_gl_global_share_context()) {
            auto* shared = new QOpenGLContext; // lives as long as the program
            shared->create();
            qt_gl_set_global_share_context(shared);
        }
        QLibrary module(folder + QStringLiteral("/tintra_webengine"));
        return reinterpret_cast<CreateFunction>(module.resolve("CreateTintraWebView"));
    }();
    return create;
}

} // namespace

QtWebViews::QtWebViews(QString moduleFolder) : moduleFolder_(std::move(moduleFolder)) {}

std::unique_ptr<WebView> QtWebViews::Create(QWidget* parent) {
    const CreateFunction create =
        LoadEngine(moduleFolder_.isEmpty() ? ProgramFiles().HelperFolder() : moduleFolder_);
    return create ? std::unique_ptr<WebView>(create(parent)) : nullptr;
}
