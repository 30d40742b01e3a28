#include "persistence/SettingsStore.h"
#include "picker/TFrmScreenColor.h"
#include "picker/TintraApplication.h"
#include "platform/QtPlatform.h"
#include "platform/TerminationSignals.h"
#include "windows/TFrmHelp.h"
#include "windows/TFrmVersion.h"

#include <memory>

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    QtPlatform platform;
    const std::unique_ptr<QObject> signalWatch(QuitOnTerminationSignals());

    // The main window comes first: its creation fills the texts the other windows read.
    TFrmScreenColor mainWindow(platform);
    mainWindow.FrmHelp = new TFrmHelp(platform, &mainWindow);
    mainWindow.FrmVersion = new TFrmVersion(platform, &mainWindow);
    // A session that ends asks the program to keep its data before it may be stopped.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, mainWindow.Settings,
                     &SettingsStore::SaveSettings);
    mainWindow.show();
    return TintraApplication::exec();
}
