#include "app/TintraApplication.h"

#include "core/Guard.h"
#include "ui/controls/WindowFonts.h"

#include <QLibraryInfo>
#include <QTranslator>

TintraApplication::TintraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tintra"));
    UseStandInFaces();
    // The program speaks simplified Chinese whatever the desktop's language, and so do Qt's own dialogs.
    auto* qtTexts = new QTranslator(this);
    // The Windows program carries them inside.
    if (qtTexts->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        qtTexts->load(QStringLiteral("qtbase_zh_CN"), QStringLiteral(":/qt-translations")))
        installTranslator(qtTexts);
}

bool TintraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& failure) {
        LogSwallowed(&failure);
        return false;
    } catch (...) {
        LogSwallowed(nullptr);
        return false;
    }
}
