#include "ui/windows/RandomColorWindow.h"

#include "core/Guard.h"
#include "core/windows/Messages.h"
#include "ui/controls/SpeedButton.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"
#include "ui/windows/ColorSwatch.h"

#include <QApplication>
#include <QScreen>

#include <chrono>

RandomColorWindow::RandomColorWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("TRndLabColForm"));
    setFixedSize(729, 108);
    setWindowTitle(tr("随机提取颜色"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    SetBackground(this, WindowColor);

    previewSwatch_ = new QLabel(QStringLiteral("__________"), this);
    previewSwatch_->setObjectName(QStringLiteral("LblColor"));
    previewSwatch_->setGeometry(16, 13, 80, 15);
    previewSwatch_->setFont(SongTi(15));
    SetBackground(previewSwatch_, WindowColor);

    auto* deal = new SpeedButton(this);
    deal->setObjectName(QStringLiteral("BtnChangeRandomColor"));
    deal->setGeometry(106, 8, 92, 26);
    auto* close = new SpeedButton(this);
    close->setObjectName(QStringLiteral("BtnClose"));
    close->setGeometry(203, 9, 55, 25);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("LblRandomSelectColor"));
    hint_->setGeometry(266, 21, 240, 12);
    hint_->setFont(SongTi(12));
    QPalette red = hint_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    hint_->setPalette(red);

    deal->setAccessibleName(tr("随机取色"));
    deal->setAccessibleDescription(tr("换一组随机颜色"));
    close->setAccessibleName(tr("关闭"));
    previewSwatch_->setAccessibleName(tr("预览的颜色"));
    connect(deal, &SpeedButton::clicked, this, &RandomColorWindow::BtnChangeRandomColorClick);
    connect(close, &SpeedButton::clicked, this, &RandomColorWindow::BtnCloseClick);
    FormCreate();
}

void RandomColorWindow::FormCreate() {
    RunGuarded([this] {
        setWindowTitle(QString::fromStdString(MsgRandomColors));
        hint_->setText(QString::fromStdString(MsgRandomPickHint));
        findChild<SpeedButton*>(QStringLiteral("BtnChangeRandomColor"))
            ->LoadGlyph(QStringLiteral("BtnChangeRandomColor"));
        findChild<SpeedButton*>(QStringLiteral("BtnClose"))->LoadGlyph(QStringLiteral("BtnClose"));
    });
    RunGuarded([this] {
        random_.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
        for (int i = 1; i <= SwatchCount; ++i) {
            auto* swatch = new ColorSwatch(this);
            swatch->setGeometry((i - 1) * 11 + 8, 48, 10, 50);
            swatch->setMinimumSize(10, 50);
            swatch->setMaximumWidth(10);
            swatches_[i - 1] = swatch;
            swatch->SetColor(RandomColor());
            connect(swatch, &ColorSwatch::MouseEnter, this, [this, swatch] { LabelMouseEnter(swatch); });
            connect(swatch, &ColorSwatch::Clicked, this, &RandomColorWindow::LabelClick);
        }
    });
}

void RandomColorWindow::setVisible(bool visible) {
    // Centred on the screen, not on the main window, at every opening: placed before it shows, by its
    // client area, which the desktop's frame does not shift from one opening to the next.
    if (visible && !isVisible())
        if (QScreen* screen = this->screen())
            setGeometry(QRect(screen->availableGeometry().center() - rect().center(), size()));
    QDialog::setVisible(visible);
}

ColorValue RandomColorWindow::RandomColor() {
    return std::uniform_int_distribution<ColorValue>(0, ColorWhite)(random_);
}

void RandomColorWindow::BtnChangeRandomColorClick() {
    RunGuarded([this] {
        for (ColorSwatch* swatch : swatches_)
            swatch->SetColor(RandomColor());
    });
}

void RandomColorWindow::BtnCloseClick() {
    RunGuarded([this] {
        Picked = false;
        close();
    });
}

void RandomColorWindow::LabelMouseEnter(ColorSwatch* swatch) {
    RunGuarded([this, swatch] {
        QApplication::processEvents();
        preview_ = swatch->Color();
        SetBackground(previewSwatch_, preview_);
        previewSwatch_->setAccessibleName(swatch->accessibleName());
    });
}

void RandomColorWindow::LabelClick() {
    RunGuarded([this] {
        Picked = true;
        close();
    });
}
