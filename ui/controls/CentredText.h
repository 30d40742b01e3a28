#pragma once

#include "ui/controls/GlyphLine.h"

#include <QImage>
#include <QTextLayout>
#include <QWidget>

#include <memory>

class DirectView;
class QPainter;
class DirectViews;

// A text centred across the control from its top, wrapped at word ends, on the palette's window colour. The
// text is laid out once when it, the font or the width changes; painting only draws the lines. A label lays
// out a text again for its size and again to paint it, which shows when the text changes forty times a
// second. A line of plain characters, as the pointer's position is, is set from glyphs kept from the last
// texts, without a layout.
class CentredText : public QWidget {
    Q_OBJECT
public:
    explicit CentredText(QWidget* parent = nullptr);
    ~CentredText() override;

    QString Text() const { return text_; }
    void SetText(const QString& text);
    // The box the lines take, in the control's coordinates.
    QRect TextBox() const;
    // A text that changes at every move of the pointer goes straight to the screen where the desktop
    // allows it, past the toolkit's repaint of the window round it.
    void DrawDirectly(DirectViews& views) { views_ = &views; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Layout();
    // The control's background, and the line's glyphs given where it is such a line, else the layout.
    void Paint(QPainter& painter, const std::optional<QGlyphRun>& glyphs);
    // Whether the control went straight to the screen.
    bool PutDirectly();

    QString text_;
    // The text's glyphs where it is such a line, else its layout.
    GlyphLine line_;
    std::optional<QGlyphRun> glyphs_;
    QTextLayout layout_;
    DirectViews* views_ = nullptr;
    // Made when first needed, once the window is up.
    std::unique_ptr<DirectView> direct_;
    bool directTried_ = false;
    // What goes to the screen, kept from one text to the next with the painter that draws on it, which
    // stays open: opening one is a good part of drawing a short line.
    QImage picture_;
    std::unique_ptr<QPainter> painter_;
    // The glyphs last drawn on it, where it shows such a line.
    std::optional<QGlyphRun> drawn_;
};
