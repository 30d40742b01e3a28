#include "Words.h"

#include "Failure.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>

#include <cmath>

namespace generator {

bool English = false;
int WordsSaid = 0;

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

QFont chineseFont(int pixelSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

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

QRectF putText(QPainter& p, const QString& text, const QFont& font, const QColor& color, const QRectF& box,
               Along along, bool centreInk) {
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
    p.setPen(color);
    p.drawText(QPointF(x, baseline), text);
    return placed;
}

} // namespace generator
