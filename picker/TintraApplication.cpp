#include "picker/TintraApplication.h"

TintraApplication::TintraApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Tintra"));
}

bool TintraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ApplicationEvents1Exception();
        return false;
    }
}
