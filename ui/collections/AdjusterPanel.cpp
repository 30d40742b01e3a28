#include "ui/collections/AdjusterPanel.h"

#include "core/collections/ClipboardOutput.h"
#include "ui/controls/AdjusterBar.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/ImageControl.h"
#include "ui/controls/QtColor.h"
#include "ui/controls/WindowColors.h"
#include "ui/resources/SkinPictures.h"

#include <QLabel>
#include <QSignalBlocker>

AdjusterPanel::AdjusterPanel(ColorAdjuster& adjuster, const ClipboardOutput& clipboard, QWidget* parent)
    : QWidget(parent), adjuster_(adjuster), clipboard_(clipboard) {
    setObjectName(QStringLiteral("PnlColorPlatte"));
    SetBackground(this, WindowColor);
    board_ = new ImageControl(this);
    board_->setObjectName(QStringLiteral("ImgTiaosheBoard"));
    (new DockLayout(this))->addWidget(board_, DockLayout::Client);
    LoadBoard();

    // The red and green bars fill their caption lines, so their numbers sit past the bars' ends, just
    // outside the board's frame; the blue number has room on its caption line above its bar.
    const struct {
        const char* Bar;
        const char* Number;
        int BarTop;
        QRect NumberPlace;
        QString Name; // the board's caption of the bar
    } rows[] = {{"SbR", "LblR", 38, {250, 41, 24, 15}, tr("红")},
                {"SbG", "LblG", 66, {250, 69, 24, 15}, tr("绿")},
                {"SbB", "LblB", 101, {41, 86, 24, 15}, tr("蓝")}};
    for (ColorAdjuster::Bar bar : {ColorAdjuster::Red, ColorAdjuster::Green, ColorAdjuster::Blue}) {
        numbers_[bar] = new QLabel(this);
        numbers_[bar]->setObjectName(QString::fromLatin1(rows[bar].Number));
        numbers_[bar]->setGeometry(rows[bar].NumberPlace);
        bars_[bar] = new AdjusterBar(this);
        bars_[bar]->setObjectName(QString::fromLatin1(rows[bar].Bar));
        bars_[bar]->setGeometry(50, rows[bar].BarTop, 185, 20);
        bars_[bar]->setRange(0, 255);
        bars_[bar]->setSingleStep(1);
        bars_[bar]->setPageStep(1);
        bars_[bar]->setAccessibleName(rows[bar].Name);
        connect(bars_[bar], &AdjusterBar::valueChanged, this,
                [this, bar](int position) { adjuster_.BarChange(bar, position); });
    }
    sample_ = new ImageControl(this);
    sample_->setObjectName(QStringLiteral("ImgCopy"));
    sample_->setGeometry(174, 10, ClipboardOutput::SampleWidth, ClipboardOutput::SampleHeight);
    sample_->hide();

    connect(&adjuster, &ColorAdjuster::Changed, this, &AdjusterPanel::ShowBars);
    connect(&clipboard, &ClipboardOutput::SampleChanged, this, &AdjusterPanel::ShowSample);
    ShowBars();
}

void AdjusterPanel::LoadBoard() {
    board_->LoadJpegResource(QStringLiteral("ImgTiaosheBoard"), QStringLiteral("jpg"));
}

void AdjusterPanel::showEvent(QShowEvent* event) {
    if (board_->Picture().isNull())
        LoadBoard();
    QWidget::showEvent(event);
}

void AdjusterPanel::hideEvent(QHideEvent* event) {
    board_->SetPicture({});
    QWidget::hideEvent(event);
}

void AdjusterPanel::ShowBars() {
    for (ColorAdjuster::Bar bar : {ColorAdjuster::Red, ColorAdjuster::Green, ColorAdjuster::Blue}) {
        const QSignalBlocker quiet(bars_[bar]); // the adjuster moved it: no change to hand back
        bars_[bar]->setValue(adjuster_.Position(bar));
        numbers_[bar]->setText(adjuster_.Label(bar));
    }
}

void AdjusterPanel::ShowSample() {
    if (const auto color = clipboard_.Sample())
        sample_->SetPicture(SamplePicture(*color));
}
