#include "picker/TFrmScreenColor.h"

#include "colour/CurrentColour.h"
#include "picker/SpeedButton.h"
#include "windows/Guard.h"
#include "windows/Messages.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr QRgb WindowBackground = 0xF5FAFE; // red 245, green 250, blue 254

// The window's typeface is SimSun; where it is missing a CJK font that has the same glyphs stands in.
QFont SongTi(int pixelHeight) {
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(pixelHeight);
    return font;
}

} // namespace

TFrmScreenColor::TFrmScreenColor(QWidget* parent) : QWidget(parent) {
    setFont(SongTi(15));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(WindowBackground));
    setPalette(palette);

    ScrollBox1 = new QWidget(this);
    ScrollBox1->setGeometry(0, 0, 109, 60);

    BtnColorPre = new SpeedButton(ScrollBox1);
    BtnColorPre->setGeometry(6, 1, 86, 22);
    BtnColorPre->setText(QStringLiteral("颜色前缀"));
    BtnColorPre->setToolTip(QStringLiteral("带颜色前缀"));

    CbColorValType = new QComboBox(ScrollBox1);
    CbColorValType->setGeometry(5, 25, 90, 23);
    CbColorValType->setEditable(true);
    CbColorValType->setInsertPolicy(QComboBox::NoInsert);
    for (const char* name : ColorFormatNames)
        CbColorValType->addItem(QString::fromLatin1(name));
    CbColorValType->setToolTip(QStringLiteral("取色的格式"));

    Panel4 = new QWidget(this);
    Panel4->setGeometry(0, 600 - 34, 498, 34);

    LblCurVal = new QLineEdit(Panel4);
    LblCurVal->setGeometry(101, 4, 340, 23);
    LblCurVal->setFrame(false);
    LblCurVal->setFont(SongTi(20));
    LblCurVal->setText(QStringLiteral("_____"));

    Current = new CurrentColour(LblCurVal, CbColorValType, BtnColorPre, systemColours_, this);

    FormCreate();
}

TFrmScreenColor::~TFrmScreenColor() = default;

void TFrmScreenColor::FormCreate() {
    RunGuarded([this] {
        // Qt paints every widget through an off-screen buffer already, so there is no flicker to turn off.
        LblCurVal->setReadOnly(true);
        InitMessages();
        setWindowTitle(QString::fromStdString(ProductShortName));
        setGeometry(20, 10, 498, 600);
    });
}
