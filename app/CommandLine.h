#pragma once

#include "core/color/ColorFormats.h"

#include <QString>
#include <QStringList>

// What the program was asked on its command line, read before the application (and its display) is
// made, so that the help, the version and a mistake are told with no desktop at all.
struct CommandLine {
    enum class Action {
        Run,     // the window, as always
        Pick,    // one colour under the pointer, written to standard output
        Help,    // Text to standard output, status 0
        Version, // Text to standard output, status 0
        Mistake, // Text to standard error, status 2
    };
    Action What = Action::Run;
    ColorTextStyle Style;
    QString Text;
};

// The arguments as the program got them, its own name first.
CommandLine ReadCommandLine(const QStringList& arguments);
