#pragma once

#include <QLoggingCategory>

// What the program logs, one category a part: warnings, which say what a user could act on, are on;
// the rest is turned on with QT_LOGGING_RULES, e.g. "tintra.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcGuard)     // failures the handlers' guard swallowed
Q_DECLARE_LOGGING_CATEGORY(lcPicking)   // the pick loop
Q_DECLARE_LOGGING_CATEGORY(lcFiles)     // the settings and list files
Q_DECLARE_LOGGING_CATEGORY(lcLoader)    // the desktop's back ends chosen
Q_DECLARE_LOGGING_CATEGORY(lcX11)       // the X11 screen
Q_DECLARE_LOGGING_CATEGORY(lcWlroots)   // the wlroots screen copy and pick mode
Q_DECLARE_LOGGING_CATEGORY(lcWayland)   // the views drawn straight on Wayland
Q_DECLARE_LOGGING_CATEGORY(lcPortal)    // the desktop portals and their screen cast
Q_DECLARE_LOGGING_CATEGORY(lcPageFetch) // the page helper, as the program runs it
Q_DECLARE_LOGGING_CATEGORY(lcMemory)    // what the program gives back of its memory
