#include "core/persistence/SettingsStore.h"
#include "ui/picker/TFrmScreenColor.h"
#include "app/TintraApplication.h"
#include "platform/qt/QtPlatform.h"
#include "platform/posix/TerminationSignals.h"
#include "ui/windows/TFrmHelp.h"
#include "ui/windows/TFrmVersion.h"

#include <QMessageBox>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    QtPlatform platform;
    const std::unique_ptr<QObject> signalWatch(QuitOnTerminationSignals());

    // The main window comes first: its creation fills the texts the other windows read.
    TFrmScreenColor mainWindow(platform);
    if (mainWindow.Settings->AnotherCopyRuns()) {
        std::fprintf(stderr,
                     "tintra: already running with the files in %s; its window is brought to the front\n",
                     mainWindow.Settings->Places().Write.toLocal8Bit().constData());
        return 0;
    }
    mainWindow.FrmHelp = new TFrmHelp(platform, &mainWindow);
    mainWindow.FrmVersion = new TFrmVersion(platform, &mainWindow);
    // A session that ends asks the program to keep its data before it may be stopped.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, mainWindow.Settings,
                     &SettingsStore::SaveSettings);
    mainWindow.show();
    const int status = TintraApplication::exec();

    // A save that fails is said, and the program's status says it too.
    mainWindow.FormDestroy();
    const QStringList& problems = mainWindow.Settings->SaveProblems();
    if (problems.isEmpty())
        return status;
    for (const QString& problem : problems)
        std::fprintf(stderr, "tintra: %s\n", problem.toLocal8Bit().constData());
    if (!QuitBySignal())
        QMessageBox::critical(nullptr, mainWindow.windowTitle(), problems.join('\n'));
    return 1;
}
