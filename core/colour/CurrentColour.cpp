#include "core/colour/CurrentColour.h"

#include "ui/picker/QtColor.h"
#include "ui/picker/SpeedButton.h"
#include "core/Guard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPalette>
#include <QSignalBlocker>

CurrentColour::CurrentColour(QLineEdit* lblCurVal, QComboBox* cbColorValType, SpeedButton* btnColorPre,
                             const SystemColours& systemColours, QObject* parent)
    : QObject(parent), lblCurVal_(lblCurVal), cbColorValType_(cbColorValType), btnColorPre_(btnColorPre),
      systemColours_(systemColours) {
    connect(cbColorValType_, &QComboBox::currentIndexChanged, this, &CurrentColour::CbColorValTypeChange);
    if (const QLineEdit* typed = cbColorValType_->lineEdit())
        connect(typed, &QLineEdit::textEdited, this, &CurrentColour::FormatTextEdited);
    connect(btnColorPre_, &SpeedButton::clicked, this, &CurrentColour::BtnColorPreClick);
}

ColorValue CurrentColour::ShownColor() const { return ResolveSystemColor(colour_, systemColours_); }

QString CurrentColour::FormatColorValue(ColorValue value) const {
    const ColorTextStyle style{cbColorValType_->currentIndex(), btnColorPre_->Tag == 0,
                               QLocale().decimalPoint().toStdString()};
    return QString::fromStdString(::FormatColorValue(value, style, systemColours_));
}

void CurrentColour::ShowAsCurrentColor(ColorValue value) {
    colour_ = value;
    QPalette palette = lblCurVal_->palette();
    palette.setColor(QPalette::Base, ToQColor(ShownColor()));
    palette.setColor(QPalette::Text, ToQColor(ReadableTextColor(value)));
    lblCurVal_->setPalette(palette);
    lblCurVal_->setText(FormatColorValue(value));
}

void CurrentColour::ShowAsCurrentColorFromText(std::string_view text) {
    ShowAsCurrentColor(ParseColorValueText(text).value_or(ColorWhite));
}

void CurrentColour::CbColorValTypeChange() {
    RunGuarded([this] {
        ShowAsCurrentColor(colour_);
        emit CopyColorToClipboard();
    });
}

void CurrentColour::FormatTextEdited(const QString& text) {
    RunGuarded([&] {
        // The typed text selects the format it names, or none; the text stays as typed.
        const int named = cbColorValType_->findText(text, Qt::MatchFixedString);
        if (named != cbColorValType_->currentIndex()) {
            const QSignalBlocker quiet(cbColorValType_);
            QLineEdit* edit = cbColorValType_->lineEdit();
            const int cursor = edit->cursorPosition();
            cbColorValType_->setCurrentIndex(named);
            edit->setText(text);
            edit->setCursorPosition(cursor);
        }
        CbColorValTypeChange();
    });
}

void CurrentColour::BtnColorPreClick() {
    RunGuarded([this] {
        if (btnColorPre_->Tag == 1) {
            btnColorPre_->Tag = 0;
            btnColorPre_->LoadGlyph(QStringLiteral("ccolorpre"));
        } else {
            btnColorPre_->Tag = 1;
            btnColorPre_->LoadGlyph(QStringLiteral("nccolorpre"));
        }
    });
}
