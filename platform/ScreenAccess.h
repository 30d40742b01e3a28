#pragma once

#include "core/color/ColorValue.h"
#include "core/picker/PickingWay.h"
#include "core/picker/ShareToken.h"

#include <QObject>
#include <QString>

// How the desktop lets the program at its screen, and the steps some desktops take first: the screen
// reader reads only what this grants.
class ScreenAccess : public QObject {
    Q_OBJECT
public:
    virtual PickingWay Kind() const = 0;
    // The back end, as the about window names it.
    virtual QString Name() const = 0;
    // Where there is no way: why, in a few words the hint line adds to its own.
    virtual QString Reason() const { return {}; }

    // Picking switched on: a live way may ask the user first (Refused follows a no); a pick mode opens;
    // a one-shot asks the desktop for a colour (Picked or Refused follows).
    virtual void Start() = 0;
    // Picking switched off: a pick mode closes, and says nothing more.
    virtual void Stop() = 0;

    // Where the key the desktop gave last time is read when a share is asked for, and a new one kept.
    virtual void UseShareToken(ShareToken&) {}

signals:
    // A click in the pick mode, or the desktop's tool, chose this colour.
    void Picked(ColorValue color);
    // The user left the pick mode (Esc) or it closed under the program.
    void Ended();
    // The user or the desktop said no, or the screen went away: why, for the hint line.
    void Refused(const QString& why);
    // Something to tell the user before the desktop asks them.
    void Explain(const QString& text);
    // The user asked a pick mode that holds every input for the magnifier to zoom in or out.
    void ZoomAsked(bool in);
};
