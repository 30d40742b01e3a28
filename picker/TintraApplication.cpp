#include "picker/TintraApplication.h"

#include "picker/WindowFonts.h"

TintraApplication::TintraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tintra"));
    UseStandInFaces();
}

bool TintraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ApplicationEvents1Exception();
        return false;
    }
}
