// The layout of a recurring text kept as the painter's text drawing would lay it out, each time
// it draws it (see the header for how it is checked).
#include "ui/text_shapes.h"

#include <QString>
#include <QTextLayout>
#include <utility>

namespace {

// Texts kept by a TextShapes before it starts afresh.
constexpr qsizetype kMaxShapes = 4096;

} // namespace

const TextShapes::Shape* TextShapes::shape(std::string_view text, const QFont& font) {
    if (!(font == font_)) {
        font_ = font;
        shapes_.clear();
        seen_.clear();
    }
    const auto it = shapes_.find(text);
    if (it != shapes_.end()) {
        return &it->second;
    }
    if (shapes_.size() >= kMaxShapes || seen_.size() >= kMaxShapes) {
        shapes_.clear();
        seen_.clear();
    }
    const auto once = seen_.find(text);
    if (once == seen_.end()) {
        seen_.emplace(text);
        return nullptr;
    }
    seen_.erase(once);
    QTextLayout layout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    Shape shape{layout.glyphRuns(), truncate_to_64ths(line.ascent())};
    for (QGlyphRun& run : shape.runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& q : positions) {
            q = QPointF(truncate_to_64ths(q.x()), truncate_to_64ths(q.y()));
        }
        run.setPositions(positions);
    }
    return &shapes_.emplace(std::string(text), std::move(shape)).first->second;
}
