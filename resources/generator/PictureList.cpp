#include "PictureList.h"

#include "AboutCard.h"
#include "Banner.h"
#include "Buttons.h"
#include "Frame.h"
#include "Glyphs.h"
#include "Panels.h"
#include "Tone.h"
#include "Words.h"

namespace generator {

std::vector<Picture> pictures() {
    const auto button = [](const char16_t* caption, const Face& face = CalmFace) {
        return [caption, face](QImage& image) { drawButton(image, say(caption), face); };
    };
    const auto checkBox = [](const char16_t* caption, bool ticked) {
        return [caption, ticked](QImage& image) { drawCheckBox(image, say(caption), ticked); };
    };
    const auto piece = [](int x, int y) { return [x, y](QImage& image) { frame::cut(image, x, y); }; };
    using frame::Left, frame::Top, frame::Span;
    const int rightEdge = frame::Width - frame::Right;
    const int bottomEdge = frame::Height - frame::Bottom;

    return {
        {"BtnCopyColor", Format::Bmp, 103, 25, button(u"复制颜色")},
        {"BtnAddColorFav", Format::Bmp, 103, 25, button(u"收藏颜色")},
        {"BtnOtherFun", Format::Bmp, 103, 25, button(u"其他功能")},
        {"BtnSCHelpDoc", Format::Bmp, 103, 25, button(u"帮助文档")},
        {"BtnSCExit", Format::Bmp, 103, 25, button(u"退 出")},
        {"cStartGetColor", Format::Bmp, 103, 25, button(u"停止取色", ActiveFace)},
        {"ncStartGetColor", Format::Bmp, 103, 25, button(u"开始取色")},
        {"cAlwaysOnTop", Format::Bmp, 97, 19, checkBox(u"总在最上方", true)},
        {"ncAlwaysOnTop", Format::Bmp, 97, 19, checkBox(u"总在最上方", false)},
        {"ccolorpre", Format::Bmp, 83, 19, checkBox(u"颜色前缀", true)},
        {"nccolorpre", Format::Bmp, 83, 19, checkBox(u"颜色前缀", false)},
        {"BtnClose", Format::Bmp, 56, 25, button(u"关闭")},
        {"BtnChangeRandomColor", Format::Bmp, 92, 25, button(u"随机取色")},

        {"banner", Format::Jpg, 980, 65, drawBanner},
        {"ImgTiaosheBoard", Format::Jpg, 248, 142, drawAdjusterBoard},
        {"ImgZoomBG", Format::Jpg, 251, 143, drawMagnifierHeader},
        {"ImgColorFavList", Format::Jpg, 300, 25,
         [](QImage& image) { drawListHeader(image, say(u"颜色收藏列表"), drawStar); }},
        {"ImgCurColorVal", Format::Jpg, 533, 40, drawCurrentValueRow},
        {"ImgColorList", Format::Jpg, 300, 30,
         [](QImage& image) { drawListHeader(image, say(u"颜色列表"), drawPage); }},
        {"helpdoc", Format::Jpg, 358, 218, drawAboutCard},

        {"FrameTopLeft", Format::Bmp, frame::Left, frame::Top, piece(0, 0)},
        {"FrameTop", Format::Bmp, Span, frame::Top, piece(Left, 0), Tiling::Across},
        {"FrameTopRight", Format::Bmp, frame::Right, frame::Top, piece(rightEdge, 0)},
        {"FrameLeft", Format::Bmp, frame::Left, Span, piece(0, Top), Tiling::Down},
        {"FrameRight", Format::Bmp, frame::Right, Span, piece(rightEdge, Top), Tiling::Down},
        {"FrameBottomLeft", Format::Bmp, frame::Left, frame::Bottom, piece(0, bottomEdge)},
        {"FrameBottom", Format::Bmp, Span, frame::Bottom, piece(Left, bottomEdge), Tiling::Across},
        {"FrameBottomRight", Format::Bmp, frame::Right, frame::Bottom, piece(rightEdge, bottomEdge)},

        {"ListEdgeLeft", Format::Bmp, 9, 64,
         [](QImage& image) {
             drawColumns(image, {tone::Window, QColor(232, 241, 250), QColor(214, 228, 243),
                                 QColor(198, 216, 237), QColor(184, 206, 231), QColor(170, 195, 225),
                                 QColor(132, 158, 190), tone::Border, QColor(250, 252, 255)});
         },
         Tiling::Down},
        {"ListEdgeRight", Format::Bmp, 7, 64,
         [](QImage& image) {
             drawColumns(image,
                         {QColor(250, 252, 255), tone::Border, QColor(132, 158, 190), QColor(172, 196, 226),
                          QColor(198, 216, 237), QColor(224, 235, 248), tone::Window});
         },
         Tiling::Down},
        {"ZoomOut", Format::Bmp, 19, 18, [](QImage& image) { drawMagnifierGlyph(image, false); }},
        {"ZoomIn", Format::Bmp, 19, 17, [](QImage& image) { drawMagnifierGlyph(image, true); }},
    };
}

} // namespace generator
