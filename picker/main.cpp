#include "picker/TFrmScreenColor.h"
#include "picker/TintraApplication.h"
#include "platform/QtPlatform.h"
#include "windows/TFrmHelp.h"
#include "windows/TFrmVersion.h"

int main(int argc, char* argv[]) {
    TintraApplication application(argc, argv);
    QtPlatform platform;

    // The main window comes first: its creation fills the texts the other windows read.
    TFrmScreenColor mainWindow(platform);
    TFrmHelp help;
    TFrmVersion version;
    mainWindow.show();
    return TintraApplication::exec();
}
