// Draws every picture the windows are dressed in -- button faces, check boxes,
// panel backgrounds, the banner, the about card and the pieces of the window
// frame -- and writes them into the folder named on the command line.
//
//   generate_pictures <output folder>          (the pictures with words in Chinese, and in
//                                               English in the folder's en/)
//   generate_pictures --icons <output folder>     (the application icon, in hicolor/)
//
// File names are upper case with an upper-case extension. ".BMP" pictures are
// written as 24-bit bottom-up bitmaps, ".JPG" pictures as baseline JFIF at
// quality 92. Each file is read back and checked before the next one is drawn.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QConicalGradient>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// The program's colours, so that every picture looks like part of the same window.
namespace tone {
const QColor Window(245, 250, 254);
const QColor Centre(218, 232, 245);
const QColor Banner(32, 32, 68);
const QColor Accent(52, 120, 200);
const QColor AccentLight(92, 156, 226);
const QColor AccentDeep(32, 84, 152);
const QColor Border(84, 104, 130);
const QColor SoftBorder(166, 186, 208);
const QColor Ink(30, 42, 62);
const QColor MutedInk(96, 112, 134);
} // namespace tone

class Failure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

QColor mix(const QColor& from, const QColor& to, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// The language the words of the pictures are drawn in: the program's Chinese, or English for the
// English program, whose pictures lie in a folder of their own.
bool English = false;
// How many words the picture being drawn has said: one without is the same in every language.
int WordsSaid = 0;

// A picture's words in the language drawn.
QString say(const char16_t* chinese) {
    static const QHash<QString, QString> english{
        {QStringLiteral("复制颜色"), QStringLiteral("Copy colour")},
        {QStringLiteral("收藏颜色"), QStringLiteral("Add favourite")},
        {QStringLiteral("其他功能"), QStringLiteral("More")},
        {QStringLiteral("帮助文档"), QStringLiteral("Help")},
        {QStringLiteral("退 出"), QStringLiteral("Exit")},
        {QStringLiteral("停止取色"), QStringLiteral("Stop picking")},
        {QStringLiteral("开始取色"), QStringLiteral("Start picking")},
        {QStringLiteral("总在最上方"), QStringLiteral("Keep on top")},
        {QStringLiteral("颜色前缀"), QStringLiteral("Prefix")},
        {QStringLiteral("关闭"), QStringLiteral("Close")},
        {QStringLiteral("随机取色"), QStringLiteral("Random")},
        {QStringLiteral("屏幕取色器"), QStringLiteral("Colour picker")},
        {QStringLiteral("调色板"), QStringLiteral("Palette")},
        {QStringLiteral("红："), QStringLiteral("R:")},
        {QStringLiteral("绿："), QStringLiteral("G:")},
        {QStringLiteral("蓝："), QStringLiteral("B:")},
        {QStringLiteral("放大镜"), QStringLiteral("Magnifier")},
        {QStringLiteral("放大"), QStringLiteral("×")},
        {QStringLiteral("倍"), QString()}, // "× 2": English says it all before the factor
        {QStringLiteral("颜色收藏列表"), QStringLiteral("Favourite colours")},
        {QStringLiteral("颜色列表"), QStringLiteral("Colour list")},
        {QStringLiteral("当前颜色值："), QStringLiteral("Current value:")},
        {QStringLiteral("版本号："), QStringLiteral("Version:")},
        {QStringLiteral("屏幕取色工具"), QStringLiteral("Screen colour picker")},
        {QStringLiteral("主页："), QStringLiteral("Web:")},
        {QStringLiteral("拾取、放大、调色与收藏屏幕上的颜色"),
         QStringLiteral("Pick, magnify, adjust and keep screen colours")},
    };
    const QString words = QString::fromUtf16(chinese);
    ++WordsSaid;
    if (!English)
        return words;
    const auto found = english.find(words);
    if (found == english.end())
        throw Failure("no English words for \"" + words.toStdString() + "\"");
    return *found;
}

QFont chineseFont(int pixelSize, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Without the CJK faces Qt would quietly fall back to whatever it finds and the
// captions would come out as boxes or in a foreign-looking face.
void requireChineseFont() {
    const QFont font = chineseFont(13);
    const QString family = QFontInfo(font).family();
    if (!family.startsWith(QStringLiteral("Noto Sans CJK")) &&
        !family.startsWith(QStringLiteral("Noto Serif CJK")))
        throw Failure("no Noto CJK face is installed (got \"" + family.toStdString() +
                      "\"); install fonts-noto-cjk");
    const QFontMetricsF metrics(font);
    for (const QChar c : QStringLiteral("颜色复制收藏调板放大镜倍当前值版本号屏幕取器"))
        if (!metrics.inFont(c))
            throw Failure("the font \"" + family.toStdString() + "\" lacks " + QString(c).toStdString());
}

enum class Along { Left, Centre, Right };

// Writes `text` into `box`. Vertically the box of an ideograph is centred, so
// every caption sits at the same height whatever strokes its characters have;
// `centreInk` centres the text's own ink instead (for Latin words). Horizontally
// the text starts at, is centred in or ends at the box. The pen position is
// rounded to whole pixels so the glyphs stay sharp. Text whose ink would leave
// the box is refused rather than drawn clipped. Returns the ink rectangle.
QRectF putText(QPainter& p, const QString& text, const QFont& font, const QColor& colour, const QRectF& box,
               Along along = Along::Centre, bool centreInk = false) {
    const QFontMetricsF metrics(font);
    const double advance = metrics.horizontalAdvance(text);
    const QRectF ink = metrics.tightBoundingRect(text);
    const QRectF reference = centreInk ? ink : metrics.tightBoundingRect(QStringLiteral("国"));

    double x = box.left();
    if (along == Along::Centre)
        x = box.center().x() - advance / 2;
    else if (along == Along::Right)
        x = box.right() - advance;
    x = std::round(x);
    const double baseline = std::round(box.center().y() - (reference.top() + reference.bottom()) / 2);

    const QRectF placed = ink.translated(x, baseline);
    const QRectF device(0, 0, p.device()->width(), p.device()->height());
    if (!box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(placed) || !device.contains(placed))
        throw Failure(QStringLiteral("\"%1\" (%2 px) needs %3,%4 %5x%6 but has only %7,%8 %9x%10")
                          .arg(text)
                          .arg(font.pixelSize())
                          .arg(placed.left())
                          .arg(placed.top())
                          .arg(placed.width())
                          .arg(placed.height())
                          .arg(box.left())
                          .arg(box.top())
                          .arg(box.width())
                          .arg(box.height())
                          .toStdString());
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(x, baseline), text);
    return placed;
}

// A rectangle with its top corners rounded, used for the tabs of the panels.
QPainterPath tabShape(const QRectF& r, double radius) {
    QPainterPath path;
    path.moveTo(r.bottomLeft());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.topLeft(), QPointF(r.left() + radius, r.top()));
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.topRight(), QPointF(r.right(), r.top() + radius));
    path.lineTo(r.bottomRight());
    path.closeSubpath();
    return path;
}

void drawTab(QPainter& p, const QRectF& r, const QString& caption) {
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    fill.setColorAt(0, tone::AccentLight);
    fill.setColorAt(1, tone::Accent);
    p.setPen(QPen(tone::AccentDeep, 1));
    p.setBrush(fill);
    p.drawPath(tabShape(r, 4));
    putText(p, caption, chineseFont(13, true), Qt::white, r.adjusted(-0.5, 0.5, 0.5, 0.5));
}

// The little colour wheel with a picking ring in the middle: the product's mark.
void drawColourWheel(QPainter& p, const QPointF& centre, double radius, const QColor& hole) {
    QConicalGradient hues(centre, 90);
    for (int i = 0; i <= 6; ++i)
        hues.setColorAt(i / 6.0, QColor::fromHsvF(static_cast<float>(i % 6) / 6.0f, 0.80f, 0.96f));
    p.setPen(Qt::NoPen);
    p.setBrush(hues);
    p.drawEllipse(centre, radius, radius);

    QRadialGradient wash(centre, radius);
    wash.setColorAt(0.0, QColor(255, 255, 255, 235));
    wash.setColorAt(0.35, QColor(255, 255, 255, 150));
    wash.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setBrush(wash);
    p.drawEllipse(centre, radius, radius);

    p.setBrush(hole);
    p.setPen(QPen(QColor(255, 255, 255, 220), radius * 0.08));
    p.drawEllipse(centre, radius * 0.30, radius * 0.30);
    p.setPen(QPen(QColor(255, 255, 255, 170), std::max(1.0, radius * 0.05)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius - 0.5, radius - 0.5);
}

// ---- push buttons and check boxes -------------------------------------------------

struct Face {
    QColor top;
    QColor bottom;
    QColor border;
};

const Face CalmFace{QColor(98, 160, 228), QColor(44, 106, 186), QColor(28, 72, 134)};
const Face ActiveFace{QColor(238, 116, 98), QColor(196, 60, 50), QColor(134, 36, 30)};

void drawButton(QImage& image, const QString& caption, const Face& face) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = image.width();
    const double h = image.height();

    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, face.top);
    fill.setColorAt(0.5, mix(face.top, face.bottom, 0.4));
    fill.setColorAt(1.0, face.bottom);
    p.setPen(QPen(face.border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 3, 3);

    // A faint light rim under the top edge lifts the face off the window.
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.drawLine(QPointF(3, 1.5), QPointF(w - 3, 1.5));

    putText(p, caption, chineseFont(13), Qt::white, QRectF(0, 0, w, h - 1));
}

void drawCheckBox(QImage& image, const QString& caption, bool ticked) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double top = std::floor((image.height() - 13) / 2.0);
    const QRectF box(2.5, top + 0.5, 12, 12);

    if (ticked) {
        QLinearGradient fill(0, box.top(), 0, box.bottom());
        fill.setColorAt(0, tone::AccentLight);
        fill.setColorAt(1, tone::Accent);
        p.setPen(QPen(tone::AccentDeep, 1));
        p.setBrush(fill);
    } else {
        p.setPen(QPen(tone::Border, 1));
        p.setBrush(Qt::white);
    }
    p.drawRoundedRect(box, 2, 2);

    if (ticked) {
        QPainterPath tick;
        tick.moveTo(5.3, top + 6.8);
        tick.lineTo(7.8, top + 9.4);
        tick.lineTo(12.0, top + 4.2);
        p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }

    putText(p, caption, chineseFont(13), tone::Ink, QRectF(19, 0, image.width() - 19, image.height()),
            Along::Left);
}

// ---- banner, panels and the about card ---------------------------------------------

void drawBanner(QImage& image) {
    const double w = image.width();
    const double h = image.height();
    image.fill(tone::Banner);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sweep(0, 0, w, 0);
    sweep.setColorAt(0.0, QColor(46, 46, 96));
    sweep.setColorAt(0.45, tone::Banner);
    sweep.setColorAt(1.0, QColor(24, 24, 54));
    p.fillRect(image.rect(), sweep);

    // Soft coloured glows across the right part, like light through stained glass.
    struct Glow {
        double x, y, radius, hue;
    };
    for (const Glow& g : {Glow{520, 8, 110, 0.58}, Glow{650, 60, 120, 0.83}, Glow{790, 6, 120, 0.50},
                          Glow{930, 52, 130, 0.08}}) {
        QRadialGradient light(QPointF(g.x, g.y), g.radius);
        light.setColorAt(0, QColor::fromHsvF(static_cast<float>(g.hue), 0.70f, 0.90f, 0.30f));
        light.setColorAt(1, QColor::fromHsvF(static_cast<float>(g.hue), 0.70f, 0.90f, 0.0f));
        p.fillRect(image.rect(), light);
    }

    // Faint diagonal pin-stripes.
    p.setPen(QPen(QColor(255, 255, 255, 9), 10));
    for (double x = -h; x < w + h; x += 38)
        p.drawLine(QPointF(x, h), QPointF(x + h, 0));

    // A thin spectrum along the bottom edge.
    QLinearGradient spectrum(0, 0, w, 0);
    for (int i = 0; i <= 6; ++i)
        spectrum.setColorAt(i / 6.0, QColor::fromHsvF(static_cast<float>(i % 6) / 6.0f, 0.75f, 0.95f));
    p.fillRect(QRectF(0, h - 3, w, 3), spectrum);

    drawColourWheel(p, QPointF(40, 30.5), 20, tone::Banner);

    QFont brand = chineseFont(32, true);
    const QRectF name =
        putText(p, QStringLiteral("Tintra"), brand, Qt::white, QRectF(72, 4, 140, 54), Along::Left, true);

    const double rule = std::round(name.right()) + 14.5;
    p.setPen(QPen(QColor(255, 255, 255, 80), 1));
    p.drawLine(QPointF(rule, 16), QPointF(rule, 46));

    putText(p, say(u"屏幕取色器"), chineseFont(16, true), QColor(214, 226, 246),
            QRectF(rule + 13.5, 10, 160, 22), Along::Left);

    // A row of swatches, the colours a user might have collected, under the tagline. The window lays
    // its link label over x 317..445, y 36..56 of the strip, so they must end before x 312.
    const double first = std::round(rule) + 14.5;
    const int count = 5;
    if (first + count * 16 - 4 > 312)
        throw Failure("the swatches run under the link label");
    for (int i = 0; i < count; ++i) {
        const QColor c = QColor::fromHsvF(static_cast<float>(i) / count, 0.72f, 0.95f);
        p.setPen(QPen(QColor(255, 255, 255, 110), 1));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(first + i * 16, 38.5, 12, 12), 3, 3);
    }
}

void drawAdjusterBoard(QImage& image) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(tone::SoftBorder, 1));
    p.setBrush(tone::Window);
    p.drawRoundedRect(QRectF(0.5, 22.5, image.width() - 1.0, image.height() - 23.0), 3, 3);
    drawTab(p, QRectF(0.5, 0.5, 70, 22), say(u"调色板"));

    const QFont label = chineseFont(13, true);
    putText(p, say(u"红："), label, QColor(196, 46, 46), QRectF(8, 34, 32, 17), Along::Left);
    putText(p, say(u"绿："), label, QColor(34, 136, 60), QRectF(8, 61, 32, 17), Along::Left);
    putText(p, say(u"蓝："), label, QColor(38, 88, 204), QRectF(8, 88, 32, 17), Along::Left);
}

void drawMagnifierHeader(QImage& image) {
    image.fill(tone::Window);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    p.fillRect(QRect(0, 0, image.width(), 24), tone::Centre);
    p.fillRect(QRect(0, 24, image.width(), 1), tone::SoftBorder);
    drawTab(p, QRectF(0.5, 2.5, 74, 22), say(u"放大镜"));

    const QFont label = chineseFont(13);
    // The factor stands between the two words, the zoom buttons left of the first.
    putText(p, say(u"放大"), label, tone::Ink, QRectF(124, 0, 26, 24));
    if (const QString times = say(u"倍"); !times.isEmpty())
        putText(p, times, label, tone::Ink, QRectF(172, 0, 18, 24));
}

void drawListHeader(QImage& image, const QString& caption,
                    const std::function<void(QPainter&, double)>& icon) {
    const double h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(238, 245, 252));
    fill.setColorAt(1, tone::Centre);
    p.fillRect(image.rect(), fill);
    p.fillRect(QRect(0, image.height() - 1, image.width(), 1), tone::SoftBorder);

    icon(p, std::floor((h - 1) / 2.0));
    putText(p, caption, chineseFont(13, true), tone::Ink, QRectF(26, 0, 160, h - 1), Along::Left);
}

void drawStar(QPainter& p, double middle) {
    const QPointF centre(13, middle + 0.5);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const double r = (i % 2 == 0) ? 7.2 : 3.0;
        const QPointF point(centre.x() + r * std::cos(angle), centre.y() + r * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    QLinearGradient gold(0, centre.y() - 7, 0, centre.y() + 6);
    gold.setColorAt(0, QColor(255, 214, 92));
    gold.setColorAt(1, QColor(236, 150, 30));
    p.setPen(QPen(QColor(176, 104, 18), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(star);
}

void drawPage(QPainter& p, double middle) {
    const double top = middle - 7;
    QPainterPath page;
    page.moveTo(7.5, top + 0.5);
    page.lineTo(15.5, top + 0.5);
    page.lineTo(19.5, top + 4.5);
    page.lineTo(19.5, top + 15.5);
    page.lineTo(7.5, top + 15.5);
    page.closeSubpath();
    p.setPen(QPen(tone::Border, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(tone::Centre);
    QPainterPath fold;
    fold.moveTo(15.5, top + 0.5);
    fold.lineTo(15.5, top + 4.5);
    fold.lineTo(19.5, top + 4.5);
    p.drawPath(fold);
    const QColor rows[] = {QColor(214, 64, 56), QColor(46, 150, 70), QColor(52, 120, 200)};
    for (int i = 0; i < 3; ++i) {
        const int y = static_cast<int>(top) + 6 + i * 3;
        p.fillRect(QRect(10, y, 3, 2), rows[i]);
        p.fillRect(QRect(14, y, 4, 2), tone::SoftBorder);
    }
}

void drawCurrentValueRow(QImage& image) {
    image.fill(tone::Centre);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    putText(p, say(u"当前颜色值："), chineseFont(14), tone::Ink, QRectF(4, 0, 94, 34));
}

void drawAboutCard(QImage& image) {
    const double w = image.width();
    const double h = image.height();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, tone::Window);
    p.fillRect(image.rect(), fill);
    p.fillRect(QRect(0, 0, image.width(), 4), tone::Accent);
    p.setPen(QPen(tone::SoftBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));

    drawColourWheel(p, QPointF(62, 62), 38, Qt::white);

    // The about window lays its version label over x 173..203, y 52..80 of the card, its link label
    // over x 135..311, y 122..143 (where the home page is written) and its close button over
    // x 242..299, y 190..216; those places stay plain but for the address.
    putText(p, QStringLiteral("Tintra"), chineseFont(38, true), tone::Accent, QRectF(120, 4, 220, 48),
            Along::Left, true);
    putText(p, say(u"版本号："), chineseFont(13), tone::Ink, QRectF(112, 58, 60, 18), Along::Right);
    putText(p, say(u"屏幕取色工具"), chineseFont(14, true), tone::Ink, QRectF(120, 86, 220, 19), Along::Left);
    p.fillRect(QRect(20, 112, image.width() - 40, 1), tone::SoftBorder);
    putText(p, say(u"主页："), chineseFont(13), tone::Ink, QRectF(70, 124, 62, 17), Along::Right);
    putText(p, QStringLiteral("tintra.app"), chineseFont(15), tone::Accent, QRectF(138, 122, 170, 20),
            Along::Left);
    putText(p, say(u"拾取、放大、调色与收藏屏幕上的颜色"), chineseFont(12), tone::MutedInk,
            QRectF(20, 152, 300, 16), Along::Left);
}

// ---- window frame ------------------------------------------------------------------

// The frame is painted once as a whole small window and then cut into its nine
// pieces, so corners and edges meet without a step. Every ring of the frame keeps
// one colour along its side, which is what lets the side pieces be tiled.
namespace frame {
constexpr int Left = 7;
constexpr int Top = 12;
constexpr int Right = 13;
constexpr int Bottom = 11;
constexpr int Span = 64;
constexpr int Width = Left + Span + Right;
constexpr int Height = Top + Span + Bottom;

const QColor Outer(28, 44, 72);
const QColor InnerDark(34, 70, 122);
const QColor InnerLight(214, 228, 244);

// t runs from 0 at the outside of the coloured band to 1 at its inside; `light`
// brightens (positive) or shades (negative) a side, giving the frame a bevel.
QColor band(double t, double light) {
    const QColor c = mix(QColor(100, 164, 232), QColor(40, 96, 172), t);
    return light >= 0 ? mix(c, Qt::white, light) : mix(c, Qt::black, -light);
}

QColor at(int x, int y) {
    if (x == 0 || y == 0 || x == Width - 1 || y == Height - 1)
        return Outer;
    const int dx = x < Left ? Left - x : (x >= Width - Right ? x - (Width - Right) + 1 : 0);
    const int dy = y < Top ? Top - y : (y >= Height - Bottom ? y - (Height - Bottom) + 1 : 0);
    const int ring = std::max(dx, dy);
    if (ring == 1)
        return InnerLight;
    if (ring == 2)
        return InnerDark;

    // Inside the band: where two sides meet, the side nearer its own outer edge wins,
    // which makes a mitred corner.
    double bestT = 2.0;
    double bestLight = 0.0;
    const auto consider = [&](int depth, int inset, double light) {
        const double t = (depth - 1.0) / (inset - 4.0);
        if (t < bestT) {
            bestT = t;
            bestLight = light;
        }
    };
    if (y < Top)
        consider(y, Top, 0.10);
    if (y >= Height - Bottom)
        consider(Height - 1 - y, Bottom, -0.16);
    if (x < Left)
        consider(x, Left, 0.05);
    if (x >= Width - Right)
        consider(Width - 1 - x, Right, -0.08);
    return band(bestT, bestLight);
}

const QImage& canvas() {
    static const QImage whole = [] {
        QImage image(Width, Height, QImage::Format_RGB32);
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                image.setPixelColor(x, y, at(x, y));
        return image;
    }();
    return whole;
}

void cut(QImage& image, int x, int y) { image = canvas().copy(QRect(x, y, image.width(), image.height())); }
} // namespace frame

// The edges either side of a list panel: a shaded rail outside, a dark rule, and
// a light line against the list itself.
void drawColumns(QImage& image, const std::vector<QColor>& columns) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, columns.at(static_cast<std::size_t>(x)));
}

void drawMagnifierGlyph(QImage& image, bool plus) {
    image.fill(tone::Centre);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(8, 8);
    const double radius = 5.6;

    p.setPen(QPen(QColor(70, 82, 102), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.6, 12.6), QPointF(image.width() - 2.5, image.height() - 2.5));

    QRadialGradient lens(QPointF(6.5, 6.5), radius + 1);
    lens.setColorAt(0, Qt::white);
    lens.setColorAt(1, QColor(208, 228, 250));
    p.setPen(QPen(tone::AccentDeep, 1.6));
    p.setBrush(lens);
    p.drawEllipse(centre, radius, radius);

    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(5, 7, 6, 2), tone::AccentDeep);
    if (plus)
        p.fillRect(QRect(7, 5, 2, 6), tone::AccentDeep);
}

// ---- writing and checking -----------------------------------------------------------

enum class Format { Bmp, Jpg };
enum class Tiling { None, Across, Down };

struct Picture {
    QString name;
    Format format;
    int width;
    int height;
    std::function<void(QImage&)> draw;
    Tiling tiling = Tiling::None;
};

int channelStep(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// A piece repeated side by side must not show a step where one copy meets the
// next that is any sharper than the steps inside the piece itself.
void requireSeamless(const QImage& image, Tiling tiling) {
    if (tiling == Tiling::None)
        return;
    const bool across = tiling == Tiling::Across;
    const int length = across ? image.width() : image.height();
    const int breadth = across ? image.height() : image.width();
    for (int i = 0; i < breadth; ++i) {
        const auto pixel = [&](int along) { return across ? image.pixel(along, i) : image.pixel(i, along); };
        int inner = 0;
        for (int j = 1; j < length; ++j)
            inner = std::max(inner, channelStep(pixel(j - 1), pixel(j)));
        const int seam = channelStep(pixel(length - 1), pixel(0));
        if (seam > inner)
            throw Failure("shows a seam of " + std::to_string(seam) + " where it repeats (line " +
                          std::to_string(i) + ")");
    }
}

std::uint32_t little(const QByteArray& bytes, int at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes.at(at + i));
    return value;
}

void requireBmpLayout(const QByteArray& bytes, int width, int height) {
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        throw Failure("is not a BMP file");
    if (little(bytes, 14, 4) != 40)
        throw Failure("does not use the 40-byte BITMAPINFOHEADER");
    if (static_cast<std::int32_t>(little(bytes, 18, 4)) != width ||
        static_cast<std::int32_t>(little(bytes, 22, 4)) != height)
        throw Failure("has the wrong size or is stored top-down");
    if (little(bytes, 28, 2) != 24 || little(bytes, 30, 4) != 0)
        throw Failure("is not an uncompressed 24-bit bitmap");
    const int stride = (width * 3 + 3) / 4 * 4;
    if (bytes.size() < static_cast<int>(little(bytes, 10, 4)) + stride * height)
        throw Failure("is shorter than its pixel rows");
}

void requireBaselineJfif(const QByteArray& bytes) {
    if (bytes.size() < 20 || static_cast<std::uint8_t>(bytes.at(0)) != 0xFF ||
        static_cast<std::uint8_t>(bytes.at(1)) != 0xD8)
        throw Failure("is not a JPEG file");
    if (static_cast<std::uint8_t>(bytes.at(3)) != 0xE0 || bytes.mid(6, 5) != QByteArray("JFIF", 5))
        throw Failure("does not start with a JFIF header");
    bool baseline = false;
    int at = 2;
    while (at + 4 <= bytes.size()) {
        if (static_cast<std::uint8_t>(bytes.at(at)) != 0xFF)
            throw Failure("has a broken marker sequence");
        const std::uint8_t marker = static_cast<std::uint8_t>(bytes.at(at + 1));
        if (marker == 0xDA)
            break;
        if (marker == 0xC0)
            baseline = true;
        else if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC)
            throw Failure("is not a baseline JPEG");
        at += 2 + ((static_cast<std::uint8_t>(bytes.at(at + 2)) << 8) |
                   static_cast<std::uint8_t>(bytes.at(at + 3)));
    }
    if (!baseline)
        throw Failure("has no baseline frame header");
}

QString fileName(const Picture& picture) {
    return picture.name.toUpper() +
           (picture.format == Format::Bmp ? QStringLiteral(".BMP") : QStringLiteral(".JPG"));
}

void write(const Picture& picture, const QDir& folder) {
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    image.fill(tone::Window);
    picture.draw(image);
    if (image.size() != QSize(picture.width, picture.height))
        throw Failure("was drawn at the wrong size");
    image = image.convertToFormat(QImage::Format_RGB32);
    requireSeamless(image, picture.tiling);

    const QString path = folder.filePath(fileName(picture));
    QImageWriter writer(path, picture.format == Format::Bmp ? "bmp" : "jpeg");
    if (picture.format == Format::Jpg) {
        writer.setQuality(92);
        writer.setProgressiveScanWrite(false);
        writer.setOptimizedWrite(false);
    }
    if (!writer.write(image))
        throw Failure("could not be written: " + writer.errorString().toStdString());

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure("could not be read back");
    const QByteArray bytes = file.readAll();
    if (picture.format == Format::Bmp)
        requireBmpLayout(bytes, picture.width, picture.height);
    else
        requireBaselineJfif(bytes);
    const QImage back(path);
    if (back.size() != image.size())
        throw Failure("reads back at the wrong size");
}

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

// ---- the application icon -----------------------------------------------------------

// The mark on a rounded tile in the banner's colour, so that it stands out on light and dark panels
// alike. Sizes are of a 256-pixel icon, scaled.
namespace icon {
constexpr double Canvas = 256;
constexpr double TileMargin = 8;
constexpr double TileRadius = 52;
constexpr double WheelRadius = 92;
const QString Name = QStringLiteral("app.tintra.Tintra");
constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The SVG cannot sweep hues round a point, so it lays them in this many slices.
constexpr int Slices = 90;
} // namespace icon

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / icon::Canvas, size / icon::Canvas);
    p.setPen(Qt::NoPen);
    p.setBrush(tone::Banner);
    const double side = icon::Canvas - 2 * icon::TileMargin;
    p.drawRoundedRect(QRectF(icon::TileMargin, icon::TileMargin, side, side), icon::TileRadius,
                      icon::TileRadius);
    drawColourWheel(p, QPointF(icon::Canvas / 2, icon::Canvas / 2), icon::WheelRadius, tone::Banner);
    return image;
}

// The same picture as drawIcon, as SVG text.
QByteArray iconSvg() {
    const double c = icon::Canvas / 2;
    const double r = icon::WheelRadius;
    const auto number = [](double value) { return QByteArray::number(value, 'f', 3); };
    const auto colour = [](const QColor& value) { return value.name(QColor::HexRgb).toLatin1(); };
    const auto point = [&](double degrees) {
        const double radians = degrees * std::numbers::pi / 180;
        return number(c + r * std::cos(radians)) + ',' + number(c - r * std::sin(radians));
    };
    const double side = icon::Canvas - 2 * icon::TileMargin;
    QByteArray svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
        "  <defs>\n"
        "    <radialGradient id=\"wash\" cx=\"" +
        number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r) +
        "\" gradientUnits=\"userSpaceOnUse\">\n"
        "      <stop offset=\"0\" stop-color=\"#ffffff\" stop-opacity=\"0.922\"/>\n"
        "      <stop offset=\"0.35\" stop-color=\"#ffffff\" stop-opacity=\"0.588\"/>\n"
        "      <stop offset=\"1\" stop-color=\"#ffffff\" stop-opacity=\"0\"/>\n"
        "    </radialGradient>\n"
        "  </defs>\n";
    svg += "  <rect x=\"" + number(icon::TileMargin) + "\" y=\"" + number(icon::TileMargin) + "\" width=\"" +
           number(side) + "\" height=\"" + number(side) + "\" rx=\"" + number(icon::TileRadius) +
           "\" fill=\"" + colour(tone::Banner) + "\"/>\n";
    // Hue 0 points up and the hues turn anticlockwise, as the conical gradient has them; each slice
    // reaches a little into the next so that no seam shows between them.
    for (int i = 0; i < icon::Slices; ++i) {
        const double from = 90 + 360.0 * i / icon::Slices;
        const double to = 90 + 360.0 * (i + 1) / icon::Slices + 0.6;
        const QColor hue = QColor::fromHsvF(static_cast<float>((i + 0.5) / icon::Slices), 0.80f, 0.96f);
        svg += "  <path d=\"M" + number(c) + ',' + number(c) + " L" + point(from) + " A" + number(r) + ',' +
               number(r) + " 0 0 0 " + point(to) + " Z\" fill=\"" + colour(hue) + "\"/>\n";
    }
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r) +
           "\" fill=\"url(#wash)\"/>\n";
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r * 0.30) +
           "\" fill=\"" + colour(tone::Banner) +
           "\" stroke=\"#ffffff\" stroke-opacity=\"0.863\" stroke-width=\"" + number(r * 0.08) + "\"/>\n";
    svg += "  <circle cx=\"" + number(c) + "\" cy=\"" + number(c) + "\" r=\"" + number(r - 0.5) +
           "\" fill=\"none\" stroke=\"#ffffff\" stroke-opacity=\"0.667\" stroke-width=\"" + number(r * 0.05) +
           "\"/>\n";
    return svg + "</svg>\n";
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        throw Failure("could not be written");
}

// The icon in the hicolor theme's folders under `folder`: a PNG at each usual size and the SVG.
void writeIcons(const QDir& folder) {
    for (const int size : icon::Sizes) {
        const QString apps = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        const QString path = folder.filePath(apps + '/' + icon::Name + QStringLiteral(".png"));
        if (!QDir().mkpath(folder.filePath(apps)))
            throw Failure("cannot make " + apps.toStdString());
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        if (!drawIcon(size).save(&png, "png"))
            throw Failure("could not be encoded as PNG");
        writeFile(path, png.data());
        const QImage back(path);
        if (back.size() != QSize(size, size) || !back.hasAlphaChannel())
            throw Failure(path.toStdString() + " reads back at the wrong size or without transparency");
        std::printf("%-40s %4d x %-4d\n", qPrintable(apps), size, size);
    }
    const QString scalable = QStringLiteral("hicolor/scalable/apps");
    if (!QDir().mkpath(folder.filePath(scalable)))
        throw Failure("cannot make " + scalable.toStdString());
    writeFile(folder.filePath(scalable + '/' + icon::Name + QStringLiteral(".svg")), iconSvg());
    std::printf("%-40s SVG\n", qPrintable(scalable));
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList arguments = QCoreApplication::arguments();
    const bool icons = arguments.size() == 3 && arguments.at(1) == QStringLiteral("--icons");
    if (icons)
        arguments.removeAt(1);
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: generate_pictures [--icons] <output folder>\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (icons) {
        try {
            writeIcons(folder);
        } catch (const Failure& failure) {
            std::fprintf(stderr, "icon: %s\n", failure.what());
            return 1;
        }
        return 0;
    }

    try {
        requireChineseFont();
    } catch (const Failure& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }

    const QDir englishFolder(folder.filePath(QStringLiteral("en")));
    if (!QDir().mkpath(englishFolder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(englishFolder.path()));
        return 1;
    }
    for (const bool english : {false, true}) {
        English = english;
        const QDir& into = english ? englishFolder : folder;
        for (const Picture& picture : pictures()) {
            const QString path = into.filePath(fileName(picture));
            try {
                WordsSaid = 0;
                write(picture, into);
            } catch (const Failure& failure) {
                std::fprintf(stderr, "%s %s\n", qPrintable(path), failure.what());
                return 1;
            }
            if (english && WordsSaid == 0) {
                QFile::remove(path);
                continue;
            }
            std::printf("%-29s %4d x %-4d\n", qPrintable(folder.relativeFilePath(path)), picture.width,
                        picture.height);
        }
    }
    return 0;
}
