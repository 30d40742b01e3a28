#include "ui/controls/CentredText.h"

#include "platform/DirectViews.h"

#include <QEvent>
#include <QPainter>
#include <QTextOption>

CentredText::CentredText(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent); // nothing under it needs painting first
    QTextOption centred(Qt::AlignHCenter);
    centred.setWrapMode(QTextOption::WordWrap);
    layout_.setTextOption(centred);
    layout_.setFont(font());
    line_.SetFont(font());
}

CentredText::~CentredText() = default;

void CentredText::SetText(const QString& text) {
    if (text == text_)
        return;
    // Only the lines' box is drawn again, the old text's and the new one's: the rest of the control stays.
    const QRect before = TextBox();
    text_ = text;
    Layout();
    if (!PutDirectly())
        update(before | TextBox());
}

bool CentredText::PutDirectly() {
    if (!views_ || !isVisible() || rect().isEmpty())
        return false;
    if (!directTried_) {
        directTried_ = true;
        direct_ = views_->Create(this);
    }
    // At a fractional scale the control's edges fall inside device pixels, which only a repaint gets right.
    const qreal scale = devicePixelRatioF();
    if (!direct_ || scale != qreal(int(scale)))
        return false;
    // The whole control, as a repaint draws it: the letters' soft edges reach past the lines' box. A
    // line that only changed some letters in place, as the pointer's position mostly does, has only
    // theirs drawn and put again.
    const QSize pixels = size() * int(scale);
    QRegion changed = rect();
    if (picture_.size() != pixels || picture_.devicePixelRatio() != scale) {
        painter_.reset();
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(scale);
        painter_ = std::make_unique<QPainter>(&picture_);
    } else if (glyphs_ && drawn_) {
        changed = GlyphLine::Changed(*drawn_, *glyphs_, rect());
    }
    drawn_ = glyphs_;
    // Each part on its own, clipped to a rectangle, with the letters that reach into it: they are then
    // blended as in a whole paint.
    for (const QRect& part : changed) {
        painter_->setClipRect(part);
        Paint(*painter_, glyphs_ ? std::optional(GlyphLine::Within(*glyphs_, part)) : std::nullopt);
    }
    painter_->setClipping(false);
    QRegion changedPixels;
    for (const QRect& part : changed)
        changedPixels += QRect(part.topLeft() * int(scale), part.size() * int(scale));
    return direct_->Put(picture_, changedPixels);
}

QRect CentredText::TextBox() const {
    if (glyphs_)
        return QRectF(0, 0, width(), line_.Height()).toAlignedRect();
    return layout_.boundingRect().toAlignedRect();
}

void CentredText::Layout() {
    glyphs_ = line_.Set(text_, width());
    if (glyphs_)
        return;
    layout_.setText(text_);
    layout_.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout_.createLine(); line.isValid(); line = layout_.createLine()) {
        line.setLineWidth(width());
        line.setPosition({0, top});
        top += line.height();
    }
    layout_.endLayout();
}

void CentredText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter, glyphs_);
}

void CentredText::Paint(QPainter& painter, const std::optional<QGlyphRun>& glyphs) {
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    if (glyphs)
        painter.drawGlyphRun({0, 0}, *glyphs);
    else
        layout_.draw(&painter, {0, 0});
}

void CentredText::resizeEvent(QResizeEvent*) { Layout(); } // a resized control is drawn whole

void CentredText::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange)
        drawn_.reset(); // the put picture's colours are no longer the control's
    // The font is given to the layout only when it changes: giving it again drops what the layout keeps
    // of it.
    if (event->type() == QEvent::FontChange) {
        layout_.setFont(font());
        line_.SetFont(font());
        Layout();
        update();
    }
    QWidget::changeEvent(event);
}
