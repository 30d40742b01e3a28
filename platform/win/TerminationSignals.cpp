#include "platform/TerminationSignals.h"

// A window program has no console whose events could end it: "taskkill" closes its windows and the
// session's end asks it to save (commitDataRequest), both through Qt.
QObject* QuitOnTerminationSignals() { return nullptr; }

bool QuitBySignal() { return false; }
