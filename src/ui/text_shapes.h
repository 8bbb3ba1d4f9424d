#pragma once
// Texts laid out once and drawn again wherever they recur, exactly as QPainter::drawText would
// draw them: the glyph runs the painter's own layout gives, with the start of the baseline and
// each glyph's offset from it truncated to 1/64 pixel as the painter's text drawing keeps them.
// The grid labels of a picture repeat at every redraw.
//
// Checked by the gui tests, which paint whole pictures with and without the kept shapes (the
// renderer's shortcuts on and off) and compare them pixel for pixel.
#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

// A coordinate in pixels as the text drawing keeps it: in 1/64 pixel, truncated.
inline qreal truncate_to_64ths(qreal v) {
    return static_cast<qreal>(static_cast<int>(v * 64)) / 64;
}

// The shapes of the texts of one font. Keep one per picture, for the pictures painted in its
// font.
class TextShapes {
  public:
    struct Shape {
        // Glyphs and their positions from the start of the baseline, in 1/64 pixel as the text
        // drawing keeps them.
        QList<QGlyphRun> runs;
        qreal ascent = 0; // of the line the runs were laid out on, in 1/64 pixel
    };
    // The shape of the UTF-8 `text` in `font`, or null the first time the text comes: laying a
    // text out to keep it costs more than drawing it once, so only a text that recurs is kept.
    // The shapes of another font are forgotten.
    const Shape* shape(std::string_view text, const QFont& font);

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    QFont font_;
    std::unordered_map<std::string, Shape, Hash, std::equal_to<>> shapes_;
    std::unordered_set<std::string, Hash, std::equal_to<>> seen_; // texts met once
};
