#include "picker/WindowFonts.h"

#include <QStringList>

QFont SongTi(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelHeight);
    return font;
}

QFont HeiTi(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(pixelHeight);
    return font;
}
