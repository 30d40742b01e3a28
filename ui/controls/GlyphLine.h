#pragma once

#include <QGlyphRun>
#include <QHash>
#include <QRawFont>
#include <QRegion>

#include <optional>

// A text of one line set straight from its font's glyphs, each character's glyph and advance looked up
// once and kept. A text that changes at every move of the pointer is then set without the toolkit's
// layout, which itemises, breaks and shapes it anew each time. It takes only texts the layout would set
// the same way: in a font that is not shaped, characters the font itself has, none that join, break or
// turn the direction, on one line that fits the width and does not end in a space.
class GlyphLine {
public:
    void SetFont(const QFont& font);
    // The text's glyphs centred across the width, their baseline at the line's ascent below the top, where
    // the toolkit's layout puts them; nothing where the text is not such a line.
    std::optional<QGlyphRun> Set(const QString& text, int width);
    // The line's height, as the layout rounds it up.
    qreal Height() const { return height_; }
    // Where one line set here differs from another, as strips of the whole control's height: the
    // letters that changed in place, with the room their soft edges and hinting take past their
    // outlines; the whole control where the letters moved or their font changed.
    static QRegion Changed(const QGlyphRun& before, const QGlyphRun& after, const QRect& whole);
    // The line's glyphs that may draw in a part of the control.
    static QGlyphRun Within(const QGlyphRun& line, const QRect& part);

private:
    struct Glyph {
        quint32 Index = 0;
        // In 64ths of a pixel, the layout's unit.
        int Advance = 0;
    };
    std::optional<Glyph> GlyphFor(QChar character);

    QRawFont font_;
    QHash<char16_t, std::optional<Glyph>> glyphs_;
    int ascent_ = 0;
    qreal height_ = 0;
};
