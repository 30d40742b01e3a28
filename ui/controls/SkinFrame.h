#pragma once

class DockLayout;
class ImageControl;
class QWidget;

// The decorative frame of the program's windows: a top and a bottom band, each a left corner, a middle
// and a right corner picture, and a left and a right edge, docked round whatever the window adds next.
struct SkinFrame {
    struct Sizes {
        int Top, Bottom, Left, Right; // band heights and edge widths
        int LeftCorner, RightCorner;  // corner widths in the bands
    };

    QWidget* TopBand;
    ImageControl *TopLeft, *TopMiddle, *TopRight;
    QWidget* BottomBand;
    ImageControl *BottomLeft, *BottomMiddle, *BottomRight;
    ImageControl *LeftEdge, *RightEdge;

    static SkinFrame Add(QWidget* window, DockLayout* layout, Sizes sizes);
};

// A picture of a window definition, stretched over its control.
ImageControl* FramePicture(QWidget* parent, const char* name);
