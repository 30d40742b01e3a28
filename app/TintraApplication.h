#pragma once

#include <QApplication>

// The application object. Whatever a handler lets escape ends here and is dropped, with a trace in the
// log: the program never shows an error and never ends because of one.
class TintraApplication : public QApplication {
    Q_OBJECT
public:
    TintraApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
