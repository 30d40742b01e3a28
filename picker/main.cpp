#include "picker/TFrmScreenColor.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tintra"));

    TFrmScreenColor mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
