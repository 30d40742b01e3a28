#include "ui/picker/HintLine.h"

#include "core/picker/ColorPicker.h"
#include "ui/controls/CentredText.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/PacedText.h"
#include "ui/controls/WindowColors.h"
#include "ui/controls/WindowFonts.h"

HintLine::HintLine(const ColorPicker& picker, DirectViews& views, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PnlBottom"));
    SetBackground(this, WindowColor);
    auto* line = new DockLayout(this);
    auto spacer = [this, line](const char* name, DockLayout::Dock dock, int size) {
        auto* space = new QWidget(this);
        space->setObjectName(QString::fromLatin1(name));
        line->addWidget(space, dock, size);
    };
    spacer("ScrollBox5", DockLayout::Top, 5);
    spacer("ScrollBox2", DockLayout::Left, 42);
    spacer("ScrollBox3", DockLayout::Right, 42);
    auto* middle = new QWidget(this);
    middle->setObjectName(QStringLiteral("PnlHintPnl"));
    line->addWidget(middle, DockLayout::Client);

    text_ = new CentredText(middle);
    text_->setObjectName(QStringLiteral("LblHnit"));
    // Redrawn at every move of the pointer while picking: no ligatures or kerning to work out, which
    // this font's Chinese and Latin letters and digits do not have anyway.
    QFont font = SongTi(12);
    font.setStyleStrategy(QFont::PreferNoShaping);
    text_->setFont(font);
    QPalette red = text_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    text_->setPalette(red);
    text_->DrawDirectly(views);
    (new DockLayout(middle))->addWidget(text_, DockLayout::Client);
    text_->SetText(picker.Hint());
    // A screen reader reads the hint as the line's description, which follows the pointer's position
    // at most once a second.
    text_->setAccessibleName(tr("提示"));
    auto* told = new PacedText([this](const QString& hint) { text_->setAccessibleDescription(hint); }, this);
    told->Set(picker.Hint());
    connect(&picker, &ColorPicker::HintChanged, text_, [this, told, &picker] {
        text_->SetText(picker.Hint());
        told->Set(picker.Hint());
    });
}
