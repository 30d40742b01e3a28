#include "ui/controls/GlyphLine.h"

#include <QList>
#include <QPointF>

#include <cmath>

namespace {

int InSixtyFourths(qreal value) { return int(std::lround(value * 64)); }

// The columns a glyph may draw in, over the whole height.
QRect InkStrip(const QRawFont& font, quint32 glyph, QPointF at, const QRect& whole) {
    constexpr int Spill = 2; // pixels of soft edge and hinting beyond the outline
    const QRectF outline = font.boundingRect(glyph).translated(at);
    return QRect(QPoint(int(std::floor(outline.left())) - Spill, whole.top()),
                 QPoint(int(std::ceil(outline.right())) + Spill, whole.bottom()));
}

} // namespace

void GlyphLine::SetFont(const QFont& font) {
    // A font that may be shaped is kerned, and may join letters: only the layout sets it right.
    font_ = font.styleStrategy() & QFont::PreferNoShaping ? QRawFont::fromFont(font) : QRawFont();
    glyphs_.clear();
    ascent_ = InSixtyFourths(font_.ascent());
    const int height = ascent_ + InSixtyFourths(font_.descent());
    height_ = ((height + 63) & -64) / 64.0;
}

std::optional<GlyphLine::Glyph> GlyphLine::GlyphFor(QChar character) {
    const auto kept = glyphs_.constFind(character.unicode());
    if (kept != glyphs_.cend())
        return *kept;
    std::optional<Glyph> glyph;
    // Breaks and the other spaces are where the layout wraps or stretches; marks and surrogates join or
    // shape; a right-to-left letter turns the line.
    const bool plain = character.isPrint() && (character == u' ' || !character.isSpace()) &&
                       !character.isMark() && !character.isSurrogate() &&
                       character.direction() != QChar::DirR && character.direction() != QChar::DirAL;
    if (plain && font_.isValid()) {
        const QList<quint32> indexes = font_.glyphIndexesForString(QString(character));
        const QList<QPointF> advances = indexes.size() == 1 && indexes[0] != 0
                                            ? font_.advancesForGlyphIndexes(indexes)
                                            : QList<QPointF>();
        // An advance of part of a pixel is rounded by the layout or not, as the font engine can place
        // glyphs between pixels or not: only whole pixels are taken.
        const int advance = InSixtyFourths(advances.value(0).x());
        if (advances.size() == 1 && advance % 64 == 0)
            glyph = Glyph{indexes[0], advance};
    }
    glyphs_.insert(character.unicode(), glyph);
    return glyph;
}

std::optional<QGlyphRun> GlyphLine::Set(const QString& text, int width) {
    QList<quint32> indexes;
    QList<QPointF> positions;
    indexes.reserve(text.size());
    positions.reserve(text.size());
    int advance = 0;
    for (const QChar character : text) {
        const std::optional<Glyph> glyph = GlyphFor(character);
        if (!glyph)
            return std::nullopt;
        indexes.append(glyph->Index);
        positions.append({advance / 64.0, 0});
        advance += glyph->Advance;
    }
    // A space at the end is left out of the width the layout centres.
    if (text.isEmpty() || text.endsWith(u' ') || advance > width * 64)
        return std::nullopt;
    // Centred as the layout centres, in its 64ths: half the room left, rounded down.
    const int left = (width * 64 - advance) / 2;
    for (QPointF& position : positions)
        position += QPointF(left / 64.0, ascent_ / 64.0);
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(indexes);
    run.setPositions(positions);
    return run;
}

QRegion GlyphLine::Changed(const QGlyphRun& before, const QGlyphRun& after, const QRect& whole) {
    const QList<QPointF> at = after.positions();
    if (before.rawFont() != after.rawFont() || before.positions() != at)
        return whole;
    const QList<quint32> was = before.glyphIndexes(), now = after.glyphIndexes();
    QRegion changed;
    for (qsizetype i = 0; i < now.size(); ++i)
        if (was[i] != now[i])
            changed += InkStrip(after.rawFont(), was[i], at[i], whole) |
                       InkStrip(after.rawFont(), now[i], at[i], whole);
    return changed & whole;
}

QGlyphRun GlyphLine::Within(const QGlyphRun& line, const QRect& part) {
    const QList<quint32> indexes = line.glyphIndexes();
    const QList<QPointF> positions = line.positions();
    QList<quint32> inside;
    QList<QPointF> at;
    for (qsizetype i = 0; i < indexes.size(); ++i)
        if (InkStrip(line.rawFont(), indexes[i], positions[i], part).intersects(part)) {
            inside.append(indexes[i]);
            at.append(positions[i]);
        }
    QGlyphRun run = line;
    run.setGlyphIndexes(inside);
    run.setPositions(at);
    return run;
}
