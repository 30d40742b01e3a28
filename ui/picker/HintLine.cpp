#include "ui/picker/HintLine.h"

#include "core/picker/ColourPicker.h"
#include "ui/controls/DockLayout.h"
#include "ui/controls/WindowColours.h"
#include "ui/controls/WindowFonts.h"

#include <QLabel>

HintLine::HintLine(const ColourPicker& picker, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PnlBottom"));
    SetBackground(this, WindowColour);
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

    text_ = new QLabel(middle);
    text_->setObjectName(QStringLiteral("LblHnit"));
    text_->setFont(SongTi(12));
    text_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    text_->setWordWrap(true);
    QPalette red = text_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    text_->setPalette(red);
    (new DockLayout(middle))->addWidget(text_, DockLayout::Client);
    text_->setText(picker.Hint());
    connect(&picker, &ColourPicker::HintChanged, text_, [this, &picker] { text_->setText(picker.Hint()); });
}
