#pragma once
// One font of the printed pages, measured and drawn fast: the glyphs and advances of
// the characters below U+0300 are looked up once, so a cell of such characters is
// measured by adding advances and drawn as a glyph run, without shaping it again.
// A text with any other character (combining marks, other scripts, a glyph the font
// lacks) is measured and drawn by Qt's full text layout. Kerning is off, so both ways
// give the same widths.
#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QString>

#include <array>

class QPainter;
class QPointF;

namespace print {

class CTextFace {
public:
    explicit CTextFace(const QFont& font);

    const QFont& Font() const { return m_font; }
    const QFontMetricsF& Metrics() const { return m_metrics; }
    double Width(const QString& text) const;
    // The text with its baseline's left end at `origin`; the painter's font must be Font().
    void Draw(QPainter& painter, const QPointF& origin, const QString& text) const;

private:
    static constexpr char16_t kTableEnd = 0x300;
    bool Simple(const QString& text) const;

    QFont m_font;
    QFontMetricsF m_metrics;
    QRawFont m_raw;
    std::array<quint32, kTableEnd> m_glyphs{};
    std::array<double, kTableEnd> m_advances{};
};

} // namespace print
