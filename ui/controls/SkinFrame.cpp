#include "ui/controls/SkinFrame.h"

#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/WindowColors.h"

namespace {

constexpr ColorValue BandColor = 16449269; // red 245, green 254, blue 250

QWidget* Band(QWidget* window, const char* left, const char* middle, const char* right, int leftWidth,
              int rightWidth, ImageControl*& leftPicture, ImageControl*& middlePicture,
              ImageControl*& rightPicture) {
    QWidget* band = ColoredPanel(window, BandColor);
    auto* layout = new DockLayout(band);
    leftPicture = FramePicture(band, left);
    layout->addWidget(leftPicture, DockLayout::Left, leftWidth);
    rightPicture = FramePicture(band, right);
    layout->addWidget(rightPicture, DockLayout::Right, rightWidth);
    middlePicture = FramePicture(band, middle);
    layout->addWidget(middlePicture, DockLayout::Client);
    return band;
}

} // namespace

ImageControl* FramePicture(QWidget* parent, const char* name) {
    auto* image = new ImageControl(parent);
    image->ShowPictureResource(QString::fromLatin1(name), QStringLiteral("bmp"));
    image->SetStretched(true);
    return image;
}

SkinFrame SkinFrame::Add(QWidget* window, DockLayout* layout, Sizes sizes) {
    SkinFrame frame{};
    frame.TopBand = Band(window, "FrameTopLeft", "FrameTop", "FrameTopRight", sizes.LeftCorner,
                         sizes.RightCorner, frame.TopLeft, frame.TopMiddle, frame.TopRight);
    layout->addWidget(frame.TopBand, DockLayout::Top, sizes.Top);
    frame.BottomBand = Band(window, "FrameBottomLeft", "FrameBottom", "FrameBottomRight", sizes.LeftCorner,
                            sizes.RightCorner, frame.BottomLeft, frame.BottomMiddle, frame.BottomRight);
    layout->addWidget(frame.BottomBand, DockLayout::Bottom, sizes.Bottom);
    frame.LeftEdge = FramePicture(window, "FrameLeft");
    layout->addWidget(frame.LeftEdge, DockLayout::Left, sizes.Left);
    frame.RightEdge = FramePicture(window, "FrameRight");
    layout->addWidget(frame.RightEdge, DockLayout::Right, sizes.Right);
    return frame;
}
