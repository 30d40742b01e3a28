#pragma once

class QObject;

// SIGTERM, SIGHUP and SIGINT end the program the way closing its window does, through the event loop,
// so that it saves what the user keeps. The returned object watches for them (none on Windows, where
// such requests come as window messages that Qt turns into a close); the caller owns it.
QObject* QuitOnTerminationSignals();

// Whether one of them ended the event loop: nobody is then at the desktop to be asked anything.
bool QuitBySignal();
