#include "app/TintraApplication.h"

#include "core/Guard.h"
#include "ui/controls/WindowFonts.h"
#include "ui/resources/ResourceLanguage.h"

#include <QFile>
#include <QLibraryInfo>
#include <QThreadPool>
#include <QTranslator>

namespace {

const QString OwnTranslations = QStringLiteral(":/translations");
// The Windows program carries Qt's Chinese texts inside.
const QString CarriedQtTranslations = QStringLiteral(":/qt-translations");

// The language part of a UI language's name: "en" of "en-GB" or "en_GB.UTF-8".
QString LanguageCode(const QString& name) {
    return name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).section(u'@', 0, 0).toLower();
}

QString ProgramLanguage(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        const QString code = LanguageCode(name);
        if (code.isEmpty() || code == u"zh" || code == u"c" || code == u"posix")
            return {};
        if (QFile::exists(OwnTranslations + QStringLiteral("/tintra_") + code + QStringLiteral(".qm")))
            return code;
    }
    return {};
}

} // namespace

TintraApplication::TintraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tintra"));
    // Qt splits a large fill or picture conversion over a pool of a thread per core. The window's are
    // a list's height at most, over in microseconds either way, and each thread kept for them holds a
    // stack and a heap of its own: one is enough.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    UseStandInFaces();
    Speak({});
}

QString TintraApplication::Speak(const QStringList& uiLanguages) {
    for (QTranslator* translator : std::as_const(translators_)) {
        removeTranslator(translator);
        delete translator;
    }
    translators_.clear();

    const QString language = ProgramLanguage(uiLanguages);
    SetResourceLanguage(language);
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language.isEmpty()) {
        // The program's texts are Chinese in its sources; Qt's own dialogs speak Chinese with them.
        if (!Install(QStringLiteral("qtbase_zh_CN"), qtFolder))
            Install(QStringLiteral("qtbase_zh_CN"), CarriedQtTranslations);
        return language;
    }
    Install(QStringLiteral("tintra_") + language, OwnTranslations);
    // Qt's texts are English in its sources: other languages have Qt's translation where installed.
    Install(QStringLiteral("qtbase_") + language, qtFolder);
    return language;
}

bool TintraApplication::Install(const QString& file, const QString& folder) {
    auto* translator = new QTranslator(this);
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    installTranslator(translator);
    translators_.append(translator);
    return true;
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
