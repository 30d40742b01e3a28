#include "ui/windows/TRndLabColForm.h"

#include "ui/picker/SpeedButton.h"
#include "ui/picker/WindowColours.h"
#include "ui/picker/WindowFonts.h"
#include "core/Guard.h"
#include "core/windows/Messages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <chrono>

ColourSwatch::ColourSwatch(QWidget* parent) : QLabel(parent) {}

void ColourSwatch::SetColor(ColorValue colour) {
    colour_ = colour;
    SetBackground(this, colour);
}

void ColourSwatch::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    emit MouseEnter();
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
}

TRndLabColForm::TRndLabColForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setFixedSize(729, 108);
    setWindowTitle(QStringLiteral("随机提取颜色"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    SetBackground(this, WindowColour);

    LblColor = new QLabel(QStringLiteral("__________"), this);
    LblColor->setGeometry(16, 13, 80, 15);
    LblColor->setFont(SongTi(15));
    SetBackground(LblColor, WindowColour);

    BtnChangeRandomColor = new SpeedButton(this);
    BtnChangeRandomColor->setGeometry(106, 8, 92, 26);
    BtnClose = new SpeedButton(this);
    BtnClose->setGeometry(203, 9, 55, 25);
    LblRandomSelectColor = new QLabel(this);
    LblRandomSelectColor->setGeometry(266, 21, 240, 12);
    LblRandomSelectColor->setFont(SongTi(12));
    QPalette red = LblRandomSelectColor->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    LblRandomSelectColor->setPalette(red);

    connect(BtnChangeRandomColor, &SpeedButton::clicked, this, &TRndLabColForm::BtnChangeRandomColorClick);
    connect(BtnClose, &SpeedButton::clicked, this, &TRndLabColForm::BtnCloseClick);
    FormCreate();
}

void TRndLabColForm::FormCreate() {
    RunGuarded([this] {
        setWindowTitle(QString::fromStdString(MsgRandomColors));
        LblRandomSelectColor->setText(QString::fromStdString(MsgRandomPickHint));
        BtnChangeRandomColor->LoadGlyph(QStringLiteral("BtnChangeRandomColor"));
        BtnClose->LoadGlyph(QStringLiteral("BtnClose"));
    });
    RunGuarded([this] {
        random_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
        for (int i = 1; i <= SwatchCount; ++i) {
            auto* swatch = new ColourSwatch(this);
            swatch->setGeometry((i - 1) * 11 + 8, 48, 10, 50);
            swatch->setMinimumSize(10, 50);
            swatch->setMaximumWidth(10);
            RandomLabels[i - 1] = swatch;
            swatch->SetColor(RandomColour());
            connect(swatch, &ColourSwatch::MouseEnter, this, [this, swatch] { LabelMouseEnter(swatch); });
            connect(swatch, &ColourSwatch::Clicked, this, &TRndLabColForm::LabelClick);
        }
    });
}

void TRndLabColForm::setVisible(bool visible) {
    // Centred on the screen, not on the main window, at every opening: placed before it shows, by its
    // client area, which the desktop's frame does not shift from one opening to the next.
    if (visible && !isVisible())
        if (QScreen* screen = this->screen())
            setGeometry(QRect(screen->availableGeometry().center() - rect().center(), size()));
    QDialog::setVisible(visible);
}

ColorValue TRndLabColForm::RandomColour() {
    return std::uniform_int_distribution<ColorValue>(0, ColorWhite)(random_);
}

void TRndLabColForm::BtnChangeRandomColorClick() {
    RunGuarded([this] {
        for (ColourSwatch* swatch : RandomLabels)
            swatch->SetColor(RandomColour());
    });
}

void TRndLabColForm::BtnCloseClick() {
    RunGuarded([this] {
        Picked = false;
        close();
    });
}

void TRndLabColForm::LabelMouseEnter(ColourSwatch* swatch) {
    RunGuarded([this, swatch] {
        QApplication::processEvents();
        preview_ = swatch->Color();
        SetBackground(LblColor, preview_);
    });
}

void TRndLabColForm::LabelClick() {
    RunGuarded([this] {
        Picked = true;
        close();
    });
}
