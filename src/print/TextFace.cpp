#include "TextFace.h"

#include <QGlyphRun>
#include <QPainter>

namespace print {

namespace {

QFont Unkerned(QFont font) {
    font.setKerning(false);
    return font;
}

} // namespace

CTextFace::CTextFace(const QFont& font) : m_font(Unkerned(font)), m_metrics(m_font), m_raw(QRawFont::fromFont(m_font)) {
    if (!m_raw.isValid()) {
        return; // every text takes the full layout
    }
    std::array<QChar, kTableEnd> chars{};
    for (char16_t c = 0; c < kTableEnd; ++c) {
        chars[c] = QChar(c);
    }
    int count = kTableEnd;
    if (!m_raw.glyphIndexesForChars(chars.data(), kTableEnd, m_glyphs.data(), &count) || count != kTableEnd) {
        m_glyphs.fill(0);
        return;
    }
    std::array<QPointF, kTableEnd> advances{};
    m_raw.advancesForGlyphIndexes(m_glyphs.data(), advances.data(), kTableEnd, QRawFont::KernedAdvances);
    for (char16_t c = 0; c < kTableEnd; ++c) {
        m_advances[c] = advances[c].x();
        // Control characters have no picture: such a text goes the full way.
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            m_glyphs[c] = 0;
        }
    }
}

bool CTextFace::Simple(const QString& text) const {
    for (const QChar c : text) {
        if (c.unicode() >= kTableEnd || m_glyphs[c.unicode()] == 0) {
            return false;
        }
    }
    return true;
}

double CTextFace::Width(const QString& text) const {
    if (!Simple(text)) {
        return m_metrics.horizontalAdvance(text);
    }
    double width = 0;
    for (const QChar c : text) {
        width += m_advances[c.unicode()];
    }
    return width;
}

void CTextFace::Draw(QPainter& painter, const QPointF& origin, const QString& text) const {
    if (text.isEmpty()) {
        return;
    }
    if (!Simple(text)) {
        painter.drawText(origin, text);
        return;
    }
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(text.size());
    positions.reserve(text.size());
    double x = 0;
    for (const QChar c : text) {
        glyphs.push_back(m_glyphs[c.unicode()]);
        positions.emplace_back(x, 0);
        x += m_advances[c.unicode()];
    }
    QGlyphRun run;
    run.setRawFont(m_raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    painter.drawGlyphRun(origin, run);
}

} // namespace print
