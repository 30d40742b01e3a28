#pragma once

#include "app/TintraApplication.h"
#include "core/windows/Messages.h"

#include <QStringList>

// The program speaks the first of these desktop languages it knows while this lives, and its own Chinese
// again after; the process-wide messages follow both ways.
class Speaking {
public:
    explicit Speaking(const QStringList& uiLanguages) : chosen(Application().Speak(uiLanguages)) {
        InitMessages();
    }
    ~Speaking() {
        Application().Speak({});
        InitMessages();
    }
    Speaking(const Speaking&) = delete;
    Speaking& operator=(const Speaking&) = delete;

    static TintraApplication& Application() { return *static_cast<TintraApplication*>(qApp); }

    const QString chosen;
};
