#include "ui/controls/WindowFonts.h"

#include <QStringList>

void UseStandInFaces() {
    // The windows leave room for lines as tall as the font's pixel size, which is what the faces they
    // name have. The stand-ins are the faces with such lines; the taller faces after them only cover
    // characters the first lacks.
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
    // A Song face for the Hei name: no Hei face at hand has a line that short at 21 pixels, and the
    // about card's rule of underscores, the only text in this face, needs the line, not the style.
    const QStringList hei{QStringLiteral("AR PL SungtiL GB"), QStringLiteral("Noto Sans CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("SimHei"), hei);
    QFont::insertSubstitutions(QStringLiteral("黑体"), hei);
    // Of the Palatino cuts, the one whose line fits the version label.
    QFont::insertSubstitutions(QStringLiteral("Book Antiqua"), {QStringLiteral("TeX Gyre Pagella")});
    // The sans face with the shortest line at 11 pixels.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
}

// Only the real faces are named: a family named here would be tried before any stand-in.
QFont SongTi(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体")});
    font.setPixelSize(pixelHeight);
    return font;
}

QFont HeiTi(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("SimHei"), QStringLiteral("黑体")});
    font.setPixelSize(pixelHeight);
    return font;
}
